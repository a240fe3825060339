// The window as the desktop's accessibility layer (a screen reader) sees it:
// the names and descriptions the core makes for every cell and control, set
// on their widgets, and the roles of the widgets of our own (a cell is a
// table cell, the light an indicator).
#pragma once

#include <QWidget>

#include "ui/accessibility.h"

namespace tessora::qt {

// Sets the widget's accessible name and description when they differ (a
// change is announced to the accessibility layer by Qt).
void SetAccessible(QWidget* widget, const AccessibleText& text);

// Installs, once, the roles of the cell and light widgets.
void InstallAccessibleRoles();

}  // namespace tessora::qt
