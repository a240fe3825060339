// The step record AdviceStep: the typed step written as the texts the step
// record holds (cells as numbers or two-digit texts, candidates between
// blanks, patterns as comma-separated lists), for the state dump and the
// advice texts. Each method writes the fields it describes; the others keep
// what an earlier step left in them.
#pragma once

#include <string>
#include <vector>

#include "methods/step.h"

namespace tessora {

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
  // The cell and the zone as numbers, -1 when the field holds none.
  int CellIndex() const { return NumberIn(cell); }
  int ZoneIndex() const { return NumberIn(zone); }
  // The number a field holds with blanks around it, -1 when it holds none.
  static int NumberIn(const std::string& text);
};

// Writes the fields that the step's method describes.
void WriteRecord(AdviceStepRecord& record, const Step& step);

}  // namespace tessora
