// tessora: the Sudoku tutor's window. The core holds the logic and the
// window's state; this program draws it and forwards the events.
//
//   tessora [--script FILE] [--screenshot FILE.png [--delay MS]]
//
// --script runs a session script (the commands of tessora-cli session) on the
// window before it shows; message boxes and file dialogs raised meanwhile take
// the script's queued answers. --screenshot saves the whole window, menu bar
// included, to a PNG file (and the priority dialog, when it is open, to
// FILE-form3.png) and ends the program.
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>
#include <fstream>
#include <iostream>

#include "app_setup.h"
#include "main_view.h"
#include "priority_dialog.h"
#include "qt_platform.h"
#include "ui/form1.h"
#include "ui/scripted_platform.h"
#include "ui/session.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tessora"));
  tessora::qt::SetUpApplication(app);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Tessora, the Sudoku tutor"));
  parser.addHelpOption();
  const QCommandLineOption scriptOption(QStringLiteral("script"),
                                        QStringLiteral("Runs a session script before the window shows."),
                                        QStringLiteral("FILE"));
  const QCommandLineOption shotOption(QStringLiteral("screenshot"),
                                      QStringLiteral("Saves the window to a PNG file and quits."),
                                      QStringLiteral("FILE.png"));
  const QCommandLineOption delayOption(QStringLiteral("delay"),
                                       QStringLiteral("Waits this long before the screenshot (default 300)."),
                                       QStringLiteral("MS"), QStringLiteral("300"));
  parser.addOptions({scriptOption, shotOption, delayOption});
  parser.process(app);

  tessora::qt::QtPlatform platform;
  tessora::Form1 form(platform);
  tessora::qt::MainView view(form, platform);
  form.Form_Load();
  view.Sync();

  int failures = 0;
  if (parser.isSet(scriptOption)) {
    const std::string path = parser.value(scriptOption).toStdString();
    std::ifstream in(path);
    if (!in) {
      std::cerr << "tessora: cannot read " << path << "\n";
      return 2;
    }
    tessora::ScriptedPlatform answers;  // holds the script's queued answers only
    platform.SetAnswerSource(&answers);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
      ++number;
      std::string error;
      if (!tessora::RunSessionLine(form, answers, line, std::cout, error)) {
        ++failures;
        std::cerr << "tessora: " << path << " line " << number << ": " << error << "\n";
      }
      view.Sync();
      if (form.unloaded) return failures ? 1 : 0;
    }
    platform.SetAnswerSource(nullptr);
  }

  view.show();

  if (parser.isSet(shotOption)) {
    const QString out = parser.value(shotOption);
    const int delay = parser.value(delayOption).toInt();
    QTimer::singleShot(std::max(0, delay), &view, [&view, &app, out, &failures] {
      view.Sync();
      auto save = [&failures](QWidget* window, const QString& path) {
        if (window->grab().save(path, "PNG")) return;
        std::cerr << "tessora: cannot write " << path.toStdString() << "\n";
        failures += 1;
      };
      save(&view, out);
      // The priority dialog, when open, goes beside it: NAME-form3.png.
      if (view.Form3() && view.Form3()->isVisible()) {
        QString dialogOut = out;
        dialogOut.insert(out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? out.size() - 4 : out.size(),
                         QLatin1String("-form3"));
        save(view.Form3(), dialogOut);
      }
      app.exit(failures ? 1 : 0);
    });
  }
  const int rc = app.exec();
  return rc ? rc : (failures ? 1 : 0);
}
