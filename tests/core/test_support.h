// Helpers shared by the core tests: a loaded window on a scripted platform and
// quick ways to lay out a position.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "board_support.h"
#include "ui/detector_run.h"
#include "ui/form1.h"
#include "ui/scripted_platform.h"

namespace tessora::test {

// A data folder of the test's own, never the user's: each call gives a new
// one (not made yet) under the test's temporary folder.
// A data folder of the test's own, not there yet: inside a fresh folder made
// by mkdtemp, so that what an earlier run under the same process number left
// behind (a saved game) never reaches this one.
inline std::string TestDataFolder() {
  std::string base = ::testing::TempDir() + "tessora-data-XXXXXX";
  if (!::mkdtemp(base.data())) throw std::runtime_error("cannot make a folder for the test's data");
  return base + "/data";
}

struct Harness {
  ScriptedPlatform platform;
  Form1 form{platform};
  Harness() {
    platform.clock = [] { return 36000.0; };  // a fixed time of day
    platform.FixRandomSeed(12345);
    platform.dataFolder = TestDataFolder();
    form.Form_Load();
  }
};

// Puts the givens of an 81-character grid ("." or "0" empty) on the board as
// given values, without going through the key handler; the cells are shown.
inline void PlaceGivens(Form1& f, const std::string& grid) {
  for (int i = 0; i < kCells; ++i) {
    CellLabel& c = f.w.caN[i];
    c.visible = true;
    char ch = i < static_cast<int>(grid.size()) ? grid[i] : '.';
    if (ch >= '1' && ch <= '9') {
      f.ShowValue(i, ch - '0', Origin::Given);
      f.board.Can[i] = CandText::Filled();
    } else {
      f.ShowEmpty(i);
    }
  }
  f.board.FilledCount = f.CountFilled();
  f.DrawCells();
}

// Sets the candidate text of a cell from its digits ("137"; "" gives two blanks).
inline void SetCan(Form1& f, int cell, const std::string& digits) { SetCan(f.board, cell, digits); }

// Candidates for every empty cell computed from the placed values (no
// recount quirks, no option handlers).
inline void PlainCandidates(Form1& f) { PlainCandidates(f.board); }

// Puts a board model on the window: its values (all shown as givens) and
// every cell's candidates, without going through the key handler.
inline void ShowBoard(Form1& f, const Board& b) {
  PlaceGivens(f, AllValues(b));
  f.board.Can = b.Can;
  f.DrawCells();
}

// Lays out a position from a picture of 81 tokens (test::Picture: "." an
// empty cell without candidates, "=5" the given 5, "137" an empty cell with
// those candidates) on the window.
inline void LoadPicture(Form1& f, const std::string& picture) { ShowBoard(f, Picture(picture)); }

// "Initial Data" and the givens keyed in row by row, as a user does.
inline void KeyScheme(Form1& f, const std::string& grid) {
  f.Click("DatIniz");
  for (char ch : grid) f.KeyDown(ch >= '1' && ch <= '9' ? ch : key::Space, 0);
}

// The 81 candidate texts of the board, for comparing before and after.
inline std::string AllCan(const Form1& f) {
  std::string s;
  for (const auto& t : f.board.Can) s += t.Text() + "|";
  return s;
}

// A step record whose every field holds a mark, to show which fields a
// detector writes.
inline AdviceStepRecord Sentinel() {
  AdviceStepRecord s;
  s.code = s.value = s.cell = s.zone = s.removed = s.detail = s.cells = s.zone2 = "x";
  s.fishRanges = {7};
  return s;
}

// Every cell's caption and size, for comparing before and after.
inline std::string Captions(const Form1& f) {
  std::string s;
  for (const auto& c : f.w.caN) s += c.caption + "/" + std::to_string(c.size) + "|";
  return s;
}

// The board's candidate texts with one cell's candidates replaced.
inline std::string CanWith(Form1& f, int cell, const std::string& digits) {
  const CandText keep = f.board.Can[cell];
  SetCan(f, cell, digits);
  std::string s = AllCan(f);
  f.board.Can[cell] = keep;
  return s;
}

inline void ExpectSameStep(const AdviceStepRecord& a, const AdviceStepRecord& b) {
  EXPECT_EQ(a.code, b.code);
  EXPECT_EQ(a.value, b.value);
  EXPECT_EQ(a.cell, b.cell);
  EXPECT_EQ(a.zone, b.zone);
  EXPECT_EQ(a.removed, b.removed);
  EXPECT_EQ(a.detail, b.detail);
  EXPECT_EQ(a.cells, b.cells);
  EXPECT_EQ(a.zone2, b.zone2);
  EXPECT_EQ(a.fishRanges, b.fishRanges);
}

// The backgrounds and borders of 81 cells (labels or a painting), one
// character each: '.' white, 'g' grey, 'l' light grey, 'm' light magenta
// (pink), 'b' light blue, 'y' light yellow, '?' any other; upper case with a
// border.
template <typename Cells>
std::string Painting(const Cells& cells) {
  std::string s;
  for (const auto& c : cells) {
    char ch = '?';
    switch (c.back) {
      case colour::White: ch = '.'; break;
      case colour::Grey: ch = 'g'; break;
      case colour::LightGrey: ch = 'l'; break;
      case colour::Pink: ch = 'm'; break;
      case colour::LightBlue: ch = 'b'; break;
      case colour::LightYellow: ch = 'y'; break;
      default: break;
    }
    s += c.border ? static_cast<char>(std::toupper(static_cast<unsigned char>(ch))) : ch;
  }
  return s;
}

// A painting written row by row, blanks between the rows.
inline std::string Rows(const std::string& rows) {
  std::string s;
  for (char ch : rows)
    if (ch != ' ') s += ch;
  return s;
}

}  // namespace tessora::test
