// "At a glance": cross-hatch the board with one value at a time and look for a
// zone where the value has a single free cell left. Boxes are examined first
// (26 down to 18), then columns and rows, so the highest zone found wins.
//
// The hatching of a value is worked out as nine row masks (bit = column) of
// the cells it leaves free; the cells' backgrounds get the final painting
// once the scan is over, the only state anyone can see.
#include <array>
#include <bit>

#include "methods/glance.h"

namespace tessora {

namespace {

// The columns of the stacks named by three bits (bit s: stack s).
constexpr std::uint16_t kStackColumns[8] = {0x000, 0x007, 0x038, 0x03F, 0x1C0, 0x1C7, 0x1F8, 0x1FF};

constexpr bool Single(unsigned m) { return m != 0 && (m & (m - 1)) == 0; }

// The row, column and box of every cell as one word: bit r, bit 9 + c and
// bit 18 + b.
inline constexpr std::array<std::uint32_t, kCells> kLines = [] {
  std::array<std::uint32_t, kCells> t{};
  for (int c = 0; c < kCells; ++c) t[c] = 1u << (c / 9) | 1u << (9 + c % 9) | 1u << BoxZone(c);
  return t;
}();

// The board as the scan needs it: the empty cells of every row, and for every
// value the rows, columns and boxes that hold it.
struct GlanceBoard {
  std::uint16_t emptyRow[9] = {};
  std::uint16_t rows[10] = {}, cols[10] = {}, boxes[10] = {};

  explicit GlanceBoard(const Form1& f) {
    std::uint32_t lines[10] = {};  // per value: kLines of the cells holding it
    for (int r = 0; r < 9; ++r) {
      unsigned empty = 0;
#pragma GCC unroll 9
      for (int c = 0; c < 9; ++c) {
        const int cell = 9 * r + c;
        if (!f.Filled(cell)) {
          empty |= 1u << c;
          continue;
        }
        lines[f.Value(cell)] |= kLines[cell];  // value 0: a caption that holds no digit
      }
      emptyRow[r] = static_cast<std::uint16_t>(empty);
    }
    for (int v = 1; v <= 9; ++v) {
      rows[v] = static_cast<std::uint16_t>(lines[v] & 0x1FF);
      cols[v] = static_cast<std::uint16_t>((lines[v] >> 9) & 0x1FF);
      boxes[v] = static_cast<std::uint16_t>(lines[v] >> 18);
    }
  }

  // The cells left free for v: empty, and outside the rows, columns and boxes
  // holding v. One mask per row, bit = column.
  void Free(int v, std::uint16_t (&free)[9]) const {
#pragma GCC unroll 9
    for (int r = 0; r < 9; ++r) {
      const unsigned blocked = cols[v] | kStackColumns[(boxes[v] >> (r / 3 * 3)) & 7u];
      free[r] = ((rows[v] >> r) & 1u) ? 0 : static_cast<std::uint16_t>(emptyRow[r] & ~blocked);
    }
  }

