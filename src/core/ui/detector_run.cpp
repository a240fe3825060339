#include "ui/detector_run.h"

#include "ui/form1.h"

namespace tessora {

namespace {

Colour ColourOf(Tint t) {
  switch (t) {
    case Tint::Grey: return colour::Grey;
    case Tint::LightBlue: return colour::LightBlue;
    case Tint::LightGreen: return colour::LightGreen;
    case Tint::Pink: return colour::Pink;
    case Tint::White:
    case Tint::None: break;
  }
  return colour::White;
}

void Paint(Form1& f, const Tints& tints) {
  for (int c = 0; c < kCells; ++c)
    if (tints.cell[c] != Tint::None) f.w.caN[c].back = ColourOf(tints.cell[c]);
}

// What a scan left: GlanceCells (the one cell found, or the free cells of
// the last zone examined) and, when one value was shown, its hatching;
// otherwise every cell white.
void ShowScan(Form1& f, const GlanceScan& scan) {
  MethodState& ms = f.methods;
  if (scan.lastValue) {
    for (auto& t : ms.GlanceCells) t.clear();
    if (scan.lastCell >= 0) {
      ms.GlanceCells[0] = std::to_string(scan.lastCell);
    } else {
      int n = 0;
      for (unsigned p = scan.lastZoneFree; p; p &= p - 1)
        ms.GlanceCells[n++] = std::to_string(ZoneCells[scan.lastZone][std::countr_zero(p)]);
    }
  }
  const bool oneValue = ms.GlanceTo == ms.GlanceFrom && scan.lastValue;
  for (int c = 0; c < kCells; ++c)
    f.w.caN[c].back = oneValue && !((scan.free[c / 9] >> (c % 9)) & 1u) ? colour::Grey : colour::White;
}

// An applied step as the control applies it, counted only while Checking.
void Apply(Form1& f, const Step& s) {
  MethodState& ms = f.methods;
  const int count = ms.SuggestionCount;
  if (!s.IsPlacement() && ms.Checking && (s.code == Code::XWN || s.code == Code::SWF))
    f.w.caN[s.cell].back = colour::LightBlue;
  f.ApplyStep(s);
  // Every step counts while Checking; the naked-single scan counts whatever
  // the flags; Naked Quads, which the control never runs, never count.
  if ((!ms.Checking && s.code != Code::CFC) || s.code == Code::QUA) ms.SuggestionCount = count;
}

}  // namespace

void RunDetector(Form1& f, Finder find, int k) {
  const Form1::Drawn drawn(f);
  MethodState& ms = f.methods;
  if (find == static_cast<Finder>(&FindAtGlance)) {
    if (ms.GlanceFrom == 0) return;
    const GlanceScan scan = Glance(f.board, ms.GlanceFrom, ms.GlanceTo, ms.RecordOnly, ms.Checking);
    if (scan.step.Found()) {
      WriteRecord(ms.AdviceStep, scan.step);
      ms.Progress = true;
    }
    ShowScan(f, scan);
    return;
  }
  Tints tints;
  Scope scope;
  scope.tints = &tints;
  scope.pause = {[](void* form) { static_cast<Form1*>(form)->DoEvents(); }, &f};
  if (!ms.RecordOnly && find == static_cast<Finder>(&FindHiddenSet)) {
    const HiddenReduction r = ReduceHiddenSets(f.board, k, scope, ms.Checking);
    Paint(f, tints);
    if (r.reductions) {
      ms.Progress = true;
      if (ms.Checking) ms.SuggestionCount += r.reductions;
    }
    if (r.single.Found()) Apply(f, r.single);
    return;
  }
  if (!ms.RecordOnly && find == static_cast<Finder>(&FillLoneCells)) {
    // One call fills every cell that becomes the last empty cell of a zone,
    // looking again from zone 0 after each fill, unless a fill breaks a trial.
    for (Step s; (s = FillLoneCells(f.board)).Found();) {
      Apply(f, s);
      if (f.control.TrialMode && !f.board.Consistent) return;
    }
    return;
  }
  const Step s = find(f.board, k, scope);
  Paint(f, tints);
  if (!s.Found()) return;
  if (ms.RecordOnly) {
    WriteRecord(ms.AdviceStep, s);
    ms.Progress = true;
    return;
  }
  Apply(f, s);
}

void RunCrossBoxes(Form1& f) {
  const int v = f.methods.GlanceFrom;
  if (v < 1 || v > 9) return;
  GlanceScan scan = CrossBoxes(f.board, v);
  ShowScan(f, scan);
}

}  // namespace tessora
