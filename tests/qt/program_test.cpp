// The program's run on the window system: the start-up window giving way to
// the main window, Exit through the closing window, a scheme named on the
// command line, the information window, F1 and the guide, the zoom, the
// menus' keys.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "about_dialog.h"
#include "app_setup.h"
#include "artwork.h"
#include "board_widgets.h"
#include "help_viewer.h"
#include "picture_window.h"
#include "program.h"
#include "style.h"
#include "files/user_data.h"
#include "ui/form1.h"
#include "ui/scripted_platform.h"

using namespace tessora;
using tessora::qt::Program;

namespace {

QSettings Settings() { return QSettings(QStringLiteral("tessora"), QStringLiteral("tessora")); }

QString DataFolder() { return QString::fromStdString(UserDataFolder()); }

const char* const kEasy = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// The board: every cell's caption and ink, and its candidates.
std::string BoardOf(const Form1& f) {
  std::string s;
  for (int c = 0; c < kCells; ++c)
    s += f.w.caN[c].caption + "/" + std::to_string(f.w.caN[c].ink) + "/" + f.board.Can[c].Digits() + " ";
  return s + (f.board.PlayPhase ? "play" : "data");
}

// Makes a running timer of the platform fire now instead of after its interval.
void Hurry(qt::QtPlatform& platform, const std::string& name) {
  QTimer* timer = platform.Timer(name);
  QVERIFY(timer && timer->isActive());
  timer->start(1);
}

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Never the user's own data: run by hand, the test keeps its data in a folder of its own.
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME")) {
      static QTemporaryDir data;
      qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    }
    qt::SetUpApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    QApplication::setQuitOnLastWindowClosed(false);
  }

  void init() {
    Settings().clear();
    // The data folder is the test's own (ctest gives each test function one):
    // the game kept by an earlier run of it goes.
    QDir(DataFolder()).removeRecursively();
  }

  void startWindowGivesWayToTheMainWindow() {
    Program program(Program::Options{});
    int ended = -1;
    program.onEnd = [&](int status) { ended = status; };
    program.Start();

    qt::PictureWindowView* start = program.StartWindow();
    QVERIFY(start && start->isVisible());
    QVERIFY(!program.view().isVisible());
    QCOMPARE(start->size(), QSize(271, 311));
    QVERIFY(start->windowFlags() & Qt::FramelessWindowHint);
    // Shaped: the picture's pure white corners are not part of the window, its middle is.
    const QRegion outline = start->mask();
    QVERIFY(!outline.isEmpty());
    QVERIFY(!outline.contains(QPoint(0, 0)));
    QVERIFY(!outline.contains(QPoint(270, 310)));
    QVERIFY(outline.contains(QPoint(135, 30)));
    QCOMPARE(program.platform().Timer("Form0.Timer10")->interval(), 5000);

    Hurry(program.platform(), "Form0.Timer10");
    QTRY_VERIFY(program.view().isVisible());
    QVERIFY(!start->isVisible());
    QVERIFY(!program.platform().Timer("Form0.Timer10")->isActive());
    QCOMPARE(ended, -1);
  }

  void closingTheStartWindowShowsTheMainWindowAtOnce() {
    Program program(Program::Options{});
    program.Start();
    QVERIFY(program.StartWindow()->isVisible());
    program.StartWindow()->close();
    QVERIFY(program.view().isVisible());
    QVERIFY(!program.platform().Timer("Form0.Timer10")->isActive());
  }

  // A click on the start-up window, or Esc, Enter or Space on it, opens the
  // main window at once; a drag moves the window and another key does nothing.
  void clickOrKeySkipsTheStartWindow_data() {
    QTest::addColumn<int>("key");  // 0: a click
    QTest::newRow("click") << 0;
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
  }

  void clickOrKeySkipsTheStartWindow() {
    QFETCH(int, key);
    Program program(Program::Options{});
    program.Start();
    qt::PictureWindowView* start = program.StartWindow();
    QVERIFY(QTest::qWaitForWindowExposed(start));
    const QPoint middle(135, 150);
    // A drag is no click.
    const QPoint before = start->pos();
    QTest::mousePress(start, Qt::LeftButton, {}, middle);
    QTest::mouseMove(start, middle + QPoint(40, 30));
    QTest::mouseRelease(start, Qt::LeftButton, {}, middle + QPoint(40, 30));
    QTRY_COMPARE(start->pos(), before + QPoint(40, 30));
    QTest::keyClick(start, Qt::Key_A);
    QTest::keyClick(start, Qt::Key_F1);
    QVERIFY(start->isVisible());
    QVERIFY(!program.view().isVisible());
    QVERIFY(program.platform().Timer("Form0.Timer10")->isActive());

    if (key) QTest::keyClick(start, Qt::Key(key));
    else QTest::mouseClick(start, Qt::RightButton, {}, middle);
    QVERIFY(program.view().isVisible());
    QVERIFY(!start->isVisible());
    QVERIFY(!program.platform().Timer("Form0.Timer10")->isActive());
    QVERIFY(!program.Ended());
  }

  // The main window's title is the caption the program sets, nothing added:
  // no display name is set that the window system would append (the titles
  // as the X server holds them are checked by window_titles_x11.sh).
  void windowTitleIsTheCaptionAlone() {
    qt::NameApplication();
    QCOMPARE(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    Program::Options options;
    options.startWindow = false;
    Program program(options);
    program.Start();
    qt::MainView& view = program.view();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.windowTitle(), QStringLiteral("Tessora 2.2"));
    QTest::mouseClick(qobject_cast<QPushButton*>(view.ControlWidget("DatIniz")), Qt::LeftButton);
    QCOMPARE(view.windowTitle(), QStringLiteral("Tessora - Nuovo1"));
    QCOMPARE(view.windowHandle()->title(), QString::fromStdString(program.form().w.caption));
  }

  void exitShowsTheClosingWindowAndEnds_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("File > Exit") << true;
    QTest::newRow("close box") << false;
  }

  void exitShowsTheClosingWindowAndEnds() {
    QFETCH(bool, fromMenu);
    Program::Options options;
    options.startWindow = false;
    Program program(options);
    int ended = -1;
    program.onEnd = [&](int status) { ended = status; };
    program.Start();
    QVERIFY(program.view().isVisible());
    QVERIFY(!program.StartWindow());

    if (fromMenu) program.view().MenuAction("mChiudi")->trigger();
    else program.view().close();
    QVERIFY(program.form().unloaded);
    QVERIFY(!program.view().isVisible());
    qt::PictureWindowView* closing = program.ClosingWindow();
    QVERIFY(closing && closing->isVisible());
    QCOMPARE(closing->size(), QSize(190, 115));
    QVERIFY(!closing->mask().isEmpty());
    QCOMPARE(program.platform().Timer("Form9.Timer10")->interval(), 2000);
    QCOMPARE(ended, -1);

    Hurry(program.platform(), "Form9.Timer10");
    QTRY_COMPARE(ended, 0);
    QVERIFY(!closing->isVisible());
    QVERIFY(program.Ended());
  }

  void schemeOnTheCommandLineOpensLikeOpen() {
    Program::Options options;
    options.startWindow = false;
    options.scheme = QStringLiteral(TESSORA_FIXTURES "/schemes/compact.ss");
    Program program(options);
    program.Start();
    QTRY_VERIFY(program.form().board.PlayPhase);
    const Form1& f = program.form();
    QCOMPARE(QString::fromStdString(f.w.caption),
             QStringLiteral("Tessora - Sudoku file=") + QStringLiteral(TESSORA_FIXTURES "/schemes/compact.ss"));
    QCOMPARE(f.w.caN[1].caption, std::string("7"));
    QCOMPARE(f.w.ListCons.items.front(), std::string("SCHEME RELOADED & CONTROLLED"));
    QCOMPARE(program.view().Cell(1)->Caption(), QStringLiteral("7"));
  }

  void unreadableSchemeOnTheCommandLineIsReported() {
    Program::Options options;
    options.startWindow = false;
    options.scheme = QStringLiteral("/nonexistent/folder/none.sud");
    Program program(options);
    ScriptedPlatform answers;  // takes the message box instead of a user
    program.platform().SetAnswerSource(&answers);
    program.Start();
    QTRY_COMPARE(answers.messages.size(), std::size_t(1));
    QVERIFY(answers.messages[0].text.find("cannot be opened") != std::string::npos);
    QVERIFY(!program.form().board.DataStarted);
    program.platform().SetAnswerSource(nullptr);
  }

  void aboutTwiceGivesOneWindow() {
    Program::Options options;
    options.startWindow = false;
    Program program(options);
    program.Start();
    qt::MainView& view = program.view();
    view.MenuAction("mInfo")->trigger();
    qt::AboutDialog* about = view.Form4();
    QVERIFY(about && about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(about->windowTitle(), QStringLiteral("Information - Tessora"));
    QCOMPARE(about->size(), QSize(312, 140));
    QCOMPARE(qobject_cast<QLabel*>(about->Control("Label2"))->text(), QStringLiteral("Tessora Versione 2.2"));
    view.MenuAction("mInfo")->trigger();
    QCOMPARE(view.findChildren<qt::AboutDialog*>().size(), 1);
    QVERIFY(about->isVisible());
    // The main window takes clicks meanwhile.
    QTest::mouseClick(qobject_cast<QPushButton*>(view.ControlWidget("DatIniz")), Qt::LeftButton);
    QVERIFY(program.form().board.DataStarted);
    QTest::mouseClick(qobject_cast<QPushButton*>(about->Control("Command1")), Qt::LeftButton);
    QVERIFY(!program.form().form4.open);
    QVERIFY(!about->isVisible());
  }

  void f1OpensTheGuideAndNothingElse() {
    Program::Options options;
    options.startWindow = false;
    Program program(options);
    program.Start();
    qt::MainView& view = program.view();
    QTest::mouseClick(qobject_cast<QPushButton*>(view.ControlWidget("DatIniz")), Qt::LeftButton);
    QTest::keyClick(&view, Qt::Key_F1);
    qt::HelpViewer* help = program.platform().Help();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->Browser()->source(), qt::GuideUrl(0));
    QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("Entire Guide")));
    QCOMPARE(program.form().board.CurCell, 0);  // the cursor did not move

    // With the Help menu open: at topic 1000.
    help->hide();
    QMenu* helpMenu = view.Menu("mAiuto");
    helpMenu->popup(view.mapToGlobal(QPoint(200, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(helpMenu));
    QTest::keyClick(helpMenu, Qt::Key_F1);
    QVERIFY(help->isVisible());
    QCOMPARE(help->Browser()->source(), qt::GuideUrl(1000));
    QTRY_VERIFY(!helpMenu->isVisible());
  }

  void zoomScalesTheWholeWindowAndIsKept() {
    Program::Options options;
    options.startWindow = false;
    {
      Program program(options);
      program.Start();
      qt::MainView& view = program.view();
      const QSize small = view.size();
      QWidget* open = view.ControlWidget("Apri");
      QCOMPARE(open->geometry(), QRect(8, 16, 89, 25));
      const int fontAt100 = open->font().pixelSize();

      view.MenuAction("mZoom200")->trigger();
      QCOMPARE(program.form().w.zoom, 200);
      QCOMPARE(open->geometry(), QRect(16, 32, 178, 50));
      QCOMPARE(open->font().pixelSize(), 2 * fontAt100);
      QCOMPARE(view.Cell(0)->size(), QSize(82, 82));
      QVERIFY(view.width() >= 2 * small.width() - 2 && view.height() > small.height() * 3 / 2);
      QVERIFY(view.MenuAction("mZoom200")->isChecked());
      // The mouse over the window still speaks twips to the core.
      QTest::mouseClick(qobject_cast<QPushButton*>(view.ControlWidget("DatIniz")), Qt::LeftButton);
      QTest::mouseMove(view.Cell(40), view.Cell(40)->rect().center());
      QTRY_COMPARE(program.form().board.CurCell, 40);
      QCOMPARE(Settings().value("view/zoom").toInt(), 200);
    }
    // The next run starts at the kept scale.
    Program program(options);
    QCOMPARE(program.form().w.zoom, 200);
    QCOMPARE(program.view().ControlWidget("Apri")->geometry(), QRect(16, 32, 178, 50));
    program.view().MenuAction("mZoom100")->trigger();
    QCOMPARE(program.view().ControlWidget("Apri")->geometry(), QRect(8, 16, 89, 25));
    QCOMPARE(Settings().value("view/zoom").toInt(), 100);
  }

  void runsWithoutSettingsNeitherReadNorKeepTheZoom() {
    Settings().setValue("view/zoom", 150);
    Program::Options options;
    options.startWindow = false;
    options.settings = false;
    Program program(options);
    QCOMPARE(program.form().w.zoom, 100);
    program.view().MenuAction("mZoom125")->trigger();
    QCOMPARE(Settings().value("view/zoom").toInt(), 150);
  }

  void schemeGoesThroughTheDesktopClipboard() {
    Program::Options options;
    options.startWindow = false;
    Program program(options);
    program.Start();
    qt::MainView& view = program.view();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QString grid =
        QStringLiteral("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    QApplication::clipboard()->setText(grid);
    QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
    QTRY_VERIFY(program.form().board.PlayPhase);
    QCOMPARE(program.form().w.ListCons.items.front(), std::string("SOLVABILITY CONTROL REPORT"));
    QCOMPARE(program.view().Cell(1)->Caption(), QStringLiteral("3"));
    QApplication::clipboard()->clear();
    view.MenuAction("mCopia")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), grid);
    QVERIFY(!view.MenuAction("mAnnulla")->isEnabled());
  }

  void altLetterOpensItsMenu() {
    Program::Options options;
    options.startWindow = false;
    Program program(options);
    program.Start();
    qt::MainView& view = program.view();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.Menu("mFile")->menuAction()->text(), QStringLiteral("&File"));
    QTest::keyClick(&view, Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(view.Menu("mFile")->isVisible());
    // In the open menu the letter alone chooses its item: N is "New (create)", C "Clear All".
    QCOMPARE(view.MenuAction("mCrea")->text(), QStringLiteral("&New (create)"));
    view.Menu("mFile")->close();
  }

  void shapeOfThePicturesFollowsTheArtwork() {
    for (int percent : {100, 200}) {
      const QImage picture = qt::StartPicture(percent);
      QCOMPARE(picture.size(), QSize(271, 311) * percent / 100);
      const QRegion outline = qt::PictureOutline(picture);
      // Every pixel of the outline is a pixel of the artwork, and every pixel outside it is pure white.
      int inside = 0;
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
          const bool white = (picture.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
          QCOMPARE(outline.contains(QPoint(x, y)), !white);
          inside += !white;
        }
      // Mostly artwork, but with its corners and the gaps between the tiles cut.
      QVERIFY(inside > picture.width() * picture.height() * 6 / 10);
      QVERIFY(inside < picture.width() * picture.height() * 95 / 100);
    }
  }

  // ---- the start path: the game kept between runs, the recent files ---------

  // Play in the window, stop without Exit, start again: after the start-up
  // window the same board comes back, with its inks, candidates and phase,
  // and a line on the blackboard that says so. A run without settings (a
  // script's) neither reads nor writes it.
  void gameComesBackInTheNextRun() {
    Program::Options options;
    options.startWindow = false;
    std::string board;
    {
      Program program(options);
      program.Start();
      qt::MainView& view = program.view();
      QTest::mouseClick(qobject_cast<QPushButton*>(view.ControlWidget("DatIniz")), Qt::LeftButton);
      for (char ch : std::string(kEasy)) QTest::keyClick(&view, ch == '.' ? Qt::Key_Space : Qt::Key(ch));
      QTest::mouseClick(qobject_cast<QPushButton*>(view.ControlWidget("Gioca")), Qt::LeftButton);
      QVERIFY(program.form().board.PlayPhase);
      QTest::mouseMove(view.Cell(2), view.Cell(2)->rect().center());
      QTest::mouseClick(view.Cell(2), Qt::LeftButton);
      QTest::keyClick(&view, Qt::Key_4);
      QCOMPARE(program.form().w.caN[2].caption, std::string("4"));
      QVERIFY(QFileInfo::exists(DataFolder() + "/saved-game.txt"));
      board = BoardOf(program.form());
    }
    {
      // A script's run: the game is not read, and Clear All (which ends a
      // kept game) leaves the file as it was.
      QFile file(DataFolder() + "/saved-game.txt");
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QByteArray kept = file.readAll();
      file.close();
      Program::Options scripted = options;
      scripted.settings = false;
      Program program(scripted);
      program.Start();
      QVERIFY(!program.form().board.DataStarted);
      QVERIFY(program.view().MenuAction("mAzzer")->isEnabled());
      program.view().MenuAction("mAzzer")->trigger();
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(file.readAll(), kept);
    }
    Program program(Program::Options{});
    program.Start();
    QVERIFY(!program.view().isVisible());
    QTest::keyClick(program.StartWindow(), Qt::Key_Escape);
    QVERIFY(program.view().isVisible());
    QCOMPARE(BoardOf(program.form()), board);
    QCOMPARE(program.view().Cell(2)->Caption(), QStringLiteral("4"));
    QCOMPARE(program.view().Cell(2)->Ink(), QColor(0, 0, 192));
    auto* blackboard = qobject_cast<QListWidget*>(program.view().ControlWidget("ListCons"));
    QCOMPARE(blackboard->item(0)->text(), QStringLiteral("- GAME RESUMED from the last run."));
    QCOMPARE(program.view().windowTitle(), QStringLiteral("Tessora - Nuovo1"));
    // Clear All: nothing is kept for the next run.
    program.view().MenuAction("mAzzer")->trigger();
    QVERIFY(!QFileInfo::exists(DataFolder() + "/saved-game.txt"));
  }

  // File > Recent Schemes: kept in the settings, the latest first; a file
  // gone since is greyed when the File menu opens; the next run lists them.
  void recentSchemesAreKeptAndAMissingOneGreyed() {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.sud"), b = dir.filePath("b.sud");
    QVERIFY(QFile::copy(QStringLiteral(TESSORA_FIXTURES "/schemes/easy.sud"), a));
    QVERIFY(QFile::copy(QStringLiteral(TESSORA_FIXTURES "/schemes/easy.sud"), b));
    Program::Options options;
    options.startWindow = false;
    {
      Program program(options);
      program.Start();
      for (const QString& path : {a, b}) {
        program.view().Forward([&] { program.form().Click("Azzera"); });
        program.platform().QueueOpenAnswer(path.toStdString());
        program.view().MenuAction("mApri")->trigger();
      }
      QCOMPARE(Settings().value("files/recent").toStringList(), QStringList({b, a}));
      QMenu* recent = program.view().Menu("mRecenti");
      QVERIFY(recent && program.view().MenuAction("mRecenti")->isEnabled());
      QCOMPARE(program.view().MenuAction("mRec(0)")->text(), QStringLiteral("&1 ") + b);
      QVERIFY(!program.view().MenuAction("mRec(2)")->isVisible());
      QFile::remove(a);
      emit program.view().Menu("mFile")->aboutToShow();
      QVERIFY(!program.view().MenuAction("mRec(1)")->isEnabled());
      QVERIFY(program.view().MenuAction("mRec(0)")->isEnabled());
    }
    Program program(options);
    program.Start();
    QCOMPARE(program.view().MenuAction("mRec(0)")->text(), QStringLiteral("&1 ") + b);
    QVERIFY(!program.view().MenuAction("mRec(1)")->isEnabled());
    // A run without settings neither reads nor keeps them.
    Program::Options scripted = options;
    scripted.settings = false;
    Program plain(scripted);
    plain.Start();
    QVERIFY(!plain.view().MenuAction("mRecenti")->isEnabled());
  }

  // Tools > Arrow Keys in Play is kept between runs; the arrows then move
  // the cursor in play.
  void arrowKeysOptionIsKept() {
    Program::Options options;
    options.startWindow = false;
    {
      Program program(options);
      program.Start();
      QVERIFY(!program.view().MenuAction("mTastiera")->isChecked());
      program.view().MenuAction("mTastiera")->trigger();
      QVERIFY(program.view().MenuAction("mTastiera")->isChecked());
      QCOMPARE(Settings().value("play/arrowKeys").toBool(), true);
    }
    Program program(options);
    program.Start();
    QVERIFY(program.form().w.mTastiera.checked);
    qt::MainView& view = program.view();
    program.form().Click("DatIniz");
    program.form().EnterGivens(kEasy);
    program.view().Forward([&] { program.form().Click("Gioca"); });
    QTest::mouseMove(view.Cell(40), view.Cell(40)->rect().center());
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(program.form().board.CurCell, 41);
    QCOMPARE(view.Cell(41)->Background(), QColor(255, 255, 192));
  }

  // A run starts at a scale the screen's free area holds: the kept one, or
  // 100 % at the first start, made smaller when the window would not fit.
  void firstStartFitsTheScreen() {
    Program::Options options;
    options.startWindow = false;
    {
      Program program(options);
      QCOMPARE(program.form().w.zoom, 100);
    }
    Settings().setValue("view/zoom", 400);
    Program program(options);
    program.Start();
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(program.form().w.zoom < 400 && program.form().w.zoom > 150);
    QVERIFY(program.view().width() <= room.width());
    QVERIFY(program.view().height() + Program::kFrameHeight <= room.height());
  }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
