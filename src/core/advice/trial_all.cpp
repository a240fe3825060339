#include "advice/trial_all.h"

namespace tessora {

namespace {

void Changed(TrialBoard& t, int cell, int k, char m, TrialPaint& paint, int& changes) {
  t.SetMark(cell, k, m);
  paint.back[cell] = TrialTint::LightGreen;
  ++changes;
}

}  // namespace

ZoneRulesResult TrialZoneRules(TrialBoard& t, int cell, int digit, char m, int zone, TrialPaint& paint) {
  ZoneRulesResult r;
  // First the cells of the zone, one by one.
  for (int c : ZoneCells[zone]) {
    TrialCell& x = t.cells[c];
    if (!x.HasText()) continue;
    const int n = x.Size();
    if (c != cell && m == mark::True) {
      const int pos = x.Position(digit);
      if (pos >= 0 && t.Mark(c, pos) == mark::Undecided) {
        Changed(t, c, pos, mark::False, paint, r.changes);
        t.changed[cell] = true;
      }
    }
    const int nV = x.Count(t.phase, mark::True);
    const int nF = x.Count(t.phase, mark::False);
    const int nU = n - nV - nF;
    if (nV > 1 || nF == n) {
      r.conflict = nV > 1 ? TrialConflict::CellTwoTrue : TrialConflict::CellAllFalse;
      r.cell = c;
      paint.back[c] = TrialTint::Pink;
      return r;
    }
    if ((nV == 0 && nU == 1) || (nV == 1 && nU > 0)) {
      const char to = nV == 0 ? mark::True : mark::False;
      for (int k = 0; k < n; ++k)
        if (t.Mark(c, k) == mark::Undecided) Changed(t, c, k, to, paint, r.changes);
    }
  }

  // Then the zone's tally of each digit: the places it has, and how many
  // of them are true, false and undecided.
  struct Tally {
    int places = 0, v = 0, f = 0, u = 0;
  };
  std::array<Tally, 10> tally{};
  for (int c : ZoneCells[zone]) {
    const TrialCell& x = t.cells[c];
    for (int k = 0; k < x.Size(); ++k) {
      Tally& d = tally[x.Digit(k)];
      ++d.places;
      const char mk = t.Mark(c, k);
      (mk == mark::True ? d.v : mk == mark::False ? d.f : d.u)++;
    }
  }
  for (int d = 1; d <= 9; ++d) {
    const Tally& n = tally[d];
    if (n.places == 0) continue;
    if ((n.v == 0 && n.u == 1) || (n.v == 1 && n.u > 0)) {
      const char to = n.v == 0 ? mark::True : mark::False;
      for (int c : ZoneCells[zone]) {
        const int pos = t.cells[c].Position(d);
        if (pos >= 0 && t.Mark(c, pos) == mark::Undecided) Changed(t, c, pos, to, paint, r.changes);
      }
    }
    if (n.v > 1 || n.f == n.places) {
      r.conflict = n.v > 1 ? TrialConflict::ZoneTwoTrue : TrialConflict::ZoneAllFalse;
      r.digit = d;
      paint.Zone(zone, TrialTint::Pink);
      return r;
    }
  }
  return r;
}

AllStep TrialAllInference(TrialBoard& t, TrialPaint& paint) {
  for (auto& b : paint.back) b = TrialTint::White;
  AllStep s;
  for (int i = 0; i < kCells; ++i) {
    if (!t.changed[i]) continue;
    t.changed[i] = false;
    const TrialCell& cell = t.cells[i];
    for (int k = 0; k < cell.Size(); ++k) {
      const char m = t.Mark(i, k);
      if (m == mark::Undecided) continue;
      for (int z : {RowZone(i), ColZone(i), BoxZone(i)}) {
        const ZoneRulesResult r = TrialZoneRules(t, i, cell.Digit(k), m, z, paint);
        if (r.changes == 0 && r.conflict == TrialConflict::None) continue;
        s.changes = r.changes;
        s.conflict = r.conflict;
        s.zone = z;
        s.scanned = i;
        s.cell = r.cell;
        s.digit = r.digit;
        for (int c : ZoneCells[z])
          if (paint.back[c] == TrialTint::White) paint.back[c] = TrialTint::Grey;
        return s;
      }
    }
  }
  return s;
}

AllStep FindTrialConflict(const TrialBoard& t, TrialPaint& paint) {
  AllStep s;
  for (int z = 0; z < kZones; ++z) {
    std::array<int, 10> places{}, v{}, f{};
    for (int c : ZoneCells[z]) {
      const TrialCell& x = t.cells[c];
      if (!x.HasText()) continue;
      const int nV = x.Count(t.phase, mark::True);
      const int nF = x.Count(t.phase, mark::False);
      if (nV > 1 || nF == x.Size()) {
        s.conflict = nV > 1 ? TrialConflict::CellTwoTrue : TrialConflict::CellAllFalse;
        s.cell = c;
        paint.back[c] = TrialTint::Pink;
        break;
      }
      for (int k = 0; k < x.Size(); ++k) {
        ++places[x.Digit(k)];
        const char m = t.Mark(c, k);
        v[x.Digit(k)] += m == mark::True;
        f[x.Digit(k)] += m == mark::False;
      }
    }
    for (int d = 1; d <= 9 && s.conflict == TrialConflict::None; ++d)
      if (places[d] > 0 && (v[d] > 1 || f[d] == places[d])) {
        s.conflict = v[d] > 1 ? TrialConflict::ZoneTwoTrue : TrialConflict::ZoneAllFalse;
        s.digit = d;
        paint.Zone(z, TrialTint::Pink);
      }
    if (s.conflict == TrialConflict::None) continue;
    s.zone = z;
    for (int c : ZoneCells[z])
      if (paint.back[c] == TrialTint::White) paint.back[c] = TrialTint::Grey;
    return s;
  }
  return s;
}

std::vector<SureMove> ComparePhases(const TrialBoard& t, TrialPaint& paint) {
  std::vector<SureMove> moves;
  for (int c = 0; c < kCells; ++c) {
    const TrialCell& x = t.cells[c];
    if (!x.HasText()) continue;
    const auto v0 = x.marks[0].find(mark::True);
    const auto v1 = x.marks[1].find(mark::True);
    // Only a true candidate found in both phases is a placement: two
    // lines without one agree on nothing.
    if (v0 != std::string::npos && v0 == v1) {
      moves.push_back({c, mark::True, x.Digit(static_cast<int>(v0))});
      paint.back[c] = TrialTint::Pink;
      continue;
    }
    for (int k = 0; k < x.Size(); ++k) {
      const char m = x.marks[0][k];
      if (m == mark::Undecided || m != x.marks[1][k]) continue;
      moves.push_back({c, m, x.Digit(k)});
      paint.back[c] = TrialTint::Pink;
    }
  }
  return moves;
}

}  // namespace tessora
