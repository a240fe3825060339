// The method catalogue, the step record that every detector fills, the
// detector flags, and the detectors themselves.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "methods/scope.h"

namespace tessora {

class Form1;

enum class StepKind { Placement, Elimination };

// One row of the catalogue: a method (or one of its two internal codes).
struct MethodInfo {
  const char* priority;  // "01".."17"
  const char* name;
  const char* code;      // internal code written into AdviceStep.code
  const char* display;   // two-letter display code of the move list
  int counter;           // row of MethodTag / MethodUse
  StepKind kind;
  bool inControl;        // used by the control's fixed order
};

const std::vector<MethodInfo>& MethodCatalogue();
// The catalogue row of an internal code, or nullptr ("??").
const MethodInfo* FindMethodByCode(std::string_view code);

// The number a step record's text holds: the usual one or two digits are read
// in place, anything else (blanks around it, a sign) by the full reading;
// -1 when the text holds no number.
int ReadIndexText(const std::string& text);
inline int ReadIndex(const std::string& text) {
  const char* p = text.data();
  const unsigned a = static_cast<unsigned char>(p[0]) - '0';
  if (text.size() == 1 && a < 10) return static_cast<int>(a);
  if (text.size() == 2) {
    const unsigned b = static_cast<unsigned char>(p[1]) - '0';
    if (a < 10 && b < 10) return static_cast<int>(10 * a + b);
  }
  return ReadIndexText(text);
}

// The step record. Every field is text, as the detectors write it; readers
// trim and convert (CellIndex, ZoneIndex).
struct AdviceStepRecord {
  std::string code;
  std::string value;
  std::string cell;
  std::string zone;
  std::string removed;
  std::string detail;
  std::string cells;
  std::string zone2;
  std::vector<int> fishRanges;

