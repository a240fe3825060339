// The print arrangement: the RTF sheet read back structurally, the rules that
// name its document, and "Arrange for Printing" / "Export PDF..." played as a
// user plays them.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "files/print_document.h"
#include "files/scheme_format.h"
#include "files/scheme_sheet.h"
#include "methods/detectors.h"
#include "test_support.h"
#include "ui/dump.h"

namespace tessora {
namespace {

namespace fs = std::filesystem;
using test::Harness;

// ---- a reader of the RTF the writer makes ------------------------------------------

// A paragraph or a table cell as a word processor would show it.
struct Piece {
  std::string text;  // UTF-8, "\t" for a tab
  bool bold = false;
  bool cell = false;     // ended by \cell (else by \par, or the document's end)
  int section = 0;       // 0 before the section break, 1 after
  std::string controls;  // the control words of its paragraph, as written
};

struct RtfRead {
  std::vector<Piece> pieces;
  int rows = 0;
  bool balanced = true;  // groups close in order and all of them close
};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

RtfRead ReadRtf(const std::string& rtf) {
  RtfRead r;
  Piece current;
  std::vector<bool> boldStack;
  bool bold = false;
  int depth = 0, skipFrom = -1, section = 0;
  char32_t highSurrogate = 0;
  auto finish = [&](bool cell) {
    current.bold = bold;
    current.cell = cell;
    current.section = section;
    r.pieces.push_back(current);
    current = Piece();
  };
  for (std::size_t i = 0; i < rtf.size();) {
    const char ch = rtf[i];
    if (ch == '{') {
      boldStack.push_back(bold);
      ++depth;
      ++i;
      // Font and colour tables, and groups marked \*, hold no text of the page.
      if (skipFrom < 0 && (rtf.compare(i, 8, "\\fonttbl") == 0 || rtf.compare(i, 9, "\\colortbl") == 0 ||
                           rtf.compare(i, 2, "\\*") == 0))
        skipFrom = depth;
      continue;
    }
    if (ch == '}') {
      if (boldStack.empty()) {
        r.balanced = false;
        ++i;
        continue;
      }
      bold = boldStack.back();
      boldStack.pop_back();
      if (skipFrom == depth) skipFrom = -1;
      --depth;
      ++i;
      continue;
    }
    if (ch == '\n' || ch == '\r') {
      ++i;
      continue;
    }
    const bool skipping = skipFrom >= 0;
    if (ch != '\\') {
      if (!skipping) current.text += ch;
      ++i;
      continue;
    }
    // A control symbol or a control word with its number and delimiter.
    const char next = i + 1 < rtf.size() ? rtf[i + 1] : '\0';
    if (next == '\\' || next == '{' || next == '}') {
      if (!skipping) current.text += next;
      i += 2;
      continue;
    }
    std::size_t j = i + 1;
    while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
    const std::string word = rtf.substr(i + 1, j - i - 1);
    std::size_t k = j;
    if (k < rtf.size() && rtf[k] == '-') ++k;
    while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k]))) ++k;
    const std::string number = rtf.substr(j, k - j);
    if (k < rtf.size() && rtf[k] == ' ') ++k;
    i = k;
    if (skipping) continue;
    current.controls += "\\" + word + number;
    if (word == "par") finish(false);
    else if (word == "cell") finish(true);
    else if (word == "row") ++r.rows;
    else if (word == "sect") ++section;
    else if (word == "plain") bold = false;
    else if (word == "b") bold = number != "0";
    else if (word == "tab") current.text += '\t';
    else if (word == "u") {
      char32_t unit = static_cast<char16_t>(static_cast<std::int16_t>(std::stoi(number)));
      if (i < rtf.size() && rtf[i] == '?') ++i;  // the stand-in for readers without Unicode
      if (unit >= 0xD800 && unit < 0xDC00) {
        highSurrogate = unit;
        continue;
      }
      if (unit >= 0xDC00 && unit < 0xE000 && highSurrogate) {
        unit = 0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
        highSurrogate = 0;
      }
      AppendUtf8(current.text, unit);
    }
  }
  if (!current.text.empty() || !current.controls.empty()) finish(false);
  r.balanced = r.balanced && depth == 0;
  return r;
}

std::vector<std::string> Texts(const std::vector<Piece>& pieces) {
  std::vector<std::string> out;
  for (const Piece& p : pieces) out.push_back(p.text);
  return out;
}

const std::vector<std::string> kMoves = {"XX-Q: 'Ac' =3", "2n-R: 'Bd' =147", "TT : 'Ii' =9"};

