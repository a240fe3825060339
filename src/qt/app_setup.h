// The application-wide look: one style and palette on every desktop, and the
// window's default font.
#pragma once

class QApplication;

namespace tessora::qt {

void SetUpApplication(QApplication& app);
// Sets the scale of the view (percent) and the application's default fonts with it.
void ApplyZoomToApplication(int percent);

}  // namespace tessora::qt
