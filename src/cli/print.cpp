// tessora-cli print: the print arrangement of a scheme file, headless; as an
// RTF document beside the scheme, or with --pdf as a PDF drawn by Qt.
#include "print.h"

#include <filesystem>
#include <iostream>

#include "control/report.h"
#include "files/print_document.h"
#include "files/scheme_sheet.h"
#include "options.h"

#ifdef TESSORA_PDF_MODULE
#include <dlfcn.h>

#include "pdf_module.h"
#endif

namespace tessora::cli {

namespace {

#ifdef TESSORA_PDF_MODULE
// The module's entry point, loaded once; null with the reason in `why`.
TessoraRenderPdf LoadPdfModule(std::string& why) {
  static TessoraRenderPdf entry = nullptr;
  static std::string failure;
  static bool tried = false;
  if (!tried) {
    tried = true;
    // The module is looked for only in the tool's own folder and, installed,
    // in the library folder beside it: never in the current folder, which may
    // be anyone's. Without the tool's own path there is no PDF output.
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !self.is_absolute()) {
      failure = "PDF output is unavailable: the folder of tessora-cli, where its PDF module lies, cannot be "
                "found (/proc/self/exe cannot be read).";
    } else {
      const std::filesystem::path folder = self.parent_path();
      std::string path = folder / TESSORA_PDF_MODULE;
#ifdef TESSORA_PDF_MODULE_INSTALLED
      // Installed, the module lies in the library folder, not beside the tool.
      if (!std::filesystem::exists(path, ec)) path = folder / TESSORA_PDF_MODULE_INSTALLED / TESSORA_PDF_MODULE;
#endif
      void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
      if (!handle) failure = std::string("PDF output is unavailable: the PDF module cannot be loaded: ") + ::dlerror();
      else if (!(entry = reinterpret_cast<TessoraRenderPdf>(::dlsym(handle, TESSORA_PDF_ENTRY))))
        failure = "PDF output is unavailable: the PDF module " + path + " has no entry point " + TESSORA_PDF_ENTRY + ".";
    }
  }
  why = failure;
  return entry;
}
#endif

// A message on one line: its line ends become blanks.
std::string OneLine(const std::string& message) {
  std::string text;
  for (char c : message)
    if (c != '\r') text += c == '\n' ? ' ' : c;
  return text;
}

}  // namespace

bool HavePdfWriter(std::string& why) {
#ifdef TESSORA_PDF_MODULE
  return LoadPdfModule(why) != nullptr;
#else
  why = "tessora-cli was built without Qt (TESSORA_BUILD_QT=OFF), so it cannot draw PDF files.";
  return false;
#endif
}

bool RenderPdfWithModule(const PrintPage& page, std::string& pdf, std::string& error) {
#ifdef TESSORA_PDF_MODULE
  const TessoraRenderPdf render = LoadPdfModule(error);
  if (!render) return false;
  std::vector<TessoraPdfLine> lines;
  for (const PrintLine& line : page.lines) lines.push_back({line.text.c_str(), line.bold ? 1 : 0});
  const TessoraPdfPage in{page.heading.c_str(), page.grid.c_str(), lines.data(), static_cast<int>(lines.size())};
  std::string out;
  const int ok = render(
      &in, [](void* context, const char* data, size_t size) { static_cast<std::string*>(context)->assign(data, size); },
      &out);
  (ok ? pdf : error) = std::move(out);
  return ok != 0;
#else
  (void)page;
  (void)pdf;
  return HavePdfWriter(error);
#endif
}

int Print(const std::vector<std::string>& args) {
  static const Option kOptions[] = {{"--pdf", true, "the name of the file to write"}};
  Arguments parsed;
  std::string error;
  if (!ParseArguments(args, kOptions, parsed, error) || parsed.operands.size() != 1) {
    if (!error.empty()) std::cerr << "tessora-cli print: " << error << "\n";
    std::cerr << "usage: tessora-cli print SCHEME | print --pdf FILE SCHEME\n";
    return 2;
  }
  const bool pdf = parsed.Has("--pdf");
  const std::string pdfPath = pdf ? parsed.Value("--pdf") : std::string();
  const std::string scheme = parsed.operands[0];
  if (pdf) {
    // The PDF goes into the file named, exactly: a name that is no file's is refused.
    std::error_code ec;
    if (Trim(pdfPath).empty()) {
      std::cerr << "tessora-cli print: --pdf needs the name of the file to write\n";
      return 2;
    }
    if (pdfPath.back() == '/' || std::filesystem::is_directory(pdfPath, ec)) {
      std::cerr << "tessora-cli print: " << pdfPath << " is a folder; --pdf needs the name of the file to write\n";
      return 2;
    }
    if (std::filesystem::equivalent(pdfPath, scheme, ec)) {
      std::cerr << "tessora-cli print: " << pdfPath << " is the scheme itself; the PDF would replace it\n";
      return 2;
    }
    std::string why;
    if (!HavePdfWriter(why)) {
      std::cerr << "tessora-cli print: " << why << "\n";
      return 2;
    }
  }

  // The scheme is read and its control run as "Open" does in the window; the
  // sheet lists the moves of that control, so without them (the control
  // failed, or refused the data) no document is written.
  if (Trim(scheme).empty()) {
    std::cerr << "tessora-cli print: no scheme file named\n";
    return 2;
  }
  SchemeParse read;
  std::string bytes;
  if (ReadSchemeFile(scheme, bytes, read.error)) read = IsSsPath(scheme) ? ParseSs(bytes) : ParseSud(bytes);
  if (!read.ok) {
    std::cerr << "tessora-cli print: " << OneLine("The scheme file\r\n" + scheme + "\r\ncannot be opened.\r\n" + read.error)
              << "\n";
    return 1;
  }
  const SchemeSheetOutcome control = ControlSchemeForSheet(read.scheme);
  if (control.result != ControlResult::Solved) {
    std::vector<std::string> report;
    if (control.result == ControlResult::RepeatedValues) report = RepeatedValuesReport();
    else if (control.result == ControlResult::Contradiction) report = ContradictionReport(true, "");
    else report = {kControlFailedMessage};
    std::string reason;
    for (const std::string& line : report) reason += (reason.empty() ? "" : " ") + Trim(OneLine(line));
    std::cerr << "tessora-cli print: the solvability control did not finish on " << scheme << " (" << reason
              << "); no document written\n";
    return 1;
  }
  if (PrintBaseName(scheme).empty()) {
    std::cerr << "tessora-cli print: there is nothing to print: " << scheme << " names no file\n";
    return 1;
  }

  const PrintPage page = SchemePrintPage(scheme, control.rows, control.moves);
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::current_path(ec);
  std::string written, output;
  error.clear();
  bool ok = false;
  if (!pdf) {
    written = PrintDocumentPath(scheme, ec ? std::string() : folder.string());
    ok = WriteFileAtomically(written, PrintRtf(page), error);
    if (!ok) error = "The print arrangement could not be written to " + written + " " + error;
  } else {
    written = pdfPath[0] == '/' || ec ? pdfPath : (folder / pdfPath).string();
    ok = RenderPdfWithModule(page, output, error) && WriteFileAtomically(written, output, error);
    if (!ok) error = "The PDF could not be written to " + written + " " + error;
  }
  if (!ok) {
    std::cerr << "tessora-cli print: " << OneLine(error) << " Any file already there is unchanged.\n";
    return 1;
  }
  std::cout << written << "\n";
  return 0;
}

}  // namespace tessora::cli