  // Zone z holds exactly one empty cell.
  bool OneEmpty(int z) const {
    int n = 0;
    for (int c : ZoneCells[z]) n += (emptyRow[c / 9] >> (c % 9)) & 1;
    return n == 1;
  }
};

// The highest zone, in the order boxes 26..18, columns 17..9, rows 8..0,
// where a value has exactly one free cell (free: the row masks of its free
// cells), and that cell; -1 when none.
int HighestSingleZone(const std::uint16_t (&free)[9], int& cell) {
  // A box has one free cell when exactly one of its three columns holds free
  // cells and that column only one: per band, the columns with one free row
  // (once) and with more (many), then the three columns of each box at once,
  // read at the box's first column (bits 0, 3 and 6).
  unsigned boxSingles = 0;
#pragma GCC unroll 3
  for (int band = 0; band < 3; ++band) {
    const unsigned a = free[3 * band], b = free[3 * band + 1], c = free[3 * band + 2];
    const unsigned any = a | b | c, many = (a & b) | (a & c) | (b & c);
    const unsigned odd = any ^ (any >> 1) ^ (any >> 2), all = any & (any >> 1) & (any >> 2);
    const unsigned crowded = many | (many >> 1) | (many >> 2);
    const unsigned single = odd & ~all & ~crowded & 0x49u;  // bits 0, 3, 6
    boxSingles |= ((single & 1u) | ((single >> 2) & 2u) | ((single >> 4) & 4u)) << (3 * band);
  }
  if (boxSingles) {
    const int b = 31 - std::countl_zero(boxSingles), r0 = b / 3 * 3, s = b % 3 * 3;
    int r = r0;
    while (!((free[r] >> s) & 7u)) ++r;
    cell = 9 * r + s + std::countr_zero(static_cast<unsigned>((free[r] >> s) & 7u));
    return 18 + b;
  }
  // Columns where exactly one row has a free cell, and rows with one free cell.
  unsigned any = 0, many = 0, rowSingles = 0;
#pragma GCC unroll 9
  for (int r = 0; r < 9; ++r) {
    many |= any & free[r];
    any |= free[r];
    rowSingles |= static_cast<unsigned>(Single(free[r])) << r;
  }
  if (const unsigned once = any & ~many) {
    const int c = 31 - std::countl_zero(once);
    int r = 0;
    while (!((free[r] >> c) & 1u)) ++r;
    cell = 9 * r + c;
    return 9 + c;
  }
  if (rowSingles) {
    const int r = 31 - std::countl_zero(rowSingles);
    cell = 9 * r + std::countr_zero(static_cast<unsigned>(free[r]));
    return r;
  }
  return -1;
}

// The number of a cell or zone as text ("7", "80").
inline void NumberText(std::string& s, int n) {
  if (n < 10) s.assign(1, static_cast<char>('0' + n));
  else s.assign({static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)});
}

}  // namespace

void FindAtGlance(Form1& f, int) {
  MethodState& m = f.methods;
  if (m.GlanceFrom == 0) return;

  const GlanceBoard board(f);
  // The value examined last, the zone where its scan ended and the cell found there.
  int lastZone = -1, lastValue = 0, lastCell = -1;
  std::uint16_t free[9] = {};
  // Only the digits can be placed: a range reaching beyond 1..9 is cut to it.
  const int from = m.GlanceFrom < 1 ? 1 : m.GlanceFrom;
  const int to = m.GlanceTo > 9 ? 9 : m.GlanceTo;
  for (int v = from; v <= to; ++v) {
    board.Free(v, free);
    lastValue = v;
    // Without RecordOnly nothing is recorded and every zone is examined, down to zone 0.
    lastZone = 0;
    lastCell = -1;
    if (!m.RecordOnly) continue;
    int cell = -1;
    const int z = HighestSingleZone(free, cell);
    if (z < 0) continue;
    lastZone = z;
    lastCell = cell;
    AdviceStepRecord& s = m.AdviceStep;
    m.Progress = true;
    NumberText(s.cell, cell);
    s.value = zonemask::BlankedDigit(v);
    s.removed.clear();
    s.detail.clear();
    NumberText(s.zone, z);
    s.code = z < 18 ? "ZOC" : "ZOB";
    // The free cell is also the only empty cell of the zone: a Single Cell.
    if (board.OneEmpty(z)) s.code = "USO";
    if (m.Checking) break;
  }

  // GlanceCells holds the free cells of the last zone examined, in zone
  // order: the one cell found, or the free cells of row 0.
  if (lastZone >= 0) {
    auto& g = m.GlanceCells;
    for (auto& t : g) t.clear();
    if (lastCell >= 0) {
      NumberText(g[0], lastCell);
    } else {
      int n = 0;
      for (unsigned row = free[0]; row; row &= row - 1) NumberText(g[n++], std::countr_zero(row));
    }
  }
  // With a range of values every cell turns white; with one value its
  // hatching stays and every filled cell is grey as well: every cell not
  // free for the value.
  auto& cells = f.w.caN;
  if (m.GlanceTo == m.GlanceFrom && lastValue) {
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) cells[9 * r + c].back = (free[r] >> c) & 1u ? colour::White : colour::Grey;
  } else {
#pragma GCC unroll 9
    for (int c = 0; c < kCells; ++c) cells[c].back = colour::White;
  }
}

}  // namespace tessora
