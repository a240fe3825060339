// The application-wide look: one style and palette on every desktop, and the
// window's default font.
#pragma once

class QApplication;

namespace tessora::qt {

void SetUpApplication(QApplication& app);

}  // namespace tessora::qt
