// "At a glance": cross-hatch the board with one value at a time and look for a
// zone where the value has a single free cell left. Boxes are examined first
// (26 down to 18), then columns and rows, so the highest zone found wins.
//
// The hatching of a value is worked out as nine row masks (bit = column) of
// the cells it leaves free.
#include <array>
#include <bit>
#include <cstring>

#include "methods/detectors.h"
#include "methods/glance.h"
#include "methods/glance_memory.h"
#include "methods/zone_masks.h"

namespace tessora {

namespace {

// The columns of the stacks named by three bits (bit s: stack s).
constexpr std::uint16_t kStackColumns[8] = {0x000, 0x007, 0x038, 0x03F, 0x1C0, 0x1C7, 0x1F8, 0x1FF};

// Exactly one bit set, told without branching.
constexpr bool Single(unsigned m) { return (m != 0) & ((m & (m - 1)) == 0); }

// The zones where a value has exactly one free cell (free: the row masks of
// its free cells): bit r for row r, 9 + c for column c, 18 + b for box b.
inline std::uint32_t SinglesOf(const std::uint16_t* free) { return zonemask::ZonesWithOne(free); }

// The one free cell of zone z (free: row masks; the zone holds exactly one).
int OnlyFreeCell(const std::uint16_t* free, int z) {
  if (z < 9) return 9 * z + std::countr_zero(static_cast<unsigned>(free[z]));
  if (z < 18) {
    const int c = z - 9;
    int r = 0;
    while (!((free[r] >> c) & 1u)) ++r;
    return 9 * r + c;
  }
  const int b = z - 18, s = b % 3 * 3;
  int r = b / 3 * 3;
  while (!((free[r] >> s) & 7u)) ++r;
  return 9 * r + s + std::countr_zero(static_cast<unsigned>((free[r] >> s) & 7u));
}

// The highest zone, in the order boxes 26..18, columns 17..9, rows 8..0,
// where a value has exactly one free cell (free: the row masks of its free
// cells), and that cell; -1 when none.
int HighestSingleZone(const std::uint16_t* free, int& cell) {
  const std::uint32_t singles = SinglesOf(free);
  if (!singles) return -1;
  const int z = 31 - std::countl_zero(singles);
  cell = OnlyFreeCell(free, z);
  return z;
}

// The cells of zone z selected by row masks (bit = column), as zone positions.
unsigned ZoneBits(const std::uint16_t* rows, int z) {
  if (z < 9) return rows[z];
  unsigned m = 0;
  if (z < 18) {

    for (int r = 0; r < 9; ++r) m |= ((rows[r] >> (z - 9)) & 1u) << r;
    return m;
  }
  const int r0 = (z - 18) / 3 * 3, s = (z - 18) % 3 * 3;
  return ((rows[r0] >> s) & 7u) | ((rows[r0 + 1] >> s) & 7u) << 3 | ((rows[r0 + 2] >> s) & 7u) << 6;
}

// Zone z of a board whose empty cells are emptyRow (bit = column) holds
// exactly one empty cell.
bool OneEmptyCell(const std::uint16_t* emptyRow, int z) { return Single(ZoneBits(emptyRow, z)); }

// The cells left free for v: empty, and outside the rows, columns and boxes
// holding v (lines: bit r, 9 + c and 18 + b of the cells holding v). One mask
// per row, bit = column.
inline void FreeCells(const std::uint16_t* emptyRow, std::uint32_t lines, std::uint16_t* free) {
  const unsigned rows = lines & 0x1FF, cols = (lines >> 9) & 0x1FF, boxes = lines >> 18;

  for (int r = 0; r < 9; ++r) {
    const unsigned blocked = cols | kStackColumns[(boxes >> (r / 3 * 3)) & 7u];
    free[r] = ((rows >> r) & 1u) ? 0 : static_cast<std::uint16_t>(emptyRow[r] & ~blocked);
  }
}

// The board as the scan needs it: the empty cells of every row, and for every
// value the rows, columns and boxes that hold it.
struct GlanceBoard {
  std::uint16_t emptyRow[9] = {};
  std::uint32_t lines[10] = {};  // per value: kCellZones of the cells holding it

