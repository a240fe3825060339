#include "app_setup.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
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

  // The control that has the keyboard (reached with Tab) shows it plainly:
  // a frame two pixels wide in the highlight colour round a button, and the
  // same round the caption of an option.
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !KeyboardFocus(option)) return;
    FocusFrame(painter, option->rect.adjusted(2, 2, -2, -2), option->palette);
  }
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_FrameFocusRect) {
      FocusFrame(painter, option->rect, option->palette);
      return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

 private:
  static bool KeyboardFocus(const QStyleOption* option) {
    return (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange);
  }
  static void FocusFrame(QPainter* painter, const QRect& r, const QPalette& palette) {
    painter->save();
    const int width = Scaled(2);
    painter->setPen(QPen(palette.color(QPalette::Highlight), width));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(r).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    painter->restore();
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
