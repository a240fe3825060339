// The fine score: it orders schemes by how hard they are for a person, each
// word of the rating in its own band.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "control/score.h"
#include "control/solving.h"
#include "test_support.h"

namespace tessora {
namespace {

using test::Harness;

// A scheme pasted into the window and played, as rate plays it.
struct Played {
  Harness h;
  explicit Played(const std::string& grid) {
    h.platform.clipboard = grid;
    EXPECT_TRUE(h.form.Click("mIncolla"));
    EXPECT_TRUE(h.form.board.PlayPhase) << grid;
  }
  std::string Word() const { return Trim(DifficultyText(h.form.control.Difficulty)); }
  std::optional<double> Score() const { return h.form.FineScore(); }
};

struct BandRow {
  std::string grid, word, score, from;
};

std::vector<BandRow> BandTable() {
  std::vector<BandRow> rows;
  std::ifstream in(std::string(TESSORA_FIXTURES) + "/puzzles/score_bands.txt");
  EXPECT_TRUE(in) << "cannot read score_bands.txt";
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    BandRow r;
    fields >> r.grid >> r.word >> r.score >> r.from;
    rows.push_back(r);
  }
  return rows;
}

int WordRank(const std::string& word) {
  const std::vector<std::string> words = {"Easy", "Medium", "Difficult", "Diabolic"};
  for (std::size_t i = 0; i < words.size(); ++i)
    if (words[i] == word) return static_cast<int>(i);
  ADD_FAILURE() << "no such word " << word;
  return -1;
}

// Every word has its band (1.xx Easy, 2.xx Medium, 3.xx Difficult, 4 and up
// Diabolic, 5 and up with trials), and within it the table's own order: the
// schemes are listed from the lowest score up.
TEST(FineScore, EachWordInItsBandAndTheTableInItsOrder) {
  const std::vector<BandRow> table = BandTable();
  ASSERT_GE(table.size(), 12u);
  double previous = 0;
  int previousRank = 0;
  for (const BandRow& row : table) {
    SCOPED_TRACE(row.from + " " + row.grid);
    Played p(row.grid);
    EXPECT_EQ(p.Word(), row.word);
    const std::optional<double> score = p.Score();
    ASSERT_TRUE(score);
    EXPECT_EQ(FormatScore(*score), row.score);
    const int rank = WordRank(row.word);
    EXPECT_GE(*score, rank + 1.0);
    if (rank < 3) {
      EXPECT_LT(*score, rank + 2.0);
    }
    const bool trials = p.h.form.control.TrialCount > 0;
    if (trials) {
      EXPECT_GE(*score, kTrialFloor);
    } else if (rank == 3) {
      EXPECT_LT(*score, kTrialFloor);
    }
    EXPECT_GE(*score, previous);
    if (rank > previousRank) {
      EXPECT_GT(*score, previous);
    }
    previous = *score;
    previousRank = rank;
  }
}

// A Medium scheme whose hardest method (Naked Twins) is rated above the
// Difficult one's (Box Locks Candidate) still scores below it.
TEST(FineScore, MediumBelowDifficultWhateverTheirMethods) {
  Played medium("....5.3.....4.9..5.3.2....4.1...425.3.5.7.8.6.285...7.9....1.2.1..8.5.....7.9....");
  Played difficult(".89...34....9..6.8....4.9..91...7....7.3....652...6.......3.4.....1..2.9.31...87.");
  ASSERT_EQ(medium.Word(), "Medium");
  ASSERT_EQ(difficult.Word(), "Difficult");
  EXPECT_LT(*medium.Score(), *difficult.Score());
}

TEST(FineScore, ShownAsTheLastLineOfTheDifficultyListing) {
  // A Swordfish is the hardest step: Diabolic without trials.
  Played p("87.9.5.23.3..2..1...5...4...6.2.1.4...7...2..5.......89..3.4..27.......4..3.8.5..");
  const std::vector<std::string> play = p.h.form.w.ListCons.items;
  EXPECT_EQ(play.back(), "- click the buttons below for advice.");  // Play's report as it was
  ASSERT_TRUE(p.h.form.Click("mValuta"));
  const std::vector<std::string>& lines = p.h.form.w.ListCons.items;
  EXPECT_EQ(lines.back(), "  Fine Score= 4.56");
  EXPECT_EQ(lines[lines.size() - 2], "YOU CAN PLAY NOW");
}

// Play plays a scheme with two solutions and says so; the listing gives it
// no score, since a score would judge it as if it were a sound puzzle.
TEST(FineScore, NoneForASchemeWithMoreThanOneSolution) {
  Played p("53467891267219534819834256785976.42.42685.79.713924856961537284287419635345286179");
  EXPECT_FALSE(p.Score());
  ASSERT_TRUE(p.h.form.Click("mValuta"));
  EXPECT_EQ(p.h.form.w.ListCons.items.back(), "  Fine Score= none (more than one solution)");
}

// A solved grid with some cells emptied, each empty cell given the digits
// no value of its row, column and box holds.
Board Emptied(const std::vector<int>& empty) {
  const std::string solved = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
  Board b;
  for (int c = 0; c < kCells; ++c) b.Place(c, solved[c] - '0', Origin::Given);
  for (int c : empty) b.ClearValue(c);
  for (int c : empty) {
    std::uint16_t m = 0x3FE;
    for (std::uint8_t p : kPeers[c])
      if (b.Filled(p)) m &= static_cast<std::uint16_t>(~(1u << b.Value(p)));
    b.Can[c] = CandText::FromMask(m);
  }
  return b;
}

TEST(TrialDistance, CountsTheWavesUntilTheBoardContradictsItself) {
  // Row I with Ia (3) and Id (2) empty, Id keeping both digits: 3 in Id
  // takes Ia's only candidate at once (wave 1); 2 fills the board.
  Board two = Emptied({72, 75});
  two.Can[75] = CandText::FromMask(1u << 2 | 1u << 3);
  EXPECT_EQ(TrialDistance(two, 75, 3, 81), 1);
  EXPECT_EQ(TrialDistance(two, 75, 2, 81), 0);

  // 1 in Fa (whose value is 7) takes 1 from Ca and Fb, which keep one
  // candidate each (6, 7). Wave 2 writes Ba (6 or 7) twice: 7 as the only
  // place left for 7 in column a, 6 as the only place of 6 in row B.
  const Board eleven = Emptied({18, 56, 39, 9, 19, 34, 46, 28, 10, 45, 25});
  EXPECT_EQ(TrialDistance(eleven, 45, 1, 81), 2);
  EXPECT_EQ(TrialDistance(eleven, 45, 1, 1), 0);  // not followed beyond the limit
  EXPECT_EQ(TrialDistance(eleven, 45, 7, 81), 0);  // the solution's digit never fails
}

// Where the control's trials began: no digit of the solution fails, and
// the rounds end with the scheme solved by the trials that fail soonest.
TEST(TrialDistance, OnlyDigitsNoSolutionHoldsFail) {
  Played p("8.2...7.1..7.2.4....6...3....9...2...6.....4.3.4...5.64..9.5..8.5.1.7.2.....3....");
  ASSERT_TRUE(p.h.form.control.TrialStarted);
  const TrialStart& start = p.h.form.control.FirstTrial;
  int wrong = 0, wrongFailed = 0, shortest = kCells + 1;
  for (int c = 0; c < kCells; ++c) {
    if (start.board.Filled(c)) continue;
    for (int d = 1; d <= 9; ++d) {
      if (!start.board.Can[c].Has(d)) continue;
      const int distance = TrialDistance(start.board, c, d, kCells + 1);
      if ((start.solution[c] >> d) & 1u) {
        EXPECT_EQ(distance, 0) << c << " " << d;
      } else {
        ++wrong;
        if (distance) {
          ++wrongFailed;
          shortest = std::min(shortest, distance);
        }
      }
    }
  }
  ASSERT_GT(wrongFailed, 0);
  const TrialRounds r = FollowTrials(start);
  EXPECT_GE(r.rounds, 1);
  EXPECT_GE(r.hardest, shortest);  // the first round's shortest, or a longer one later
  if (r.rounds == 1) {
    EXPECT_EQ(r.followed, wrong);
    EXPECT_EQ(r.hardest, shortest);
  }
}

// The first trials of the golden sample's schemes that need them, as the
// engine's control records them (every 6th scheme, to keep the test short).
std::vector<TrialStart> SampleTrialStarts() {
  std::vector<TrialStart> starts;
  std::ifstream in(std::string(TESSORA_FIXTURES) + "/golden/rate_sample.txt");
  EXPECT_TRUE(in) << "cannot read rate_sample.txt";
  int n = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.size() < 81 || line[0] == '#' || n++ % 6) continue;
    Board givens;
    for (int c = 0; c < kCells; ++c)
      if (line[c] >= '1' && line[c] <= '9') givens.Place(c, line[c] - '0', Origin::Given);
    const ControlOutcome o = ControlScheme(givens);
    if (o.loop.trialStarted) starts.push_back(o.loop.firstTrial);
  }
  return starts;
}

