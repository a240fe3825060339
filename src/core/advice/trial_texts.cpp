#include "advice/trial_texts.h"

#include <cstdio>

namespace tessora {

namespace {

std::string TwoDigits(int n) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

// The number of empty cells of each zone that hold each digit.
std::array<std::array<std::uint8_t, 10>, kZones> DigitCounts(const CandidateMasks& can) {
  std::array<std::array<std::uint8_t, 10>, kZones> n{};
  for (int z = 0; z < kZones; ++z)
    for (int c : ZoneCells[z])
      for (int d = 1; d <= 9; ++d)
        if ((can[c] >> d) & 1) ++n[z][d];
  return n;
}

}  // namespace

TrialCell TrialCell::Fresh(const std::string& digits) {
  TrialCell t;
  t.cands = digits;
  t.marks[0].assign(digits.size(), mark::Undecided);
  t.marks[1].assign(digits.size(), mark::Undecided);
  return t;
}

int TrialCell::Position(int digit) const {
  const auto at = cands.find(static_cast<char>('0' + digit));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int TrialCell::Count(TrialPhase p, char m) const {
  int n = 0;
  for (char ch : Line(p)) n += ch == m;
  return n;
}

std::string TrialCell::Text() const {
  if (!HasText()) return {};
  return cands + "\r\n" + marks[0] + "\r\n" + marks[1];
}

bool TrialBoard::AnyUndecided() const {
  for (const TrialCell& c : cells)
    if (c.HasText() && c.Line(phase).find(mark::Undecided) != std::string::npos) return true;
  return false;
}

void TrialBoard::Start(int cell, int k) {
  phase = TrialPhase::True;
  SetMark(cell, k, mark::True);
}

void TrialBoard::Reverse(int cell, int k) {
  phase = TrialPhase::False;
  SetMark(cell, k, mark::False);
}

std::string PairRelation::Text() const {
  return TwoDigits(zone) + "-" + TwoDigits(first) + "-" + TwoDigits(second) + "-" + std::to_string(digit);
}

std::string SureMove::Entry() const { return TwoDigits(cell) + "-" + mark + "-" + std::to_string(digit); }

std::string SureMove::Item() const { return CellName(cell) + " '" + std::to_string(digit) + "'=" + mark; }

bool SureMove::WellFormed() const {
  return cell >= 0 && cell < kCells && (mark == mark::True || mark == mark::False) && digit >= 1 && digit <= 9;
}

void BuildPairTexts(TrialBoard& trial, const CandidateMasks& can) {
  const auto counts = DigitCounts(can);
  for (int c = 0; c < kCells; ++c) {
    std::string digits;
    for (int d = 1; d <= 9; ++d)
      if (((can[c] >> d) & 1) &&
          (counts[RowZone(c)][d] == 2 || counts[ColZone(c)][d] == 2 || counts[BoxZone(c)][d] == 2))
        digits.push_back(static_cast<char>('0' + d));
    trial.cells[c] = TrialCell::Fresh(digits);
  }
}

std::vector<PairRelation> BuildPairRelations(const CandidateMasks& can) {
  std::vector<PairRelation> out;
  const auto counts = DigitCounts(can);
  for (int z = 0; z < kZones; ++z)
    for (int d = 1; d <= 9; ++d) {
      if (counts[z][d] != 2) continue;
      PairRelation r;
      r.zone = z;
      r.digit = d;
      int found = 0;
      // The zone lists its cells in its own order; a pair names them ascending.
      for (int c : ZoneCells[z])
        if ((can[c] >> d) & 1) (found++ == 0 ? r.first : r.second) = c;
      if (r.first > r.second) std::swap(r.first, r.second);
      out.push_back(r);
    }
  return out;
}

void BuildAllTexts(TrialBoard& trial, const CandidateMasks& can) {
  for (int c = 0; c < kCells; ++c) trial.cells[c] = TrialCell::Fresh(MaskDigits(can[c]));
}

}  // namespace tessora
