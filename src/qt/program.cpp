#include "program.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include "artwork.h"
#include "ui/zoom.h"

namespace tessora::qt {

namespace {

QSettings Settings() { return QSettings(QStringLiteral("tessora"), QStringLiteral("tessora")); }

}  // namespace

Program::Program(const Options& options) : options_(options), form_(platform_), windows_(platform_) {
  // Script runs neither read nor keep the user's progress.
  platform_.useStore = options_.settings;
  platform_.keepsSettings = options_.settings;
  if (options_.settings) form_.w.mTastiera.checked = Settings().value(QStringLiteral("play/arrowKeys"), false).toBool();
  view_ = std::make_unique<MainView>(form_, platform_);
  if (options_.settings) {
    // The scale kept from the last run, or at the first start 100 %, made
    // smaller when the window would not fit the screen's free area.
    const int kept = Settings().value(QStringLiteral("view/zoom"), 0).toInt();
    QRect room(0, 0, 1 << 20, 1 << 20);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) room = screen->availableGeometry();
    const int menuAt100 = view_->menuBar()->sizeHint().height() * 100 / form_.w.zoom;
    form_.ZoomTo(StartZoom(kept, room.width(), room.height(), form_.w.width, form_.w.height, menuAt100,
                           kFrameWidth, kFrameHeight));
  }
  form_.Form_Load();
  view_->Sync();

  // The picture windows' timers tick through the same platform as the main window's.
  auto viewTick = platform_.onTick;
  platform_.onTick = [this, viewTick](const std::string& name) {
    if (windows_.Tick(name)) {
      Draw();
      return;
    }
    if (viewTick) viewTick(name);
  };
  // Closing the main window shows the closing window, whose timer ends the run.
  auto hideView = platform_.onQuit;
  platform_.quitsAtOnce = false;
  platform_.onQuit = [this, hideView] {
    if (hideView) hideView();
    if (options_.closingWindow) {
      windows_.Form9_Load();
      Draw();
    } else {
      windows_.ended = true;
      Draw();
    }
  };
  view_->onZoomChanged = [this](int percent) {
    if (options_.settings) Settings().setValue(QStringLiteral("view/zoom"), percent);
  };
  view_->onOptionsChanged = [this] {
    if (options_.settings) Settings().setValue(QStringLiteral("play/arrowKeys"), form_.w.mTastiera.checked);
  };
  if (!options_.scheme.isEmpty()) options_.scheme = QFileInfo(options_.scheme).absoluteFilePath();
}

Program::~Program() {
  // The view clears the platform's hooks it set; the wrappers set here go with them.
  platform_.onTick = nullptr;
  platform_.onQuit = nullptr;
  view_.reset();
}

void Program::Start() {
  if (options_.startWindow) {
    windows_.Form0_Load();
    Draw();
  } else {
    windows_.mainShown = true;
    Draw();
  }
}

void Program::ShowPictureWindow(std::unique_ptr<PictureWindowView>& window, const char* name,
                                const QImage& picture) {
  if (!window) window = std::make_unique<PictureWindowView>(QString::fromLatin1(name));
  window->SetPicture(picture);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(picture.width() / 2, picture.height() / 2));
  }
  window->show();
  window->raise();
  window->activateWindow();  // its keys come to it
}

void Program::Draw() {
  // Form0: shown while loaded; its end hands over to the main window.
  if (windows_.form0.loaded && (!start_ || !start_->isVisible())) {
    ShowPictureWindow(start_, "Form0", StartPicture(form_.w.zoom));
    start_->onClosed = [this] {
      windows_.Form0_Unload();
      Draw();
    };
    // A click or Esc, Enter or Space skips the wait.
    start_->onClicked = [this] {
      windows_.Form0_Click();
      Draw();
    };
    start_->onKey = [this](int keyCode) {
      if (windows_.Form0_KeyDown(keyCode)) Draw();
    };
  } else if (!windows_.form0.loaded && start_ && start_->isVisible()) {
    start_->hide();
  }
  if (windows_.mainShown && !mainDrawn_) {
    mainDrawn_ = true;
    ShowMain();
  }
  // Form9: shown while loaded; its end is the end of the run.
  if (windows_.form9.loaded && (!closing_ || !closing_->isVisible())) {
    ShowPictureWindow(closing_, "Form9", ClosingPicture(form_.w.zoom));
    closing_->onClosed = [this] {
      if (windows_.form9.loaded) windows_.Form9_Timer10_Timer();
      Draw();
    };
  } else if (!windows_.form9.loaded && closing_ && closing_->isVisible()) {
    closing_->hide();
  }
  if (windows_.ended && !endDrawn_) End();
}

void Program::ShowMain() {
  view_->show();
  view_->raise();
  view_->activateWindow();
  // The progress kept is read now, so that a broken store is said at once.
  if (platform_.useStore) QTimer::singleShot(0, view_.get(), [this] { view_->Forward([this] { form_.LoadProgress(); }); });
  // The program's start path: the recent files, the game of the last run.
  if (options_.settings) view_->Forward([this] { form_.StartUp(); });
  if (options_.scheme.isEmpty()) return;
  // The scheme goes through Open, as if chosen in its dialog.
  const std::string path = options_.scheme.toStdString();
  options_.scheme.clear();
  QTimer::singleShot(0, view_.get(), [this, path] {
    platform_.QueueOpenAnswer(path);
    view_->Forward([this] { form_.Click("Apri"); });
    platform_.QueueOpenAnswer(std::string());
  });
}

void Program::End() {
  endDrawn_ = true;
  if (start_) start_->hide();
  if (closing_) closing_->hide();
  if (onEnd) onEnd(0);
}

}  // namespace tessora::qt