// The fast way to follow the trials (counts kept as values are placed, the
// trials likely to fail soonest first, none followed past the shortest
// failure) gives the plain way's rounds exactly.
TEST(FollowTrials, TheFastWayGivesThePlainWaysRounds) {
  const std::vector<TrialStart> starts = SampleTrialStarts();
  ASSERT_GE(starts.size(), 100u);
  int severalRounds = 0;
  for (const TrialStart& start : starts) {
    const TrialRounds fast = FollowTrials(start, true);
    const TrialRounds plain = FollowTrials(start, false);
    EXPECT_EQ(fast, plain) << fast.rounds << " " << fast.hardest << " " << fast.followed << " " << fast.soonest
                           << " / " << plain.rounds << " " << plain.hardest << " " << plain.followed << " "
                           << plain.soonest;
    severalRounds += plain.rounds > 1;
  }
  EXPECT_GT(severalRounds, 10);  // the rounds after the first are compared too
}

// Schemes with how their trials go (tests/fixtures/trials/rounds.txt): every
// length of shortest failure seen in two public collections, the most
// rounds, rounds where no trial fails, schemes the control failed.
struct RoundsRow {
  std::string grid, why;
  TrialStart start;
  TrialRounds rounds;
};

std::vector<RoundsRow> RoundsTable() {
  std::vector<RoundsRow> rows;
  std::ifstream in(std::string(TESSORA_FIXTURES) + "/trials/rounds.txt");
  EXPECT_TRUE(in) << "cannot read rounds.txt";
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    RoundsRow r;
    fields >> r.grid >> r.rounds.rounds >> r.rounds.hardest >> r.rounds.followed >> r.rounds.soonest;
    std::getline(fields, r.why);
    Board givens;
    for (int c = 0; c < kCells; ++c)
      if (r.grid[c] >= '1' && r.grid[c] <= '9') givens.Place(c, r.grid[c] - '0', Origin::Given);
    const ControlOutcome o = ControlScheme(givens);
    EXPECT_TRUE(o.loop.trialStarted) << r.grid;
    if (!o.loop.trialStarted) continue;
    r.start = o.loop.firstTrial;
    rows.push_back(r);
  }
  return rows;
}

