#include "methods/detector_memory.h"

#include <bit>
#include <cstring>

#include "methods/zone_masks.h"

namespace tessora {

void DetectorMemory::Look(const Board& board) {
  previous_ = now_;
  ++looks_;
  sincePreviousKnown_ = false;
  for (int c = 0; c < kCells; ++c) now_.masks[c] = board.Can[c].Mask();
  zonemask::EmptyRows(board, now_.emptyRows);
  std::uint16_t any = 0;
  for (std::uint16_t m : now_.masks) any |= m;
  for (std::uint16_t m : now_.emptyRows) any |= m;
  bare_ = any == 0;
  looked_ = true;
}

DetectorMemory::Change DetectorMemory::Changes(const Image& before) const {
  Change change;
  auto changed = [&](int c, unsigned digits) {
    change.zones |= kCellZones[c];
    change.bands |= 1u << (c / 27);
    change.stacks |= 1u << (c % 9 / 3);
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
    case UnitKind::None: break;
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
    case UnitKind::None: break;
  }
  return ~0u;
}

Scope DetectorMemory::Narrowed(const Board& board, const MethodRow& method, bool reducing, const Scope& base,
                               Entry*& entry) {
  if (!looked_) Look(board);
  Scope scope = base;
  scope.emptyRows = &now_.emptyRows;
  scope.masks = &now_.masks;
  entry = nullptr;
  if (method.units == UnitKind::None) return scope;
  Entry& e = entries_[2 * (method.number - 1) + (reducing ? 1 : 0)];
  const std::uint32_t all = AllUnits(method.units);
  scope.units = bare_ ? 0 : e.used ? (Touched(method.units, ChangesFor(e)) | ~e.emptyUnits) & all : all;
  entry = &e;
  return scope;
}

void DetectorMemory::Remember(Entry& e, const MethodRow& method, bool found, const Scope& scope) {
  const std::uint32_t all = AllUnits(method.units);
  e.used = true;
  e.image = now_;
  e.look = looks_;
  e.emptyUnits = !found ? all : scope.found >= 0 ? (1u << scope.found) - 1 : 0;
}

Step DetectorMemory::Find(const Board& board, const MethodRow& method, const Scope& base) {
  if (!on_) return method.find(board, method.k, base);
  if (method.find == &FindAtGlance) {
    const Step s = FindAtGlanceRemembered(board, glance_);
    if (s.Found()) looked_ = false;
    return s;
  }
  Entry* entry = nullptr;
  const Scope scope = Narrowed(board, method, false, base, entry);
  const Step s = method.find(board, method.k, scope);
  if (s.Found()) looked_ = false;
  if (entry) Remember(*entry, method, s.Found(), scope);
  return s;
}

HiddenReduction DetectorMemory::Reduce(Board& board, const MethodRow& method, const Scope& base, bool stopAtFirst) {
  if (!on_) return ReduceHiddenSets(board, method.k, base, stopAtFirst);
  Entry* entry = nullptr;
  const Scope scope = Narrowed(board, method, true, base, entry);
  const HiddenReduction r = ReduceHiddenSets(board, method.k, scope, stopAtFirst);
  const bool found = r.reductions > 0 || r.single.Found();
  if (found) looked_ = false;
  if (entry) Remember(*entry, method, found, scope);
  return r;
}

}  // namespace tessora
