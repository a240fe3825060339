// "At a glance": cross-hatch the board with one value at a time and look for a
// zone where the value has a single free cell left. Boxes are examined first
// (26 down to 18), then columns and rows, so the highest zone found wins.
//
// The hatching of a value is worked out as nine row masks (bit = column) of
// the cells it leaves free; the cells' backgrounds get the final painting
// once the scan is over, the only state anyone can see.
#include <array>
#include <bit>
#include <cstring>

#include "methods/glance.h"
#include "methods/glance_memory.h"

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
#pragma GCC unroll 9
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
#pragma GCC unroll 9
  for (int r = 0; r < 9; ++r) {
    const unsigned blocked = cols | kStackColumns[(boxes >> (r / 3 * 3)) & 7u];
    free[r] = ((rows >> r) & 1u) ? 0 : static_cast<std::uint16_t>(emptyRow[r] & ~blocked);
  }
}

// s = the n characters at p, leaving a text that already reads so alone.
inline void SetText(std::string& s, const char* p, std::size_t n) {
  if (s.size() != n || std::memcmp(s.data(), p, n) != 0) s.assign(p, n);
}

// The same for short texts given as characters, compared one by one (a
// text just built in memory a character at a time reads back slowly whole).
inline void SetChars(std::string& s, char a, char b, char c) {
  if (s.size() != 3 || s[0] != a || s[1] != b || s[2] != c) s.assign({a, b, c});
}

// The board as the scan needs it: the empty cells of every row, and for every
// value the rows, columns and boxes that hold it.
struct GlanceBoard {
  std::uint16_t emptyRow[9] = {};
  std::uint32_t lines[10] = {};  // per value: kCellLines of the cells holding it

  explicit GlanceBoard(const Form1& f) {
    for (int r = 0; r < 9; ++r) {
      unsigned empty = 0;
#pragma GCC unroll 9
      for (int c = 0; c < 9; ++c) {
        const int cell = 9 * r + c;
        if (!f.Filled(cell)) {
          empty |= 1u << c;
          continue;
        }
        lines[f.Value(cell)] |= kCellLines[cell];  // value 0: a caption that holds no digit
      }
      emptyRow[r] = static_cast<std::uint16_t>(empty);
    }
  }
};

// Records the placement of v in cell, the one free cell of zone z.
void RecordFinding(MethodState& m, int v, int z, int cell, bool oneEmpty) {
  AdviceStepRecord& s = m.AdviceStep;
  m.Progress = true;
  SetNumberText(s.cell, cell);
  SetChars(s.value, ' ', static_cast<char>('0' + v), ' ');
  s.removed.clear();
  s.detail.clear();
  SetNumberText(s.zone, z);
  // The free cell is also the only empty cell of the zone: a Single Cell.
  SetText(s.code, oneEmpty ? "USO" : z < 18 ? "ZOC" : "ZOB", 3);
}

// What the scan leaves behind once over: GlanceCells and the backgrounds.
// lastZone, lastValue and lastCell: the zone where the scan of the value
// examined last ended, that value and the cell found there (-1: none);
// free: that value's free cells. backsWhite: every cell's background is
// known to be white already.
void FinishScan(Form1& f, int lastZone, int lastValue, int lastCell, const std::uint16_t* free,
                bool backsWhite = false) {
  MethodState& m = f.methods;
  // GlanceCells holds the free cells of the last zone examined, in zone
  // order: the one cell found, or the free cells of row 0.
  if (lastZone >= 0) {
    auto& g = m.GlanceCells;
    for (auto& t : g) t.clear();
    if (lastCell >= 0) {
      SetNumberText(g[0], lastCell);
    } else {
      int n = 0;
      for (unsigned row = free[0]; row; row &= row - 1) SetNumberText(g[n++], std::countr_zero(row));
    }
  }
  // With a range of values every cell turns white; with one value its
  // hatching stays and every filled cell is grey as well: every cell not
  // free for the value.
  auto& cells = f.w.caN;
  if (m.GlanceTo == m.GlanceFrom && lastValue) {
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) cells[9 * r + c].back = (free[r] >> c) & 1u ? colour::White : colour::Grey;
  } else if (!backsWhite) {
#pragma GCC unroll 9
    for (int c = 0; c < kCells; ++c) cells[c].back = colour::White;
  }
}

// The single-free-cell bits of the zones through cell (its row, column and
// box), worked out again from the free cells.
std::uint32_t SinglesThrough(const std::uint16_t* free, int cell) {
  const int r = cell / 9, c = cell % 9, b = BoxZone(cell) - 18;
  unsigned col = 0;
#pragma GCC unroll 9
  for (int i = 0; i < 9; ++i) col |= ((free[i] >> c) & 1u) << i;
  const int r0 = b / 3 * 3, s = b % 3 * 3;
  const unsigned box = ((free[r0] >> s) & 7u) | ((free[r0 + 1] >> s) & 7u) << 3 | ((free[r0 + 2] >> s) & 7u) << 6;
  return static_cast<std::uint32_t>(Single(free[r])) << r | static_cast<std::uint32_t>(Single(col)) << (9 + c) |
         static_cast<std::uint32_t>(Single(box)) << (18 + b);
}

