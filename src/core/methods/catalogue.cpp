// The method catalogue and the step record's readers.
#include <cstdlib>

#include "board/board.h"
#include "methods/methods.h"

namespace tessora {

const std::vector<MethodInfo>& MethodCatalogue() {
  using K = StepKind;
  static const std::vector<MethodInfo> table = {
      {"01", "At a glance, box", "ZOB", "XX", 0, K::Placement, false},
      {"01", "At a glance, row or column", "ZOC", "XX", 0, K::Placement, false},
      {"02", "Single Cell", "USO", "US", 1, K::Placement, true},
      {"03", "Single Number", "CFC", "1n", 2, K::Placement, true},
      {"04", "Hidden Single", "Xx1", "1h", 3, K::Placement, true},
      {"05", "Naked Twins", "CPN", "2n", 4, K::Elimination, true},
      {"06", "Hidden Twins, totally hidden", "Xx2a", "2h", 5, K::Elimination, true},
      {"06", "Hidden Twins, partially hidden", "Xx2b", "2h", 5, K::Elimination, true},
      {"07", "Box Locks Candidate", "PRQ", "PR", 6, K::Elimination, true},
      {"08", "Row/Col. Locks Candidate", "PRC", "PR", 7, K::Elimination, true},
      {"09", "3 Candidates Share 3 Cells", "SCI3", "3S", 8, K::Elimination, true},
      {"10", "4 Candidates Share 4 Cells", "SCI4", "4S", 9, K::Elimination, true},
      {"11", "Naked Triples", "TRN", "3n", 10, K::Elimination, true},
      {"12", "Hidden Triples", "HTR", "3h", 11, K::Elimination, true},
      {"13", "X-Wing Rectangle", "XWN", "XW", 12, K::Elimination, true},
      {"14", "Swordfish Butterfly", "SWF", "SW", 13, K::Elimination, true},
      {"15", "Naked Quads", "QUA", "4n", 14, K::Elimination, false},
      {"16", "Hidden Quads", "HQU", "4h", 15, K::Elimination, false},
      {"17", "Trial", "ZZZ", "TT", 16, K::Placement, false},
  };
  return table;
}

const MethodInfo* FindMethodByCode(std::string_view code) {
  for (const MethodInfo& m : MethodCatalogue())
    if (code == m.code) return &m;
  return nullptr;
}

namespace {
int ParseIndex(const std::string& text) {
  std::string t = Trim(text);
  if (t.empty()) return -1;
  char* end = nullptr;
  long v = std::strtol(t.c_str(), &end, 10);
  return *end == '\0' ? static_cast<int>(v) : -1;
}
}  // namespace

int AdviceStepRecord::CellIndex() const { return ParseIndex(cell); }
int AdviceStepRecord::ZoneIndex() const { return ParseIndex(zone); }
std::string AdviceStepRecord::TrimmedValue() const { return Trim(value); }

GroupDetectors DetectorsForGroup(std::string_view code) {
  if (code == "01") return {&FindAtGlance, 0, nullptr};
  if (code == "02") return {&FillLoneCells, 0, &NakedSingleRecord};
  if (code == "04") return {&FindHiddenSet, 1, nullptr};
  if (code == "05") return {&FindNakedSet, 2, nullptr};
  if (code == "06") return {&FindHiddenSet, 2, nullptr};
  if (code == "07") return {&FindBoxLock, 0, nullptr};
  if (code == "08") return {&FindLineLock, 0, nullptr};
  if (code == "09") return {&FindNakedSet, 3, nullptr};
  if (code == "10") return {&FindNakedSetLarge, 4, nullptr};
  if (code == "11") return {&FindNakedSetLarge, 3, nullptr};
  if (code == "12") return {&FindHiddenSet, 3, nullptr};
  if (code == "13") return {&FindXWing, 0, nullptr};
  if (code == "14") return {&FindSwordfish, 0, nullptr};
  if (code == "15") return {&FindNakedSetLarge, 5, nullptr};
  if (code == "16") return {&FindHiddenSet, 4, nullptr};
  return {};
}

}  // namespace tessora
