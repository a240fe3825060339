#include "accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "board_widgets.h"
#include "control_widgets.h"

namespace tessora::qt {

void SetAccessible(QWidget* widget, const AccessibleText& text) {
  if (!widget) return;
  const QString name = QString::fromStdString(text.name);
  const QString description = QString::fromStdString(text.description);
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
  if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

namespace {

QAccessibleInterface* Roles(const QString& /*className*/, QObject* object) {
  if (auto* cell = dynamic_cast<CellWidget*>(object)) return new QAccessibleWidget(cell, QAccessible::Cell);
  if (auto* light = dynamic_cast<LightWidget*>(object)) return new QAccessibleWidget(light, QAccessible::Indicator);
  return nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
  static const bool installed = [] {
    QAccessible::installFactory(Roles);
    return true;
  }();
  (void)installed;
}

}  // namespace tessora::qt
