#include "advice/trial_pairs.h"

namespace tessora {

namespace {

// Rule 1: the cell's other undecided candidates become false.
bool CellRule(TrialBoard& t, int cell, int k) {
  TrialCell& c = t.cells[cell];
  bool any = false;
  for (int j = 0; j < c.Size(); ++j)
    if (j != k && t.Mark(cell, j) == mark::Undecided) {
      t.SetMark(cell, j, mark::False);
      any = true;
    }
  return any;
}

// Rule 3: the first pair of this cell and digit whose other cell is still
// undecided; that cell takes the opposite mark. Returns the pair's index.
int RelationRule(TrialBoard& t, const std::vector<PairRelation>& relations, int cell, int digit, char m,
                 int& other) {
  for (std::size_t r = 0; r < relations.size(); ++r) {
    const PairRelation& p = relations[r];
    if (p.digit != digit || (p.first != cell && p.second != cell)) continue;
    other = p.first == cell ? p.second : p.first;
    const int pos = t.cells[other].Position(digit);
    if (pos < 0 || t.Mark(other, pos) != mark::Undecided) continue;
    t.SetMark(other, pos, Opposite(m));
    return static_cast<int>(r);
  }
  other = -1;
  return -1;
}

// The zone two cells share: their box, else their row, else their column;
// -1 when they share none.
int SharedZone(int a, int b) {
  if (BoxZone(a) == BoxZone(b)) return BoxZone(a);
  if (RowZone(a) == RowZone(b)) return RowZone(a);
  if (ColZone(a) == ColZone(b)) return ColZone(a);
  return -1;
}

}  // namespace

int TrialZoneFalse(TrialBoard& t, int cell, int digit, int zone, TrialPaint& paint) {
  for (int c : ZoneCells[zone]) {
    if (c == cell || !t.cells[c].HasText()) continue;
    const int pos = t.cells[c].Position(digit);
    if (pos < 0 || t.Mark(c, pos) != mark::Undecided) continue;
    t.SetMark(c, pos, mark::False);
    paint.back[c] = TrialTint::LightGreen;
    return c;
  }
  return -1;
}

PairStep TrialPairsInference(TrialBoard& t, const std::vector<PairRelation>& relations, TrialPaint& paint) {
  paint = TrialPaint{};
  PairStep s;
  for (int i = 0; i < kCells && s.rule == PairRule::None; ++i) {
    // Flags are never cleared: every cell that ever changed is examined again.
    if (!t.changed[i] || !t.cells[i].HasText()) continue;
    paint.border[i] = true;
    const TrialCell& cell = t.cells[i];
    for (int k = 0; k < cell.Size() && s.rule == PairRule::None; ++k) {
      const char m = t.Mark(i, k);
      if (m == mark::Undecided) continue;
      const int digit = cell.Digit(k);
      if (m == mark::True && cell.Size() > 1 && CellRule(t, i, k)) {
        s.rule = PairRule::Cell;
        s.changed = i;
        paint.back[i] = TrialTint::LightGreen;
        break;
      }
      if (m == mark::True)
        for (int z : {RowZone(i), ColZone(i), BoxZone(i)}) {
          const int c = TrialZoneFalse(t, i, digit, z, paint);
          if (c >= 0) {
            s.rule = PairRule::Zone;
            s.changed = c;
            break;
          }
        }
      if (s.rule != PairRule::None) break;
      int other = -1;
      const int r = RelationRule(t, relations, i, digit, m, other);
      if (r >= 0) {
        s.rule = PairRule::Relation;
        s.changed = other;
        s.relation = r;
      }
    }
    if (s.rule == PairRule::None) paint.border[i] = false;
    else s.scanned = i;
  }
  if (s.rule == PairRule::None) return s;

  if (s.rule != PairRule::Cell) {
    const int z = SharedZone(s.scanned, s.changed);
    if (z >= 0) paint.Zone(z, TrialTint::Grey);
    paint.back[s.scanned] = TrialTint::LightGrey;
    paint.back[s.changed] = TrialTint::LightGreen;
  }

  // The conclusions, on the changed cell.
  const TrialCell& c = t.cells[s.changed];
  if (c.Count(t.phase, mark::True) > 1) {
    s.end = TrialEnd::Contradiction;
  } else if (t.phase == TrialPhase::False) {
    for (int k = 0; k < c.Size(); ++k) {
      const char m = c.marks[0][k];
      if (m != mark::Undecided && m == c.marks[1][k]) {
        s.end = TrialEnd::Agreement;
        s.digit = c.Digit(k);
        s.agreed = m;
        break;
      }
    }
  }
  if (s.end != TrialEnd::None) paint.back[s.changed] = TrialTint::Pink;
  return s;
}

}  // namespace tessora