std::string Text(const TrialRounds& r) {
  return std::to_string(r.rounds) + " " + std::to_string(r.hardest) + " " + std::to_string(r.followed) + " " +
         std::to_string(r.soonest);
}

// Both ways give the table's rounds: the fast one (the trials of a round
// followed side by side on per-digit cell sets) and the plain one.
TEST(FollowTrials, BothWaysGiveTheTablesRounds) {
  const std::vector<RoundsRow> table = RoundsTable();
  ASSERT_GE(table.size(), 30u);
  bool noneFails = false, manyRounds = false, failed = false;
  for (const RoundsRow& row : table) {
    SCOPED_TRACE(row.grid + row.why);
    EXPECT_EQ(Text(FollowTrials(row.start, true)), Text(row.rounds));
    EXPECT_EQ(Text(FollowTrials(row.start, false)), Text(row.rounds));
    noneFails |= row.rounds.soonest == 0;
    manyRounds |= row.rounds.rounds >= 30;
    failed |= row.why.find("failed") != std::string::npos;
  }
  EXPECT_TRUE(noneFails && manyRounds && failed);
}

// Trial by trial, and for every limit up to the distance, the fast follower
// counts the same waves as the plain one: on the golden sample's boards and
// on the table's.
TEST(TrialDistance, TheFastWayCountsThePlainWaysWaves) {
  std::vector<Board> boards;
  const std::vector<TrialStart> starts = SampleTrialStarts();
  for (std::size_t k = 0; k < starts.size(); k += 8) boards.push_back(starts[k].board);
  for (const RoundsRow& row : RoundsTable()) boards.push_back(row.start.board);
  ASSERT_GT(boards.size(), 40u);
  int failing = 0, longer = 0;
  for (std::size_t k = 0; k < boards.size(); ++k) {
    const Board& board = boards[k];
    for (int c = 0; c < kCells; ++c) {
      if (board.Filled(c)) continue;
      for (int d = 1; d <= 9; ++d) {
        if (!board.Can[c].Has(d)) continue;
        const int plain = TrialDistance(board, c, d, kCells + 1, false);
        ASSERT_EQ(TrialDistance(board, c, d, kCells + 1, true), plain) << k << " " << c << " " << d;
        failing += plain > 0;
        longer += plain > 3;
        for (int limit = 1; limit < plain; ++limit) ASSERT_EQ(TrialDistance(board, c, d, limit, true), 0);
        if (plain) {
          ASSERT_EQ(TrialDistance(board, c, d, plain, true), plain);
        }
      }
    }
  }
  EXPECT_GT(failing, 100);
  EXPECT_GT(longer, 10);
}