// The rows of a scheme as the board text image holds them: a "?" and the end
// of a short row are empty cells too.
const std::vector<std::string> kRows = {" 7  8    ", " 8451 6  ", "   3 4   ", "      4  ", "    2   7",
                                        "   8  19 ", "3 5", "?4 25  13", "71     4 ?"};
const std::string kGrid = " 7  8    " " 8451 6  " "   3 4   " "      4  " "    2   7" "   8  19 " "3 5      "
                          " 4 25  13" "71     4 ";

// ---- the sheet ------------------------------------------------------------------

TEST(PrintSheet, HeadingColumnLettersGridAndRowLetters) {
  const PrintPage page = MakePrintPage("File: x.sud   credit", kRows, kMoves);
  ASSERT_EQ(page.grid, kGrid);
  const RtfRead read = ReadRtf(PrintRtf(page));
  ASSERT_TRUE(read.balanced);
  EXPECT_EQ(read.rows, 9);

  std::vector<Piece> before, cells;
  for (const Piece& p : read.pieces) (p.cell ? cells : before).push_back(p);
  ASSERT_GE(before.size(), 3u);
  EXPECT_EQ(before[0].text, "File: x.sud   credit");
  EXPECT_EQ(before[1].text, "");
  EXPECT_EQ(before[2].text, "\ta\tb\tc\td\te\tf\tg\th\ti");
  // The letters stand on centred tab stops over the middle of each column.
  for (int c = 0; c < 9; ++c)
    EXPECT_NE(before[2].controls.find("\\tqc\\tx" + std::to_string(400 + 800 * c)), std::string::npos) << c;

  ASSERT_EQ(cells.size(), 90u);  // nine grid cells and the row letter, nine times
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const char ch = kGrid[9 * r + c];
      EXPECT_EQ(cells[10 * r + c].text, ch == ' ' ? "" : std::string(1, ch)) << r << "," << c;
      EXPECT_NE(cells[10 * r + c].controls.find("\\qc\\f2\\fs56\\cf1"), std::string::npos);  // "Comics" 28, black
    }
    EXPECT_EQ(cells[10 * r + 9].text, std::string(1, "ABCDEFGHI"[r]));
    EXPECT_NE(cells[10 * r + 9].controls.find("\\f1\\fs24\\cf2"), std::string::npos);  // Arial 12, red
  }
}

TEST(PrintSheet, SixColumnSectionHoldsLegendExampleAndEveryMove) {
  const RtfRead read = ReadRtf(PrintRtf(MakePrintPage("File: x", kRows, kMoves)));
  std::vector<Piece> section, spacing;
  for (const Piece& p : read.pieces) {
    if (p.section == 1) section.push_back(p);
    else if (!p.cell && !section.empty()) ADD_FAILURE() << "paragraph after the section: " << p.text;
  }
  // Two empty lines between the grid and the section break.
  for (auto it = read.pieces.rbegin(); it != read.pieces.rend() && !it->cell; ++it)
    if (it->section == 0) spacing.push_back(*it);
  EXPECT_EQ(Texts(spacing), (std::vector<std::string>{"", ""}));

  std::vector<std::string> expected = {"LEGENDA"};
  expected.insert(expected.end(), kLegendLines.begin(), kLegendLines.end());
  expected.push_back("EXAMPLE");
  expected.push_back("XX-R: 'Aa'=9 means \"Crossing on a Row you find that in 'Aa' 9 is ok\"");
  expected.push_back("MOVES");
  expected.insert(expected.end(), kMoves.begin(), kMoves.end());
  expected.push_back("");  // the last paragraph is empty
  EXPECT_EQ(Texts(section), expected);
  ASSERT_EQ(kLegendLines.size(), 19u);
  EXPECT_EQ(kLegendLines.front(), "XX=Cross");
  EXPECT_EQ(kLegendLines.back(), "-Q =on Box");
  for (const Piece& p : section) {
    const bool title = p.text == "LEGENDA" || p.text == "EXAMPLE" || p.text == "MOVES";
    EXPECT_EQ(p.bold, title) << p.text;
    EXPECT_NE(p.controls.find("\\ql\\fi0\\sl240\\slmult1\\f1\\fs16"), std::string::npos) << p.text;  // Arial 8, single
  }

  // Without moves the sheet ends with "MOVES" and one empty paragraph.
  const RtfRead none = ReadRtf(PrintRtf(MakePrintPage("File: x", kRows, {})));
  const std::vector<std::string> texts = Texts(none.pieces);
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[texts.size() - 2], "MOVES");
  EXPECT_EQ(texts.back(), "");
}

