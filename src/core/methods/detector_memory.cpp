#include "methods/detector_memory.h"

#include <array>
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

// A cell and the cells sharing a zone with it, bit c of word c / 64.
struct CellBits {
  std::uint64_t word[2];
};
constexpr std::array<CellBits, kCells> kPeersAndSelf = [] {
  std::array<CellBits, kCells> t{};
  for (int c = 0; c < kCells; ++c)
    for (int p = 0; p < kCells; ++p)
      if (RowZone(p) == RowZone(c) || ColZone(p) == ColZone(c) || BoxZone(p) == BoxZone(c))
        t[c].word[p / 64] |= std::uint64_t{1} << (p % 64);
  return t;
}();

}  // namespace

void DetectorMemory::Look(const Form1& f) {
  previous_ = now_;
  ++looks_;
  sincePreviousKnown_ = false;
  for (int c = 0; c < kCells; ++c) now_.masks[c] = f.board.Can[c].Mask();
  if (emptyKnown_) {
    // Only the cells the singles filled left the empty ones.
    for (int r = 0; r < 9; ++r) {
      const int first = 9 * r;
      const std::uint64_t bits = first + 9 <= 64 ? placed_[0] >> first
                                 : first >= 64  ? placed_[1] >> (first - 64)
                                                : placed_[0] >> first | placed_[1] << (64 - first);
      now_.emptyRows[r] = static_cast<std::uint16_t>(now_.emptyRows[r] & ~bits & 0x1FFu);
    }
  } else if (codesRead_) {
    // The values are at hand: the empty cells are those without one.
    ReadCodes(f);
    for (int r = 0; r < 9; ++r) {
      unsigned m = 0;
      for (int c = 0; c < 9; ++c) m |= static_cast<unsigned>(codes_[9 * r + c] == 0) << c;
      now_.emptyRows[r] = static_cast<std::uint16_t>(m);
    }
  } else {
    zonemask::EmptyRows(f, now_.emptyRows);
  }
  // Whether any candidate or empty cell is left, four masks at a time.
  std::uint64_t any = now_.masks[kCells - 1];
  for (int c = 0; c + 4 <= kCells; c += 4) {
    std::uint64_t x;
    std::memcpy(&x, &now_.masks[c], sizeof x);
    any |= x;
  }
  for (std::uint16_t m : now_.emptyRows) any |= m;
  bare_ = any == 0;
  looked_ = true;
  emptyKnown_ = true;
  placed_[0] = placed_[1] = 0;
}

void DetectorMemory::LabelsChangedAt(int cell, bool peers) {
  looked_ = false;
  emptyKnown_ = false;
  if (!codesRead_) return;
  if (peers) {
    reread_[0] |= kPeersAndSelf[cell].word[0];
    reread_[1] |= kPeersAndSelf[cell].word[1];
  } else {
    reread_[cell / 64] |= std::uint64_t{1} << (cell % 64);
  }
}

void DetectorMemory::ReadCodes(const Form1& f) {
  if (!codesRead_) {
    ReadGlanceCodes(f, codes_);
    codesRead_ = true;
    glanceAll_ = true;
  } else {
    for (int w = 0; w < 2; ++w) {
      for (std::uint64_t m = reread_[w]; m; m &= m - 1) {
        const int c = 64 * w + std::countr_zero(m);
        codes_[c] = ReadGlanceCode(f, c);
      }
      glanceCells_[w] |= reread_[w];
    }
  }
  reread_[0] = reread_[1] = 0;
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

void DetectorMemory::Found(const Form1& f, bool notedFills) {
  looked_ = false;
  if (f.methods.RecordOnly) return;  // nothing was written
  codesRead_ = false;
  if (!notedFills) emptyKnown_ = false;
}

void DetectorMemory::RunGlance(Form1& f) {
  ReadCodes(f);
  FindAtGlanceRemembered(f, glance_, codes_, glanceAll_ ? nullptr : glanceCells_, backsWhite_);
  glanceAll_ = false;
  glanceCells_[0] = glanceCells_[1] = 0;
  if (f.methods.Progress) Found(f, false);
}

void DetectorMemory::Run(Form1& f, Detector d, int k) {
  if (on_ && d == &FindAtGlance) {
    RunGlance(f);
    return;
  }
  const ScopedInfo info = on_ ? ScopedForm(d) : ScopedInfo{};
  const bool before = f.methods.Progress;
  if (!info.run) {
    d(f, k);
    if (f.methods.Progress) Found(f, false);
    return;
  }
  if (!looked_) Look(f);
  Scope scope;
  scope.emptyRows = &now_.emptyRows;
  scope.masks = &now_.masks;
  // The singles that fill cells note them.
  const bool notes = info.run == &FillLoneCellsWithin || info.run == &NakedSingleApplyWithin;
  if (notes) scope.placed = placed_;
  if (!info.narrows) {
    info.run(f, k, scope);
    if (f.methods.Progress) Found(f, notes);
    return;
  }
  const bool recordOnly = f.methods.RecordOnly, checking = f.methods.Checking;
  Entry* entry = nullptr;
  if (k >= 0 && k < kSizes) {
    Entry& e = entries_[info.slot * kSizes + k];
    if (e.used && e.recordOnly == recordOnly && e.checking == checking) entry = &e;
  }
  const std::uint32_t all = AllUnits(info.units);
  scope.units = bare_ ? 0 : entry ? (Touched(info.units, ChangesFor(*entry)) | ~entry->emptyUnits) & all : all;
  info.run(f, k, scope);
  const bool found = f.methods.Progress;
  if (found) Found(f, notes);
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