// Boards the methods never leave, where the fast way must still agree: a
// filled cell or a digit that is not a candidate tried (it fails at once), a
// candidate beside a value of its digit (the fast way hands such a board to
// the plain one), a zone with no place for a digit (every trial fails at
// once), an empty cell without candidate.
TEST(TrialDistance, OddBoardsAsThePlainWay) {
  const std::vector<RoundsRow> table = RoundsTable();
  ASSERT_FALSE(table.empty());
  const Board base = table[0].start.board;
  int firstEmpty = -1;
  for (int c = 0; c < kCells && firstEmpty < 0; ++c)
    if (!base.Filled(c)) firstEmpty = c;
  ASSERT_GE(firstEmpty, 0);
  std::vector<std::pair<std::string, Board>> boards;
  boards.emplace_back("as left", base);
  {
    Board b = base;  // a candidate its row's value holds
    for (const std::uint8_t p : kPeers[firstEmpty])
      if (b.Filled(p)) {
        b.Can[firstEmpty] = CandText::FromMask(b.Can[firstEmpty].Mask() | 1u << b.Value(p));
        break;
      }
    boards.emplace_back("candidate beside its value", b);
  }
  {
    Board b = base;  // a digit without place in the first empty cell's row
    const int row = RowZone(firstEmpty);
    const int d = std::countr_zero(static_cast<unsigned>(b.Can[firstEmpty].Mask()));
    for (const int c : ZoneCells[row])
      if (!b.Filled(c)) b.Can[c] = CandText::FromMask(b.Can[c].Mask() & ~(1u << d));
    boards.emplace_back("a zone without place", b);
  }
  {
    Board b = base;
    b.Can[firstEmpty] = CandText::FromMask(0);
    boards.emplace_back("a cell without candidate", b);
  }
  for (const auto& [why, board] : boards) {
    SCOPED_TRACE(why);
    for (int c = 0; c < kCells; ++c)
      for (int d = 1; d <= 9; ++d)
        ASSERT_EQ(TrialDistance(board, c, d, kCells + 1, true), TrialDistance(board, c, d, kCells + 1, false))
            << c << " " << d;
    TrialStart start = table[0].start;
    start.board = board;
    EXPECT_EQ(Text(FollowTrials(start, true)), Text(FollowTrials(start, false)));
  }
  // Tried where it cannot go: the first wave contradicts itself.
  for (int c = 0; c < kCells; ++c)
    if (base.Filled(c)) {
      EXPECT_EQ(TrialDistance(base, c, base.Value(c), kCells + 1, true), 1);
      break;
    }
}

}  // namespace
}  // namespace tessora
