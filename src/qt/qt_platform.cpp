#include "qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QTime>
#include <QTimer>
#include <QUrl>

#include "help_viewer.h"
#include "print_pdf.h"
#include "progress_store.h"
#include "progress_window.h"
#include "ui/form1.h"
#include "ui/scripted_platform.h"

namespace tessora::qt {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

unsigned ClockSeed() {
  const auto ns = static_cast<unsigned long long>(QDateTime::currentMSecsSinceEpoch()) * 1000003ull ^
                  static_cast<unsigned long long>(QTime::currentTime().msecsSinceStartOfDay());
  return static_cast<unsigned>(ns ^ (ns >> 32));
}

// The save dialog. Before it takes a name it asks, as the desktop's save
// dialogs do, whether an existing file may be replaced; it asks about the file
// that will be written, which is the chosen name with the filter's extension
// added when the name lacks it. (Scheme files take only ".sud" as that
// extension, a PDF also ".PDF": the question covers both readings.)
class SaveDialog : public QFileDialog {
 public:
  SaveDialog(QWidget* parent, const QString& title, const QString& start, const QString& filter, QString extension)
      : QFileDialog(parent, title, start, filter), extension_(std::move(extension)) {
    setAcceptMode(AcceptSave);
    setFileMode(AnyFile);
    // The question is this dialog's own, so the native one (which would ask
    // about the name without its extension) is not used.
    setOption(DontUseNativeDialog, true);
    setOption(DontConfirmOverwrite, true);
  }

  void accept() override {
    const QString chosen = selectedFiles().value(0);
    if (!chosen.isEmpty() && !QFileInfo(chosen).isDir()) {
      QStringList targets;
      if (!extension_.isEmpty() && !chosen.endsWith(extension_)) targets << chosen + extension_;
      if (extension_.isEmpty() || chosen.endsWith(extension_, Qt::CaseInsensitive)) targets << chosen;
      for (const QString& target : targets) {
        const QFileInfo info(target);
        if (!info.exists()) continue;
        if (QMessageBox::warning(this, windowTitle(),
                                 QCoreApplication::translate("QFileDialog",
                                                             "%1 already exists.\nDo you want to replace it?")
                                     .arg(info.fileName()),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
          return;
        break;
      }
    }
    QFileDialog::accept();
  }

 private:
  QString extension_;
};

// The extension a file saved under the first filter gets: ".sud" for "*.sud".
QString FilterExtension(const std::vector<FileFilter>& filters) {
  if (filters.empty()) return {};
  const QString pattern = Q(filters.front().second).trimmed();
  if (!pattern.startsWith(QStringLiteral("*.")) || pattern.contains(QLatin1Char(';')) ||
      pattern.contains(QLatin1Char(' ')) || pattern.size() < 3 || pattern.endsWith(QLatin1Char('*')))
    return {};
  return pattern.mid(1);
}

}  // namespace

QString FilterText(const std::vector<FileFilter>& filters) {
  QStringList parts;
  for (const auto& [description, pattern] : filters) {
    QString p = Q(pattern);
    p.replace(QLatin1Char(';'), QLatin1Char(' '));
    parts << QStringLiteral("%1 (%2)").arg(Q(description), p.simplified());
  }
  return parts.join(QStringLiteral(";;"));
}

QtPlatform::QtPlatform() : rng_(ClockSeed()) {}

QtPlatform::~QtPlatform() {
  for (auto& [name, timer] : timers_) delete timer;
  delete help_;
  if (busyPointer_) QApplication::restoreOverrideCursor();
}

void QtPlatform::Redraw() {
  if (onRedraw) onRedraw();
}

MsgResult QtPlatform::MessageBox(const MessageBoxRequest& request) {
  if (answers_) return answers_->MessageBox(request);
  Redraw();
  QString text = Q(request.text);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(dialogParent);
  box.setWindowTitle(request.title.empty() ? Q(kProductTitle) : Q(request.title));
  box.setText(text);
  box.setIcon(request.infoIcon ? QMessageBox::Information : QMessageBox::NoIcon);
  switch (request.buttons) {
    case MsgButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      box.setDefaultButton(QMessageBox::Ok);
      break;
    case MsgButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      break;
    case MsgButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      break;
  }
  const int pressed = box.exec();
  switch (pressed) {
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Ok: return MsgResult::Ok;
    default:  // closed without a button: the way out of each kind
      return request.buttons == MsgButtons::OkCancel ? MsgResult::Cancel
             : request.buttons == MsgButtons::YesNo  ? MsgResult::No
                                                     : MsgResult::Ok;
  }
}

std::string QtPlatform::AskOpenFile(const std::string& title, const std::vector<FileFilter>& filters,
                                    const std::string& folder) {
  if (!openAnswer_.empty()) {
    std::string path;
    path.swap(openAnswer_);
    return path;
  }
  if (answers_) return answers_->AskOpenFile(title, filters, folder);
  Redraw();
  // The open dialog only accepts an existing file.
  const QString path = QFileDialog::getOpenFileName(dialogParent, Q(title), Q(folder), FilterText(filters));
  return path.toStdString();
}

std::string QtPlatform::AskSaveFile(const std::string& title, const std::vector<FileFilter>& filters,
                                    const std::string& folder, const std::string& defaultName) {
  if (answers_) return answers_->AskSaveFile(title, filters, folder, defaultName);
  Redraw();
  QString start = Q(folder);
  if (!defaultName.empty()) start = start.isEmpty() ? Q(defaultName) : QDir(start).filePath(Q(defaultName));
  SaveDialog dialog(dialogParent, Q(title), start, FilterText(filters), FilterExtension(filters));
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0).toStdString();
}

void QtPlatform::TimerChanged(const std::string& name, bool enabled, int intervalMs) {
  QTimer*& timer = timers_[name];
  if (!timer) {
    timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [this, name] {
      if (onTick) onTick(name);
    });
  }
  if (enabled) timer->start(std::max(1, intervalMs));
  else timer->stop();
}

