// tessora: the Sudoku tutor's window. The core holds the logic and the
// window's state; this program draws it and forwards the events.
//
//   tessora [FILE] [--script FILE] [--screenshot FILE.png [--delay MS] [--window NAME] [--size WxH]]
//
// FILE is a scheme (.sud or .ss) opened as Open would. --script runs a
// session script (the commands of tessora-cli session) on the window before
// it shows; message boxes and file dialogs raised meanwhile take the script's
// queued answers. --screenshot saves the whole window, menu bar included, to
// a PNG file (and each other window that is open beside it: the priority
// dialog to FILE-form3.png, the information window to FILE-form4.png, the
// guide to FILE-guide.png, the progress window to FILE-progress.png) and
// ends the program; with --window start or
// closing it saves the start-up or the closing window instead, over a
// desktop colour; --size resizes the main window first (its scale follows).
// Script and screenshot runs skip the start-up window and neither read nor
// keep the user's settings and data (the zoom, the recent files, the game
// kept between runs) unless the script's own `start` asks for the start path.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "about_dialog.h"
#include "progress_window.h"
#include "app_setup.h"
#include "artwork.h"
#include "help_viewer.h"
#include "priority_dialog.h"
#include "program.h"
#include "ui/scripted_platform.h"
#include "ui/session.h"
#include "util/line_reader.h"

namespace {

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(tessora::qt::IconPicture(size)));
  return icon;
}

// NAME.png -> NAME-suffix.png
QString Beside(const QString& out, const char* suffix) {
  QString path = out;
  path.insert(out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? out.size() - 4 : out.size(),
              QLatin1Char('-') + QLatin1String(suffix));
  return path;
}

// "WIDTHxHEIGHT" in pixels, each from 1 to 10000; an empty size otherwise.
QSize WindowSize(const QString& text) {
  const QStringList parts = text.split(QLatin1Char('x'));
  if (parts.size() != 2) return {};
  bool okW = false, okH = false;
  const int w = parts[0].toInt(&okW), h = parts[1].toInt(&okH);
  if (!okW || !okH || w < 1 || h < 1 || w > 10000 || h > 10000) return {};
  return QSize(w, h);
}

// Arguments of our own that cannot run: a message and status 2, else 0.
int ArgumentError(const QCommandLineParser& parser, const QCommandLineOption& windowOption,
                  const QCommandLineOption& sizeOption) {
  if (parser.positionalArguments().size() > 1) {
    std::cerr << "tessora: one scheme file at a time\n";
    return 2;
  }
  const QString shotWindow = parser.value(windowOption);
  if (shotWindow != QLatin1String("main") && shotWindow != QLatin1String("start") &&
      shotWindow != QLatin1String("closing")) {
    std::cerr << "tessora: --window takes main, start or closing\n";
    return 2;
  }
  if (parser.isSet(sizeOption) && WindowSize(parser.value(sizeOption)).isEmpty()) {
    std::cerr << "tessora: --size takes WIDTHxHEIGHT in pixels, such as 640x480\n";
    return 2;
  }
  return 0;
}

