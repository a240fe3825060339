#include "control/practice.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <numeric>

#include "control/solver.h"
#include "methods/detectors.h"

namespace tessora {

namespace {

constexpr std::uint16_t kAllDigits = 0x3FE;

constexpr bool OneDigit(unsigned m) { return m != 0 && (m & (m - 1)) == 0; }

const MethodRow& Row(int method) { return Methods()[method - 1]; }

int MethodNumberOf(const Step& s) {
  const MethodRow* m = MethodOf(s.code);
  return m ? m->number : 0;
}

// ---- schemes ---------------------------------------------------------------

// A full grid: the cell with the fewest digits left first, its digits in
// random order, backtracking when a cell has none.
bool FillGrid(std::array<std::uint8_t, kCells>& g, std::array<std::uint16_t, kZones>& used, PracticeRandom& random) {
  int best = -1;
  unsigned bestMask = 0;
  int bestCount = 10;
  for (int c = 0; c < kCells; ++c) {
    if (g[c]) continue;
    const unsigned m = kAllDigits & ~(used[RowZone(c)] | used[ColZone(c)] | used[BoxZone(c)]);
    const int n = std::popcount(m);
    if (n < bestCount) {
      best = c;
      bestMask = m;
      bestCount = n;
      if (n <= 1) break;
    }
  }
  if (best < 0) return true;
  int digits[9];
  int n = 0;
  for (unsigned m = bestMask; m; m &= m - 1) digits[n++] = std::countr_zero(m);
  for (int i = n - 1; i > 0; --i) std::swap(digits[i], digits[random.Below(i + 1)]);
  for (int i = 0; i < n; ++i) {
    const int d = digits[i];
    const auto bit = static_cast<std::uint16_t>(1u << d);
    g[best] = static_cast<std::uint8_t>(d);
    for (int z : {RowZone(best), ColZone(best), BoxZone(best)}) used[z] |= bit;
    if (FillGrid(g, used, random)) return true;
    for (int z : {RowZone(best), ColZone(best), BoxZone(best)}) used[z] &= static_cast<std::uint16_t>(~bit);
    g[best] = 0;
  }
  return false;
}

std::array<int, kCells> AsInts(const std::array<std::uint8_t, kCells>& g) {
  std::array<int, kCells> out{};
  for (int c = 0; c < kCells; ++c) out[c] = g[c];
  return out;
}

// ---- the walk ----------------------------------------------------------------

// A cell to place a solution digit in when no method applies: one with the
// fewest candidates, chosen at random among them.
int StuckCell(const Board& b, PracticeRandom& random) {
  int fewest = 10;
  std::vector<int> cells;
  for (int c = 0; c < kCells; ++c) {
    if (b.Filled(c)) continue;
    const int n = b.Can[c].Count();
    if (n < fewest) {
      fewest = n;
      cells.clear();
    }
    if (n == fewest) cells.push_back(c);
  }
  return cells.empty() ? -1 : cells[random.Below(static_cast<int>(cells.size()))];
}

bool AgreesWithSolution(const Board& b, const std::array<std::uint8_t, kCells>& solution) {
  for (int c = 0; c < kCells; ++c) {
    if (b.Filled(c) ? b.Value(c) != solution[c] : !b.Can[c].Has(solution[c])) return false;
  }
  return true;
}

bool StepAgrees(const Step& s, const std::array<std::uint8_t, kCells>& solution) {
  if (s.cell < 0) return false;
  if (s.IsPlacement()) return s.digit == solution[s.cell];
  return ((s.keep >> solution[s.cell]) & 1u) != 0 && s.removed != 0;
}

// The same pattern found again: the same method, zones, digits, cells and
// fish rectangles, whatever the target.
bool SamePattern(const Step& a, const Step& b) {
  if (a.code != b.code || a.zone != b.zone || a.zone2 != b.zone2 || a.DigitMask() != b.DigitMask()) return false;
  if (a.cellCount != b.cellCount || a.rangeCount != b.rangeCount || a.columns != b.columns) return false;
  std::array<std::uint8_t, 7> ca = a.cells, cb = b.cells;
  std::sort(ca.begin(), ca.begin() + a.cellCount);
  std::sort(cb.begin(), cb.begin() + b.cellCount);
  return std::equal(ca.begin(), ca.begin() + a.cellCount, cb.begin()) &&
         std::equal(a.ranges.begin(), a.ranges.begin() + a.rangeCount, b.ranges.begin());
}

// Every removal of the step's pattern: the step's own target first, then
// the other cells the same pattern cleans up, found by running the method
// again on its unit with each removal made.
std::vector<PracticeMove> PatternMoves(const Board& board, const Step& step) {
  std::vector<PracticeMove> moves;
  if (step.IsPlacement()) {
    moves.push_back({step.cell, step.digit, 0});
    return moves;
  }
  moves.push_back({step.cell, 0, step.removed});
  const MethodRow* m = MethodOf(step.code);
  if (!m || !m->find) return moves;
  Scope first;
  const Step again = m->find(board, m->k, first);
  if (!again.Found() || again.cell != step.cell || first.found < 0) return moves;
  Board b = board;
  b.Can[step.cell] = CandText::FromMask(step.keep);
  Scope unit;
  unit.units = 1u << first.found;
  for (int guard = 0; guard < kCells; ++guard) {
    const Step s = m->find(b, m->k, unit);
    if (!s.Found() || s.IsPlacement() || !SamePattern(step, s) || s.keep == b.Can[s.cell].Mask()) break;
    moves.push_back({s.cell, 0, s.removed});
    b.Can[s.cell] = CandText::FromMask(s.keep);
  }
  return moves;
}

// Every step the method's detector finds on the board, each found on the
// board the previous ones left (their removals made, nothing placed).
std::vector<Step> AllFindings(const Board& board, const MethodRow& m) {
  std::vector<Step> found;
  Board b = board;
  for (int guard = 0; guard < 4 * kCells; ++guard) {
    const Step s = m.find(b, m.k, {});
    if (!s.Found() || s.IsPlacement() || s.cell < 0) break;
    const std::uint16_t before = b.Can[s.cell].Mask();
    if (s.keep == 0 || s.keep == before) break;  // no progress: a board the detector cannot clean up
    found.push_back(s);
    b.Can[s.cell] = CandText::FromMask(s.keep);
  }
  return found;
}

// The value's crossing: the cell is the only cell left free for the digit in
// one of its zones. `lone` asks for a zone with one empty cell (Single Cell),
// otherwise a zone with more ("At a glance").
bool CrossingSingle(const Board& b, int cell, int d, bool lone) {
  if (b.Filled(cell)) return false;
  auto sees = [&](int c) {
    for (int p : kPeers[c])
      if (b.Value(p) == d) return true;
    return false;
  };
  if (sees(cell)) return false;
  for (int z : {RowZone(cell), ColZone(cell), BoxZone(cell)}) {
    int empty = 0, free = 0;
    bool held = false;
    for (int c : ZoneCells[z]) {
      if (b.Filled(c)) {
        held |= b.Value(c) == d;
        continue;
      }
      ++empty;
      if (!sees(c)) ++free;
    }
    if (held || free != 1) continue;
    if (lone ? empty == 1 : empty > 1) return true;
  }
  return false;
}

bool HiddenSingle(const Board& b, int cell, int d) {
  if (b.Filled(cell) || !b.Can[cell].Has(d)) return false;
  for (int z : {RowZone(cell), ColZone(cell), BoxZone(cell)}) {
    bool alone = true;
    for (int c : ZoneCells[z]) {
      if (c == cell) continue;
      if (b.Filled(c) ? b.Value(c) == d : b.Can[c].Has(d)) {
        alone = false;
        break;
      }
    }
    if (alone) return true;
  }
  return false;
}

}  // namespace

// ---- random -------------------------------------------------------------------

std::uint64_t PracticeRandom::Next() {
  // splitmix64
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int PracticeRandom::Below(int n) {
  return static_cast<int>((static_cast<unsigned __int128>(Next()) * static_cast<unsigned>(n)) >> 64);
}

// ---- the walk and the moves -----------------------------------------------------

bool CandidatesShownFor(int method) { return method > 2; }

Step StandardStep(const Board& board, bool candidatesShown) {
  for (const MethodGroup& g : MethodGroups()) {
    Step found;
    for (const MethodRow* m : g.rows) {
      if (m->needsHatching && candidatesShown) continue;
      const Step s = m->find(board, m->k, {});
      if (s.Found()) found = s;
    }
    if (found.Found()) return found;
  }
  return {};
}

void ApplyAsDoIt(Board& board, const Step& step) {
  if (step.cell < 0) return;
  int digit = step.IsPlacement() ? step.digit : 0;
  if (!digit && OneDigit(step.keep)) digit = std::countr_zero(step.keep);
  if (digit) {
    board.Place(step.cell, digit, Origin::Keyed);
    board.Propagate(step.cell, digit);
    return;
  }
  board.Can[step.cell] = CandText::FromMask(step.keep);
}

bool MoveIsStepOf(const Board& before, const PracticeMove& move, int method, bool candidatesShown) {
  if (method < 1 || method > kPracticeMethods || move.cell < 0 || move.cell >= kCells || before.Filled(move.cell))
    return false;
  const int cell = move.cell, d = move.digit;
  // Candidates removed down to one say the value that one is: a step of the
  // methods that place it too.
  if (!move.IsPlacement()) {
    const auto left = static_cast<std::uint16_t>(before.Can[cell].Mask() & ~move.removed);
    if (OneDigit(left) && (move.removed & before.Can[cell].Mask()) == move.removed &&
        MoveIsStepOf(before, {cell, std::countr_zero(left), 0}, method, candidatesShown))
      return true;
  }
  switch (method) {
    case 1: return move.IsPlacement() && !candidatesShown && CrossingSingle(before, cell, d, false);
    case 2: return move.IsPlacement() && CrossingSingle(before, cell, d, true);
    case 3: return move.IsPlacement() && before.Can[cell].Mask() == (1u << d);
    case 4: return move.IsPlacement() && HiddenSingle(before, cell, d);
    default: break;
  }
  const MethodRow& m = Row(method);
  std::uint16_t removable = 0;
  for (const Step& s : AllFindings(before, m)) {
    if (s.cell != cell) continue;
    if (move.IsPlacement() && s.keep == (1u << d)) return true;
    removable |= s.removed;
  }
  return !move.IsPlacement() && move.removed != 0 && (move.removed & ~removable) == 0;
}

int MethodOfMove(const Board& before, const PracticeMove& move, bool candidatesShown) {
  for (int m = 1; m <= kPracticeMethods; ++m)
    if (MoveIsStepOf(before, move, m, candidatesShown)) return m;
  return 0;
}

// ---- schemes and positions ---------------------------------------------------------

PracticeScheme MakeRandomScheme(PracticeRandom& random) {
  PracticeScheme s;
  std::array<std::uint16_t, kZones> used{};
  FillGrid(s.solution, used, random);
  std::array<int, kCells> grid = AsInts(s.solution);
  std::array<int, kCells> order;
  std::iota(order.begin(), order.end(), 0);
  for (int i = kCells - 1; i > 0; --i) std::swap(order[i], order[random.Below(i + 1)]);
  for (int c : order) {
    const int keep = grid[c];
    grid[c] = 0;
    if (CountSolutions(grid, 2) != 1) grid[c] = keep;
  }
  for (int c = 0; c < kCells; ++c) s.givens[c] = static_cast<std::uint8_t>(grid[c]);
  return s;
}

std::array<std::uint8_t, kCells> Transformed(const std::array<std::uint8_t, kCells>& grid, PracticeRandom& random) {
  auto shuffled3 = [&] {
    std::array<int, 3> p = {0, 1, 2};
    for (int i = 2; i > 0; --i) std::swap(p[i], p[random.Below(i + 1)]);
    return p;
  };
  std::array<int, 10> label{};
  std::array<int, 9> digits = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (int i = 8; i > 0; --i) std::swap(digits[i], digits[random.Below(i + 1)]);
  for (int d = 1; d <= 9; ++d) label[d] = digits[d - 1];
  std::array<int, 9> rows{}, cols{};
  const auto bands = shuffled3(), stacks = shuffled3();
  for (int b = 0; b < 3; ++b) {
    const auto r = shuffled3(), c = shuffled3();
    for (int i = 0; i < 3; ++i) {
      rows[3 * b + i] = 3 * bands[b] + r[i];
      cols[3 * b + i] = 3 * stacks[b] + c[i];
    }
  }
  const bool turn = random.Below(2) == 1;
  std::array<std::uint8_t, kCells> out{};
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const int from = turn ? 9 * cols[c] + rows[r] : 9 * rows[r] + cols[c];
      out[9 * r + c] = static_cast<std::uint8_t>(grid[from] ? label[grid[from]] : 0);
    }
  return out;
}

Board PracticePosition::ToBoard() const {
  Board b;
  for (int c = 0; c < kCells; ++c) {
    if (values[c]) {
      b.Place(c, values[c], givens[c] ? Origin::Given : Origin::Keyed);
    } else {
      b.ClearValue(c);
      b.Can[c] = CandText::FromMask(candidates[c]);
    }
  }
  return b;
}

namespace {

// The methods whose steps a method before them in the standard order finds
// too, nearly always: an identical triple or quad is a shared one, and a
// hidden triple or quad is the naked set of the zone's other empty cells
// unless the zone has eight or nine of them. Their positions are those
// where the walk's step is one of theirs.
bool SeenFirstByAnother(int method) { return method == 11 || method == 12 || method == 15 || method == 16; }

}  // namespace

bool IsNextStepOf(const Board& board, const Step& walk, int method, Step& own) {
  const int wm = MethodNumberOf(walk);
  if (wm == method) {
    own = walk;
    return true;
  }
  if (!SeenFirstByAnother(method) || wm > method || walk.IsPlacement() || !walk.Found()) return false;
  // The method's own first finding in the zone of the walk's step.
  const MethodRow& m = Row(method);
  Scope scope;
  if (m.units == UnitKind::Zones && walk.zone >= 0) scope.units = 1u << walk.zone;
  own = m.find(board, m.k, scope);
  return own.Found() && !own.IsPlacement() && own.cell == walk.cell && own.keep == walk.keep;
}

void WalkScheme(const PracticeScheme& scheme, bool candidatesShown, PracticeRandom& random,
                const std::function<bool(const Board&, const Step&, int)>& visit, std::vector<int>* stuckCells) {
  Board b;
  for (int c = 0; c < kCells; ++c)
    if (scheme.givens[c]) b.Place(c, scheme.givens[c], Origin::Given);
  RecountCandidates(b);
  const CellSet all = ~CellSet{0} >> (128 - kCells);
  for (int walked = 0; walked < 4 * kCells * 9 && b.FilledCells() != all; ++walked) {
    const Step s = StandardStep(b, candidatesShown);
    if (!s.Found()) {
      // No method applies: the solution's digit goes into a cell with the
      // fewest candidates, as a trial that succeeds would put it.
      const int c = StuckCell(b, random);
      if (c < 0) return;
      if (stuckCells) stuckCells->push_back(c);
      b.Place(c, scheme.solution[c], Origin::Keyed);
      b.Propagate(c, scheme.solution[c]);
      continue;
    }
    if (visit(b, s, walked)) return;
    ApplyAsDoIt(b, s);
  }
}

namespace {

// Walks one scheme forward until the method is next, after at least `skip`
// steps; nothing when the scheme is solved first.
std::optional<PracticePosition> Walk(int method, const PracticeScheme& scheme, int skip, PracticeRandom& random) {
  std::optional<PracticePosition> found;
  bool spoilt = false;
  WalkScheme(scheme, CandidatesShownFor(method), random, [&](const Board& b, const Step& s, int walked) {
    Step own;
    if (walked < skip || !IsNextStepOf(b, s, method, own)) return false;
    if (!AgreesWithSolution(b, scheme.solution) || !StepAgrees(own, scheme.solution)) {
      spoilt = true;
      return true;
    }
    PracticePosition p;
    p.method = method;
    p.givens = scheme.givens;
    p.solution = scheme.solution;
    p.candidatesShown = CandidatesShownFor(method);
    for (int c = 0; c < kCells; ++c) {
      p.values[c] = static_cast<std::uint8_t>(b.Value(c));
      p.candidates[c] = b.Filled(c) ? 0 : b.Can[c].Mask();
    }
    p.step = own;
    p.moves = PatternMoves(b, own);
    p.walked = walked;
    found = std::move(p);
    return true;
  });
  if (spoilt) return std::nullopt;
  return found;
}

// Steps walked before a position of the frequent methods is taken, so that
// they do not all come from the start of a scheme.
int SkipFor(int method, PracticeRandom& random) {
  switch (method) {
    case 1: return random.Below(30);
    case 3:
    case 4: return random.Below(15);
    default: return 0;
  }
}

// A bank scheme of the method, seen another way; its solution worked out.
std::optional<PracticeScheme> FromBank(int method, PracticeRandom& random) {
  std::vector<const BankScheme*> mine;
  for (const BankScheme& s : PracticeBank())
    if (s.method == method) mine.push_back(&s);
  if (mine.empty()) return std::nullopt;
  const BankScheme& s = *mine[random.Below(static_cast<int>(mine.size()))];
  std::array<std::uint8_t, kCells> grid{};
  for (int c = 0; c < kCells && c < static_cast<int>(s.puzzle.size()); ++c)
    grid[c] = static_cast<std::uint8_t>(s.puzzle[c] >= '1' && s.puzzle[c] <= '9' ? s.puzzle[c] - '0' : 0);
  PracticeScheme scheme;
  scheme.givens = Transformed(grid, random);
  std::array<int, kCells> solution{};
  if (CountSolutions(AsInts(scheme.givens), 2, &solution) != 1) return std::nullopt;
  for (int c = 0; c < kCells; ++c) scheme.solution[c] = static_cast<std::uint8_t>(solution[c]);
  return scheme;
}

}  // namespace

std::optional<PracticePosition> MakePracticePosition(int method, PracticeRandom& random, int maxSchemes) {
  if (method < 1 || method > kPracticeMethods) return std::nullopt;
  const bool bank = UsesBank(method);
  for (int tried = 1; tried <= maxSchemes; ++tried) {
    // Schemes made at random give the most varied positions; a method of the
    // bank turns to it once a few of them did not give one.
    const bool fromBank = bank && tried > kRandomBeforeBank;
    std::optional<PracticeScheme> scheme = fromBank ? FromBank(method, random) : MakeRandomScheme(random);
    if (!scheme) continue;
    if (auto p = Walk(method, *scheme, SkipFor(method, random), random)) {
      p->schemes = tried;
      p->fromBank = fromBank;
      return p;
    }
  }
  return std::nullopt;
}

bool UsesBank(int method) {
  for (const BankScheme& s : PracticeBank())
    if (s.method == method) return true;
  return false;
}

std::string GridText(const std::array<std::uint8_t, kCells>& grid) {
  std::string s(kCells, '.');
  for (int c = 0; c < kCells; ++c)
    if (grid[c]) s[c] = static_cast<char>('0' + grid[c]);
  return s;
}

const std::vector<BankScheme>& PracticeBank() {
  // The scheme lines of control/practice_bank.txt: "method scheme".
  static const char* const kLines[] = {
#include "practice_bank.inc"
  };
  static const std::vector<BankScheme> bank = [] {
    std::vector<BankScheme> v;
    for (const char* line : kLines) {
      const std::string text = line;
      const std::size_t blank = text.find(' ');
      if (blank == std::string::npos || text.size() != blank + 1 + kCells) continue;
      v.push_back({std::stoi(text.substr(0, blank)), text.substr(blank + 1)});
    }
    return v;
  }();
  return bank;
}

}  // namespace tessora
