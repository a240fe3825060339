// The step a detector finds, as typed data: the method's code, the target
// cell, the digit written or the candidates kept and removed, the zones and
// the pattern. The text record AdviceStep is made from it where texts are
// wanted (methods/record.h); the control and the replay apply it directly.
#pragma once

#include <array>
#include <cstdint>

#include "board/board.h"

namespace tessora {

// The internal codes of the catalogue (methods/registry.h), None when a
// detector found nothing.
enum class Code : std::uint8_t {
  None,
  ZOB,   // at a glance, in a box
  ZOC,   // at a glance, in a row or column
  USO,   // a zone with one empty cell
  CFC,   // a cell with one candidate
  Xx1,   // hidden single
  CPN,   // naked twins
  Xx2a,  // totally hidden twins
  Xx2b,  // partially hidden twins
  PRQ,   // a box locks a candidate to a line
  PRC,   // a line locks a candidate to a box
  SCI3,  // three candidates share three cells
  SCI4,  // four candidates share four cells
  TRN,   // naked triples
  HTR,   // hidden triples
  XWN,   // X-Wing
  SWF,   // Swordfish
  QUA,   // naked quads
  HQU,   // hidden quads
  ZZZ,   // a trial of the control
};
constexpr int kCodes = static_cast<int>(Code::ZZZ) + 1;

struct Step {
  Code code = Code::None;
  std::int8_t cell = -1;    // the target cell
  std::int8_t zone = -1;    // the zone the step was found in, -1 for none
  std::int8_t zone2 = -1;   // the box of a locked candidate, -1 for none
  std::uint8_t digit = 0;   // a placement: the digit written; 0 for an elimination
  std::uint16_t keep = 0;   // an elimination: the target's candidates after it (bits 1..9)
  std::uint16_t removed = 0;  // an elimination: the digits it removes
  // The pattern: its digits in the order the method built them (a shared set
  // lists the first cell's digits, then the new ones of each next cell) and
  // its cells in the order the record lists them.
  std::array<std::uint8_t, 4> digits{};
  std::uint8_t digitCount = 0;
  std::array<std::uint8_t, 7> cells{};
  std::uint8_t cellCount = 0;
  // X-Wing (4 numbers) and Swordfish (8): the zones and positions of the
  // rectangles, and whether the lines are columns.
  std::array<std::int8_t, 8> ranges{};
  std::uint8_t rangeCount = 0;
  bool columns = false;
  // "At a glance" finds Single Cell steps too, and describes them its own
  // way: set when it found this one.
  bool byGlance = false;

  bool Found() const { return code != Code::None; }
  bool IsPlacement() const { return digit != 0; }

  void AddDigit(int d) { digits[digitCount++] = static_cast<std::uint8_t>(d); }
  void AddCell(int c) { cells[cellCount++] = static_cast<std::uint8_t>(c); }
  void AddRange(int r) { ranges[rangeCount++] = static_cast<std::int8_t>(r); }
  // The pattern's digits as a candidate mask.
  std::uint16_t DigitMask() const {
    unsigned m = 0;
    for (int i = 0; i < digitCount; ++i) m |= 1u << digits[i];
    return static_cast<std::uint16_t>(m);
  }
};

inline Step Placement(Code code, int cell, int digit, int zone = -1) {
  Step s;
  s.code = code;
  s.cell = static_cast<std::int8_t>(cell);
  s.digit = static_cast<std::uint8_t>(digit);
  s.zone = static_cast<std::int8_t>(zone);
  return s;
}

inline Step Elimination(Code code, int cell, std::uint16_t keep, std::uint16_t removed, int zone = -1) {
  Step s;
  s.code = code;
  s.cell = static_cast<std::int8_t>(cell);
  s.keep = keep;
  s.removed = removed;
  s.zone = static_cast<std::int8_t>(zone);
  return s;
}

// The tints a detector gives cells while it works, for a caller that wants
// to show them: per cell nothing, or the colour last given.
enum class Tint : std::uint8_t { None, White, Grey, LightBlue, LightGreen, Pink };
struct Tints {
  std::array<Tint, kCells> cell{};
  void Set(int c, Tint t) { cell[c] = t; }
};

}  // namespace tessora