TEST(PrintSheet, PageSizeMarginsColumnsAndFonts) {
  const std::string rtf = PrintRtf(MakePrintPage("File: x", kRows, kMoves));
  // 7.6 x 9.4 inches; margins 0.5, 0.5, 0.75, 0.5 inch.
  EXPECT_NE(rtf.find("\\paperw10944\\paperh13536\\margl720\\margr720\\margt1080\\margb720"), std::string::npos);
  // A continuous section break, then six columns 0.23 inch apart, no line between.
  EXPECT_NE(rtf.find("\\sect\\sectd\\sbknone\\cols6\\colsx331\n"), std::string::npos);
  EXPECT_EQ(rtf.find("\\linebetcol"), std::string::npos);
  EXPECT_NE(rtf.find("{\\f1\\fswiss\\fcharset0 Arial;}"), std::string::npos);
  EXPECT_NE(rtf.find("{\\f2\\fscript\\fcharset0 Comic Neue{\\*\\falt Comic Sans MS};}"), std::string::npos);
  EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"), std::string::npos);
  // Every grid row 40 points high exactly, every column 40 points wide, the table at the left margin.
  const std::regex rowDef(R"(\\trowd\\trql\\trleft0\\trgaph0\\trrh-800)");
  EXPECT_EQ(std::distance(std::sregex_iterator(rtf.begin(), rtf.end(), rowDef), std::sregex_iterator()), 9);
  for (int c = 1; c <= 9; ++c) EXPECT_NE(rtf.find("\\cellx" + std::to_string(800 * c) + "\n"), std::string::npos);
}

// The borders of each grid cell: 2.25 points round the grid, 2 points between
// the boxes, dotted between the other cells; the row letters have none.
TEST(PrintSheet, BoxLinesAreHeavyCellBorders) {
  const std::string rtf = PrintRtf(MakePrintPage("File: x", kRows, kMoves));
  std::vector<std::vector<std::string>> rows;  // per row, per cell, its definition
  for (std::size_t at = rtf.find("\\trowd"); at != std::string::npos; at = rtf.find("\\trowd", at + 1)) {
    const std::string def = rtf.substr(at, rtf.find("\\pard", at) - at);
    std::vector<std::string> cells;
    std::size_t from = 0;
    for (std::size_t x = def.find("\\cellx"); x != std::string::npos; x = def.find("\\cellx", x + 1)) {
      cells.push_back(def.substr(from, x - from));
      from = x + 1;
    }
    rows.push_back(cells);
  }
  ASSERT_EQ(rows.size(), 9u);
  const auto border = [&](int r, int c, char side) -> std::string {
    const std::regex re(std::string(R"(\\clbrdr)") + side + R"(\\brdr(s|dot)\\brdrw(\d+))");
    std::smatch m;
    if (!std::regex_search(rows[r][c], m, re)) return "none";
    return m[1] == "dot" ? "dotted" : m[2] == "45" ? "frame" : m[2] == "40" ? "box" : "?" + m[2].str();
  };
  struct Case {
    int r, c;
    char side;
    const char* expected;
  };
  for (const Case& k : std::vector<Case>{{0, 0, 't', "frame"}, {0, 0, 'l', "frame"}, {0, 0, 'b', "dotted"},
                                         {0, 0, 'r', "dotted"}, {0, 2, 'r', "box"},    {0, 3, 'l', "box"},
                                         {0, 5, 'r', "box"},    {0, 6, 'l', "box"},    {2, 4, 'b', "box"},
                                         {3, 4, 't', "box"},    {5, 1, 'b', "box"},    {6, 1, 't', "box"},
                                         {4, 4, 't', "dotted"}, {4, 4, 'l', "dotted"}, {4, 4, 'b', "dotted"},
                                         {4, 4, 'r', "dotted"}, {8, 8, 'b', "frame"},  {8, 8, 'r', "frame"},
                                         {0, 8, 't', "frame"},  {8, 0, 'l', "frame"},  {4, 9, 'l', "none"},
                                         {4, 9, 't', "none"}})
    EXPECT_EQ(border(k.r, k.c, k.side), k.expected) << k.r << "," << k.c << " " << k.side;
  for (const auto& row : rows) ASSERT_EQ(row.size(), 10u);
}

