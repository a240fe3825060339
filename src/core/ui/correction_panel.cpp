#include "ui/correction_panel.h"

#include <algorithm>

namespace tessora {

CorrectionJudgement JudgeCorrection(const std::string& kept, const std::string& shown, const CandText& can,
                                    int solution, int trialSolution, bool flashTaken) {
  CorrectionJudgement j;
  const std::string displayed = Trim(shown);
  if (kept == displayed) return j;
  std::uint16_t mask = 0;
  bool foreign = false;
  for (char ch : kept) {
    if (ch < '1' || ch > '9') continue;
    mask |= static_cast<std::uint16_t>(1u << (ch - '0'));
    foreign |= !can.Has(ch - '0');
  }
  const std::string digits = MaskDigits(mask);
  j.newText = " " + digits + " ";
  // The digits decide, not the text: a cell of six or more candidates shows
  // them wrapped after the fifth.
  if (digits == NoBlanks(displayed)) {
    j.verdict = CorrectionVerdict::NoRealChange;
    return j;
  }
  if (foreign) {
    j.verdict = CorrectionVerdict::AddsCandidates;
    return j;
  }
  if (digits.empty()) {
    j.verdict = CorrectionVerdict::LeavesNone;
    return j;
  }
  const auto keeps = [&](int digit) { return ((mask >> digit) & 1) != 0; };
  if (solution != 0 && !keeps(solution)) {
    j.verdict = CorrectionVerdict::DropsSolution;
    return j;
  }
  if (solution != 0) {
    j.verdict = CorrectionVerdict::Exact;
    return j;
  }
  j.verdict = CorrectionVerdict::Uncontrollable;
  j.takeFlash = !flashTaken && trialSolution != 0 && !keeps(trialSolution);
  return j;
}

PanelPlace InsideWindow(int left, int top, int width, int height, int windowWidth, int windowHeight) {
  PanelPlace p;
  p.left = std::max(0, std::min(left, windowWidth - width));
  p.top = std::max(0, std::min(top, windowHeight - height));
  return p;
}

}  // namespace tessora