bool QtPlatform::TimerActive(const std::string& name) const {
  auto it = timers_.find(name);
  return it != timers_.end() && it->second->isActive();
}

QTimer* QtPlatform::Timer(const std::string& name) const {
  auto it = timers_.find(name);
  return it == timers_.end() ? nullptr : it->second;
}

void QtPlatform::DoEvents() {
  // The core calls this very often in long loops: process at most every few milliseconds.
  if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kDoEventsIntervalMs) return;
  Redraw();
  // Clicks and keys wait until the running handler is over: they never enter it.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  sinceEvents_.restart();
}

void QtPlatform::Repaint() { Redraw(); }

double QtPlatform::SecondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

double QtPlatform::Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

void QtPlatform::Randomize() { rng_.seed(ClockSeed()); }

void QtPlatform::Beep() { QApplication::beep(); }

std::string QtPlatform::ClipboardText() { return QApplication::clipboard()->text().toStdString(); }

void QtPlatform::SetClipboardText(const std::string& text) {
  QApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtPlatform::CurrentFolder() { return QDir::currentPath().toStdString(); }

bool QtPlatform::SetCurrentFolder(const std::string& folder) { return QDir::setCurrent(Q(folder)); }

bool QtPlatform::StartProgram(const std::string& path) {
  if (path.empty()) return false;
  return QProcess::startDetached(Q(path), {});
}

bool QtPlatform::ShowHelp(const std::string& /*file*/, int topic) {
  // The guide built into the program, in its own viewer.
  if (!help_) help_ = new HelpViewer;
  return help_->ShowTopic(topic);
}

QString QtPlatform::InstalledGuide(const std::string& file) {
  // Beside the program as installed (bin/ and share/tessora/ under one
  // prefix), then under the prefix it was built for. Never the current folder.
  const QStringList folders = {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/tessora")),
                               QStringLiteral(TESSORA_DATADIR)};
  for (const QString& folder : folders) {
    const QFileInfo info(QDir(folder).filePath(Q(file)));
    if (info.isFile()) return info.canonicalFilePath();
  }
  return QString();
}

bool QtPlatform::OpenGuide(const std::string& file) {
  const QString path = InstalledGuide(file);
  if (path.isEmpty()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtPlatform::SetMousePointer(Pointer pointer) {
  const bool busy = pointer == Pointer::Busy;
  if (busy == busyPointer_) return;
  busyPointer_ = busy;
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
  else QApplication::restoreOverrideCursor();
}

bool QtPlatform::RenderPdf(const PrintPage& page, std::string& pdf, std::string& error) {
  return RenderPrintPdf(page, pdf, error);
}

DataRead QtPlatform::ReadUserData(const std::string& name, std::string& bytes, std::string& error) {
  return ReadUserFile(UserDataFolder(), name, bytes, error);
}

bool QtPlatform::WriteUserData(const std::string& name, const std::string& bytes, std::string& error) {
  return WriteUserFile(UserDataFolder(), name, bytes, error);
}

bool QtPlatform::RemoveUserData(const std::string& name, std::string& error) {
  return RemoveUserFile(UserDataFolder(), name, error);
}

bool QtPlatform::SetAsideUserData(const std::string& name, std::string& aside, std::string& error) {
  return SetAsideUserFile(UserDataFolder(), name, aside, error);
}

namespace {

QSettings Settings() { return QSettings(QStringLiteral("tessora"), QStringLiteral("tessora")); }
const QString kRecentKey = QStringLiteral("files/recent");

}  // namespace

std::vector<std::string> QtPlatform::RecentFiles() {
  if (!keepsSettings) return recent_;
  std::vector<std::string> paths;
  for (const QString& path : Settings().value(kRecentKey).toStringList()) paths.push_back(path.toStdString());
  return paths;
}

void QtPlatform::KeepRecentFiles(const std::vector<std::string>& paths) {
  if (!keepsSettings) {
    recent_ = paths;
    return;
  }
  QStringList list;
  for (const std::string& path : paths) list << Q(path);
  Settings().setValue(kRecentKey, list);
}

bool QtPlatform::FileExists(const std::string& path) { return IsExistingFile(path); }

void QtPlatform::Quit() {
  quitRequested_ = true;
  for (auto& [name, timer] : timers_) timer->stop();
  if (help_) help_->hide();
  if (onQuit) onQuit();
  if (quitsAtOnce) QCoreApplication::quit();
}

int QtPlatform::ChooseItem(const ChoiceRequest& request) {
  if (answers_) return answers_->ChooseItem(request);
  Redraw();
  QStringList items;
  for (const std::string& item : request.items) items << QString::fromStdString(item);
  bool ok = false;
  const QString chosen = QInputDialog::getItem(dialogParent, QString::fromStdString(request.title),
                                               QString::fromStdString(request.label), items, request.current, false, &ok);
  return ok ? static_cast<int>(items.indexOf(chosen)) : -1;
}

ProgressLoad QtPlatform::LoadProgress() {
  if (!useStore) return {};
  if (!store_) store_ = std::make_unique<ProgressStore>(storeFolder.isEmpty() ? ProgressStore::DefaultFolder() : storeFolder);
  return store_->Load();
}

bool QtPlatform::SaveProgress(const ProgressCounts& counts, std::string& error) {
  if (!useStore) return true;
  if (!store_) store_ = std::make_unique<ProgressStore>(storeFolder.isEmpty() ? ProgressStore::DefaultFolder() : storeFolder);
  return store_->Save(counts, error);
}

int QtPlatform::ShowProgress(const ProgressReport& report) {
  Redraw();
  if (answers_) {
    // A script goes on while the window stays open (for its picture).
    if (progressWindow_) progressWindow_->deleteLater();
    auto* window = new ProgressWindow(report, dialogParent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    progressWindow_ = window;
    return answers_->ShowProgress(report);
  }
  ProgressWindow window(report, dialogParent);
  window.exec();
  return window.Chosen();
}

ProgressWindow* QtPlatform::OpenProgressWindow() const {
  return progressWindow_ && progressWindow_->isVisible() ? static_cast<ProgressWindow*>(progressWindow_.data()) : nullptr;
}

}  // namespace tessora::qt
