// The fine score: it orders schemes by how hard they are for a person.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/score.h"
#include "test_support.h"

namespace tessora {
namespace {

using test::Harness;

// The score of a scheme pasted into the window and played, as rate gives it.
double ScoreOf(const std::string& grid) {
  Harness h;
  h.platform.clipboard = grid;
  EXPECT_TRUE(h.form.Click("mIncolla"));
  EXPECT_TRUE(h.form.board.PlayPhase) << grid;
  return h.form.FineScore();
}

TEST(FineScore, OrdersHandPickedSchemes) {
  // From the easiest up: singles only; a Swordfish (Sudoku Explainer 3.8);
  // one short round of trials (4.2); trials round after round (9.2).
  const std::vector<std::string> rising = {
      "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
      "87.9.5.23.3..2..1...5...4...6.2.1.4...7...2..5.......89..3.4..27.......4..3.8.5..",
      "8.2...7.1..7.2.4....6...3....9...2...6.....4.3.4...5.64..9.5..8.5.1.7.2.....3....",
      "...1.......8.9.3..17.8......2.....67.61.5.93.93.....4......2.56..3.4.7.......1...",
  };
  std::vector<double> scores;
  for (const std::string& g : rising) scores.push_back(ScoreOf(g));
  for (std::size_t i = 1; i < scores.size(); ++i) EXPECT_LT(scores[i - 1], scores[i]) << i;
  EXPECT_DOUBLE_EQ(scores[1], 3.8);  // the Swordfish is the hardest step
  EXPECT_GT(scores[2], 4.0);         // any scheme that needs trials is above every method
}

TEST(FineScore, ShownAsTheLastLineOfTheDifficultyListing) {
  Harness h;
  h.platform.clipboard = "87.9.5.23.3..2..1...5...4...6.2.1.4...7...2..5.......89..3.4..27.......4..3.8.5..";
  ASSERT_TRUE(h.form.Click("mIncolla"));
  const std::vector<std::string> play = h.form.w.ListCons.items;
  EXPECT_EQ(play.back(), "- click the buttons below for advice.");  // Play's report as it was
  ASSERT_TRUE(h.form.Click("mValuta"));
  EXPECT_EQ(h.form.w.ListCons.items.back(), "  Fine Score= 3.80");
  EXPECT_EQ(h.form.w.ListCons.items[h.form.w.ListCons.items.size() - 2], "YOU CAN PLAY NOW");
}

// A trial of a digit that a solution holds never fails; a trial of one that
// none holds fails at the first value that shows it when singles are enough.
TEST(FineScore, TrialDistanceFailsOnlyWrongDigits) {
  Harness h;
  const std::string grid = "8.2...7.1..7.2.4....6...3....9...2...6.....4.3.4...5.64..9.5..8.5.1.7.2.....3....";
  h.platform.clipboard = grid;
  ASSERT_TRUE(h.form.Click("mIncolla"));
  ASSERT_TRUE(h.form.control.TrialStarted);
  const TrialStart& start = h.form.control.FirstTrial;
  int wrongFailed = 0, wrong = 0;
  for (int c = 0; c < kCells; ++c) {
    if (start.board.Filled(c)) continue;
    for (int d = 1; d <= 9; ++d) {
      if (!start.board.Can[c].Has(d)) continue;
      const int distance = TrialDistance(start.board, c, d, kCells);
      if ((start.solution[c] >> d) & 1u) {
        EXPECT_EQ(distance, 0) << c << " " << d;
      } else {
        ++wrong;
        wrongFailed += distance > 0;
        EXPECT_GE(distance, 0);
      }
    }
  }
  EXPECT_GT(wrong, 0);
  EXPECT_GT(wrongFailed, 0);
  const TrialRounds r = FollowTrials(start);
  EXPECT_EQ(r.followed, wrong);
  EXPECT_EQ(r.failed, wrongFailed);
  EXPECT_GE(r.rounds, 1);
}

}  // namespace
}  // namespace tessora
