#include "methods/record.h"

#include "methods/registry.h"

namespace tessora {

namespace {

// A cell as the two-digit text of the patterns ("07").
std::string TwoDigits(int cell) {
  return {static_cast<char>('0' + cell / 10), static_cast<char>('0' + cell % 10)};
}

// A digit between two blanks (" 5 ").
std::string Blanked(int d) { return {' ', static_cast<char>('0' + d), ' '}; }

// Candidates as their text: one blank, the digits, one blank.
std::string CandidatesText(std::uint16_t mask) { return CandText::FromMask(mask).Text(); }

std::string CellList(const Step& s) {
  std::string t;
  for (int i = 0; i < s.cellCount; ++i) t += (i ? "," : "") + TwoDigits(s.cells[i]);
  return t;
}

std::string PatternDigits(const Step& s, std::uint16_t only = 0x3FE) {
  std::string t;
  for (int i = 0; i < s.digitCount; ++i)
    if ((only >> s.digits[i]) & 1u) t += static_cast<char>('0' + s.digits[i]);
  return t;
}

}  // namespace

int AdviceStepRecord::NumberIn(const std::string& text) {
  const std::size_t b = text.find_first_not_of(' ');
  if (b == std::string::npos) return -1;
  const std::size_t e = text.find_last_not_of(' ');
  int v = 0;
  for (std::size_t i = b; i <= e; ++i) {
    if (text[i] < '0' || text[i] > '9' || v > 99999) return -1;
    v = 10 * v + (text[i] - '0');
  }
  return v;
}

void WriteRecord(AdviceStepRecord& r, const Step& s) {
  const std::string cell = std::to_string(s.cell);
  const std::string zone = s.zone < 0 ? std::string() : std::to_string(s.zone);
  r.code = CodeText(s.code);
  if (s.byGlance || s.code == Code::ZOB || s.code == Code::ZOC) {
    r.cell = cell;
    r.value = Blanked(s.digit);
    r.removed.clear();
    r.detail.clear();
    r.zone = zone;
    return;
  }
  switch (s.code) {
    case Code::USO:
      r.cell = cell;
      r.value = Blanked(s.digit);
      r.zone = zone;
      r.removed.clear();
      return;
    case Code::CFC:
      // The cell is written as a number's text, the sign position blank.
      r.cell = " " + cell;
      r.value = std::string(1, static_cast<char>('0' + s.digit));
      r.zone.clear();
      r.removed.clear();
      r.detail.clear();
      return;
    case Code::Xx1:
      r.cell = TwoDigits(s.cell);
      r.value = Blanked(s.digit);
      r.zone = zone;
      return;
    case Code::Xx2a:
    case Code::Xx2b:
      r.cell = TwoDigits(s.cell);
      r.value = CandidatesText(s.keep);
      r.zone = zone;
      r.removed.clear();
      r.detail = PatternDigits(s);
      r.cells = CellList(s);
      return;
    case Code::HTR:
    case Code::HQU:
      r.cell = cell;
      r.value = CandidatesText(s.keep);
      r.zone = zone;
      r.removed.clear();
      r.detail = PatternDigits(s);
      r.cells = CellList(s);
      return;
    case Code::CPN:
    case Code::SCI3:
    case Code::SCI4:
    case Code::TRN:
    case Code::QUA:
      r.value = CandidatesText(s.keep);
      r.removed = PatternDigits(s, s.removed);
      r.cell = cell;
      r.zone = zone;
      r.zone2.clear();
      r.detail = PatternDigits(s);
      r.cells = CellList(s);
      return;
    case Code::PRQ:
    case Code::PRC:
      r.cell = cell;
      r.value = CandidatesText(s.keep);
      r.zone = zone;
      r.zone2 = std::to_string(s.zone2);
      r.removed = PatternDigits(s);
      r.detail.clear();
      // Always three places, the last one empty when only two cells hold the digit.
      r.cells.clear();
      for (int i = 0; i < 3; ++i) {
        if (i) r.cells += ',';
        if (i < s.cellCount) r.cells += TwoDigits(s.cells[i]);
      }
      return;
    case Code::XWN:
    case Code::SWF:
      r.value = CandidatesText(s.keep);
      r.removed = PatternDigits(s);
      r.cell = cell;
      r.zone.clear();
      r.zone2.clear();
      r.detail = s.columns ? "9" : "0";
      r.cells = CellList(s);
      r.fishRanges.assign(s.ranges.begin(), s.ranges.begin() + s.rangeCount);
      return;
    case Code::ZZZ:
      r.value = std::string(1, static_cast<char>('0' + s.digit));
      r.cell = cell;
      r.zone.clear();
      return;
    case Code::None:
    case Code::ZOB:
    case Code::ZOC:
      return;
  }
}

}  // namespace tessora