  explicit GlanceBoard(const Board& b) {
    for (int r = 0; r < 9; ++r) {
      unsigned empty = 0;
      for (int c = 0; c < 9; ++c) {
        const int cell = 9 * r + c;
        if (!b.Filled(cell)) {
          empty |= 1u << c;
          continue;
        }
        lines[b.Value(cell)] |= kCellZones[cell];
      }
      emptyRow[r] = static_cast<std::uint16_t>(empty);
    }
  }
};

// The placement of v in cell, the one free cell of zone z.
Step Finding(int v, int z, int cell, bool oneEmpty) {
  // The free cell is also the only empty cell of the zone: a Single Cell.
  Step s = Placement(oneEmpty ? Code::USO : z < 18 ? Code::ZOC : Code::ZOB, cell, v, z);
  s.byGlance = true;
  return s;
}

// What the scan leaves: the free cells of the value examined last.
void KeepLast(GlanceScan& scan, int v, const std::uint16_t* free, int zone, int cell) {
  scan.lastValue = v;
  std::copy(free, free + 9, scan.free.begin());
  scan.lastZone = zone;
  scan.lastCell = cell;
  // Row 0, the last zone examined when nothing was found: its free cells.
  scan.lastZoneFree = zone == 0 ? free[0] : 0;
}

// The single-free-cell bits of the zones through cell (its row, column and
// box), worked out again from the free cells.
std::uint32_t SinglesThrough(const std::uint16_t* free, int cell) {
  const int r = cell / 9, c = cell % 9, b = BoxZone(cell) - 18;
  unsigned col = 0;

  for (int i = 0; i < 9; ++i) col |= ((free[i] >> c) & 1u) << i;
  const int r0 = b / 3 * 3, s = b % 3 * 3;
  const unsigned box = ((free[r0] >> s) & 7u) | ((free[r0 + 1] >> s) & 7u) << 3 | ((free[r0 + 2] >> s) & 7u) << 6;
  return static_cast<std::uint32_t>(Single(free[r])) << r | static_cast<std::uint32_t>(Single(col)) << (9 + c) |
         static_cast<std::uint32_t>(Single(box)) << (18 + b);
}

// Brings the memory to the board `values`.
void Update(GlanceMemory& mem, const GlanceCodes& values) {
  auto restart = [&] {
    mem.codes = values;
    mem.lines.fill(0);
    for (int r = 0; r < 9; ++r) {
      unsigned empty = 0;
      for (int c = 0; c < 9; ++c) {
        const int cell = 9 * r + c;
        if (!values[cell]) empty |= 1u << c;
        else mem.lines[values[cell]] |= kCellZones[cell];
      }
      mem.emptyRows[r] = static_cast<std::uint16_t>(empty);
    }
    mem.known = 0;
    mem.withSingles = 0;
    mem.taken = true;
  };
  if (!mem.taken) {
    restart();
    return;
  }
  // The cells whose values differ, eight at a time while they agree. Only
  // cells filled since are followed; a cell emptied or changed starts afresh.
  int placed[kCells];
  int n = 0;
  for (int c = 0; c < kCells; c += 8) {
    std::uint64_t a, b;
    std::memcpy(&a, &mem.codes[c], sizeof a);
    std::memcpy(&b, &values[c], sizeof b);
    for (std::uint64_t x = a ^ b; x;) {
      const int lane = std::countr_zero(x) / 8;
      if ((a >> (8 * lane)) & 0xFFu) {
        restart();
        return;
      }
      placed[n++] = c + lane;
      x &= ~(std::uint64_t{0xFF} << (8 * lane));
    }
  }
  for (int i = 0; i < n; ++i) {
    const int cell = placed[i], r = cell / 9;
    const unsigned bit = 1u << (cell % 9);
    const int value = values[cell];
    mem.codes[cell] = static_cast<std::uint8_t>(value);
    mem.emptyRows[r] = static_cast<std::uint16_t>(mem.emptyRows[r] & ~bit);
    mem.lines[value] |= kCellZones[cell];
    // The value placed blocks its row, column and box: it is worked out anew.
    mem.known = static_cast<std::uint16_t>(mem.known & ~(1u << value));
    // Every other value loses the cell; only the zones through it can change.
    for (unsigned k = mem.known; k; k &= k - 1) {
      const int v = std::countr_zero(k);
      std::uint16_t* free = mem.free[v].data();
      if (!(free[r] & bit)) continue;
      free[r] = static_cast<std::uint16_t>(free[r] & ~bit);
      mem.singles[v] = (mem.singles[v] & ~kCellZones[cell]) | SinglesThrough(free, cell);
      if (mem.singles[v]) mem.withSingles = static_cast<std::uint16_t>(mem.withSingles | 1u << v);
      else mem.withSingles = static_cast<std::uint16_t>(mem.withSingles & ~(1u << v));
    }
  }
}

}  // namespace

GlanceScan Glance(const Board& board, int from, int to, bool record, bool stopAtFirst) {
  GlanceScan scan;
  const GlanceBoard b(board);
  std::uint16_t free[9] = {};
  // Only the digits can be placed: a range reaching beyond 1..9 is cut to it.
  from = from < 1 ? 1 : from;
  to = to > 9 ? 9 : to;
  for (int v = from; v <= to; ++v) {
    FreeCells(b.emptyRow, b.lines[v], free);
    // Without recording nothing is found and every zone is examined, down to zone 0.
    KeepLast(scan, v, free, 0, -1);
    if (!record) continue;
    int cell = -1;
    const int z = HighestSingleZone(free, cell);
    if (z < 0) continue;
    KeepLast(scan, v, free, z, cell);
    scan.step = Finding(v, z, cell, OneEmptyCell(b.emptyRow, z));
    if (stopAtFirst) break;
  }
  return scan;
}

Step FindAtGlance(const Board& board, int, const Scope&) { return Glance(board, 1, 9, true, true).step; }

Step FindAtGlanceRemembered(const Board& board, GlanceMemory& memory) {
  GlanceCodes values{};
  std::memcpy(values.data(), board.Values().data(), kCells);
  Update(memory, values);
  // The values that may hold a finding: those not worked out yet and those
  // with a single free cell somewhere; the first one that has one is the
  // scan's finding.
  for (unsigned open; (open = (memory.withSingles | ~memory.known) & 0x3FEu) != 0;) {
    const int v = std::countr_zero(open);
    std::uint16_t* free = memory.free[v].data();
    if (!((memory.known >> v) & 1u)) {
      // Worked out in registers, then kept.
      std::uint16_t fresh[9];
      FreeCells(memory.emptyRows.data(), memory.lines[v], fresh);
      memory.singles[v] = SinglesOf(fresh);
      std::memcpy(free, fresh, sizeof fresh);
      memory.known = static_cast<std::uint16_t>(memory.known | 1u << v);
      if (memory.singles[v]) memory.withSingles = static_cast<std::uint16_t>(memory.withSingles | 1u << v);
      else memory.withSingles = static_cast<std::uint16_t>(memory.withSingles & ~(1u << v));
    }
    if (!memory.singles[v]) continue;
    const int z = 31 - std::countl_zero(memory.singles[v]);
    return Finding(v, z, OnlyFreeCell(free, z), OneEmptyCell(memory.emptyRows.data(), z));
  }
  return {};
}

}  // namespace tessora
