// The detector protocol on the window's state: with RecordOnly the step a
// detector finds is written into AdviceStep; otherwise it is applied as the
// control applies it (placements written and propagated, one candidate
// removed, hidden sets reduced), counted in SuggestionCount while Checking is
// set. Progress tells whether anything was found.
#pragma once

#include <string_view>

#include "methods/detector_memory.h"
#include "methods/detectors.h"
#include "methods/registry.h"

namespace tessora {

class Form1;

// The board model brought up to the labels (while the labels hold the values).
void SyncModel(Form1& f);

// The method a detector and set size stand for, or null.
const MethodRow* MethodFor(Finder find, int k);

// Runs one detector under the protocol, on the part of the board the scope
// names. "At a glance" scans GlanceFrom..GlanceTo and paints its hatching.
void RunDetector(Form1& f, Finder find, int k, const Scope& scope = {});

// The same through a detector memory.
void RunDetector(Form1& f, DetectorMemory& memory, Finder find, int k);

// The cross view of the value GlanceFrom, painted.
void RunCrossBoxes(Form1& f);

// The naked-single scan as the control applies it.
void NakedSingleApply(Form1& f, int k = 0);

// The window-level protocol under the old names (kept while the callers move
// to the registry).
using Detector = void (*)(Form1& f, int k);
void FindAtGlance(Form1& f, int k = 0);
void FillLoneCells(Form1& f, int k = 0);
void CrossBoxes(Form1& f, int k = 0);
void NakedSingleRecord(Form1& f, int k = 0);
void FindHiddenSet(Form1& f, int k);
void FindBoxLock(Form1& f, int k = 0);
void FindLineLock(Form1& f, int k = 0);
void FindNakedSet(Form1& f, int k);
void FindNakedSetLarge(Form1& f, int k);
void FindXWing(Form1& f, int k = 0);
void FindSwordfish(Form1& f, int k = 0);
void RecountCandidates(Form1& f);

struct GroupDetectors {
  Detector first = nullptr;
  int k = 0;
  Detector second = nullptr;
};
GroupDetectors DetectorsForGroup(std::string_view code);

// The catalogue row of a step record's code text, or null ("??").
const MethodRow* FindMethodByCode(std::string_view code);

class WindowDetectorMemory {
 public:
  explicit WindowDetectorMemory(bool on = true) : memory(on) {}
  void Run(Form1& f, Detector d, int k);
  void BoardChanged() { memory.BoardChanged(); }
  void LabelsChangedAt(int, bool) { memory.BoardChanged(); }
  void Forget() { memory.Forget(); }
  void SetBacksWhite(bool) {}
  bool BacksWhite() const { return false; }
  DetectorMemory memory;
};

}  // namespace tessora
