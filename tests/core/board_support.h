// Helpers for the tests of the engine's detectors: a board model laid out
// from a grid or a picture, its candidates as the program keeps them, and
// expectations on the typed step a detector returns. Nothing here sees the
// window.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/board.h"
#include "methods/detectors.h"
#include "methods/registry.h"
#include "methods/step.h"

namespace tessora::test {

// A board holding the givens of an 81-character grid ("." or "0" empty);
// a filled cell has no candidates, an empty one the empty text until the
// test gives it some.
inline Board Givens(const std::string& grid) {
  Board b;
  for (int i = 0; i < kCells; ++i) {
    const char ch = i < static_cast<int>(grid.size()) ? grid[i] : '.';
    if (ch >= '1' && ch <= '9') b.Place(i, ch - '0', Origin::Given);
  }
  return b;
}

// Candidates computed from the values alone, with no quirk of the program's
// recount (RecountCandidates): each empty cell gets the digits that no value
// of its row, column and box excludes, a filled cell none.
inline void PlainCandidates(Board& b) {
  for (int c = 0; c < kCells; ++c) {
    if (b.Filled(c)) {
      b.Can[c] = CandText::Filled();
      continue;
    }
    std::uint16_t mask = 0x3FE;
    for (int z : {RowZone(c), ColZone(c), BoxZone(c)})
      for (int p : ZoneCells[z])
        if (b.Filled(p)) mask &= static_cast<std::uint16_t>(~(1u << b.Value(p)));
    b.Can[c] = CandText::FromMask(mask);
  }
}

// The board of a grid with the candidates the program's recount gives.
inline Board Recounted(const std::string& grid) {
  Board b = Givens(grid);
  RecountCandidates(b);
  return b;
}

// Sets the candidates of a cell from its digits ("137"; "" gives two blanks,
// the text of a filled cell).
inline void SetCan(Board& b, int cell, const std::string& digits) {
  CandText t;
  if (!CandText::Parse(digits, t)) throw std::runtime_error("bad candidate digits " + digits);
  b.Can[cell] = digits.empty() ? CandText::Filled() : t;
}

// A position from a picture of 81 tokens separated by blanks, row by row:
// "." an empty cell without candidates (two blanks), "=5" the given 5, "137"
// an empty cell with those candidates. Small fixtures mention only the cells
// that matter and leave the rest ".".
inline Board Picture(const std::string& picture) {
  Board b;
  std::istringstream in(picture);
  std::string token;
  int cell = 0;
  while (in >> token) {
    if (cell >= kCells) throw std::runtime_error("picture has more than 81 cells");
    if (token == ".") {
      b.Can[cell] = CandText::Filled();
    } else if (token.size() == 2 && token[0] == '=' && token[1] >= '1' && token[1] <= '9') {
      b.Place(cell, token[1] - '0', Origin::Given);
    } else {
      SetCan(b, cell, token);
    }
    ++cell;
  }
  if (cell != kCells) throw std::runtime_error("picture has fewer than 81 cells");
  return b;
}

// The 81 candidate texts of a board, for comparing before and after.
inline std::string AllCan(const Board& b) {
  std::string s;
  for (const auto& t : b.Can) s += t.Text() + "|";
  return s;
}

// The candidate texts with one cell's candidates replaced.
inline std::string CanWith(Board b, int cell, const std::string& digits) {
  SetCan(b, cell, digits);
  return AllCan(b);
}

// The values of a board, "." for an empty cell.
inline std::string AllValues(const Board& b) {
  std::string s;
  for (int c = 0; c < kCells; ++c) s += b.Filled(c) ? static_cast<char>('0' + b.Value(c)) : '.';
  return s;
}

// A step as its parts, for comparing a found step with the one expected:
// digits as digit strings (the pattern's in the order the method built it),
// the cells and ranges in the order the step lists them.
struct StepParts {
  Code code = Code::None;
  int cell = -1;
  int digit = 0;
  int zone = -1;
  int zone2 = -1;
  std::string keep;      // the target's candidates after the step
  std::string removed;   // the digits the step removes, ascending
  std::string pattern;   // the pattern's digits, in order
  std::vector<int> cells;
  std::vector<int> ranges;
  bool columns = false;
  bool byGlance = false;
  bool operator==(const StepParts&) const = default;
};

inline StepParts PartsOf(const Step& s) {
  StepParts p;
  p.code = s.code;
  p.cell = s.cell;
  p.digit = s.digit;
  p.zone = s.zone;
  p.zone2 = s.zone2;
  p.keep = MaskDigits(s.keep);
  p.removed = MaskDigits(s.removed);
  for (int i = 0; i < s.digitCount; ++i) p.pattern += static_cast<char>('0' + s.digits[i]);
  p.cells.assign(s.cells.begin(), s.cells.begin() + s.cellCount);
  p.ranges.assign(s.ranges.begin(), s.ranges.begin() + s.rangeCount);
  p.columns = s.columns;
  p.byGlance = s.byGlance;
  return p;
}

inline void PrintTo(const StepParts& p, std::ostream* os) {
  *os << "{" << (p.code == Code::None ? "None" : CodeText(p.code)) << " cell " << p.cell << " digit " << p.digit
      << " zone " << p.zone << " zone2 " << p.zone2 << " keep '" << p.keep << "' removed '" << p.removed
      << "' pattern '" << p.pattern << "' cells";
  for (int c : p.cells) *os << " " << c;
  *os << " ranges";
  for (int r : p.ranges) *os << " " << r;
  *os << (p.columns ? " columns" : "") << (p.byGlance ? " byGlance" : "") << "}";
}

// A placement found in a zone (-1: none).
inline StepParts Placed(Code code, int cell, int digit, int zone = -1) {
  StepParts p;
  p.code = code;
  p.cell = cell;
  p.digit = digit;
  p.zone = zone;
  return p;
}

// An elimination found in a zone: the target keeps `keep` and loses
// `removed`; the pattern's digits and cells.
inline StepParts Eliminated(Code code, int cell, const std::string& keep, const std::string& removed, int zone,
                            const std::string& pattern, std::vector<int> cells, int zone2 = -1) {
  StepParts p;
  p.code = code;
  p.cell = cell;
  p.keep = keep;
  p.removed = removed;
  p.zone = zone;
  p.zone2 = zone2;
  p.pattern = pattern;
  p.cells = std::move(cells);
  return p;
}

// A step applied as the control's solving loop applies it: a placement
// written and propagated, or the first digit of the pattern that the target
// holds removed (one candidate a call).
inline void ApplyOneCandidate(Board& b, const Step& s) {
  if (s.IsPlacement()) {
    b.Place(s.cell, s.digit, Origin::Solver);
    b.Propagate(s.cell, s.digit);
    return;
  }
  for (int i = 0; i < s.digitCount; ++i)
    if (b.Can[s.cell].Remove(s.digits[i])) break;
}

}  // namespace tessora::test
