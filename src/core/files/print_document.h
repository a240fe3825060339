// The print arrangement: one sheet with the scheme's grid, a legend of the
// method codes and the list of moves. The sheet is described as plain data
// (PrintPage); PrintRtf writes it as an RTF document that LibreOffice Writer
// and Word open whatever the file's extension, and the Qt layer draws the
// same description as a PDF page. Nothing here knows the window.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessora {

// The sheet's geometry, in twips (1/1440 inch); font sizes in points.
namespace sheet {
constexpr int kPageWidth = 10944;   // 7.6 in
constexpr int kPageHeight = 13536;  // 9.4 in
constexpr int kMarginLeft = 720;    // 0.5 in
constexpr int kMarginRight = 720;   // 0.5 in
constexpr int kMarginTop = 1080;    // 0.75 in
constexpr int kMarginBottom = 720;  // 0.5 in
constexpr int kCellSize = 800;      // 40 pt, a grid cell's width and height
constexpr int kGridSize = 9 * kCellSize;
constexpr int kRowLetterWidth = 400;  // the borderless column of row letters right of the grid
constexpr int kOuterLine = 45;  // 2.25 pt around the grid
constexpr int kBoxLine = 40;    // 2 pt between the 3 x 3 boxes
constexpr int kDotLine = 10;    // the dotted lines between the other cells
constexpr int kTextColumns = 6;
constexpr int kColumnSpacing = 331;  // 0.23 in
// Each of the six columns of the second section.
constexpr int kColumnWidth =
    (kPageWidth - kMarginLeft - kMarginRight - (kTextColumns - 1) * kColumnSpacing) / kTextColumns;
constexpr int kHeadingPoints = 12;  // heading, column and row letters
constexpr int kDigitPoints = 28;
constexpr int kListPoints = 8;   // the six-column section
constexpr int kPlainPoints = 12;  // the empty spacing lines

// Fonts: "Arial" for the texts (Liberation Sans on Linux), the round hand
// "Comic Sans MS" for the digits, which Linux has as Comic Neue, and the word
// processor's default serif for the empty lines.
inline constexpr const char* kTextFont = "Arial";
inline constexpr const char* kDigitFont = "Comic Neue";
inline constexpr const char* kDigitFontAlternative = "Comic Sans MS";
inline constexpr const char* kPlainFont = "Times New Roman";

inline constexpr std::string_view kColumnLetters = "abcdefghi";
inline constexpr std::string_view kRowLetters = "ABCDEFGHI";
}  // namespace sheet

// The lines of the legend, in order: the display codes of the methods, then
// the zone suffixes of the move lines.
extern const std::vector<std::string> kLegendLines;
extern const std::string kExampleLine;

// One paragraph of the six-column section.
struct PrintLine {
  std::string text;
  bool bold = false;
  bool operator==(const PrintLine&) const = default;
};

// Everything the sheet shows. Texts are UTF-8.
struct PrintPage {
  std::string heading;  // "File: ", the scheme's name and the credit
  std::string grid;     // 81 characters row by row; a blank is an empty cell
  std::vector<PrintLine> lines;  // "LEGENDA", its lines, "EXAMPLE", its line, "MOVES", the moves
};

// The sheet of a scheme: `rows` are the board's value rows (character c of
// row r is cell (r, c); a "?", a missing character or a missing row is an
// empty cell), `moves` the lines of the move list.
PrintPage MakePrintPage(const std::string& heading, std::span<const std::string> rows,
                        const std::vector<std::string>& moves);

// The sheet of a scheme file: its heading names the file (PrintBaseName) and
// the product; `rows` and `moves` as MakePrintPage takes them.
PrintPage SchemePrintPage(const std::string& schemeFile, std::span<const std::string> rows,
                          const std::vector<std::string>& moves);

// The scheme's name as the heading shows it: the part of `schemeFile` after
// its last "/" or "\", extension included. Empty when there is no name (an
// empty or blank text, or one that ends with a folder separator): then there
// is nothing to print.
std::string PrintBaseName(const std::string& schemeFile);

// Where the document of `schemeFile` goes: the same path with the file name's
// extension replaced by ".doc" (a name without extension gets ".doc"), made
// absolute against `folder` when it is relative. A scheme file that itself
// ends in ".doc" keeps its name and gets ".doc" appended, so the document
// never replaces the scheme. Empty when there is nothing to print.
std::string PrintDocumentPath(const std::string& schemeFile, const std::string& folder);

// The same path rules for a PDF of the sheet: ".pdf" in place of the extension.
std::string PrintPdfPath(const std::string& schemeFile, const std::string& folder);

// The RTF document of the sheet.
std::string PrintRtf(const PrintPage& page);

// `utf8` as RTF text: "\", "{" and "}" escaped, characters outside printable
// ASCII as \uN? (surrogate pairs above U+FFFF); control characters and bytes
// that are not UTF-8 become U+FFFD.
std::string RtfText(std::string_view utf8);

}  // namespace tessora
