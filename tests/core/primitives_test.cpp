// The word-parallel scans under the detectors, each against a plain loop over
// the cells on many random boards: the zones with one selected cell (three
// bands side by side in one word), the first cell with one candidate (four
// cells a word), the fish lines with two or three places (vector and
// portable forms), the hatching of "At a glance", the candidates' recount and
// the propagation of a value.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <random>

#include "methods/detectors.h"
#include "methods/fish_lines.h"
#include "methods/glance.h"
#include "methods/zone_masks.h"

namespace tessora {
namespace {

// Nine row masks (bit = column) with about one bit in `oneIn` set.
std::array<std::uint16_t, 9> SparseRows(std::mt19937& rng, int oneIn) {
  std::array<std::uint16_t, 9> rows{};
  for (int c = 0; c < kCells; ++c)
    if (static_cast<int>(rng() % oneIn) == 0) rows[c / 9] |= static_cast<std::uint16_t>(1u << (c % 9));
  return rows;
}

bool Selected(const std::array<std::uint16_t, 9>& rows, int cell) { return (rows[cell / 9] >> (cell % 9)) & 1u; }

TEST(Primitives, ZonesWithOneSelectedCell) {
  std::mt19937 rng(1);
  for (int i = 0; i < 100000; ++i) {
    const auto rows = SparseRows(rng, 2 + i % 12);
    std::uint32_t plain = 0;
    for (int z = 0; z < kZones; ++z) {
      int n = 0, only = -1;
      for (int c : ZoneCells[z])
        if (Selected(rows, c)) ++n, only = c;
      if (n != 1) continue;
      plain |= 1u << z;
      ASSERT_EQ(zonemask::OnlyCell(rows, z), only);
    }
    ASSERT_EQ(zonemask::ZonesWithOne(rows), plain) << "board " << i;
    for (int z = 0; z < kZones; ++z) {
      unsigned positions = 0;
      for (int p = 0; p < 9; ++p) positions |= static_cast<unsigned>(Selected(rows, ZoneCells[z][p])) << p;
      ASSERT_EQ(zonemask::ZonePositions(rows, z), positions);
    }
  }
}

TEST(Primitives, FirstCellWithOneCandidate) {
  std::mt19937 rng(2);
  for (int i = 0; i < 100000; ++i) {
    std::array<std::uint16_t, kCells> masks{};
    // Mostly several candidates or none, a single now and then, anywhere.
    for (auto& m : masks) m = static_cast<std::uint16_t>(rng() & rng() & 0x3FE);
    const int singles = static_cast<int>(rng() % 3);
    for (int s = 0; s < singles; ++s) masks[rng() % kCells] = static_cast<std::uint16_t>(2u << (rng() % 9));
    int plain = -1;
    for (int c = 0; c < kCells && plain < 0; ++c)
      if (std::popcount(static_cast<unsigned>(masks[c])) == 1) plain = c;
    ASSERT_EQ(FirstSingleCandidateCell(masks), plain) << "board " << i;
  }
}

TEST(Primitives, FishLinesWithTwoOrThreePlaces) {
  std::mt19937 rng(3);
  for (int i = 0; i < 300000; ++i) {
    std::uint16_t m[9], e[9];
    for (int k = 0; k < 9; ++k) {
      m[k] = static_cast<std::uint16_t>(rng() & rng() & 0x1FF);
      e[k] = static_cast<std::uint16_t>((rng() | rng()) & 0x1FF);
    }
    unsigned two = 0, twoOrThree = 0;
    for (int k = 0; k < 9; ++k) {
      two |= static_cast<unsigned>(std::popcount(static_cast<unsigned>(m[k])) == 2) << k;
      const int n = std::popcount(static_cast<unsigned>(m[k] & e[k]));
      twoOrThree |= static_cast<unsigned>(n == 2 || n == 3) << k;
    }
    ASSERT_EQ(fish::LinesWithTwo(m), two);
    ASSERT_EQ(fish::LinesWithTwoPortable(m), two);
    ASSERT_EQ(fish::LinesWithTwoOrThree(m, e), twoOrThree);
    ASSERT_EQ(fish::LinesWithTwoOrThreePortable(m, e), twoOrThree);
  }
}

// A random board: some cells filled (values may repeat: the scans must not
// care), the others with random candidates.
Board RandomBoard(std::mt19937& rng) {
  Board b;
  const int filledOneIn = 2 + static_cast<int>(rng() % 4);
  for (int c = 0; c < kCells; ++c) {
    if (static_cast<int>(rng() % filledOneIn) == 0) {
      b.Place(c, 1 + static_cast<int>(rng() % 9), Origin::Given);
    } else {
      b.ClearValue(c);
      b.Can[c] = CandText::FromMask(static_cast<std::uint16_t>(rng() & 0x3FE));
    }
  }
  return b;
}

TEST(Primitives, FishLineMasks) {
  std::mt19937 rng(4);
  for (int i = 0; i < 5000; ++i) {
    const Board b = RandomBoard(rng);
    const fish::LineMasks fast(b), portable(b, fish::LineMasks::kPortable);
    for (int c = 0; c < kCells; ++c) {
      const int r = c / 9, col = c % 9;
      for (const fish::LineMasks* m : {&fast, &portable}) {
        for (int d = 1; d <= 9; ++d) {
          ASSERT_EQ((m->hold[0][d][r] >> col) & 1, b.Can[c].Has(d) ? 1 : 0);
          ASSERT_EQ((m->hold[1][d][col] >> r) & 1, b.Can[c].Has(d) ? 1 : 0);
        }
        ASSERT_EQ((m->empty[0][r] >> col) & 1, b.Filled(c) ? 0 : 1);
        ASSERT_EQ((m->empty[1][col] >> r) & 1, b.Filled(c) ? 0 : 1);
      }
    }
  }
}

// "At a glance" for one value against the hatching done cell by cell: a cell
// is free when it is empty and no cell of its row, column or box holds v.
TEST(Primitives, GlanceHatching) {
  std::mt19937 rng(5);
  for (int i = 0; i < 10000; ++i) {
    const Board b = RandomBoard(rng);
    const int v = 1 + static_cast<int>(rng() % 9);
    std::array<std::uint16_t, 9> free{};
    for (int c = 0; c < kCells; ++c) {
      bool blocked = b.Filled(c);
      for (std::uint8_t p : kPeers[c]) blocked = blocked || b.Value(p) == v;
      if (!blocked) free[c / 9] |= static_cast<std::uint16_t>(1u << (c % 9));
    }
    const GlanceScan scan = Glance(b, v, v, true, true);
    ASSERT_EQ(scan.free, free) << "board " << i;
    // The finding: the highest zone (boxes, then columns, then rows) with one free cell.
    int zone = -1;
    for (int z = kZones - 1; z >= 0 && zone < 0; --z) {
      int n = 0;
      for (int c : ZoneCells[z]) n += Selected(free, c);
      if (n == 1) zone = z;
    }
    ASSERT_EQ(scan.step.Found(), zone >= 0);
    if (zone >= 0) {
      ASSERT_EQ(scan.step.zone, zone);
      ASSERT_TRUE(Selected(free, scan.step.cell));
      ASSERT_EQ(scan.step.digit, v);
    }
  }
}

TEST(Primitives, RecountAndPropagation) {
  std::mt19937 rng(6);
  for (int i = 0; i < 10000; ++i) {
    Board b = RandomBoard(rng);
    RecountCandidates(b);
    for (int c = 0; c < kCells; ++c) {
      if (b.Filled(c)) {
        ASSERT_EQ(b.Can[c].Text(), "  ");
        continue;
      }
      unsigned held = 0;
      for (std::uint8_t p : kPeers[c]) held |= b.Filled(p) ? 1u << b.Value(p) : 0u;
      const unsigned left = 0x3FEu & ~held;
      // A cell whose peers hold all nine values keeps one candidate.
      if (left) ASSERT_EQ(b.Can[c].Mask(), left);
      else ASSERT_EQ(b.Can[c].Count(), 1);
    }
    // A value written into an empty cell leaves its peers' candidates.
    int cell = static_cast<int>(rng() % kCells);
    while (b.Filled(cell)) cell = (cell + 1) % kCells;
    const int d = 1 + static_cast<int>(rng() % 9);
    const Board before = b;
    b.Place(cell, d, Origin::Keyed);
    const Propagation p = b.Propagate(cell, d);
    bool stopped = false;
    for (std::uint8_t peer : kPeers[cell]) {
      const CandText& was = before.Can[peer];
      if (stopped) {
        ASSERT_EQ(b.Can[peer], was);
        continue;
      }
      ASSERT_EQ(b.Can[peer].Has(d), false);
      ASSERT_EQ(b.Can[peer].Mask(), was.Mask() & ~(1u << d));
      if (was.Has(d) && !b.Can[peer].HasDigits()) {
        ASSERT_EQ(p.emptied, peer);
        stopped = true;
      }
    }
    ASSERT_EQ(p.consistent, !stopped);
  }
}

}  // namespace
}  // namespace tessora