  void Clear() { *this = AdviceStepRecord{}; }
  int CellIndex() const { return ReadIndex(cell); }  // -1 when empty
  int ZoneIndex() const { return ReadIndex(zone); }  // -1 when empty
  std::string TrimmedValue() const;
  bool IsPlacement() const { return TrimmedValue().size() == 1; }
};

constexpr int kMethodRows = 21;

struct MethodState {
  AdviceStepRecord AdviceStep;
  bool Checking = false;
  bool RecordOnly = false;
  bool Progress = false;
  int SuggestionCount = 0;
  int GlanceFrom = 0;  // 0: holds nothing
  int GlanceTo = 0;
  std::array<std::string, 10> GlanceCells{};
  // MethodTag column 0 (tags) and column 1 (MethodUse counters).
  std::array<std::string, kMethodRows> MethodTag{};
  std::array<int, kMethodRows> MethodUse{};
  // Shared arguments of PruneFromZone.
  int CellArg = 0;
  int ZoneArg = 0;
};

// Every detector has this signature; k is the set size of the families and is
// ignored by the others.
using Detector = void (*)(Form1& f, int k);

void FindAtGlance(Form1& f, int k = 0);
void FillLoneCells(Form1& f, int k = 0);
void CrossBoxes(Form1& f, int k = 0);
// The naked-single scan: the control applies it, the priority walk records it.
void NakedSingleApply(Form1& f, int k = 0);
void NakedSingleRecord(Form1& f, int k = 0);
void FindHiddenSet(Form1& f, int k);
void FindBoxLock(Form1& f, int k = 0);
void FindLineLock(Form1& f, int k = 0);
void FindNakedSet(Form1& f, int k);
void FindNakedSetLarge(Form1& f, int k);
void FindXWing(Form1& f, int k = 0);
void FindSwordfish(Form1& f, int k = 0);

// The same detectors restricted to a part of the board (methods/scope.h):
// a zone, box, line or digit left out of the scope is passed over as one
// that yields nothing. With the whole board in scope they are the plain
// detectors above.
using ScopedDetector = void (*)(Form1& f, int k, const Scope& scope);
void FillLoneCellsWithin(Form1& f, int k, const Scope& scope);
void NakedSingleApplyWithin(Form1& f, int k, const Scope& scope);
void NakedSingleRecordWithin(Form1& f, int k, const Scope& scope);
void FindHiddenSetWithin(Form1& f, int k, const Scope& scope);
void FindNakedSetWithin(Form1& f, int k, const Scope& scope);
void FindNakedSetLargeWithin(Form1& f, int k, const Scope& scope);
void FindBoxLockWithin(Form1& f, int k, const Scope& scope);
void FindLineLockWithin(Form1& f, int k, const Scope& scope);
void FindXWingWithin(Form1& f, int k, const Scope& scope);
void FindSwordfishWithin(Form1& f, int k, const Scope& scope);
// The scoped form of a detector and the units it scans, or null when it has none.
struct ScopedInfo {
  ScopedDetector run = nullptr;
  UnitKind units{};
  bool narrows = true;  // false: it always examines the whole board
  int slot = 0;         // 0..9, one per detector
};

// The detectors run by one priority group of the advice walk, in order.
struct GroupDetectors {
  Detector first = nullptr;
  int k = 0;
  Detector second = nullptr;  // group 02: the naked-single scan after FillLoneCells
};
// The detectors of a group code ("01", "02", "04".."16"); first is null for
// any other code. Inline, as ScopedForm below: the loops of walks look them up
// on every run.
inline GroupDetectors DetectorsForGroup(std::string_view code) {
  if (code.size() != 2 || code[0] < '0' || code[0] > '1' || code[1] < '0' || code[1] > '9') return {};
  switch (10 * (code[0] - '0') + (code[1] - '0')) {
    case 1: return {&FindAtGlance, 0, nullptr};
    case 2: return {&FillLoneCells, 0, &NakedSingleRecord};
    case 4: return {&FindHiddenSet, 1, nullptr};
    case 5: return {&FindNakedSet, 2, nullptr};
    case 6: return {&FindHiddenSet, 2, nullptr};
    case 7: return {&FindBoxLock, 0, nullptr};
    case 8: return {&FindLineLock, 0, nullptr};
    case 9: return {&FindNakedSet, 3, nullptr};
    case 10: return {&FindNakedSetLarge, 4, nullptr};
    case 11: return {&FindNakedSetLarge, 3, nullptr};
    case 12: return {&FindHiddenSet, 3, nullptr};
    case 13: return {&FindXWing, 0, nullptr};
    case 14: return {&FindSwordfish, 0, nullptr};
    case 15: return {&FindNakedSetLarge, 5, nullptr};
    case 16: return {&FindHiddenSet, 4, nullptr};
    default: return {};
  }
}

// ScopedForm (see ScopedInfo above), inline too.
inline ScopedInfo ScopedForm(Detector d) {
  if (d == &FillLoneCells) return {&FillLoneCellsWithin, UnitKind::Zones, false, 0};
  if (d == &NakedSingleApply) return {&NakedSingleApplyWithin, UnitKind::Zones, false, 1};
  if (d == &NakedSingleRecord) return {&NakedSingleRecordWithin, UnitKind::Zones, false, 2};
  if (d == &FindHiddenSet) return {&FindHiddenSetWithin, UnitKind::Zones, true, 3};
  if (d == &FindNakedSet) return {&FindNakedSetWithin, UnitKind::Zones, true, 4};
  if (d == &FindNakedSetLarge) return {&FindNakedSetLargeWithin, UnitKind::Zones, true, 5};
  if (d == &FindBoxLock) return {&FindBoxLockWithin, UnitKind::Boxes, true, 6};
  if (d == &FindLineLock) return {&FindLineLockWithin, UnitKind::Lines, true, 7};
  if (d == &FindXWing) return {&FindXWingWithin, UnitKind::Digits, true, 8};
  if (d == &FindSwordfish) return {&FindSwordfishWithin, UnitKind::Digits, true, 9};
  return {};
}

// Candidate bookkeeping.
void RecountCandidates(Form1& f);
void PruneFromZone(Form1& f);

}  // namespace tessora
