// Puzzles read from pasted text and from collections: the layouts people
// copy from the web, and texts that are refused with their reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/puzzle_text.h"

namespace tessora {
namespace {

// The scheme of the tests, "." for an empty cell, and its nine rows.
const std::string kGrid = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

std::string Row(int r) { return kGrid.substr(9 * r, 9); }

// The grid with every "." replaced by `empty`.
std::string With(char empty) {
  std::string s = kGrid;
  for (char& ch : s)
    if (ch == '.') ch = empty;
  return s;
}

// Nine lines made by `line` from each row, joined by `eol`, with `after`
// inserted after the third and the sixth line.
template <typename F>
std::string Grid9(F line, const std::string& eol = "\n", const std::string& after = "") {
  std::string s;
  for (int r = 0; r < 9; ++r) {
    s += line(Row(r)) + eol;
    if (!after.empty() && (r == 2 || r == 5)) s += after + eol;
  }
  return s;
}

std::string Spaced(const std::string& cells) {
  std::string s;
  for (char ch : cells) s += std::string(s.empty() ? "" : " ") + ch;
  return s;
}

// "53.|.7.|..." ; with `blank` the empty cells are blanks.
std::string SsRow(const std::string& row, char empty = '.') {
  std::string r = row;
  for (char& ch : r)
    if (ch == '.') ch = empty;
  return r.substr(0, 3) + "|" + r.substr(3, 3) + "|" + r.substr(6, 3);
}

// The 81 characters of a parsed scheme, "." for an empty cell.
std::string Cells(const SchemeParse& p) {
  std::string s;
  for (int r = 0; r < 9; ++r)
    for (char ch : p.scheme.rows[r]) s += ch == ' ' ? '.' : ch;
  return s;
}

TEST(PastedScheme, LayoutsThatLoad) {
  struct Case {
    const char* what;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"81 characters, dots", kGrid},
      {"zeros", With('0')},
      {"underscores", With('_')},
      {"dots, zeros and underscores mixed", "53_07...." + kGrid.substr(9)},
      {"a final line break", kGrid + "\n"},
      {"blanks between the cells", Spaced(kGrid)},
      {"tabs and blanks around", "\t  " + kGrid + "  \t"},
      {"line breaks inside the line", kGrid.substr(0, 40) + "\n" + kGrid.substr(40)},
      {"three lines of 27", kGrid.substr(0, 27) + "\n" + kGrid.substr(27, 27) + "\n" + kGrid.substr(54)},
      {"nine rows", Grid9([](const std::string& r) { return r; })},
      {"nine rows, CR LF", Grid9([](const std::string& r) { return r; }, "\r\n")},
      {"nine rows, lone CR", Grid9([](const std::string& r) { return r; }, "\r")},
      {"nine rows with blank lines between the bands", Grid9([](const std::string& r) { return r; }, "\n", "")
                                                           .insert(30, "\n")},
      {"nine spaced rows", Grid9([](const std::string& r) { return Spaced(r); })},
      {".ss compact", Grid9([](const std::string& r) { return SsRow(r); }, "\r\n", "-----------")},
      {".ss bordered", "*-----------*\n" +
                           Grid9([](const std::string& r) { return "|" + SsRow(r) + "|"; }, "\n", "|---+---+---|") +
                           "*-----------*\n"},
      {".ss bordered with blanks for empty cells",
       Grid9([](const std::string& r) { return "|" + SsRow(r, ' ') + "|"; }, "\n", "|---+---+---|")},
      {"a web grid with + corners",
       "+-------+-------+-------+\n" +
           Grid9([](const std::string& r) {
             return "| " + Spaced(r.substr(0, 3)) + " | " + Spaced(r.substr(3, 3)) + " | " + Spaced(r.substr(6, 3)) + " |";
           }, "\n", "+-------+-------+-------+") +
           "+-------+-------+-------+\n"},
      {"a grid with - and + between bands, no outer border",
       Grid9([](const std::string& r) {
         return Spaced(r.substr(0, 3)) + " | " + Spaced(r.substr(3, 3)) + " | " + Spaced(r.substr(6, 3));
       }, "\n", "------+-------+------")},
      {"a .sud scheme", Grid9([](const std::string& r) {
         std::string q = r;
         for (char& ch : q)
           if (ch == '.') ch = ' ';
         return "\"" + q + "\"";
       }, "\r\n")},
      {"a rating after the line", kGrid + " 2.5"},
      {"a name after the line", kGrid + "  # hard one"},
      {"blanks for empty cells on one line", With(' ')},
      {"a comment line and a byte-order mark", "\xEF\xBB\xBF# from the web\n" + kGrid + "\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SchemeParse p = ParsePastedScheme(c.text);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.scheme.count, 9);
    EXPECT_EQ(Cells(p), kGrid);
  }
}

TEST(PastedScheme, TextsRefusedWithTheirReason) {
  struct Case {
    const char* what;
    std::string text;
    std::string error;
  };
  std::string spaced80 = Spaced(kGrid.substr(0, 80));
  std::string eightInRow5 = Grid9([](const std::string& r) { return r; });
  eightInRow5.erase(4 * 10, 1);  // the first cell of the fifth row
  std::string sud18 = Grid9([](const std::string& r) { return r; });
  for (int i = 0; i < 9; ++i) sud18 += "\" b       \"\n";
  const std::vector<Case> cases = {
      {"nothing", "", "The text is empty."},
      {"blank lines", " \n\t\r\n", "The text is empty."},
      {"80 cells", kGrid.substr(0, 80), "Line 1 holds 80 cells; a scheme has 81."},
      {"82 cells", kGrid + "1", "Line 1 holds 82 cells; a scheme has 81."},
      {"more after the line without a blank", kGrid + ",2.5",
       "Line 1 holds \",\", which is neither a digit 1-9 nor \".\", \"0\" or \"_\" for an empty cell."},
      {"80 cells with blanks between them (not a grid of empty cells)", spaced80,
       "Line 1 holds 80 cells; a scheme has 81."},
      {"a row one cell short", eightInRow5, "Lines 1-9 hold 80 cells; a scheme has 81."},
      {"words", "hello world", "Line 1 holds \"h\", which is neither a digit 1-9 nor \".\", \"0\" or \"_\" for an empty cell."},
      {"a letter inside a grid", kGrid.substr(0, 40) + "x" + kGrid.substr(41),
       "Line 1 holds \"x\", which is neither a digit 1-9 nor \".\", \"0\" or \"_\" for an empty cell."},
      {"a control character", kGrid.substr(0, 9) + "\n\x01",
       "Line 2 holds the byte 0x01, which is neither a digit 1-9 nor \".\", \"0\" or \"_\" for an empty cell."},
      {"two schemes", kGrid + "\n" + With('0') + "\n", "The text holds 2 schemes; copy one at a time."},
      {"a candidate grid", Grid9([](const std::string&) { return "123 456 789 12 3 45 6 7 8 9"; }),
       "Lines 1-4 hold 72 cells; a scheme has 81."},
      {"a saved game with its mark rows", sud18,
       "Line 10 holds \"\"\", which is neither a digit 1-9 nor \".\", \"0\" or \"_\" for an empty cell."},
      {"borders only", "+---+---+\n|---+---|\n# nothing\n", "The text holds no cell of a scheme."},
      {"far too long", std::string(70000, '.'), "The text is far too long to be a scheme."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SchemeParse p = ParsePastedScheme(c.text);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.error, c.error);
  }
}

// A collection read line by line: every layout in one file, and broken
// grids that do not take the next puzzle with them.
TEST(PuzzleReader, ACollectionOfLayoutsAndBrokenGrids) {
  std::string text = "# a collection\n";
  text += kGrid + " 2.5\n";                                                   // line 2
  text += Grid9([](const std::string& r) { return SsRow(r); }, "\n", "-----------");  // lines 3-13
  text += "\n";                                                               // line 14
  text += Grid9([](const std::string& r) { return r; }).substr(0, 79) + "\n";  // lines 15-22: 72 cells, the last row lost
  text += "# the next one\n";                                                 // line 23
  text += Grid9([](const std::string& r) { return Spaced(r); });             // lines 24-32
  text += kGrid.substr(0, 27) + "\n";                                         // line 33: broken off by
  text += With('0') + "\n";                                                   // line 34, a whole one
  text += "not a puzzle\n";                                                   // line 35
  text += kGrid.substr(0, 30);                                                // line 36, left incomplete
  PuzzleReader reader;
  std::vector<PuzzleText> found;
  for (std::string_view line : SplitLines(text)) reader.Line(line, found);
  reader.Finish(found);

  struct Expected {
    bool ok;
    int first, last;
    std::string reason;
  };
  const std::vector<Expected> expected = {
      {true, 2, 2, ""},
      {true, 3, 13, ""},
      {false, 15, 22, "Lines 15-22 hold 72 cells; a scheme has 81."},
      {true, 24, 32, ""},
      {false, 33, 33, "Line 33 holds 27 cells; a scheme has 81."},
      {true, 34, 34, ""},
      {false, 35, 35, "Line 35 holds \"n\", which is neither a digit 1-9 nor \".\", \"0\" or \"_\" for an empty cell."},
      {false, 36, 36, "Line 36 holds 30 cells; a scheme has 81."},
  };
  ASSERT_EQ(found.size(), expected.size());
  for (std::size_t i = 0; i < found.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(found[i].ok, expected[i].ok);
    EXPECT_EQ(found[i].firstLine, expected[i].first);
    EXPECT_EQ(found[i].lastLine, expected[i].last);
    EXPECT_EQ(found[i].reason, expected[i].reason);
    if (found[i].ok) {
      EXPECT_EQ(found[i].grid, kGrid);
    }
  }
}

// A line that was too long to be read ends the grid it interrupts.
TEST(PuzzleReader, ASkippedLineEndsTheGridBeingRead) {
  PuzzleReader reader;
  std::vector<PuzzleText> found;
  reader.Line(kGrid.substr(0, 27), found);
  reader.SkippedLine(found);
  reader.Line(kGrid, found);
  reader.Finish(found);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].reason, "Line 1 holds 27 cells; a scheme has 81.");
  EXPECT_TRUE(found[1].ok);
  EXPECT_EQ(found[1].firstLine, 3);
}

}  // namespace
}  // namespace tessora
