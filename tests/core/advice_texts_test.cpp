// The blackboard texts of the advice: the explanation of every code at the
// three levels, with the words and the record's texts filled in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "advice/explanations.h"
#include "methods/registry.h"

namespace tessora {
namespace {

using Lines = std::vector<std::string>;

AdviceStepRecord Record(const std::string& zone, const std::string& value, const std::string& removed = "",
                        const std::string& detail = "") {
  AdviceStepRecord r;
  r.zone = zone;
  r.value = value;
  r.removed = removed;
  r.detail = detail;
  return r;
}

TEST(AdviceTexts, EveryMethodCodeIsExplainedUnderItsNumber) {
  for (const MethodRow& m : Methods())
    for (Code code : m.codes) {
      if (code == Code::None || code == Code::ZZZ) continue;
      const Explanation* e = ExplanationOf(code);
      ASSERT_NE(e, nullptr) << CodeText(code);
      ASSERT_FALSE(e->lines.empty());
      EXPECT_EQ(std::string(e->lines[0]).rfind(std::to_string(m.number) + " ", 0), 0u) << CodeText(code);
    }
  EXPECT_EQ(ExplanationOf(Code::None), nullptr);
  EXPECT_EQ(ExplanationOf(Code::ZZZ), nullptr);
  EXPECT_TRUE(AdviceLines(Code::ZZZ, Record("", "5"), level::Where).empty());
}

struct TextCase {
  Code code;
  AdviceStepRecord record;
  int adviceLevel;
  Lines expected;
};

TEST(AdviceTexts, LinesPerCodeAndLevel) {
  const TextCase cases[] = {
      {Code::CFC, Record("", "7"), level::Method, {"3 Confirm a Cell showing an alone", "  Candidate."}},
      {Code::CFC,
       Record("", "7"),
       level::Value,
       {"3 Confirm a Cell showing an alone", "  Candidate.", "   ... write 7 in ..."}},
      // The value of a placement keeps its blanks.
      {Code::USO,
       Record("4", " 1 "),
       level::Where,
       {"2 Fulfill a Zone that misses", "  just one Cell.", "   ... write  1  in ..."}},
      {Code::ZOB,
       Record("20", " 9 "),
       level::Method,
       {"1 Cross Rows/Columns/Boxes with the", "  same Value: look for any Box",
        "  with just one not-excluded Cell."}},
      {Code::ZOC,
       Record("3", " 9 "),
       level::Method,
       {"1 Cross Rows/Columns/Boxes with the", "  same Value: look for any Row",
        "  with just one not-excluded Cell."}},
      {Code::ZOC,
       Record("12", " 9 "),
       level::Value,
       {"1 Cross Rows/Columns/Boxes with the", "  same Value: look for any Column",
        "  with just one not-excluded Cell.", "   ... write  9  in ..."}},
      {Code::Xx1,
       Record("5", " 2 "),
       level::Where,
       {"4 A Zone retains a Candidate only", "  once, but others Candidates hide it.", "   ... write  2  in ..."}},
      // An elimination that writes: the target's candidates after it.
      {Code::CPN,
       Record("1", " 149 ", "", "37"),
       level::Value,
       {"5 A Zone retains Naked Twins: take", "  them away from its other Cells.", "  The Naked Twins are 37 ...",
        "   ... write  149  in ..."}},
      {Code::CPN,
       Record("1", " 149 ", "", "37"),
       level::Method,
       {"5 A Zone retains Naked Twins: take", "  them away from its other Cells."}},
      {Code::Xx2a,
       Record("20", " 26 ", "", "26"),
       level::Where,
       {"6 A Zone retains totally Hidden Twins:", "  clean up as necessary.", "  The Hidden Twins are 26 ...",
        "   ... write  26  in ..."}},
      {Code::Xx2b,
       Record("20", " 268 ", "", "26"),
       level::Value,
       {"6 A Zone retains partially Hidden", "  Twins: clean up as necessary.",
        "  The Semi-Hidden Twins are 26 ...", "   ... write  268  in ..."}},
      {Code::PRQ,
       Record("2", " 34 ", "5"),
       level::Where,
       {"7 A Box locks a Candidate to a Row:", "  clean up the Row outside the Box.", "   ... remove 5 from ..."}},
      {Code::PRQ,
       Record("11", " 34 ", "5"),
       level::Value,
       {"7 A Box locks a Candidate to a Column:", "  clean up the Column outside the Box.",
        "   ... remove 5 from ..."}},
      {Code::PRC,
       Record("10", " 34 ", "5"),
       level::Value,
       {"8 A Column locks a Candidate to a Box", "  only: clean up the Box outside", "  that Column.",
        "   ... remove 5 from ..."}},
      {Code::PRC,
       Record("0", " 34 ", "5"),
       level::Method,
       {"8 A Row locks a Candidate to a Box", "  only: clean up the Box outside", "  that Row."}},
      {Code::SCI3,
       Record("7", " 18 ", "2", "235"),
       level::Value,
       {"9 Only 3 Candidates meet 3 Cells of", "  a Zone: clean up them from other", "  its Cells.",
        "  The 3 Candidates are 235 ...", "   ... remove 2 from ..."}},
      {Code::SCI4,
       Record("7", " 18 ", "25", "2356"),
       level::Where,
       {"10 Only 4 Candidates meet 4 Cells of", "  a Zone: clean up them from other", "  its Cells.",
        "  The 4 Candidates are 2356 ...", "   ... remove 25 from ..."}},
      {Code::TRN,
       Record("7", " 18 ", "", "235"),
       level::Value,
       {"11 A Zone retains Naked Triples: clean", "  up them from other its Cells.",
        "  The Naked Triples are 235 ...", "   ... write  18  in ..."}},
      {Code::HTR,
       Record("7", " 235 ", "", "235"),
       level::Value,
       {"12 A Zone retains Hidden Triples:", "  clean up as necessary.", "  The Hidden Triples are 235 ...",
        "   ... write  235  in ..."}},
      {Code::XWN,
       Record("", " 18 ", "4", "0"),
       level::Value,
       {"13 An X-Wing Rectangle laying on", "   Rows, shows on Columns the same", "   Candidate of its corners.",
        "   ... remove 4 from ..."}},
      {Code::XWN,
       Record("", " 18 ", "4", "9"),
       level::Method,
       {"13 An X-Wing Rectangle laying on", "   Columns, shows on Rows the same", "   Candidate of its corners."}},
      {Code::SWF,
       Record("", " 18 ", "4", "0"),
       level::Where,
       {"14 A SwordFish Butterfly laying", "   on Rows shows on Columns the", "   same Candidate of its corners.",
        "   ... remove 4 from ..."}},
      {Code::SWF,
       Record("", " 18 ", "4", "9"),
       level::Method,
       {"14 A SwordFish Butterfly laying", "   on Columns shows on Rows the", "   same Candidate of its corners."}},
      {Code::QUA,
       Record("19", " 9 ", "", "1234"),
       level::Value,
       {"15 A Zone retains Naked Quads: clean", "  up them from other its Cells.", "  The Naked Quads are 1234 ...",
        "   ... write  9  in ..."}},
      {Code::HQU,
       Record("19", " 1234 ", "", "1234"),
       level::Where,
       {"16 A Zone retains Hidden Quads:", "  clean up as necessary.", "  The Hidden Quads are 1234 ...",
        "   ... write  1234  in ..."}},
  };
  for (const TextCase& c : cases)
    EXPECT_EQ(AdviceLines(c.code, c.record, c.adviceLevel), c.expected)
        << CodeText(c.code) << " at level " << static_cast<char>(c.adviceLevel);
}

TEST(AdviceTexts, NoMethodGivesFiveLinesWithTheirQuotes) {
  const Lines expected = {
      "17 Go with free Trials on the Scheme",  "  or guided from \"Trial Mode\" choices.",
      "  Otherwise, from the \"Tools\" menu,", "  look for a \"Resolving Move\" to play;",
      "  then ask me again, if you want.",
  };
  EXPECT_EQ(NoMethodLines(), expected);
}

}  // namespace
}  // namespace tessora
