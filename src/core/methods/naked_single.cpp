// "Single Number": the first cell (0..80) whose candidates are down to one
// digit. The control places it; the priority walk records it.
#include <bit>
#include <cstring>

#include "methods/scope.h"
#include "methods/zone_masks.h"

namespace tessora {

namespace {

// The first cell with exactly one candidate, or -1. Filled cells have none.
// One branch per cell, taken only at the finding: whether a cell has any
// candidate follows no predictable pattern.
int FirstNakedSingle(const Form1& f, const Scope& scope) {
  if (scope.masks) {
    // Four cells at a time, as the 16-bit lanes of one word: a lane with
    // its top bit set added, less one, and'ed with itself, keeps just that
    // top bit exactly when the lane held one candidate (none: it keeps
    // nothing; more: a lower bit stays). The first lane left reading 0x8000
    // is the first such cell. The masks use bits 1..9 only.
    const auto& masks = *scope.masks;
    constexpr std::uint64_t kOnes = 0x0001000100010001, kTops = 0x8000800080008000;
    int c = 0;
#pragma GCC unroll 5
    for (; c + 4 <= kCells; c += 4) {
      std::uint64_t x;
      std::memcpy(&x, &masks[c], sizeof x);
      const std::uint64_t h = x | kTops, t = (h & (h - kOnes)) ^ kTops;
      // The lanes of t that are zero; the lowest one is told exactly.
      const std::uint64_t zero = (t - kOnes) & ~t & kTops;
      if (zero) return c + std::countr_zero(zero) / 16;
    }
    for (; c < kCells; ++c) {
      const unsigned mask = masks[c];
      if ((mask != 0) & ((mask & (mask - 1)) == 0)) return c;
    }
    return -1;
  }
  for (int c = 0; c < kCells; ++c) {
    const unsigned mask = f.board.Can[c].Mask();
    if ((mask != 0) & ((mask & (mask - 1)) == 0)) return c;
  }
  return -1;
}

}  // namespace

void NakedSingleApply(Form1& f, int k) { NakedSingleApplyWithin(f, k, Scope{}); }
void NakedSingleRecord(Form1& f, int k) { NakedSingleRecordWithin(f, k, Scope{}); }

void NakedSingleApplyWithin(Form1& f, int, const Scope& scope) {
  const int c = FirstNakedSingle(f, scope);
  if (c < 0) return;
  const int d = f.board.Can[c].FirstDigit();
  MethodState& m = f.methods;
  zonemask::PlaceFound(f, c, d);
  if (scope.placed) scope.placed[c / 64] |= std::uint64_t{1} << (c % 64);
  m.SuggestionCount += 1;
  m.Progress = true;
  f.board.FilledCount += 1;
  f.PropagateValue(c, d);
}

void NakedSingleRecordWithin(Form1& f, int, const Scope& scope) {
  const int c = FirstNakedSingle(f, scope);
  if (c < 0) return;
  MethodState& m = f.methods;
  AdviceStepRecord& a = m.AdviceStep;
  // The cell is written as a number's text, the sign position blank.
  a.cell = " " + std::to_string(c);
  a.value = std::string(1, static_cast<char>('0' + f.board.Can[c].FirstDigit()));
  a.code = "CFC";
  a.zone.clear();
  a.removed.clear();
  a.detail.clear();
  m.Progress = true;
}

}  // namespace tessora