TEST(PrintSheet, TextIsEscaped) {
  struct Case {
    std::string in, out;
  };
  for (const Case& k : std::vector<Case>{
           {"C:\\S\\x.sud", "C:\\\\S\\\\x.sud"},
           {"{a}", "\\{a\\}"},
           {"\xC3\xA9t\xC3\xA9", "\\u233?t\\u233?"},          // é
           {"\xE2\x82\xAC", "\\u8364?"},                      // €
           {"\xEF\xBC\xA1", "\\u-223?"},                      // U+FF21 above 0x7FFF: signed
           {"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},       // U+1F600 as a surrogate pair
           {"\xFF", "\\u-3?"},                                // not UTF-8: U+FFFD
           {"\xE2\x82", "\\u-3?\\u-3?"},                      // cut short
           {"\xC0\xAF", "\\u-3?\\u-3?"},                      // overlong
           {"\xED\xA0\x80", "\\u-3?\\u-3?\\u-3?"},            // a lone surrogate
           {"a\tb\n", "a\\u-3?b\\u-3?"},                      // control characters
       })
    EXPECT_EQ(RtfText(k.in), k.out) << k.in;

  // A name full of them comes back whole, and the groups still close.
  const std::string name = "File: {R\xC3\xA9sum\xC3\xA9}\\\xE2\x82\xAC \xF0\x9F\x98\x80.sud";
  const RtfRead read = ReadRtf(PrintRtf(MakePrintPage(name, kRows, {"}{", "\\"})));
  EXPECT_TRUE(read.balanced);
  ASSERT_FALSE(read.pieces.empty());
  EXPECT_EQ(read.pieces[0].text, name);
  const std::vector<std::string> texts = Texts(read.pieces);
  EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()), (std::vector<std::string>{"}{", "\\", ""}));
}

// ---- where the document goes ----------------------------------------------------

TEST(PrintSheet, DocumentPathReplacesOnlyTheFileNamesExtension) {
  struct Case {
    std::string scheme, base, doc, pdf;
  };
  for (const Case& k : std::vector<Case>{
           {"Nuovo3", "Nuovo3", "/w/Nuovo3.doc", "/w/Nuovo3.pdf"},
           {"Dif005Cr30", "Dif005Cr30", "/w/Dif005Cr30.doc", "/w/Dif005Cr30.pdf"},
           {"/home/u/S/abc.sud", "abc.sud", "/home/u/S/abc.doc", "/home/u/S/abc.pdf"},
           {"/home/u/a.b/x.sud", "x.sud", "/home/u/a.b/x.doc", "/home/u/a.b/x.pdf"},  // a folder with a dot
           {"/home/u/S/my.scheme.ss", "my.scheme.ss", "/home/u/S/my.scheme.doc", "/home/u/S/my.scheme.pdf"},
           {"/home/u/S/abc", "abc", "/home/u/S/abc.doc", "/home/u/S/abc.pdf"},
           {"/home/u/S/.hidden", ".hidden", "/home/u/S/.hidden.doc", "/home/u/S/.hidden.pdf"},
           {"/home/u/S/abc.doc", "abc.doc", "/home/u/S/abc.doc.doc", "/home/u/S/abc.pdf"},  // never the scheme
           {"sub/abc.sud", "abc.sud", "/w/sub/abc.doc", "/w/sub/abc.pdf"},
           {"C:\\S\\abc.sud", "abc.sud", "/w/C:\\S\\abc.doc", "/w/C:\\S\\abc.pdf"},
           {" ", "", "", ""},  // start-up: nothing to print
           {"", "", "", ""},   // after a cancelled Open
           {"/home/u/S/", "", "", ""},
       }) {
    EXPECT_EQ(PrintBaseName(k.scheme), k.base) << k.scheme;
    EXPECT_EQ(PrintDocumentPath(k.scheme, "/w"), k.doc) << k.scheme;
    EXPECT_EQ(PrintPdfPath(k.scheme, "/w"), k.pdf) << k.scheme;
  }
  EXPECT_EQ(PrintDocumentPath("x.sud", "/"), "/x.doc");
}

// ---- the handlers ---------------------------------------------------------------

// A folder of its own for each test, removed afterwards; the process's
// current folder is put back too.
struct TempFolder {
  fs::path path;
  fs::path before = fs::current_path();
  explicit TempFolder(const std::string& name) {
    path = fs::temp_directory_path() / ("tessora-print-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~TempFolder() {
    fs::current_path(before);
    fs::remove_all(path);
  }
  std::set<std::string> Files(const fs::path& dir) const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
  }
};

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void OpenScheme(Harness& h, const fs::path& path) {
  h.platform.fileAnswers.push_back(path.string());
  h.form.Click("Apri");
  ASSERT_EQ(h.form.files.SchemeFile, path.string());
  ASSERT_TRUE(h.form.board.PlayPhase);
}

const std::vector<std::string> kPlayLines = {"YOU CAN PLAY NOW", "- click the buttons below for advice."};