// Whether an argument is one of the options QApplication takes for itself
// (-platform, -style, -display ...); the parser meets those before it does.
bool NamesQtOption(const QStringList& arguments) {
  static const QStringList kQtOptions = {
      QStringLiteral("platform"),       QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
      QStringLiteral("plugin"),         QStringLiteral("qmljsdebugger"),      QStringLiteral("qwindowgeometry"),
      QStringLiteral("qwindowicon"),    QStringLiteral("qwindowtitle"),       QStringLiteral("reverse"),
      QStringLiteral("session"),        QStringLiteral("display"),            QStringLiteral("geometry"),
      QStringLiteral("style"),          QStringLiteral("stylesheet"),         QStringLiteral("widgetcount"),
      QStringLiteral("nograb"),         QStringLiteral("dograb"),             QStringLiteral("sync"),
      QStringLiteral("name"),           QStringLiteral("title"),              QStringLiteral("visual"),
      QStringLiteral("ncols"),          QStringLiteral("cmap"),               QStringLiteral("im"),
      QStringLiteral("inputstyle"),     QStringLiteral("fontengine"),         QStringLiteral("dialogs")};
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QString name = arguments[i];
    if (!name.startsWith(QLatin1Char('-'))) continue;
    while (name.startsWith(QLatin1Char('-'))) name.remove(0, 1);
    name = name.section(QLatin1Char('='), 0, 0);
    if (kQtOptions.contains(name)) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  tessora::qt::NameApplication();  // the name and version, before the help needs them

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Tessora, the Sudoku tutor: key in, open or create a scheme, and play it with a tutor that checks every\n"
      "move, keeps the candidates and explains the next step. Press F1 in the window for the guide."));
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption versionOption = parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A scheme file (.sud or .ss) to open."),
                               QStringLiteral("[FILE]"));
  const QCommandLineOption scriptOption(QStringLiteral("script"),
                                        QStringLiteral("Runs a session script before the window shows."),
                                        QStringLiteral("FILE"));
  const QCommandLineOption shotOption(QStringLiteral("screenshot"),
                                      QStringLiteral("Saves the window to a PNG file and quits."),
                                      QStringLiteral("FILE.png"));
  const QCommandLineOption delayOption(QStringLiteral("delay"),
                                       QStringLiteral("Waits this long before the screenshot (default 300)."),
                                       QStringLiteral("MS"), QStringLiteral("300"));
  const QCommandLineOption windowOption(QStringLiteral("window"),
                                        QStringLiteral("The window of the screenshot: main (default), start or "
                                                       "closing."),
                                        QStringLiteral("NAME"), QStringLiteral("main"));
  const QCommandLineOption sizeOption(QStringLiteral("size"),
                                      QStringLiteral("Resizes the main window before the screenshot; its scale "
                                                     "follows the size."),
                                      QStringLiteral("WxH"));
  parser.addOptions({scriptOption, shotOption, delayOption, windowOption, sizeOption});

  // --help, --version and arguments of our own that cannot run are answered
  // before the window system starts: they need no display. Options the parser
  // does not know may be Qt's own (-platform ...), which QApplication takes
  // out; then the parser reads the rest once the application exists.
  {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (parser.parse(arguments)) {
      if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")) || parser.isSet(versionOption)) {
        QCoreApplication core(argc, argv);
        parser.process(core);  // prints the help or the version and ends with status 0
      }
      if (const int status = ArgumentError(parser, windowOption, sizeOption)) return status;
    } else if (!NamesQtOption(arguments)) {
      // An option neither ours nor Qt's: said here, before a missing display
      // could end the run without a word.
      std::cerr << "tessora: " << parser.errorText().toStdString() << "\nTry 'tessora --help'.\n";
      return 2;
    }
  }

  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // the closing window ends the run
  tessora::qt::SetUpApplication(app);
  app.setWindowIcon(ProgramIcon());
  parser.process(app);
  if (const int status = ArgumentError(parser, windowOption, sizeOption)) return status;

  const QStringList files = parser.positionalArguments();
  const QString shotWindow = parser.value(windowOption);
  const bool scripted = parser.isSet(scriptOption) || parser.isSet(shotOption);

  tessora::qt::Program::Options options;
  options.startWindow = !scripted;
  options.settings = !scripted;
  if (!files.isEmpty()) options.scheme = files.first();
  tessora::qt::Program program(options);
  program.onEnd = [&app](int status) { app.exit(status); };
  tessora::Form1& form = program.form();
  tessora::qt::MainView& view = program.view();

  int failures = 0;
  if (parser.isSet(scriptOption)) {
    const std::string path = parser.value(scriptOption).toStdString();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
      std::cerr << "tessora: " << path << " is a folder, not a script\n";
      return 2;
    }
    std::ifstream in(path);
    if (!in) {
      std::cerr << "tessora: cannot read " << path << "\n";
      return 2;
    }
    tessora::ScriptedPlatform answers;  // holds the script's queued answers only
    program.platform().SetAnswerSource(&answers);
    int number = 0;
    std::string line;
    for (tessora::LineRead r; (r = tessora::ReadBoundedLine(in, line)) != tessora::LineRead::End;) {
      ++number;
      if (r == tessora::LineRead::TooLong) {
        ++failures;
        std::cerr << "tessora: " << path << " line " << number << ": " << tessora::TooLongLineMessage() << "\n";
        continue;
      }
      std::string error;
      answers.clipboard = program.platform().ClipboardText();
      const std::string clipboard = answers.clipboard;
      if (!tessora::RunSessionLine(form, answers, line, std::cout, error)) {
        ++failures;
        std::cerr << "tessora: " << path << " line " << number << ": " << error << "\n";
      }
      // "clipboard TEXT" puts the text on the desktop's clipboard, where Paste Scheme reads it.
      if (answers.clipboard != clipboard) program.platform().SetClipboardText(answers.clipboard);
      view.Sync();
      if (form.unloaded) return failures ? 1 : 0;
    }
    program.platform().SetAnswerSource(nullptr);
  }

  if (parser.isSet(shotOption) && shotWindow != QLatin1String("main")) {
    // The picture window alone, as it stands on a desktop of a plain colour.
    if (shotWindow == QLatin1String("start")) {
      program.windows().Form0_Load();
    } else {
      program.windows().Form9_Load();
    }
    program.Start();
  } else {
    program.Start();
    if (parser.isSet(sizeOption)) view.resize(WindowSize(parser.value(sizeOption)));
  }

  if (parser.isSet(shotOption)) {
    const QString out = parser.value(shotOption);
    const int delay = parser.value(delayOption).toInt();
    QTimer::singleShot(std::max(0, delay), &view, [&, out] {
      view.Sync();
      auto save = [&failures](const QImage& image, const QString& path) {
        if (image.save(path, "PNG")) return;
        std::cerr << "tessora: cannot write " << path.toStdString() << "\n";
        failures += 1;
      };
      if (shotWindow == QLatin1String("start") || shotWindow == QLatin1String("closing")) {
        auto* window = shotWindow == QLatin1String("start") ? program.StartWindow() : program.ClosingWindow();
        if (window) save(window->OnDesktop(QColor(0x3A, 0x6E, 0x8F)), out);
        else failures += 1;
        app.exit(failures ? 1 : 0);
        return;
      }
      save(view.grab().toImage(), out);
      // The other windows open beside it.
      if (view.Form3() && view.Form3()->isVisible()) save(view.Form3()->grab().toImage(), Beside(out, "form3"));
      if (view.Form4() && view.Form4()->isVisible()) save(view.Form4()->grab().toImage(), Beside(out, "form4"));
      if (auto* help = program.platform().Help(); help && help->isVisible())
        save(help->grab().toImage(), Beside(out, "guide"));
      if (auto* progress = program.platform().OpenProgressWindow())
        save(progress->grab().toImage(), Beside(out, "progress"));
      app.exit(failures ? 1 : 0);
    });
  }
  const int rc = app.exec();
  return rc ? rc : (failures ? 1 : 0);
}
