// The Edit menu: a scheme copied to and pasted from the clipboard, and the
// values played taken back with "Undo Move"; File > "New (create) of level".
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "control/solver.h"
#include "test_support.h"
#include "ui/dump.h"

namespace tessora {
namespace {

using test::Harness;

const std::string kGrid = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kSolved = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// The window as a dump, without what differs between two ways of getting there
// on purpose: the messages shown and the clipboard.
nlohmann::json Window(Form1& f) {
  nlohmann::json j = nlohmann::json::parse(DumpState(f));
  j.erase("messages");
  j.erase("clipboard");
  return j;
}

std::string Givens(Form1& f) {
  std::string s(kCells, '.');
  for (int c = 0; c < kCells; ++c)
    if (f.Filled(c) && f.board.OriginOf(c) == Origin::Given) s[c] = static_cast<char>('0' + f.Value(c));
  return s;
}

// The paths at which two dumps differ (short to read when a test fails).
std::vector<std::string> Differences(const nlohmann::json& a, const nlohmann::json& b, const std::string& at = "") {
  if (a.is_object() && b.is_object()) {
    std::vector<std::string> out;
    for (auto it = a.begin(); it != a.end(); ++it) {
      if (!b.contains(it.key())) {
        out.push_back(at + "/" + it.key());
        continue;
      }
      for (std::string& d : Differences(it.value(), b.at(it.key()), at + "/" + it.key())) out.push_back(std::move(d));
    }
    for (auto it = b.begin(); it != b.end(); ++it)
      if (!a.contains(it.key())) out.push_back(at + "/" + it.key());
    return out;
  }
  if (a == b) return {};
  return {at + ": " + a.dump().substr(0, 100) + " / " + b.dump().substr(0, 100)};
}

bool Paste(Harness& h, const std::string& text) {
  h.platform.clipboard = text;
  return h.form.Click("mIncolla");
}

// A value keyed into a cell as the user does it: the pointer on the cell, then the digit.
void Play(Form1& f, int cell, int digit) {
  f.caN_MouseMove(cell, 0, 0);
  f.KeyDown('0' + digit, 0);
}

TEST(PasteScheme, StartsTheSchemeAsIfItWereKeyedIn) {
  Harness keyed;
  keyed.form.Click("Azzera");
  keyed.form.Click("DatIniz");
  for (char ch : kGrid) keyed.form.KeyDown(ch == '.' ? key::Space : ch, 0);
  keyed.form.Click("Gioca");

  Harness pasted;
  ASSERT_TRUE(Paste(pasted, kGrid));
  EXPECT_TRUE(pasted.platform.messages.empty());
  // Keying moves the cursor through every cell; pasting leaves it where it was.
  nlohmann::json a = Window(pasted.form), b = Window(keyed.form);
  a["vars"].erase("PrevCell");
  b["vars"].erase("PrevCell");
  EXPECT_EQ(Differences(a, b), std::vector<std::string>{});
  EXPECT_EQ(pasted.form.w.ListCons.items.front(), "SOLVABILITY CONTROL REPORT");
  EXPECT_TRUE(pasted.form.board.PlayPhase);
}

TEST(PasteScheme, LayoutsFromTheWebLoad) {
  std::string rows, bordered = "+-------+-------+-------+\n";
  for (int r = 0; r < 9; ++r) {
    rows += kGrid.substr(9 * r, 9) + "\n";
    bordered += "|";
    for (int b = 0; b < 3; ++b) {
      for (int i = 0; i < 3; ++i) bordered += std::string(" ") + (kGrid[9 * r + 3 * b + i] == '.' ? '0' : kGrid[9 * r + 3 * b + i]);
      bordered += " |";
    }
    bordered += "\n";
    if (r % 3 == 2) bordered += "+-------+-------+-------+\n";
  }
  std::string zeros = kGrid, underscores = kGrid;
  for (char& ch : zeros) ch = ch == '.' ? '0' : ch;
  for (char& ch : underscores) ch = ch == '.' ? '_' : ch;
  for (const std::string& text : {kGrid, zeros + "\r\n", underscores, rows, bordered}) {
    SCOPED_TRACE(text);
    Harness h;
    ASSERT_TRUE(Paste(h, text));
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_EQ(Givens(h.form), kGrid);
    EXPECT_TRUE(h.form.board.PlayPhase);
  }
}

TEST(PasteScheme, AnythingElseIsRefusedAndTheGameGoesOn) {
  for (const std::string& text : {std::string(), std::string("hello"), kGrid.substr(0, 80), kGrid + "1",
                                 kGrid + "\n" + kGrid, kGrid.substr(0, 40) + "x" + kGrid.substr(41)}) {
    SCOPED_TRACE(text);
    Harness h;
    ASSERT_TRUE(Paste(h, kGrid));
    Play(h.form, 2, 4);
    const nlohmann::json before = Window(h.form);
    h.platform.messages.clear();
    ASSERT_TRUE(Paste(h, text));
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].title, "Paste Scheme");
    EXPECT_EQ(h.platform.messages[0].text.rfind("The clipboard does not hold a scheme to paste.\r\n", 0), 0u);
    EXPECT_EQ(Differences(Window(h.form), before), std::vector<std::string>{});
  }
}