TEST(PrintArrangement, WritesTheSheetBesideTheOpenedScheme) {
  TempFolder tmp("beside");
  const fs::path dir = tmp.path / "a.b";  // a dot in the folder's name
  fs::create_directories(dir);
  fs::copy_file(fs::path(TESSORA_FIXTURES) / "schemes/easy.sud", dir / "x.sud");
  std::ofstream(dir / "x.doc") << "an older document";
  Harness h;
  OpenScheme(h, dir / "x.sud");
  const std::string startFolder = h.platform.CurrentFolder();
  const std::vector<std::string> boardBefore = h.form.w.ListCons.items;
  const std::string stateBefore = DumpState(h.form);

  std::vector<std::string> shownWhileWriting;
  Pointer pointerWhileWriting = Pointer::Default;
  h.platform.onRepaint = [&] {
    shownWhileWriting = h.form.w.ListCons.items;
    pointerWhileWriting = h.platform.pointer;
  };
  ASSERT_TRUE(h.form.Click("mCreaDoc"));

  const std::string doc = (dir / "x.doc").string();
  EXPECT_EQ(shownWhileWriting, (std::vector<std::string>{"PRINT ARRANGEMENT IS RUNNING", "  file " + doc,
                                                          "  in " + startFolder, "  ...wait..."}));
  EXPECT_EQ(pointerWhileWriting, Pointer::Busy);
  EXPECT_EQ(h.platform.pointer, Pointer::Default);
  std::vector<std::string> closing = {"PRINT PREPARATION IS COMPLETED"};
  closing.insert(closing.end(), kPlayLines.begin(), kPlayLines.end());
  EXPECT_EQ(h.form.w.ListCons.items, closing);
  EXPECT_TRUE(h.platform.messages.empty());
  // The old document was replaced; nothing else appeared, nothing went elsewhere.
  EXPECT_EQ(tmp.Files(dir), (std::set<std::string>{"x.sud", "x.doc"}));
  EXPECT_EQ(tmp.Files(tmp.path), (std::set<std::string>{"a.b"}));

  const RtfRead read = ReadRtf(ReadAll(doc));
  ASSERT_TRUE(read.balanced);
  EXPECT_EQ(read.pieces[0].text.rfind("File: x.sud         Tessora 2.2", 0), 0u) << read.pieces[0].text;
  std::string grid;
  std::vector<std::string> moves;
  bool inMoves = false;
  for (const Piece& p : read.pieces) {
    if (p.cell && p.text.size() <= 1 && !std::isupper(static_cast<unsigned char>(p.text.empty() ? 'x' : p.text[0])))
      grid += p.text.empty() ? " " : p.text;
    if (inMoves) moves.push_back(p.text);
    inMoves = inMoves || p.text == "MOVES";
  }
  std::string rows;
  for (int r = 0; r < 9; ++r) rows += h.form.files.SchemeLines[r];
  EXPECT_EQ(grid, rows);
  ASSERT_FALSE(moves.empty());
  moves.pop_back();  // the closing empty paragraph
  const auto& list = h.form.control.MoveList;
  EXPECT_EQ(moves, std::vector<std::string>(list.begin(), list.begin() + h.form.control.MoveCount));
  EXPECT_GT(moves.size(), 40u);

  // Apart from the blackboard, the window is as it was.
  h.form.w.ListCons.items = boardBefore;
  EXPECT_EQ(DumpState(h.form), stateBefore);
}

