// The method registry and what is derived from it: the catalogue's codes,
// display codes and counters, the control's fixed order, the walk's groups
// and the rating.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "control/generator.h"
#include "methods/registry.h"

namespace tessora {
namespace {

TEST(Registry, TheCatalogue) {
  struct Row {
    Code code;
    const char* text;
    const char* display;
    int counter;
    StepKind kind;
  };
  using K = StepKind;
  const Row rows[] = {
      {Code::ZOB, "ZOB", "XX", 0, K::Placement},     {Code::ZOC, "ZOC", "XX", 0, K::Placement},
      {Code::USO, "USO", "US", 1, K::Placement},     {Code::CFC, "CFC", "1n", 2, K::Placement},
      {Code::Xx1, "Xx1", "1h", 3, K::Placement},     {Code::CPN, "CPN", "2n", 4, K::Elimination},
      {Code::Xx2a, "Xx2a", "2h", 5, K::Elimination}, {Code::Xx2b, "Xx2b", "2h", 5, K::Elimination},
      {Code::PRQ, "PRQ", "PR", 6, K::Elimination},   {Code::PRC, "PRC", "PR", 7, K::Elimination},
      {Code::SCI3, "SCI3", "3S", 8, K::Elimination}, {Code::SCI4, "SCI4", "4S", 9, K::Elimination},
      {Code::TRN, "TRN", "3n", 10, K::Elimination},  {Code::HTR, "HTR", "3h", 11, K::Elimination},
      {Code::XWN, "XWN", "XW", 12, K::Elimination},  {Code::SWF, "SWF", "SW", 13, K::Elimination},
      {Code::QUA, "QUA", "4n", 14, K::Elimination},  {Code::HQU, "HQU", "4h", 15, K::Elimination},
      {Code::ZZZ, "ZZZ", "TT", 16, K::Placement},
  };
  for (const Row& r : rows) {
    const MethodRow* m = MethodOf(r.code);
    ASSERT_TRUE(m) << r.text;
    EXPECT_STREQ(CodeText(r.code), r.text);
    EXPECT_STREQ(m->display, r.display) << r.text;
    EXPECT_EQ(m->Counter(), r.counter) << r.text;
    EXPECT_EQ(m->kind, r.kind) << r.text;
  }
  EXPECT_EQ(MethodOf(Code::None), nullptr);
  EXPECT_STREQ(CodeText(Code::None), "");
}

TEST(Registry, TheControlsFixedOrder) {
  std::vector<std::string> order;
  for (const MethodRow* m : ControlOrder()) order.push_back(CodeText(m->codes[0]));
  EXPECT_EQ(order, (std::vector<std::string>{"CPN", "Xx2a", "PRQ", "PRC", "SCI3", "SCI4", "XWN", "SWF", "TRN", "HTR"}));
  EXPECT_EQ(MethodOf(Code::USO)->control, ControlUse::RepeatedFirst);
  EXPECT_EQ(MethodOf(Code::CFC)->control, ControlUse::OnceReady);
  EXPECT_EQ(MethodOf(Code::Xx1)->control, ControlUse::BeforeReady);
  for (Code c : {Code::ZOB, Code::QUA, Code::HQU}) EXPECT_EQ(MethodOf(c)->control, ControlUse::None);
}

TEST(Registry, TheWalksGroups) {
  std::vector<std::string> codes;
  for (const MethodGroup& g : MethodGroups()) codes.push_back(g.code);
  EXPECT_EQ(codes, (std::vector<std::string>{"01", "02", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13",
                                             "14", "15", "16"}));
  const MethodGroup* two = GroupOf("02");
  ASSERT_TRUE(two);
  ASSERT_EQ(two->rows.size(), 2u);
  EXPECT_EQ(two->rows[0], MethodOf(Code::USO));
  EXPECT_EQ(two->rows[1], MethodOf(Code::CFC));
  for (const char* other : {"03", "17", "  ", "1", "01 "}) EXPECT_EQ(GroupOf(other), nullptr) << other;
  // Only At a glance needs the crossing to be visible.
  for (const MethodRow& m : Methods()) EXPECT_EQ(m.needsHatching, m.number == 1) << m.name;
}

// The rating is the highest among the methods used (Hidden Single rates a
// created scheme Easy), Diabolic with any trial.
TEST(Registry, Rating) {
  struct Case {
    std::vector<int> used;  // counter rows used
    int trials;
    bool creating;
    Rating rating;
  } cases[] = {
      {{}, 0, false, Rating::Easy},
      {{}, 3, false, Rating::Easy},  // nothing used: the trials alone rate nothing
      {{0, 1, 2}, 0, false, Rating::Easy},
      {{0, 3}, 0, false, Rating::Medium},
      {{0, 3}, 0, true, Rating::Easy},
      {{4}, 0, true, Rating::Medium},
      {{1, 5}, 0, false, Rating::Difficult},
      {{8}, 0, false, Rating::Difficult},
      {{9}, 0, false, Rating::Diabolic},
      {{0}, 1, false, Rating::Diabolic},
      {{16}, 0, false, Rating::Diabolic},
  };
  for (const Case& c : cases) {
    std::array<int, 21> use{};
    for (int k : c.used) use[k] = 2;
    EXPECT_EQ(Rate(use, c.trials, c.creating), c.rating) << c.used.size() << " " << c.trials << " " << c.creating;
  }
}

// The four words, as the window, the scheme names and the command line use them.
TEST(Registry, RatingWords) {
  const char* const texts[] = {" Easy", " Medium", " Difficult", " Diabolic"};
  const char* const names[] = {"Eas007Cr41", "Med007Cr41", "Dif007Cr41", "Dia007Cr41"};
  ASSERT_EQ(kRatings.size(), 4u);
  for (std::size_t k = 0; k < kRatings.size(); ++k) {
    EXPECT_EQ(static_cast<std::size_t>(kRatings[k]), k);  // easiest first
    EXPECT_STREQ(RatingText(kRatings[k]), texts[k]);
    EXPECT_STREQ(RatingWord(kRatings[k]), texts[k] + 1);
    EXPECT_EQ(DifficultyText(kRatings[k]), texts[k]);
    EXPECT_EQ(CreatedSchemeName(kRatings[k], 7, 4, 1), names[k]);
  }
  // No rating yet: the window shows "??", a created scheme's name "???".
  EXPECT_EQ(DifficultyText(std::nullopt), "??");
  EXPECT_EQ(CreatedSchemeName(std::nullopt, 12, 0, 3), "???012Cr03");
}

}  // namespace
}  // namespace tessora