// Schemes that read well but cannot be played: each is refused with what is
// wrong with it, and the game on the board, a move played in it, stays.
TEST(PasteScheme, SchemesThatCannotBePlayedAreRefusedAndTheGameGoesOn) {
  const std::string dots(81, '.');
  struct Case {
    std::string text, says;
  };
  const Case cases[] = {
      {"11" + dots.substr(2), "the digit 1 is\r\ntwice in one zone, in Aa and in Ab."},
      {"12345678" + dots.substr(8, 9) + "9" + dots.substr(18), "it has no solution."},
      {dots, "it has no givens\r\n(every cell is empty)."},
      {"7" + dots.substr(1, 9) + "7" + dots.substr(11), "in Aa and in Bb."},  // in one box only
      {"1" + dots.substr(1), "it has more than one\r\nsolution, and the control cannot finish it"},
      // One solution, which one trial at a time does not reach.
      {"..53.....8......2..7..1.5..4....53...1..7...6..32...8..6.5....9..4....3......97..",
       "the control cannot\r\nsolve it with its methods and one trial at a time."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Harness h;
    ASSERT_TRUE(Paste(h, kGrid));
    Play(h.form, 2, 4);
    ASSERT_EQ(h.form.board.ErrorCount, 0);
    const nlohmann::json before = Window(h.form);
    h.platform.messages.clear();
    ASSERT_TRUE(Paste(h, c.text));
    ASSERT_EQ(h.platform.messages.size(), 1u);
    const MessageBoxRequest& m = h.platform.messages[0];
    EXPECT_EQ(m.title, "Paste Scheme");
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.text.rfind("The scheme on the clipboard is not pasted: ", 0), 0u) << m.text;
    EXPECT_NE(m.text.find(c.says), std::string::npos) << m.text;
    EXPECT_EQ(Differences(Window(h.form), before), std::vector<std::string>{});
  }
}

