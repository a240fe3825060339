// "Arrange for Printing (*.doc file)" and "Export PDF...": the sheet of the
// current scheme written beside its file as an RTF document, or drawn as a
// PDF where the user chooses.
#include <algorithm>
#include <cctype>

#include "files/print_document.h"
#include "files/scheme_format.h"
#include "ui/form1.h"

namespace tessora {

namespace {

const std::string kPrintTitle = "Arrange for Printing";
const std::string kPdfTitle = "Export PDF";

// The sheet of what the window holds now: the value rows of the board text
// image and the moves of the last solvability control.
PrintPage SchemeSheet(const Form1& f) {
  const auto& list = f.control.MoveList;
  const int count = std::clamp(f.control.MoveCount, 0, static_cast<int>(list.size()));
  const std::vector<std::string> moves(list.begin(), list.begin() + count);
  return SchemePrintPage(f.files.SchemeFile, std::span(f.files.SchemeLines).first(9), moves);
}

void NothingToPrint(Form1& f, const std::string& title) {
  f.MsgBox("There is nothing to print yet.\r\nKey in, open or create a scheme first.", MsgButtons::Ok, title);
}

// The lines that close a finished arrangement; the invitation to play only
// while a game is on.
void ShowCompleted(Form1& f, const std::string& first, const std::string& second = {}) {
  f.w.BoardClear();
  f.w.BoardAdd(first);
  if (!second.empty()) f.w.BoardAdd(second);
  if (f.board.PlayPhase && f.board.FilledCount < kCells) {
    f.w.BoardAdd("YOU CAN PLAY NOW");
    f.w.BoardAdd("- click the buttons below for advice.");
  }
}

bool HasPdfExtension(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
  return tail == ".pdf";
}

}  // namespace

void Form1::mCreaDoc_Click() {
  if (PrintBaseName(files.SchemeFile).empty()) {
    NothingToPrint(*this, kPrintTitle);
    return;
  }
  const std::string startFolder = platform.CurrentFolder();
  EnterWorkFolder();
  const std::string path = PrintDocumentPath(files.SchemeFile, platform.CurrentFolder());

  const std::vector<std::string> before = w.ListCons.items;
  w.BoardClear();
  w.BoardAdd("PRINT ARRANGEMENT IS RUNNING");
  w.BoardAdd("  file " + path);
  w.BoardAdd("  in " + startFolder);
  w.BoardAdd("  ...wait...");
  platform.SetMousePointer(Pointer::Busy);
  platform.Repaint();

  std::string error;
  const bool written = WriteFileAtomically(path, PrintRtf(SchemeSheet(*this)), error);
  platform.SetMousePointer(Pointer::Default);
  if (!written) {
    // Nothing was written: the blackboard goes back to what it showed.
    w.ListCons.items = before;
    MsgBox("The print arrangement could not be written to\r\n" + path + "\r\n" + error +
               "\r\nAny file already there is unchanged.",
           MsgButtons::Ok, kPrintTitle);
    return;
  }
  ShowCompleted(*this, "PRINT PREPARATION IS COMPLETED");
}

void Form1::mEspPdf_Click() {
  if (PrintBaseName(files.SchemeFile).empty()) {
    NothingToPrint(*this, kPdfTitle);
    return;
  }
  EnterWorkFolder();
  const std::string folder = platform.CurrentFolder();
  // The dialog starts beside the scheme, with its name.
  const std::string suggested = PrintPdfPath(files.SchemeFile, folder);
  const std::size_t cut = suggested.rfind('/');
  const std::string dialogFolder = cut == std::string::npos ? folder : suggested.substr(0, std::max<std::size_t>(cut, 1));
  std::string path = platform.AskSaveFile(kPdfTitle, {{"PDF document *.pdf", "*.pdf"}}, dialogFolder,
                                          suggested.substr(cut == std::string::npos ? 0 : cut + 1));
  if (Trim(path).empty()) return;
  // A name typed without the extension gets it, as save dialogs give it.
  if (!HasPdfExtension(path)) path += ".pdf";
  ExportPdf(path);
}

bool Form1::ExportPdf(std::string path) {
  if (PrintBaseName(files.SchemeFile).empty()) {
    NothingToPrint(*this, kPdfTitle);
    return false;
  }
  if (path.empty()) return false;
  EnterWorkFolder();
  const std::string folder = platform.CurrentFolder();
  if (path[0] != '/' && !folder.empty()) path = (folder.back() == '/' ? folder : folder + "/") + path;

  platform.SetMousePointer(Pointer::Busy);
  platform.Repaint();
  std::string pdf, error;
  const bool written = platform.RenderPdf(SchemeSheet(*this), pdf, error) && WriteFileAtomically(path, pdf, error);
  platform.SetMousePointer(Pointer::Default);
  if (!written) {
    MsgBox("The PDF could not be written to\r\n" + path + "\r\n" + error + "\r\nAny file already there is unchanged.",
           MsgButtons::Ok, kPdfTitle);
    return false;
  }
  ShowCompleted(*this, "PDF EXPORT IS COMPLETED", "  file " + path);
  return true;
}

}  // namespace tessora
