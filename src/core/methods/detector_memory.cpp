#include "methods/detector_memory.h"

#include <bit>
#include <cstring>

#include "methods/zone_masks.h"

namespace tessora {

namespace {

// The zones of every cell (bit RowZone, ColZone and BoxZone), its band and its stack.
constexpr std::array<std::uint32_t, kCells> kCellZones = [] {
  std::array<std::uint32_t, kCells> t{};
  for (int c = 0; c < kCells; ++c) t[c] = 1u << RowZone(c) | 1u << ColZone(c) | 1u << BoxZone(c);
  return t;
}();
constexpr std::array<std::uint8_t, kCells> kBandOf = [] {
  std::array<std::uint8_t, kCells> t{};
  for (int c = 0; c < kCells; ++c) t[c] = static_cast<std::uint8_t>(c / 27);
  return t;
}();
constexpr std::array<std::uint8_t, kCells> kStackOf = [] {
  std::array<std::uint8_t, kCells> t{};
  for (int c = 0; c < kCells; ++c) t[c] = static_cast<std::uint8_t>(c % 9 / 3);
  return t;
}();

}  // namespace

void DetectorMemory::Look(const Form1& f) {
  previous_ = now_;
  ++looks_;
  sincePreviousKnown_ = false;
  for (int c = 0; c < kCells; ++c) now_.masks[c] = f.board.Can[c].Mask();
  zonemask::EmptyRows(f, now_.emptyRows);
  looked_ = true;
}

DetectorMemory::Change DetectorMemory::Changes(const Image& before) const {
  Change change;
  auto changed = [&](int c, unsigned digits) {
    change.zones |= kCellZones[c];
    change.bands |= 1u << kBandOf[c];
    change.stacks |= 1u << kStackOf[c];
    change.digits |= digits;
  };
  // Four cells at a time while they agree, then the last cell.
  for (int c = 0; c + 4 <= kCells; c += 4) {
    std::uint64_t a, b;
    std::memcpy(&a, &before.masks[c], sizeof a);
    std::memcpy(&b, &now_.masks[c], sizeof b);
    for (std::uint64_t x = a ^ b; x;) {
      const int lane = std::countr_zero(x) / 16;
      changed(c + lane, static_cast<unsigned>(x >> (16 * lane)) & 0xFFFFu);
      x &= ~(std::uint64_t{0xFFFF} << (16 * lane));
    }
  }
  if (const unsigned x = before.masks[kCells - 1] ^ now_.masks[kCells - 1]) changed(kCells - 1, x);
  // A cell filled or emptied concerns every digit.
  for (int r = 0; r < 9; ++r)
    for (unsigned m = before.emptyRows[r] ^ now_.emptyRows[r]; m; m &= m - 1) changed(9 * r + std::countr_zero(m), 0x3FE);
  return change;
}

DetectorMemory::Change DetectorMemory::ChangesFor(const Entry& e) {
  if (e.look == looks_) return Change{};
  if (e.look == looks_ - 1) {
    if (!sincePreviousKnown_) {
      sincePrevious_ = Changes(previous_);
      sincePreviousKnown_ = true;
    }
    return sincePrevious_;
  }
  return Changes(e.image);
}

std::uint32_t DetectorMemory::AllUnits(UnitKind kind) {
  switch (kind) {
    case UnitKind::Zones: return (1u << kZones) - 1;
    case UnitKind::Boxes: return (1u << 9) - 1;
    case UnitKind::Lines: return (1u << 18) - 1;
    case UnitKind::Digits: return (1u << 18) - 1;
  }
  return ~0u;
}

std::uint32_t DetectorMemory::Touched(UnitKind kind, const Change& change) {
  std::uint32_t units = 0;
  switch (kind) {
    case UnitKind::Zones:
      // A zone's finding rests on its own cells.
      return change.zones;
    case UnitKind::Boxes:
      // A box's on the cells of its band and of its stack.
      for (int b = 0; b < 9; ++b)
        if (((change.bands >> (b / 3)) & 1u) || ((change.stacks >> (b % 3)) & 1u)) units |= 1u << b;
      return units;
    case UnitKind::Lines:
      // A row's on the cells of its band, a column's on those of its stack.
      for (int l = 0; l < 9; ++l) {
        if ((change.bands >> (l / 3)) & 1u) units |= 1u << l;
        if ((change.stacks >> (l / 3)) & 1u) units |= 1u << (9 + l);
      }
      return units;
    case UnitKind::Digits:
      // A digit's, in either pass, on the cells that hold it or are empty.
      for (unsigned d = change.digits & 0x3FEu; d; d &= d - 1) {
        const int digit = std::countr_zero(d);
        units |= 1u << (digit - 1) | 1u << (9 + digit - 1);
      }
      return units;
  }
  return ~0u;
}

void DetectorMemory::Run(Form1& f, Detector d, int k) {
  const ScopedInfo info = on_ ? ScopedForm(d) : ScopedInfo{};
  const bool before = f.methods.Progress;
  if (!info.run) {
    d(f, k);
    if (f.methods.Progress) looked_ = false;
    return;
  }
  if (!looked_) Look(f);
  Scope scope;
  scope.emptyRows = &now_.emptyRows;
  scope.masks = &now_.masks;
  if (!info.narrows) {
    info.run(f, k, scope);
    if (f.methods.Progress) looked_ = false;
    return;
  }
  const bool recordOnly = f.methods.RecordOnly, checking = f.methods.Checking;
  Entry* entry = nullptr;
  if (k >= 0 && k < kSizes) {
    Entry& e = entries_[info.slot * kSizes + k];
    if (e.used && e.recordOnly == recordOnly && e.checking == checking) entry = &e;
  }
  const std::uint32_t all = AllUnits(info.units);
  scope.units = entry ? (Touched(info.units, ChangesFor(*entry)) | ~entry->emptyUnits) & all : all;
  info.run(f, k, scope);
  const bool found = f.methods.Progress;
  if (found) looked_ = false;  // the board may have changed
  if (before || k < 0 || k >= kSizes) return;  // what this run found cannot be told
  Entry& e = entries_[info.slot * kSizes + k];
  e.used = true;
  e.recordOnly = recordOnly;
  e.checking = checking;
  e.image = now_;
  e.look = looks_;
  e.emptyUnits = !found ? all : scope.found >= 0 ? (1u << scope.found) - 1 : 0;
}

}  // namespace tessora