TEST(PasteScheme, AsksBeforeReplacingWhatTheUserDid) {
  const std::string other = "..98...7..32....4.4....983...31........46..2.6.......1.5..7...23........9.86.2...";
  Harness h;
  Form1& f = h.form;
  // Nothing done yet, on an empty board or just after Play: no question.
  ASSERT_TRUE(Paste(h, other));
  ASSERT_TRUE(Paste(h, kGrid));
  EXPECT_TRUE(h.platform.messages.empty());
  EXPECT_EQ(Givens(f), kGrid);

  // A move played: No keeps everything, Yes replaces the game.
  Play(f, 2, 4);
  const nlohmann::json before = Window(f);
  h.platform.answers.push_back(MsgResult::No);
  ASSERT_TRUE(Paste(h, other));
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_EQ(h.platform.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(h.platform.messages[0].title, "Paste Scheme");
  EXPECT_EQ(Differences(Window(f), before), std::vector<std::string>{});
  h.platform.answers.push_back(MsgResult::Yes);
  ASSERT_TRUE(Paste(h, other));
  EXPECT_EQ(h.platform.messages.size(), 2u);
  EXPECT_EQ(Givens(f), other);
  EXPECT_EQ(f.CountFilled(), static_cast<int>(81 - std::count(other.begin(), other.end(), '.')));
  EXPECT_TRUE(f.board.PlayPhase);

  // A value keyed in as initial data is work too.
  h.platform.messages.clear();
  f.Click("Azzera");
  f.Click("DatIniz");
  f.KeyDown('5', 0);
  h.platform.answers.push_back(MsgResult::No);
  ASSERT_TRUE(Paste(h, kGrid));
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_EQ(h.platform.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_FALSE(f.board.PlayPhase);
  EXPECT_EQ(f.CountFilled(), 1);
}

// A scheme with two solutions is played as a keyed one is, its report saying so.
TEST(PasteScheme, SchemeWithTwoSolutionsIsPlayedAsKeyed) {
  Harness h;
  ASSERT_TRUE(Paste(h, "53467891267219534819834256785976.42.42685.79.713924856961537284287419635345286179"));
  EXPECT_TRUE(h.platform.messages.empty());
  EXPECT_TRUE(h.form.board.PlayPhase);
  const auto& bb = h.form.w.ListCons.items;
  EXPECT_NE(std::find(bb.begin(), bb.end(), "- The scheme has more than one solution:"), bb.end());
}

TEST(CopyScheme, PutsTheGivensOnTheClipboardAndCtrlKeysReachTheMenu) {
  Harness h;
  EXPECT_FALSE(h.form.Click("mCopia"));  // an empty board has no scheme to copy
  h.form.Click("DatIniz");
  for (char ch : kGrid.substr(0, 9)) h.form.KeyDown(ch == '.' ? key::Space : ch, 0);
  ASSERT_TRUE(h.form.Click("mCopia"));  // before Play: what is keyed in
  EXPECT_EQ(h.platform.clipboard, kGrid.substr(0, 9) + std::string(72, '.'));

  h.platform.clipboard = kGrid;
  h.form.KeyDown('V', shift::Ctrl);
  ASSERT_TRUE(h.form.board.PlayPhase);
  Play(h.form, 2, 4);  // a value played is not part of the scheme
  h.platform.clipboard.clear();
  h.form.KeyDown('C', shift::Ctrl);
  EXPECT_EQ(h.platform.clipboard, kGrid);
}

TEST(UndoMove, TakesBackThreeMovesLatestFirstDownToTheGivens) {
  Harness h;
  Form1& f = h.form;
  ASSERT_TRUE(Paste(h, kGrid));
  EXPECT_FALSE(f.w.mAnnulla.enabled);
  const auto startCandidates = f.board.Can;
  const std::vector<int> cells = {2, 3, 5};
  for (int c : cells) Play(f, c, kSolved[c] - '0');
  ASSERT_EQ(f.CountFilled(), 33);
  EXPECT_TRUE(f.w.mAnnulla.enabled);
  for (int k = 2; k >= 0; --k) {
    f.KeyDown('Z', shift::Ctrl);
    EXPECT_FALSE(f.Filled(cells[k])) << cells[k];
    for (int i = 0; i < k; ++i) EXPECT_TRUE(f.Filled(cells[i])) << cells[i];
  }
  EXPECT_EQ(Givens(f), kGrid);
  EXPECT_EQ(f.CountFilled(), 30);
  EXPECT_FALSE(f.w.mAnnulla.enabled);
  EXPECT_FALSE(f.Click("mAnnulla"));  // nothing left: the givens stay
  EXPECT_EQ(Givens(f), kGrid);
  EXPECT_EQ(f.board.Can, startCandidates);
}

// Undo is Delete on the cell of the last value: the same window follows,
// also after a move the program refused as wrong (it never reached the board).
TEST(UndoMove, IsDeleteOnTheLastPlayedCellAlsoAfterAWrongMove) {
  Harness undone, deleted;
  for (Harness* h : {&undone, &deleted}) {
    ASSERT_TRUE(Paste(*h, kGrid));
    Play(h->form, 2, 4);
    Play(h->form, 3, 6);
    Play(h->form, 5, 7);  // wrong: 8 belongs there
    EXPECT_EQ(h->form.board.ErrorCount, 1);
  }
  ASSERT_TRUE(undone.form.Click("mAnnulla"));
  deleted.form.caN_MouseMove(3, 0, 0);
  deleted.form.KeyDown(key::Delete, 0);
  EXPECT_EQ(Differences(Window(undone.form), Window(deleted.form)), std::vector<std::string>{});
  EXPECT_FALSE(undone.form.Filled(3));
  EXPECT_TRUE(undone.form.Filled(2));
  ASSERT_TRUE(undone.form.Click("mAnnulla"));
  EXPECT_FALSE(undone.form.Filled(2));
  EXPECT_FALSE(undone.form.w.mAnnulla.enabled);
}

TEST(UndoMove, NothingToTakeBackBeforePlay) {
  Harness h;
  EXPECT_FALSE(h.form.w.mAnnulla.enabled);
  h.form.Click("DatIniz");
  h.form.KeyDown('5', 0);  // a given being keyed in, not a move
  EXPECT_FALSE(h.form.w.mAnnulla.enabled);
  h.form.KeyDown('Z', shift::Ctrl);
  EXPECT_TRUE(h.form.Filled(0));
}

TEST(CreateOfLevel, EachLevelRatesAtThatLevelWithOneSolution) {
  const char* const kWords[] = {" Easy", " Medium", " Difficult", " Diabolic", " Diabolic"};
  for (int level = 0; level < 5; ++level) {
    SCOPED_TRACE(level);
    Harness h;
    Form1& f = h.form;
    ASSERT_TRUE(f.Click("mLiv(" + std::to_string(level) + ")"));
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_EQ(DifficultyText(f.control.Difficulty), kWords[level]);
    // "Diabolic, with trials" needed a trial, the others none.
    EXPECT_EQ(f.control.TrialCount > 0, level == 4) << f.control.TrialCount;
    EXPECT_EQ(f.files.SchemeFile.substr(0, 3), std::string(kWords[level]).substr(1, 3));
    EXPECT_EQ(f.files.SchemeFile.substr(3, 3), "001");  // numbered as the only scheme created
    EXPECT_EQ(f.files.SchemeFile.substr(6, 3), "Cr0");  // a complete grid of its own, no seed grid
    EXPECT_EQ(f.w.caption, kProductTitle + " - " + f.files.SchemeFile);
    EXPECT_TRUE(f.board.PlayPhase);
    std::array<int, 81> grid{};
    int givens = 0;
    for (int c = 0; c < kCells; ++c) {
      grid[c] = f.Filled(c) && f.board.OriginOf(c) == Origin::Given ? f.Value(c) : 0;
      givens += grid[c] != 0;
    }
    EXPECT_EQ(CountSolutions(grid, 2), 1);
    EXPECT_EQ(f.w.Fatti.caption, std::to_string(givens));
    EXPECT_EQ(givens, 81 - f.gen.RemovedCount);
  }
}

// No grid of the few allowed gives a scheme of the level: a message says so
// and the board stays empty.
TEST(CreateOfLevel, GivingUpSaysSo) {
  bool gaveUp = false;
  for (unsigned seed = 1; seed <= 10 && !gaveUp; ++seed) {
    Harness h;
    Form1& f = h.form;
    h.platform.FixRandomSeed(seed);
    f.creationLimit = 1;
    ASSERT_TRUE(f.Click("mLiv(3)"));
    if (h.platform.messages.empty()) continue;
    gaveUp = true;
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].title, "New (create) of level");
    EXPECT_EQ(h.platform.messages[0].text, "No scheme rated Diabolic came out of 1 thinned grids.");
    EXPECT_FALSE(f.board.PlayPhase);
    for (int c = 0; c < kCells; ++c) EXPECT_FALSE(f.Filled(c)) << c;
  }
  EXPECT_TRUE(gaveUp);
}

}  // namespace
}  // namespace tessora
