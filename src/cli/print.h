#pragma once
#include <string>
#include <vector>

namespace tessora {
struct PrintPage;
}

namespace tessora::cli {
int Print(const std::vector<std::string>& args);
// Whether this tool can draw PDF files (the module loads); else why not.
bool HavePdfWriter(std::string& why);
// Draws the print sheet as PDF through the PDF module beside the tool (loaded
// on first use); false with a reason when this build or this installation has none.
bool RenderPdfWithModule(const PrintPage& page, std::string& pdf, std::string& error);
}  // namespace tessora::cli
