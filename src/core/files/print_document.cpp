// The print arrangement sheet as RTF, and where its document goes.
#include "files/print_document.h"

#include <cstdint>

#include "util/product.h"

namespace tessora {

const std::vector<std::string> kLegendLines = {
    "XX=Cross",        "US=SingleCell",   "1n=SingleCand.",  "1h=HiddenCand.",  "2n=NakedTwins",
    "2h=HiddenTwins",  "PR=LockedCand.",  "3S=3Cand.3Cells", "4S=4Cand.4Cells", "3n=NakedTripl.",
    "3h=HiddenTripl.", "XW=XWing",        "SW=SwordFish",    "4n=NakedQuads",   "4h=HiddenQuads",
    "TT=Trials",       "-R =on Row",      "-C =on Col.",     "-Q =on Box"};

const std::string kExampleLine = "XX-R: 'Aa'=9 means \"Crossing on a Row you find that in 'Aa' 9 is ok\"";

PrintPage SchemePrintPage(const std::string& schemeFile, std::span<const std::string> rows,
                          const std::vector<std::string>& moves) {
  const std::string heading = "File: " + PrintBaseName(schemeFile) + "         " + kProductTitle + " " + kVersion +
                              " by the Tessora developers, December 2026";
  return MakePrintPage(heading, rows, moves);
}

PrintPage MakePrintPage(const std::string& heading, std::span<const std::string> rows,
                        const std::vector<std::string>& moves) {
  PrintPage page;
  page.heading = heading;
  page.grid.assign(81, ' ');
  for (std::size_t r = 0; r < 9 && r < rows.size(); ++r)
    for (std::size_t c = 0; c < 9 && c < rows[r].size(); ++c)
      if (rows[r][c] != '?') page.grid[9 * r + c] = rows[r][c];

  page.lines.push_back({"LEGENDA", true});
  for (const std::string& line : kLegendLines) page.lines.push_back({line, false});
  page.lines.push_back({"EXAMPLE", true});
  page.lines.push_back({kExampleLine, false});
  page.lines.push_back({"MOVES", true});
  for (const std::string& move : moves) page.lines.push_back({move, false});
  return page;
}

// ---- names ----------------------------------------------------------------------

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool Blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

// `schemeFile` with the file name's extension replaced by `extension`.
std::string SiblingPath(const std::string& schemeFile, const std::string& folder, const std::string& extension) {
  const std::string base = PrintBaseName(schemeFile);
  if (base.empty()) return {};
  const std::string dir = schemeFile.substr(0, schemeFile.size() - base.size());
  // The extension starts at the name's last "."; a name that only starts with
  // one (".hidden") has none.
  const std::size_t dot = base.rfind('.');
  const std::string stem = dot != std::string::npos && dot > 0 ? base.substr(0, dot) : base;
  std::string path = dir + stem + extension;
  if (path == schemeFile) path = schemeFile + extension;
  if (path[0] != '/' && !folder.empty()) path = (folder.back() == '/' ? folder : folder + "/") + path;
  return path;
}

}  // namespace

std::string PrintBaseName(const std::string& schemeFile) {
  std::size_t start = schemeFile.size();
  while (start > 0 && !IsSeparator(schemeFile[start - 1])) --start;
  std::string base = schemeFile.substr(start);
  return Blank(base) ? std::string() : base;
}

std::string PrintDocumentPath(const std::string& schemeFile, const std::string& folder) {
  return SiblingPath(schemeFile, folder, ".doc");
}

std::string PrintPdfPath(const std::string& schemeFile, const std::string& folder) {
  return SiblingPath(schemeFile, folder, ".pdf");
}

// ---- RTF ------------------------------------------------------------------------

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The next code point of `s` from `i` (advanced past it); a byte that does
// not start a well-formed UTF-8 sequence gives U+FFFD and is skipped alone.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int length = 0;
  char32_t cp = 0, min = 0;
  if ((b0 & 0xE0) == 0xC0) length = 2, cp = b0 & 0x1F, min = 0x80;
  else if ((b0 & 0xF0) == 0xE0) length = 3, cp = b0 & 0x0F, min = 0x800;
  else if ((b0 & 0xF8) == 0xF0) length = 4, cp = b0 & 0x07, min = 0x10000;
  if (length == 0 || i + length > s.size()) {
    ++i;
    return kReplacement;
  }
  for (int k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return kReplacement;
    }
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return kReplacement;
  }
  i += length;
  return cp;
}

// \uN takes a signed 16-bit number; "?" stands for readers without Unicode.
void AppendUnicode(std::string& out, char32_t unit) {
  out += "\\u";
  out += std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(unit)));
  out += '?';
}

}  // namespace

std::string RtfText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = NextCodePoint(utf8, i);
    if (cp == '\\' || cp == '{' || cp == '}') {
      out += '\\';
      out += static_cast<char>(cp);
    } else if (cp >= 0x20 && cp < 0x7F) {
      out += static_cast<char>(cp);
    } else {
      if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0)) cp = kReplacement;
      if (cp > 0xFFFF) {
        const char32_t v = cp - 0x10000;
        AppendUnicode(out, 0xD800 + (v >> 10));
        AppendUnicode(out, 0xDC00 + (v & 0x3FF));
      } else {
        AppendUnicode(out, cp);
      }
    }
  }
  return out;
}

