// The print arrangement sheet drawn with Qt's PDF writer: the same page as the
// RTF document, for users without a word processor. Needs a QGuiApplication.
#pragma once

#include <string>

#include "files/print_document.h"

namespace tessora::qt {

// Draws `page` as a PDF document into `pdf`: one sheet of 7.6 x 9.4 inches,
// more only when the move list does not fit in the six columns of one.
// False, with a reason in `error`, when the PDF writer fails.
bool RenderPrintPdf(const PrintPage& page, std::string& pdf, std::string& error);

}  // namespace tessora::qt