TEST(PrintArrangement, KeyedSchemeBeforePlayGoesIntoTheWorkFolder) {
  TempFolder tmp("keyed");
  Harness h;
  h.form.files.WorkFolder = tmp.path.string();
  test::KeyScheme(h.form, "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
  ASSERT_EQ(h.form.files.SchemeFile, "Nuovo1");
  h.form.Click("mCreaDoc");
  EXPECT_EQ(h.form.w.ListCons.items, (std::vector<std::string>{"PRINT PREPARATION IS COMPLETED"}));
  EXPECT_EQ(tmp.Files(tmp.path), (std::set<std::string>{"Nuovo1.doc"}));
  EXPECT_EQ(fs::current_path(), tmp.path);  // the work folder became the current folder
}

TEST(PrintArrangement, AFinishedGameIsNotInvitedToPlayOn) {
  TempFolder tmp("finished");
  fs::copy_file(fs::path(TESSORA_FIXTURES) / "schemes/easy.sud", tmp.path / "x.sud");
  Harness h;
  OpenScheme(h, tmp.path / "x.sud");
  for (int c = 0; c < kCells; ++c)
    if (!h.form.Filled(c)) {
      h.form.caN_Click(c);
      h.form.KeyDown(h.form.board.Solution.Text(c)[0], 0);
    }
  ASSERT_EQ(h.form.board.FilledCount, kCells);
  h.form.Click("mCreaDoc");
  EXPECT_EQ(h.form.w.ListCons.items, (std::vector<std::string>{"PRINT PREPARATION IS COMPLETED"}));
}

TEST(PrintArrangement, NothingToPrintWithoutASchemeName) {
  for (const std::string& name : {std::string(" "), std::string()}) {
    TempFolder tmp("nothing");
    fs::current_path(tmp.path);
    Harness h;
    h.form.files.SchemeFile = name;
    const std::vector<std::string> board = h.form.w.ListCons.items;
    for (const char* item : {"mCreaDoc", "mEspPdf"}) {
      h.platform.messages.clear();
      ASSERT_TRUE(h.form.Click(item));
      ASSERT_EQ(h.platform.messages.size(), 1u) << item;
      EXPECT_EQ(h.platform.messages[0].text.rfind("There is nothing to print", 0), 0u);
      EXPECT_EQ(h.form.w.ListCons.items, board);
    }
    EXPECT_TRUE(h.platform.dialogTitles.empty());  // no file dialog either
    EXPECT_TRUE(tmp.Files(tmp.path).empty());       // no " .doc"
    EXPECT_EQ(h.platform.pointer, Pointer::Default);
  }
}

TEST(PrintArrangement, AFailureShowsPathAndReasonAndLeavesNoFile) {
  struct Case {
    std::string name, schemeFile, reason;
  };
  TempFolder tmp("failure");
  fs::create_directories(tmp.path / "x.doc");  // a folder where the document would go
  for (const Case& k : std::vector<Case>{
           {"missing folder", (tmp.path / "gone" / "x.sud").string(), "The folder does not exist."},
           {"folder in the way", (tmp.path / "x.sud").string(), "The name is a folder, not a file."}}) {
    Harness h;
    h.form.files.WorkFolder = tmp.path.string();
    h.form.files.SchemeFile = k.schemeFile;
    h.form.w.BoardClear();
    h.form.w.BoardAdd("- a message before");
    h.form.Click("mCreaDoc");
    ASSERT_EQ(h.platform.messages.size(), 1u) << k.name;
    const std::string& text = h.platform.messages[0].text;
    EXPECT_NE(text.find(PrintDocumentPath(k.schemeFile, "")), std::string::npos) << text;
    EXPECT_NE(text.find(k.reason), std::string::npos) << text;
    EXPECT_EQ(h.platform.messages[0].title, "Arrange for Printing");
    EXPECT_EQ(h.form.w.ListCons.items, (std::vector<std::string>{"- a message before"})) << k.name;
    EXPECT_EQ(h.platform.pointer, Pointer::Default);
  }
  EXPECT_EQ(tmp.Files(tmp.path), (std::set<std::string>{"x.doc"}));  // no temporary file left
  EXPECT_TRUE(fs::is_directory(tmp.path / "x.doc"));
}

TEST(PrintArrangement, ASchemeNamedDocIsNotReplaced) {
  TempFolder tmp("named-doc");
  fs::copy_file(fs::path(TESSORA_FIXTURES) / "schemes/easy.sud", tmp.path / "abc.doc");
  const std::string scheme = ReadAll(tmp.path / "abc.doc");
  Harness h;
  OpenScheme(h, tmp.path / "abc.doc");
  h.form.Click("mCreaDoc");
  EXPECT_EQ(ReadAll(tmp.path / "abc.doc"), scheme);
  EXPECT_EQ(ReadAll(tmp.path / "abc.doc.doc").rfind("{\\rtf1", 0), 0u);
}

TEST(PdfExport, DrawsTheSameSheetWhereTheUserChooses) {
  TempFolder tmp("pdf");
  fs::copy_file(fs::path(TESSORA_FIXTURES) / "schemes/easy.sud", tmp.path / "x.sud");
  Harness h;
  h.form.files.WorkFolder = tmp.path.string();
  OpenScheme(h, tmp.path / "x.sud");
  PrintPage drawn;
  Pointer pointerWhileDrawing = Pointer::Default;
  h.platform.pdfRenderer = [&](const PrintPage& page, std::string& pdf, std::string&) {
    drawn = page;
    pointerWhileDrawing = h.platform.pointer;
    pdf = "%PDF-1.4 fake";
    return true;
  };
  h.platform.fileAnswers.push_back("out");  // relative to the work folder; ".pdf" is added
  ASSERT_TRUE(h.form.Click("mEspPdf"));
  EXPECT_EQ(h.platform.dialogDefaultNames.back(), "x.pdf");
  EXPECT_EQ(h.platform.dialogTitles.back(), "Export PDF");
  EXPECT_EQ(ReadAll(tmp.path / "out.pdf"), "%PDF-1.4 fake");
  EXPECT_EQ(pointerWhileDrawing, Pointer::Busy);
  EXPECT_EQ(h.platform.pointer, Pointer::Default);
  std::vector<std::string> closing = {"PDF EXPORT IS COMPLETED", "  file " + (tmp.path / "out.pdf").string()};
  closing.insert(closing.end(), kPlayLines.begin(), kPlayLines.end());
  EXPECT_EQ(h.form.w.ListCons.items, closing);
  // The page drawn is the page of the document.
  std::vector<std::string> rows(h.form.files.SchemeLines.begin(), h.form.files.SchemeLines.begin() + 9);
  const auto& list = h.form.control.MoveList;
  const PrintPage expected = MakePrintPage(drawn.heading, rows,
                                           std::vector<std::string>(list.begin(), list.begin() + h.form.control.MoveCount));
  EXPECT_EQ(drawn.heading.rfind("File: x.sud ", 0), 0u);
  EXPECT_EQ(drawn.grid, expected.grid);
  EXPECT_EQ(drawn.lines, expected.lines);

  // Cancelled: nothing written, nothing said.
  const std::vector<std::string> board = h.form.w.ListCons.items;
  h.platform.fileAnswers.push_back("");
  h.form.Click("mEspPdf");
  EXPECT_EQ(h.form.w.ListCons.items, board);
  EXPECT_EQ(tmp.Files(tmp.path), (std::set<std::string>{"x.sud", "out.pdf"}));
}

TEST(PdfExport, AFailureIsReportedAndWritesNothing) {
  TempFolder tmp("pdf-failure");
  fs::copy_file(fs::path(TESSORA_FIXTURES) / "schemes/easy.sud", tmp.path / "x.sud");
  Harness h;
  OpenScheme(h, tmp.path / "x.sud");
  const std::vector<std::string> board = h.form.w.ListCons.items;
  // Without a PDF writer (the build without Qt), then with one that fails.
  h.platform.fileAnswers.push_back((tmp.path / "a.pdf").string());
  h.form.Click("mEspPdf");
  h.platform.pdfRenderer = [](const PrintPage&, std::string&, std::string& error) {
    error = "The PDF writer could not start.";
    return false;
  };
  h.platform.fileAnswers.push_back((tmp.path / "b.PDF").string());
  h.form.Click("mEspPdf");
  ASSERT_EQ(h.platform.messages.size(), 2u);
  EXPECT_NE(h.platform.messages[0].text.find((tmp.path / "a.pdf").string()), std::string::npos);
  EXPECT_NE(h.platform.messages[0].text.find("without the PDF writer"), std::string::npos);
  EXPECT_NE(h.platform.messages[1].text.find((tmp.path / "b.PDF").string()), std::string::npos);  // no second extension
  EXPECT_NE(h.platform.messages[1].text.find("could not start"), std::string::npos);
  EXPECT_EQ(h.form.w.ListCons.items, board);
  EXPECT_EQ(h.platform.pointer, Pointer::Default);
  EXPECT_EQ(tmp.Files(tmp.path), (std::set<std::string>{"x.sud"}));
}

}  // namespace
}  // namespace tessora