// Brings the memory to the board `codes`, which differs from the memory's
// only at the cells named in `changed` (bit c of word c / 64) unless that is
// null.
void Update(GlanceMemory& mem, const GlanceCodes& codes, const std::uint64_t* changed) {
  auto restart = [&] {
    mem.codes = codes;
    mem.lines.fill(0);
    for (int r = 0; r < 9; ++r) {
      unsigned empty = 0;
      for (int c = 0; c < 9; ++c) {
        const int cell = 9 * r + c;
        if (!codes[cell]) empty |= 1u << c;
        else mem.lines[codes[cell] - 1] |= kCellLines[cell];
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
  // The cells whose codes differ, eight at a time while they agree. Only
  // filled cells are followed; a cell emptied or changed starts afresh.
  int placed[kCells];
  int n = 0;
  if (changed) {
    for (int w = 0; w < 2; ++w)
      for (std::uint64_t m = changed[w]; m; m &= m - 1) {
        const int c = 64 * w + std::countr_zero(m);
        if (mem.codes[c] == codes[c]) continue;
        if (mem.codes[c]) {
          restart();
          return;
        }
        placed[n++] = c;
      }
  }
  for (int c = 0; !changed && c < kCells; c += 8) {
    std::uint64_t a, b;
    std::memcpy(&a, &mem.codes[c], sizeof a);
    std::memcpy(&b, &codes[c], sizeof b);
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
    mem.codes[cell] = codes[cell];
    mem.emptyRows[r] = static_cast<std::uint16_t>(mem.emptyRows[r] & ~bit);
    const int value = codes[cell] - 1;
    mem.lines[value] |= kCellLines[cell];
    // The value placed blocks its row, column and box: it is worked out anew.
    if (value >= 1) mem.known = static_cast<std::uint16_t>(mem.known & ~(1u << value));
    // Every other value loses the cell; only the zones through it can change.
    for (unsigned k = mem.known; k; k &= k - 1) {
      const int v = std::countr_zero(k);
      std::uint16_t* free = mem.free[v].data();
      if (!(free[r] & bit)) continue;
      free[r] = static_cast<std::uint16_t>(free[r] & ~bit);
      mem.singles[v] = (mem.singles[v] & ~kCellLines[cell]) | SinglesThrough(free, cell);
      if (mem.singles[v]) mem.withSingles = static_cast<std::uint16_t>(mem.withSingles | 1u << v);
      else mem.withSingles = static_cast<std::uint16_t>(mem.withSingles & ~(1u << v));
    }
  }
}

}  // namespace

void ReadGlanceCodes(const Form1& f, GlanceCodes& codes) {
  // Whether a cell is filled changes little from one run to the next, so
  // branching on it costs less than reading every caption.
#pragma GCC unroll 9
  for (int c = 0; c < kCells; ++c) codes[c] = f.Filled(c) ? static_cast<std::uint8_t>(1 + f.Value(c)) : 0;
}

std::uint8_t ReadGlanceCode(const Form1& f, int cell) {
  return f.Filled(cell) ? static_cast<std::uint8_t>(1 + f.Value(cell)) : 0;
}

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
    FreeCells(board.emptyRow, board.lines[v], free);
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
    RecordFinding(m, v, z, cell, OneEmptyCell(board.emptyRow, z));
    if (m.Checking) break;
  }
  FinishScan(f, lastZone, lastValue, lastCell, free);
}

void FindAtGlanceRemembered(Form1& f, GlanceMemory& memory, const GlanceCodes& codes, const std::uint64_t* changed,
                            bool backsWhite) {
  MethodState& m = f.methods;
  // The memory serves the walk's scan: recording, stopping at the first
  // finding, over values within 1..9.
  if (!m.RecordOnly || !m.Checking || m.GlanceFrom < 1 || m.GlanceTo > 9 || m.GlanceFrom > m.GlanceTo) {
    memory.Forget();  // it will not hear of the changes before this run
    FindAtGlance(f, 0);
    return;
  }
  Update(memory, codes, changed);
  const int from = m.GlanceFrom, to = m.GlanceTo;
  // The values of the range that may hold a finding: those not worked out
  // yet and those with a single free cell somewhere; the first one that has
  // one is the scan's finding.
  const unsigned range = ((2u << to) - 1) & ~((1u << from) - 1);
  int lastZone = 0, lastValue = to, lastCell = -1;
  for (unsigned open; (open = (memory.withSingles | ~memory.known) & range) != 0;) {
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
    lastZone = z;
    lastValue = v;
    lastCell = OnlyFreeCell(free, z);
    RecordFinding(m, v, z, lastCell, OneEmptyCell(memory.emptyRows.data(), z));
    break;
  }
  FinishScan(f, lastZone, lastValue, lastCell, memory.free[lastValue].data(), backsWhite);
}

}  // namespace tessora
