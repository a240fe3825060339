#include "methods/registry.h"

#include <algorithm>

namespace tessora {

namespace {

using enum Code;
using K = StepKind;
using U = UnitKind;
using C = ControlUse;
using R = Rating;

// clang-format off
constexpr std::array<MethodRow, kMethodCount> kMethods = {{
  // no. group name                          codes         disp kind         detector           k  units     control            order rating        creating      hatching  weight
  { 1, "01", "At a glance",                  {ZOB, ZOC},   "XX", K::Placement,   FindAtGlance,      0, U::None,   C::None,           0, R::Easy,      R::Easy,      true,  1.2},
  { 2, "02", "Single Cell",                  {USO, None},  "US", K::Placement,   FillLoneCells,     0, U::None,   C::RepeatedFirst,  0, R::Easy,      R::Easy,      false, 1.0},
  { 3, "02", "Single Number",                {CFC, None},  "1n", K::Placement,   NakedSingle,       0, U::None,   C::OnceReady,      0, R::Easy,      R::Easy,      false, 2.3},
  { 4, "04", "Hidden Single",                {Xx1, None},  "1h", K::Placement,   FindHiddenSet,     1, U::Zones,  C::BeforeReady,    0, R::Medium,    R::Easy,      false, 1.5},
  { 5, "05", "Naked Twins",                  {CPN, None},  "2n", K::Elimination, FindNakedSet,      2, U::Zones,  C::FixedOrder,     1, R::Medium,    R::Medium,    false, 3.0},
  { 6, "06", "Hidden Twins",                 {Xx2a, Xx2b}, "2h", K::Elimination, FindHiddenSet,     2, U::Zones,  C::FixedOrder,     2, R::Difficult, R::Difficult, false, 3.4},
  { 7, "07", "Box Locks Candidate",          {PRQ, None},  "PR", K::Elimination, FindBoxLock,       0, U::Boxes,  C::FixedOrder,     3, R::Difficult, R::Difficult, false, 2.6},
  { 8, "08", "Row/Col. Locks Candidate",     {PRC, None},  "PR", K::Elimination, FindLineLock,      0, U::Lines,  C::FixedOrder,     4, R::Difficult, R::Difficult, false, 2.8},
  { 9, "09", "3 Candidates Share 3 Cells",   {SCI3, None}, "3S", K::Elimination, FindNakedSet,      3, U::Zones,  C::FixedOrder,     5, R::Difficult, R::Difficult, false, 3.6},
  {10, "10", "4 Candidates Share 4 Cells",   {SCI4, None}, "4S", K::Elimination, FindNakedSetLarge, 4, U::Zones,  C::FixedOrder,     6, R::Diabolic,  R::Diabolic,  false, 5.0},
  {11, "11", "Naked Triples",                {TRN, None},  "3n", K::Elimination, FindNakedSetLarge, 3, U::Zones,  C::FixedOrder,     9, R::Diabolic,  R::Diabolic,  false, 3.6},
  {12, "12", "Hidden Triples",               {HTR, None},  "3h", K::Elimination, FindHiddenSet,     3, U::Zones,  C::FixedOrder,    10, R::Diabolic,  R::Diabolic,  false, 4.0},
  {13, "13", "X-Wing Rectangle",             {XWN, None},  "XW", K::Elimination, FindXWing,         0, U::Digits, C::FixedOrder,     7, R::Diabolic,  R::Diabolic,  false, 3.2},
  {14, "14", "Swordfish Butterfly",          {SWF, None},  "SW", K::Elimination, FindSwordfish,     0, U::Digits, C::FixedOrder,     8, R::Diabolic,  R::Diabolic,  false, 3.8},
  {15, "15", "Naked Quads",                  {QUA, None},  "4n", K::Elimination, FindNakedSetLarge, 5, U::Zones,  C::None,           0, R::Diabolic,  R::Diabolic,  false, 5.0},
  {16, "16", "Hidden Quads",                 {HQU, None},  "4h", K::Elimination, FindHiddenSet,     4, U::Zones,  C::None,           0, R::Diabolic,  R::Diabolic,  false, 5.4},
  {17, "",   "Trial",                        {ZZZ, None},  "TT", K::Placement,   nullptr,           0, U::None,   C::Fallback,       0, R::Diabolic,  R::Diabolic,  false, 0.0},
}};
// clang-format on

constexpr const char* kCodeTexts[kCodes] = {"",     "ZOB", "ZOC", "USO",  "CFC",  "Xx1", "CPN", "Xx2a", "Xx2b", "PRQ",
                                            "PRC",  "SCI3", "SCI4", "TRN", "HTR", "XWN", "SWF", "QUA",  "HQU",  "ZZZ"};

// The row of every code, by the code's number.
constexpr std::array<const MethodRow*, kCodes> kRowOf = [] {
  std::array<const MethodRow*, kCodes> t{};
  for (const MethodRow& m : kMethods)
    for (Code c : m.codes)
      if (c != None) t[static_cast<int>(c)] = &m;
  return t;
}();

// Every code belongs to exactly one row.
constexpr bool EveryCodeHasARow() {
  for (int c = 1; c < kCodes; ++c)
    if (!kRowOf[c]) return false;
  return true;
}
static_assert(EveryCodeHasARow(), "a code of the catalogue has no row in the registry");

// The rows are numbered 1..17 in order, and the fixed order numbers 1..n each once.
constexpr bool RowsInOrder() {
  int fixed = 0;
  for (std::size_t i = 0; i < kMethods.size(); ++i) {
    if (kMethods[i].number != static_cast<int>(i) + 1) return false;
    if (kMethods[i].control == C::FixedOrder) ++fixed;
  }
  for (int o = 1; o <= fixed; ++o) {
    int n = 0;
    for (const MethodRow& m : kMethods) n += m.control == C::FixedOrder && m.order == o;
    if (n != 1) return false;
  }
  return true;
}
// Whatever is kept per method (the detector memory's entries) is found by its number.
static_assert(RowsInOrder(), "registry rows must be numbered 1..kMethodCount in order, the fixed order without gaps");

}  // namespace

std::span<const MethodRow> Methods() { return kMethods; }

const MethodRow* MethodOf(Code code) { return kRowOf[static_cast<int>(code)]; }

const char* CodeText(Code code) { return kCodeTexts[static_cast<int>(code)]; }

const std::vector<const MethodRow*>& ControlOrder() {
  static const std::vector<const MethodRow*> order = [] {
    std::vector<const MethodRow*> v;
    for (const MethodRow& m : kMethods)
      if (m.control == C::FixedOrder) v.push_back(&m);
    std::sort(v.begin(), v.end(), [](const MethodRow* a, const MethodRow* b) { return a->order < b->order; });
    return v;
  }();
  return order;
}

const std::vector<MethodGroup>& MethodGroups() {
  static const std::vector<MethodGroup> groups = [] {
    std::vector<MethodGroup> v;
    for (const MethodRow& m : kMethods) {
      if (!*m.group) continue;
      if (v.empty() || v.back().code != m.group) v.push_back({m.group, {}});
      v.back().rows.push_back(&m);
    }
    return v;
  }();
  return groups;
}

const MethodGroup* GroupOf(std::string_view code) {
  for (const MethodGroup& g : MethodGroups())
    if (g.code == code) return &g;
  return nullptr;
}

std::vector<std::string> StandardPriorityList() {
  std::vector<std::string> rows = {"        METHODS LIST"};
  for (const MethodGroup& g : MethodGroups()) {
    std::string numbers, names;
    for (const MethodRow* m : g.rows) {
      const std::string number = (m->number < 10 ? "0" : "") + std::to_string(m->number);
      numbers += (numbers.empty() ? "" : "/") + number;
      names += (names.empty() ? "" : "/") + std::string(m->name);
    }
    // The numbers fill six places up to row 9 of the list, five from row 10 on.
    const std::size_t width = rows.size() <= 9 ? 6 : 5;
    numbers.resize(std::max(width, numbers.size() + 1), ' ');
    rows.push_back(numbers + "- " + names);
  }
  return rows;
}

Rating Rate(std::span<const int> methodUse, int trialCount, bool creating) {
  Rating r = Rating::Easy;
  bool used = false;
  for (const MethodRow& m : kMethods) {
    if (m.Counter() >= static_cast<int>(methodUse.size()) || methodUse[m.Counter()] == 0) continue;
    used = true;
    r = std::max(r, creating ? m.ratingCreating : m.rating);
  }
  return used && trialCount > 0 ? Rating::Diabolic : r;
}

const char* RatingText(Rating r) {
  // The four words, written here only.
  static constexpr const char* kTexts[] = {" Easy", " Medium", " Difficult", " Diabolic"};
  const auto i = static_cast<std::size_t>(r);
  return i < std::size(kTexts) ? kTexts[i] : "";
}

const char* RatingWord(Rating r) {
  const char* text = RatingText(r);
  return *text ? text + 1 : text;
}

std::string DifficultyText(std::optional<Rating> r) { return r ? RatingText(*r) : "??"; }

}  // namespace tessora
