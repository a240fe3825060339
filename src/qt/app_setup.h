// The application's names, and the application-wide look: one style and
// palette on every desktop, and the window's default font.
#pragma once

class QApplication;

namespace tessora::qt {

// The program's name, version and desktop entry. No display name is set: the
// window system would append it to every window's title, and the main
// window's title is the caption the program sets, nothing added.
void NameApplication();
void SetUpApplication(QApplication& app);
// Sets the scale of the view (percent) and the application's default fonts with it.
void ApplyZoomToApplication(int percent);

}  // namespace tessora::qt
