#include "control/detector_run.h"

#include "methods/glance.h"
#include "ui/form1.h"

namespace tessora {

namespace {

Origin OriginOfInk(Colour ink) {
  switch (ink) {
    case colour::ButtonText: return Origin::Given;
    case colour::DarkBlue: return Origin::Keyed;
    case colour::White: return Origin::Solver;
    default: return Origin::None;
  }
}

}  // namespace

// The board model brought up to the labels.
void SyncModel(Form1& f) {
  for (int c = 0; c < kCells; ++c) {
    const Origin o = OriginOfInk(f.w.caN[c].ink);
    if (f.Filled(c) && f.Value(c)) f.board.SetValue(c, f.Value(c), o);
    else f.board.ClearValue(c, o);
  }
}

namespace {

Colour ColourOf(Tint t) {
  switch (t) {
    case Tint::Grey: return colour::Grey;
    case Tint::LightBlue: return colour::LightBlue;
    case Tint::LightGreen: return colour::LightGreen;
    case Tint::Pink: return colour::Pink;
    default: return colour::White;
  }
}

void Paint(Form1& f, const Tints& tints) {
  for (int c = 0; c < kCells; ++c)
    if (tints.cell[c] != Tint::None) f.w.caN[c].back = ColourOf(tints.cell[c]);
}

void Place(Form1& f, int cell, int digit) {
  f.ShowValue(cell, digit, f.control.ValueColor);
  f.board.Can[cell] = CandText::Filled();
  f.board.FilledCount += 1;
  f.PropagateValue(cell, digit);
}

bool IsHidden(const MethodRow* m) { return m && m->find == static_cast<Finder>(&tessora::FindHiddenSet); }

void Apply(Form1& f, const Step& s, const MethodRow* m) {
  MethodState& ms = f.methods;
  if (s.IsPlacement()) {
    // The naked-single scan counts its placement whatever the flags.
    if (ms.Checking || s.code == Code::CFC) ms.SuggestionCount += 1;
    ms.Progress = true;
    Place(f, s.cell, s.digit);
    return;
  }
  if (ms.Checking && (s.code == Code::XWN || s.code == Code::SWF)) f.w.caN[s.cell].back = colour::LightBlue;
  // One candidate a step: the first digit of the pattern the cell holds.
  for (int i = 0; i < s.digitCount; ++i)
    if (f.board.Can[s.cell].Remove(s.digits[i])) break;
  // The control never runs Naked Quads: an applied one is not counted.
  if (ms.Checking && s.code != Code::QUA) ms.SuggestionCount += 1;
  ms.Progress = true;
  (void)m;
}

void Run(Form1& f, DetectorMemory* memory, Finder find, int k, const Scope& base) {
  MethodState& ms = f.methods;
  SyncModel(f);
  const MethodRow* m = MethodFor(find, k);
  Tints tints;
  Scope scope = base;
  scope.tints = &tints;
  scope.pause = {[](void* p) { static_cast<Form1*>(p)->DoEvents(); }, &f};
  if (!ms.RecordOnly && IsHidden(m)) {
    const HiddenReduction r = memory ? memory->Reduce(f.board, *m, scope, ms.Checking)
                                     : ReduceHiddenSets(f.board, k, scope, ms.Checking);
    Paint(f, tints);
    if (r.reductions) {
      ms.Progress = true;
      if (ms.Checking) ms.SuggestionCount += r.reductions;
    }
    if (r.single.Found()) Apply(f, r.single, m);
    if (memory && (r.reductions || r.single.Found())) memory->BoardChanged();
    return;
  }
  if (!ms.RecordOnly && find == static_cast<Finder>(&tessora::FillLoneCells)) {
    // One call fills every cell that becomes the last empty cell of a zone,
    // looking again from zone 0 after each fill, unless a fill breaks a trial.
    for (;;) {
      const Step s = tessora::FillLoneCells(f.board, 0, {});
      if (!s.Found()) break;
      Apply(f, s, m);
      SyncModel(f);
      if (memory) memory->BoardChanged();
      if (f.control.TrialMode && !f.board.Consistent) return;
    }
    return;
  }
  const Step s = memory && m ? memory->Find(f.board, *m, scope) : find(f.board, k, scope);
  Paint(f, tints);
  if (!s.Found()) return;
  if (ms.RecordOnly) {
    WriteRecord(ms.AdviceStep, s);
    ms.Progress = true;
    return;
  }
  Apply(f, s, m);
  if (memory) memory->BoardChanged();
}

void RunGlance(Form1& f) {
  MethodState& ms = f.methods;
  if (ms.GlanceFrom == 0) return;
  SyncModel(f);
  const GlanceScan scan = Glance(f.board, ms.GlanceFrom, ms.GlanceTo, ms.RecordOnly, ms.Checking);
  if (scan.step.Found()) {
    WriteRecord(ms.AdviceStep, scan.step);
    ms.Progress = true;
  }
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

}  // namespace

const MethodRow* MethodFor(Finder find, int k) {
  for (const MethodRow& m : Methods())
    if (m.find == find && (m.k == k || find == static_cast<Finder>(&tessora::FindAtGlance) ||
                           find == static_cast<Finder>(&tessora::FillLoneCells) ||
                           find == static_cast<Finder>(&tessora::NakedSingle) ||
                           find == static_cast<Finder>(&tessora::FindBoxLock) ||
                           find == static_cast<Finder>(&tessora::FindLineLock) ||
                           find == static_cast<Finder>(&tessora::FindXWing) ||
                           find == static_cast<Finder>(&tessora::FindSwordfish)))
      return &m;
  return nullptr;
}

void RunDetector(Form1& f, Finder find, int k, const Scope& scope) {
  if (find == static_cast<Finder>(&tessora::FindAtGlance)) {
    RunGlance(f);
    return;
  }
  Run(f, nullptr, find, k, scope);
}

void RunDetector(Form1& f, DetectorMemory& memory, Finder find, int k) {
  if (find == static_cast<Finder>(&tessora::FindAtGlance)) {
    if (!f.methods.RecordOnly || !f.methods.Checking || f.methods.GlanceFrom != 1 || f.methods.GlanceTo != 9) {
      memory.Forget();
      RunGlance(f);
      return;
    }
    SyncModel(f);
    const Step s = memory.Find(f.board, *MethodFor(find, 0));
    for (int c = 0; c < kCells; ++c) f.w.caN[c].back = colour::White;
    if (s.Found()) {
      WriteRecord(f.methods.AdviceStep, s);
      f.methods.Progress = true;
    }
    return;
  }
  Run(f, &memory, find, k, {});
}

void RunCrossBoxes(Form1& f) {
  MethodState& ms = f.methods;
  const int v = ms.GlanceFrom;
  if (v < 1 || v > 9) return;
  SyncModel(f);
  const GlanceScan scan = CrossBoxes(f.board, v);
  for (auto& t : ms.GlanceCells) t.clear();
  int n = 0;
  for (unsigned p = scan.lastZoneFree; p; p &= p - 1)
    ms.GlanceCells[n++] = std::to_string(ZoneCells[scan.lastZone][std::countr_zero(p)]);
  const bool oneValue = ms.GlanceTo == ms.GlanceFrom;
  for (int c = 0; c < kCells; ++c)
    f.w.caN[c].back = oneValue && !((scan.free[c / 9] >> (c % 9)) & 1u) ? colour::Grey : colour::White;
}

void NakedSingleApply(Form1& f, int) {
  SyncModel(f);
  const Step s = NakedSingle(f.board);
  if (s.Found()) Apply(f, s, MethodFor(NakedSingle, 0));
}

void FindAtGlance(Form1& f, int) { RunGlance(f); }
void FillLoneCells(Form1& f, int k) { RunDetector(f, tessora::FillLoneCells, k); }
void CrossBoxes(Form1& f, int) { RunCrossBoxes(f); }
void NakedSingleRecord(Form1& f, int k) {
  const bool record = f.methods.RecordOnly;
  f.methods.RecordOnly = true;
  RunDetector(f, NakedSingle, k);
  f.methods.RecordOnly = record;
}
void FindHiddenSet(Form1& f, int k) { RunDetector(f, tessora::FindHiddenSet, k); }
void FindBoxLock(Form1& f, int k) { RunDetector(f, tessora::FindBoxLock, k); }
void FindLineLock(Form1& f, int k) { RunDetector(f, tessora::FindLineLock, k); }
void FindNakedSet(Form1& f, int k) { RunDetector(f, tessora::FindNakedSet, k); }
void FindNakedSetLarge(Form1& f, int k) { RunDetector(f, tessora::FindNakedSetLarge, k); }
void FindXWing(Form1& f, int k) { RunDetector(f, tessora::FindXWing, k); }
void FindSwordfish(Form1& f, int k) { RunDetector(f, tessora::FindSwordfish, k); }

void RecountCandidates(Form1& f) {
  SyncModel(f);
  tessora::RecountCandidates(f.board);
  f.SelectOption(f.w.Sugge1);
}

const MethodRow* FindMethodByCode(std::string_view code) {
  for (int c = 1; c < kCodes; ++c)
    if (code == CodeText(static_cast<Code>(c))) return MethodOf(static_cast<Code>(c));
  return nullptr;
}

GroupDetectors DetectorsForGroup(std::string_view code) {
  const MethodGroup* g = GroupOf(code);
  if (!g) return {};
  auto form = [](const MethodRow* m) -> Detector {
    if (m->find == static_cast<Finder>(&tessora::FindAtGlance)) return &FindAtGlance;
    if (m->find == static_cast<Finder>(&tessora::FillLoneCells)) return &FillLoneCells;
    if (m->find == static_cast<Finder>(&tessora::NakedSingle)) return &NakedSingleRecord;
    if (m->find == static_cast<Finder>(&tessora::FindHiddenSet)) return &FindHiddenSet;
    if (m->find == static_cast<Finder>(&tessora::FindBoxLock)) return &FindBoxLock;
    if (m->find == static_cast<Finder>(&tessora::FindLineLock)) return &FindLineLock;
    if (m->find == static_cast<Finder>(&tessora::FindNakedSet)) return &FindNakedSet;
    if (m->find == static_cast<Finder>(&tessora::FindNakedSetLarge)) return &FindNakedSetLarge;
    if (m->find == static_cast<Finder>(&tessora::FindXWing)) return &FindXWing;
    return &FindSwordfish;
  };
  GroupDetectors d{form(g->rows[0]), g->rows[0]->k, nullptr};
  if (g->rows.size() > 1) d.second = form(g->rows[1]);
  return d;
}

void WindowDetectorMemory::Run(Form1& f, Detector d, int k) {
  Finder find = nullptr;
  if (d == static_cast<Detector>(&FindAtGlance)) find = tessora::FindAtGlance;
  else if (d == static_cast<Detector>(&FillLoneCells)) find = tessora::FillLoneCells;
  else if (d == static_cast<Detector>(&NakedSingleRecord)) {
    const bool record = f.methods.RecordOnly;
    f.methods.RecordOnly = true;
    RunDetector(f, memory, NakedSingle, k);
    f.methods.RecordOnly = record;
    return;
  } else if (d == static_cast<Detector>(&NakedSingleApply)) {
    const bool record = f.methods.RecordOnly;
    f.methods.RecordOnly = false;
    const bool checking = f.methods.Checking;
    RunDetector(f, memory, NakedSingle, k);
    f.methods.RecordOnly = record;
    f.methods.Checking = checking;
    return;
  } else if (d == static_cast<Detector>(&FindHiddenSet)) find = tessora::FindHiddenSet;
  else if (d == static_cast<Detector>(&FindBoxLock)) find = tessora::FindBoxLock;
  else if (d == static_cast<Detector>(&FindLineLock)) find = tessora::FindLineLock;
  else if (d == static_cast<Detector>(&FindNakedSet)) find = tessora::FindNakedSet;
  else if (d == static_cast<Detector>(&FindNakedSetLarge)) find = tessora::FindNakedSetLarge;
  else if (d == static_cast<Detector>(&FindXWing)) find = tessora::FindXWing;
  else if (d == static_cast<Detector>(&FindSwordfish)) find = tessora::FindSwordfish;
  if (!find) {
    d(f, k);
    return;
  }
  RunDetector(f, memory, find, k);
}

}  // namespace tessora