namespace tessora {
namespace {

// tessora-cli print builds no window: it reads the scheme and runs the
// control on the engine alone. Its sheet must be the one "Open" and then
// "Arrange for Printing" make in the window: the same grid rows and the same
// moves, and no sheet where the window's control does not reach play.
// Returns the sheet's moves (none where there is no sheet).
std::vector<std::string> ExpectSheetAsTheWindowMakesIt(const fs::path& path) {
  SCOPED_TRACE(path.string());
  Harness h;
  h.platform.fileAnswers.push_back(path.string());
  h.form.Click("Apri");
  std::string bytes, error;
  EXPECT_TRUE(ReadSchemeFile(path.string(), bytes, error)) << error;
  const SchemeParse parsed = IsSsPath(path.string()) ? ParseSs(bytes) : ParseSud(bytes);
  EXPECT_TRUE(parsed.ok) << parsed.error;
  const SchemeSheetOutcome sheet = ControlSchemeForSheet(parsed.scheme);
  // (Data that contradict themselves leave the window in play with the
  // control failed: no sheet for them either.)
  const bool played = h.form.board.PlayPhase && !h.form.control.ControlFailed;
  EXPECT_EQ(sheet.result == ControlResult::Solved, played);
  if (!played) return {};
  for (int r = 0; r < 9; ++r) EXPECT_EQ(sheet.rows[r], h.form.files.SchemeLines[r]) << "row " << r;
  const auto& list = h.form.control.MoveList;
  const std::vector<std::string> moves(list.begin(), list.begin() + h.form.control.MoveCount);
  EXPECT_EQ(sheet.moves, moves);
  return sheet.moves;
}

TEST(PrintWithoutWindow, SheetOfEveryFixtureSchemeAsTheWindowMakesIt) {
  for (const char* name : {"easy.sud", "game18.sud", "game27.sud", "compact.ss", "bordered.ss", "six_rows.ss",
                           "last_row_no_crlf.ss"})
    ExpectSheetAsTheWindowMakesIt(fs::path(TESSORA_FIXTURES) / "schemes" / name);
}

// Plain schemes that need trials, fail, or are solved by the methods alone,
// and saved games of them (values keyed in play, the control's own marks,
// the user's candidates) that need trials.
TEST(PrintWithoutWindow, SheetOfSchemesWithTrialsAndSavedGamesAsTheWindowMakesIt) {
  TempFolder tmp("engine-sheet");
  std::vector<std::string> grids;
  for (const char* file : {"puzzles/threads.txt", "trials/diabolic.txt", "trials/hidden_contradiction.txt"}) {
    std::ifstream in(fs::path(TESSORA_FIXTURES) / file);
    for (std::string line; std::getline(in, line);)
      if (line.size() >= 81 && line[0] != '#')
        grids.push_back(line.substr(0, 81));
  }
  int k = 0, plainWithTrial = 0, gamesPlayed = 0, gamesWithTrial = 0;
  auto trial = [](const std::vector<std::string>& moves) {
    return std::any_of(moves.begin(), moves.end(), [](const std::string& m) { return m.rfind("TT", 0) == 0; });
  };
  for (const std::string& grid : grids) {
    std::array<std::string, kSchemeRows> rows{};
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) rows[r] += grid[9 * r + c] == '.' || grid[9 * r + c] == '0' ? ' ' : grid[9 * r + c];
    const fs::path plain = tmp.path / ("p" + std::to_string(k) + ".sud");
    std::ofstream(plain, std::ios::binary) << FormatSud(rows, 9);
    plainWithTrial += trial(ExpectSheetAsTheWindowMakesIt(plain));
    // The same scheme as a saved game: the first empty cell keyed, marked "b", one empty cell marked "c", and every empty
    // cell's candidates those the givens leave.
    Board b = DecodeBoardText(rows, 9);
    RecountCandidates(b);
    int keyed = -1, marked = -1;
    for (int c = 0; c < kCells; ++c)
      if (!b.Filled(c) && b.Can[c].HasDigits()) (keyed < 0 ? keyed : marked) = c;
    if (keyed >= 0 && marked >= 0) {
      std::array<std::string, kSchemeRows> game = rows;
      // The solution's digit where the control finds one, so that most games go on.
      const ControlOutcome solved = ControlScheme(DecodeBoardText(rows, 9));
      game[keyed / 9][keyed % 9] = solved.result == ControlResult::Solved
                                       ? static_cast<char>('0' + solved.solution[keyed])
                                       : b.Can[keyed].Digits()[0];
      for (int r = 0; r < 9; ++r) {
        game[9 + r] = std::string(9, ' ');
        for (int c = 0; c < 9; ++c) game[18 + r] += (b.Filled(9 * r + c) ? std::string(" ") : b.Can[9 * r + c].Digits()) + ",";
      }
      game[9 + keyed / 9][keyed % 9] = 'b';
      game[18 + keyed / 9] = "";
      for (int c = 0; c < 9; ++c)
        game[18 + keyed / 9] += (c == keyed % 9 || b.Filled(9 * (keyed / 9) + c) ? std::string(" ")
                                                                              : b.Can[9 * (keyed / 9) + c].Digits()) + ",";
      game[9 + marked / 9][marked % 9] = 'c';
      const fs::path saved = tmp.path / ("g" + std::to_string(k) + ".sud");
      std::ofstream(saved, std::ios::binary) << FormatSud(game, 27);
      const std::vector<std::string> moves = ExpectSheetAsTheWindowMakesIt(saved);
      gamesPlayed += !moves.empty();
      gamesWithTrial += trial(moves);
    }
    ++k;
  }
  // The cases cover what they are meant to.
  EXPECT_GT(plainWithTrial, 10);
  EXPECT_GT(gamesPlayed, 50);
  EXPECT_GT(gamesWithTrial, 5);
}

}  // namespace
}  // namespace tessora