namespace {

// Font numbers of the font table, colour numbers of the colour table.
constexpr const char* kPlain = "\\f0";
constexpr const char* kText = "\\f1";
constexpr const char* kDigits = "\\f2";
constexpr const char* kBlack = "\\cf1";
constexpr const char* kRed = "\\cf2";

std::string Size(int points) { return "\\fs" + std::to_string(2 * points); }

// One border of a grid cell: the outside of the grid, a box line, or dotted.
std::string Border(const char* side, int line) {
  std::string b = std::string("\\clbrdr") + side;
  if (line % 3 != 0) return b + "\\brdrdot\\brdrw" + std::to_string(sheet::kDotLine) + "\\brdrcf1";
  const int width = line == 0 || line == 9 ? sheet::kOuterLine : sheet::kBoxLine;
  return b + "\\brdrs\\brdrw" + std::to_string(width) + "\\brdrcf1";
}

void AppendGridRow(std::string& out, const PrintPage& page, int r) {
  using namespace sheet;
  out += "\\trowd\\trql\\trleft0\\trgaph0\\trrh-" + std::to_string(kCellSize) +
         "\\trpaddl0\\trpaddr0\\trpaddt0\\trpaddb0\\trpaddfl3\\trpaddfr3\\trpaddft3\\trpaddfb3\n";
  for (int c = 0; c < 9; ++c) {
    out += "\\clvertalc" + Border("t", r) + Border("l", c) + Border("b", r + 1) + Border("r", c + 1) + "\\cellx" +
           std::to_string((c + 1) * kCellSize) + "\n";
  }
  out += "\\clvertalc\\cellx" + std::to_string(kGridSize + kRowLetterWidth) + "\n";
  for (int c = 0; c < 9; ++c) {
    out += std::string("\\pard\\plain\\intbl\\qc") + kDigits + Size(kDigitPoints) + kBlack + " ";
    const char ch = page.grid.size() == 81 ? page.grid[9 * r + c] : ' ';
    if (ch != ' ') out += RtfText(std::string_view(&ch, 1));
    out += "\\cell\n";
  }
  out += std::string("\\pard\\plain\\intbl\\qc") + kText + Size(kHeadingPoints) + kRed + " " + kRowLetters[r] +
         "\\cell\n\\row\n";
}

}  // namespace

std::string PrintRtf(const PrintPage& page) {
  using namespace sheet;
  std::string out;
  out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
  out += std::string("{\\fonttbl{\\f0\\froman\\fcharset0 ") + kPlainFont + ";}{\\f1\\fswiss\\fcharset0 " + kTextFont +
         ";}{\\f2\\fscript\\fcharset0 " + kDigitFont + "{\\*\\falt " + kDigitFontAlternative + "};}}\n";
  out += "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\n";
  out += "{\\*\\generator Tessora;}\n";
  out += "\\paperw" + std::to_string(kPageWidth) + "\\paperh" + std::to_string(kPageHeight) + "\\margl" +
         std::to_string(kMarginLeft) + "\\margr" + std::to_string(kMarginRight) + "\\margt" +
         std::to_string(kMarginTop) + "\\margb" + std::to_string(kMarginBottom) + "\\viewkind1\n";
  out += "\\sectd\\sbknone\n";

  // Heading, an empty line, then the column letters on centred tab stops over
  // the middle of each grid column.
  const std::string text = std::string("\\pard\\plain\\ql\\fi0") + kText + Size(kHeadingPoints);
  out += text + kBlack + " " + RtfText(page.heading) + "\\par\n";
  out += std::string("\\pard\\plain\\ql") + kPlain + Size(kPlainPoints) + "\\par\n";
  out += std::string("\\pard\\plain\\ql\\fi0");
  for (int c = 0; c < 9; ++c) out += "\\tqc\\tx" + std::to_string(c * kCellSize + kCellSize / 2);
  out += std::string(kText) + Size(kHeadingPoints) + kRed;
  for (int c = 0; c < 9; ++c) out += std::string("\\tab ") + kColumnLetters[c];
  out += "\\par\n";

  // The grid: every row 40 points high, every column 40 points wide; the row
  // letters in a borderless tenth column.
  for (int r = 0; r < 9; ++r) AppendGridRow(out, page, r);

  // Spacing, then the section of six columns.
  out += std::string("\\pard\\plain\\ql") + kPlain + Size(kPlainPoints) + "\\par\n";
  out += std::string("\\pard\\plain\\ql") + kPlain + Size(kPlainPoints) + "\\par\n";
  out += "\\sect\\sectd\\sbknone\\cols" + std::to_string(kTextColumns) + "\\colsx" + std::to_string(kColumnSpacing) +
         "\n";
  const std::string list = std::string("\\pard\\plain\\ql\\fi0\\sl240\\slmult1") + kText + Size(kListPoints) + kBlack;
  for (const PrintLine& line : page.lines) out += list + (line.bold ? "\\b " : " ") + RtfText(line.text) + "\\par\n";
  // The document's last paragraph stays empty.
  out += list + "\n}\n";
  return out;
}

}  // namespace tessora
