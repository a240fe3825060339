#include "app_setup.h"

#include <QApplication>
#include <QStyle>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolTip>

#include "style.h"
#include "ui/form1.h"

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
        return Scaled(3);
      // The marks, frames and scroll bars grow with the window's scale.
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
      case PM_ScrollBarExtent:
      case PM_ButtonMargin:
      case PM_DefaultFrameWidth:
      case PM_ComboBoxFrameWidth:
      case PM_MenuHMargin:
      case PM_MenuVMargin:
      case PM_MenuBarItemSpacing:
      case PM_MenuBarHMargin:
      case PM_MenuBarVMargin:
      case PM_MenuBarPanelWidth:
      case PM_SmallIconSize:
        return Scaled(QProxyStyle::pixelMetric(metric, option, widget));
      default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }
};

}  // namespace

void NameApplication() {
  QApplication::setApplicationName(QStringLiteral("tessora"));
  QApplication::setApplicationVersion(QString::fromStdString(kVersion));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.tessora.Tessora"));
}

void SetUpApplication(QApplication& app) {
  QApplication::setStyle(new WindowStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
  app.setPalette(QApplication::style()->standardPalette());
  app.setFont(DefaultFont());
}

void ApplyZoomToApplication(int percent) {
  SetZoom(percent);
  // Menus, message boxes, dialogs and tool tips take the scaled default font.
  QApplication::setFont(DefaultFont());
  QToolTip::setFont(DefaultFont());
}

}  // namespace tessora::qt
