// The method catalogue and the step record's readers.
#include <cstdint>
#include <cstdlib>

#include "board/board.h"
#include "methods/methods.h"
#include "methods/scope.h"

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

namespace {
// A code of up to seven characters as one number: its length and its characters.
std::uint64_t CodeKey(std::string_view code) {
  std::uint64_t key = code.size();
  for (std::size_t i = 0; i < code.size(); ++i) key |= std::uint64_t{static_cast<unsigned char>(code[i])} << (8 * (i + 1));
  return key;
}
}  // namespace

const MethodInfo* FindMethodByCode(std::string_view code) {
  // The codes as numbers, worked out once; every code is shorter than eight.
  static const std::vector<std::uint64_t> keys = [] {
    std::vector<std::uint64_t> v;
    for (const MethodInfo& m : MethodCatalogue()) v.push_back(CodeKey(m.code));
    return v;
  }();
  static const MethodInfo* const rows = MethodCatalogue().data();
  if (code.size() > 7) return nullptr;
  // The usual codes of three characters are put together without a loop.
  const std::uint64_t key =
      code.size() == 3 ? 3 | std::uint64_t{static_cast<unsigned char>(code[0])} << 8 |
                             std::uint64_t{static_cast<unsigned char>(code[1])} << 16 |
                             std::uint64_t{static_cast<unsigned char>(code[2])} << 24
                       : CodeKey(code);
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return &rows[i];
  return nullptr;
}

int ReadIndexText(const std::string& text) {
  // The usual text, a few digits with blanks around them, is read in place.
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  if (e > b && e - b <= 9) {
    int v = 0;
    std::size_t i = b;
    for (; i < e && text[i] >= '0' && text[i] <= '9'; ++i) v = 10 * v + (text[i] - '0');
    if (i == e) return v;
  }
  std::string t = Trim(text);
  if (t.empty()) return -1;
  char* end = nullptr;
  long v = std::strtol(t.c_str(), &end, 10);
  return *end == '\0' ? static_cast<int>(v) : -1;
}

std::string AdviceStepRecord::TrimmedValue() const { return Trim(value); }

}  // namespace tessora
