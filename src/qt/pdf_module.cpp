// The PDF module loaded by tessora-cli (see pdf_module.h).
#include "pdf_module.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "print_pdf.h"

extern "C" __attribute__((visibility("default"))) int tessora_render_pdf(const TessoraPdfPage* in,
                                                                          TessoraPdfSink sink, void* context) {
  tessora::PrintPage page;
  page.heading = in->heading ? in->heading : "";
  page.grid = in->grid ? in->grid : "";
  for (int i = 0; i < in->lineCount; ++i)
    page.lines.push_back({in->lines[i].text ? in->lines[i].text : "", in->lines[i].bold != 0});

  // Fonts need a GUI application; the tool has none, and no display either.
  // Qt's notes on its set-up (no runtime folder and the like) are not the
  // tool's output.
  std::unique_ptr<QGuiApplication> app;
  if (!QCoreApplication::instance()) {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
      if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
    });
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tessora-cli";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  std::string pdf, error;
  const bool ok = tessora::qt::RenderPrintPdf(page, pdf, error);
  const std::string& out = ok ? pdf : error;
  sink(context, out.data(), out.size());
  return ok ? 1 : 0;
}
