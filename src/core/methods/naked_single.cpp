// "Single Number": the first cell (0..80) whose candidates are down to one
// digit.
#include <bit>
#include <cstring>

#include "methods/detectors.h"

namespace tessora {

namespace {

constexpr bool OneDigit(unsigned mask) { return mask != 0 && (mask & (mask - 1)) == 0; }

// The first of 81 masks that holds exactly one digit, or -1, four masks at a
// time as the 16-bit lanes of one word: a lane with its top bit set added,
// less one, and'ed with itself, keeps just that top bit exactly when the
// lane held one digit (none: it keeps nothing; more: a lower bit stays).
int FirstSingle(const std::array<std::uint16_t, kCells>& masks) {
  constexpr std::uint64_t kOnes = 0x0001000100010001, kTops = 0x8000800080008000;
  int c = 0;
  for (; c + 4 <= kCells; c += 4) {
    std::uint64_t x;
    std::memcpy(&x, &masks[c], sizeof x);
    const std::uint64_t h = x | kTops, t = (h & (h - kOnes)) ^ kTops;
    // The lanes of t that are zero; the lowest one is told exactly.
    const std::uint64_t zero = (t - kOnes) & ~t & kTops;
    if (zero) return c + std::countr_zero(zero) / 16;
  }
  for (; c < kCells; ++c)
    if (OneDigit(masks[c])) return c;
  return -1;
}

}  // namespace

int FirstSingleCandidateCell(const std::array<std::uint16_t, kCells>& masks) { return FirstSingle(masks); }

Step NakedSingle(const Board& board, int, const Scope& scope) {
  int cell = -1;
  if (scope.masks) {
    cell = FirstSingle(*scope.masks);
  } else {
    for (int c = 0; c < kCells && cell < 0; ++c)
      if (OneDigit(board.Can[c].Mask())) cell = c;
  }
  if (cell < 0) return {};
  return Placement(Code::CFC, cell, board.Can[cell].FirstDigit());
}

}  // namespace tessora
