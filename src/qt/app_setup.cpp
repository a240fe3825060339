#include "app_setup.h"

#include <QApplication>
#include <QStyle>
#include <QProxyStyle>
#include <QStyleFactory>

#include "style.h"

namespace tessora::qt {

namespace {

// Fusion with the tighter option and check boxes of the original window, whose
// captions are laid out for a 13-pixel mark and a small gap.
class WindowStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    switch (metric) {
      case PM_RadioButtonLabelSpacing:
      case PM_CheckBoxLabelSpacing:
        return 3;
      default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }
};

}  // namespace

void SetUpApplication(QApplication& app) {
  QApplication::setStyle(new WindowStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
  app.setPalette(QApplication::style()->standardPalette());
  app.setFont(DefaultFont());
}

}  // namespace tessora::qt
