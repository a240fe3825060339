// The game kept between runs: written after every change once the start path
// ran, brought back by the next run's start path, set aside when broken,
// cleared by Clear All, New (create) and a finished game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "files/game_format.h"
#include "test_support.h"
#include "ui/session.h"

namespace tessora {
namespace {

namespace fs = std::filesystem;

const std::string kEasy = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// A scheme that needs a trial: its trial moves take the flash.
const std::string kTrial = "..98...7..32....4.4....983...31........46..2.6.......1.5..7...23........9.86.2...";

// One run of the program on a data folder: the start path, then a script.
struct ProgramRun {
  test::Harness h;
  std::ostringstream out;
  explicit ProgramRun(const std::string& folder, const std::string& script = "") {
    h.platform.dataFolder = folder;
    Line("start");
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) Line(line);
  }
  void Line(const std::string& line) {
    std::string error;
    EXPECT_TRUE(RunSessionLine(h.form, h.platform, line, out, error)) << line << ": " << error;
  }
  Form1& f() { return h.form; }
};

std::string SavedFile(const std::string& folder) { return folder + "/" + kSavedGameFile; }

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What a game is: per cell its value and where it came from, or its
// candidates; the phase, the counters, the flash, the solutions, the rating.
std::string GameOf(Form1& f) {
  f.DrawCells();
  std::ostringstream g;
  for (int c = 0; c < kCells; ++c) {
    g << c << ":";
    if (f.Filled(c)) g << f.Value(c) << "/" << static_cast<int>(f.board.OriginOf(c)) << "/" << f.w.caN[c].ink;
    else g << "(" << f.board.Can[c].Digits() << ")/" << f.w.caN[c].ink;
    g << " ";
  }
  g << "\nphase " << f.board.DataStarted << f.board.PlayPhase << " input " << f.board.InputEnabled;
  // The light of a refused or trial move goes green at the timer's tick; a
  // contradiction's stays red.
  g << "\nerrors " << f.board.ErrorCount << " '" << f.w.NErr.caption << "' light "
    << (f.board.InputEnabled ? "" : f.w.SemaLab.caption);
  g << "\nflash " << f.board.FlashTaken << " " << f.w.mRicFla.enabled << " " << f.board.DeviationCell << " '"
    << f.board.DeviationText << "'\n";
  for (const std::string& row : f.files.FlashLines) g << row << "|";
  g << "\nsolution ";
  g << f.board.Solution.known << ":";
  for (int d : f.board.Solution.digits) g << d << ",";
  g << "\ntrial ";
  g << f.board.TrialSolution.known << ":";
  for (int d : f.board.TrialSolution.digits) g << d << ",";
  g << "\nrating ";
  for (int n : f.methods.MethodUse) g << n << ",";
  g << " " << f.methods.SuggestionCount << " " << DifficultyText(f.control.Difficulty);
  g << "\nname " << f.files.SchemeFile << " | " << f.w.caption << " | " << f.files.NewSchemeNo;
  g << "\nview " << f.w.Sugge1.selected << " edited " << f.files.CandidatesEdited;
  return g.str();
}

struct ResumeCase {
  const char* name;
  std::string script;
};

// The case by its name, so that the test's listed name stays the same from
// build to build.
void PrintTo(const ResumeCase& c, std::ostream* os) { *os << c.name; }

class Resume : public ::testing::TestWithParam<ResumeCase> {};

// Play, stop without Exit, start again: the same board, inks, candidates,
// phase, flash and rating, with a line on the blackboard that says so; and
// "Undo Move" takes back the same value in both runs.
TEST_P(Resume, TheNextRunHasTheSameGame) {
  const std::string folder = test::TestDataFolder();
  std::string before, undoneBefore;
  {
    ProgramRun first(folder, GetParam().script);
    before = GameOf(first.f());
    ASSERT_TRUE(fs::exists(SavedFile(folder)));
    // What Undo would do, in a run of its own so that the game kept stays.
    ProgramRun probe(folder + "-probe", GetParam().script);
    probe.f().Click("mAnnulla");
    undoneBefore = GameOf(probe.f());
  }
  ProgramRun second(folder);
  EXPECT_EQ(GameOf(second.f()), before);
  ASSERT_FALSE(second.f().w.ListCons.items.empty());
  EXPECT_EQ(second.f().w.ListCons.items[0], kResumedLine);
  EXPECT_TRUE(second.h.platform.messages.empty());
  second.f().Click("mAnnulla");
  EXPECT_EQ(GameOf(second.f()), undoneBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Games, Resume,
    ::testing::Values(
        ResumeCase{"KeyingTheData", "click DatIniz\ntype " + kEasy.substr(0, 23)},
        ResumeCase{"MovesAndAnError",
                   "click DatIniz\ntype " + kEasy + "\nclick Gioca\ncellclick 2\nkey 52\ncellclick 3\nkey 54\n"
                   "cellclick 5\nkey 49"},
        ResumeCase{"AllCandidatesAndACorrection",
                   "click DatIniz\ntype " + kEasy + "\nclick Gioca\ncellclick 2\nkey 52\nclick Sugge1\n"
                   "move 5\nmousedown 5 2\nclick cM(0)\nkey 27"},
        ResumeCase{"AfterADeletion",
                   "click DatIniz\ntype " + kEasy + "\nclick Gioca\ncellclick 2\nkey 52\ncellclick 3\nkey 54\n"
                   "cellclick 2\nkey 46"},
        ResumeCase{"FlashAndContradiction",
                   "click DatIniz\ntype " + kTrial + "\nclick Gioca\ncellclick 57\nkey 51\ncellclick 80\nkey 51\n"
                   "cellclick 59\nkey 49\ncellclick 4\nkey 51\ncellclick 5\nkey 52\ncellclick 56\nkey 54"},
        ResumeCase{"FlashReloaded",
                   "click DatIniz\ntype " + kTrial + "\nclick Gioca\ncellclick 57\nkey 51\ncellclick 80\nkey 51\n"
                   "cellclick 59\nkey 49\ncellclick 4\nkey 51\ncellclick 5\nkey 52\ncellclick 56\nkey 54\n"
                   "click mRicFla\ncellclick 57\nkey 57"},
        ResumeCase{"DataPlayRefused", "click DatIniz\ntype 5........\ntype .5.......\nclick Gioca"}),
    [](const ::testing::TestParamInfo<ResumeCase>& info) { return std::string(info.param.name); });

// Exit (and the window's close box, which takes the same way) keeps the game.
TEST(ResumeAfterExit, TheGameOutlivesExit) {
  const std::string folder = test::TestDataFolder();
  std::string before;
  {
    ProgramRun first(folder, "click DatIniz\ntype " + kEasy + "\nclick Gioca\ncellclick 2\nkey 52");
    before = GameOf(first.f());
    first.Line("click mChiudi");
    ASSERT_TRUE(first.f().unloaded);
  }
  ProgramRun second(folder);
  EXPECT_EQ(GameOf(second.f()), before);
}

// A contradiction comes back as it stood: input blocked, the red light, the report.
TEST(ResumeBlocked, KeepsTheContradictionReport) {
  const std::string folder = test::TestDataFolder();
  std::vector<std::string> report;
  {
    ProgramRun first(folder, "click DatIniz\ntype " + kTrial + "\nclick Gioca\ncellclick 57\nkey 51\ncellclick 80\nkey 51\n"
                      "cellclick 59\nkey 49\ncellclick 4\nkey 51\ncellclick 5\nkey 52\ncellclick 56\nkey 54");
    ASSERT_FALSE(first.f().board.InputEnabled);
    report = first.f().w.ListCons.items;
  }
  ProgramRun second(folder);
  EXPECT_FALSE(second.f().board.InputEnabled);
  EXPECT_EQ(second.f().w.SemaLab.caption, "ERR");
  std::vector<std::string> expected{kResumedLine};
  expected.insert(expected.end(), report.begin(), report.end());
  EXPECT_EQ(second.f().w.ListCons.items, expected);
  EXPECT_FALSE(second.f().w.Cons3.enabled);
  EXPECT_TRUE(second.f().w.mRicFla.enabled);
}

// The saved text reads back as it was written.
TEST(SavedGameText, ReadsBackAsWritten) {
  ProgramRun run(test::TestDataFolder(), "click DatIniz\ntype " + kTrial + "\nclick Gioca\ncellclick 57\nkey 51\n"
                                  "cellclick 80\nkey 51");
  SavedGame g;
  ASSERT_TRUE(run.f().CaptureGame(g));
  g.caption = "a \\ caption\r\nwith a \x1B break";
  g.blackboard = {"- a line", ""};
  const std::string text = FormatSavedGame(g);
  const SavedGameParse back = ParseSavedGame(text);
  ASSERT_TRUE(back.ok) << back.error;
  EXPECT_EQ(FormatSavedGame(back.game), text);
  EXPECT_EQ(back.game.caption, g.caption);
  EXPECT_TRUE(back.game.flashTaken);
  EXPECT_EQ(text.find('\x1B'), std::string::npos);  // one line each, control bytes escaped
}

// A saved game that cannot come back: set aside under a new name, byte for
// byte, with a message; the program starts empty and keeps its next game
// beside the one set aside.
TEST(BrokenSavedGame, IsSetAsideAndTheProgramStartsEmpty) {
  std::string good;
  {
    const std::string folder = test::TestDataFolder();
    ProgramRun run(folder, "click DatIniz\ntype " + kEasy + "\nclick Gioca\ncellclick 2\nkey 52");
    good = Read(SavedFile(folder));
  }
  auto replace = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    const std::size_t at = t.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? t : t.replace(at, from.size(), to);
  };
  const std::pair<const char*, std::string> cases[] = {
      {"not ours", "hello\n"},
      {"another header", replace("Tessora saved game 1", "Tessora saved game 9")},
      {"a letter among the values", replace("\"53  7    \"", "\"53  x    \"")},
      {"cut short", good.substr(0, good.size() / 2)},
      {"more after the end", good + "more\n"},
      {"a cursor off the board", replace("cursor 2", "cursor 81")},
      {"givens twice in a row", replace("\"53  7    \"", "\"55  7    \"")},
      {"binary", std::string("Tessora saved game 1\n\0\x01", 23)},
      {"empty", ""},
  };
  for (const auto& [what, text] : cases) {
    SCOPED_TRACE(what);
    const std::string folder = test::TestDataFolder();
    fs::create_directories(folder);
    std::ofstream(SavedFile(folder), std::ios::binary) << text;
    ProgramRun run(folder);
    EXPECT_FALSE(run.f().board.DataStarted);
    ASSERT_EQ(run.h.platform.messages.size(), 1u);
    EXPECT_NE(run.h.platform.messages[0].text.find("cannot be brought back"), std::string::npos);
    std::vector<fs::path> aside;
    for (const auto& e : fs::directory_iterator(folder)) aside.push_back(e.path());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(aside[0].filename().string().rfind(kSavedGameFile + ".broken-", 0), 0u);
    EXPECT_NE(run.h.platform.messages[0].text.find(aside[0].string()), std::string::npos);
    EXPECT_EQ(Read(aside[0].string()), text);
    // The next game is kept; the one set aside stays.
    run.Line("click DatIniz");
    run.Line("type 1");
    EXPECT_TRUE(fs::exists(SavedFile(folder)));
    EXPECT_EQ(Read(aside[0].string()), text);
  }
}

// The user's data stays untouched by a run that did not ask for the start path.
TEST(KeepGame, NothingWithoutTheStartPath) {
  test::Harness h;
  std::ostringstream out;
  std::string error;
  for (const std::string& line : std::vector<std::string>{"click DatIniz", "type " + kEasy, "click Gioca", "cellclick 2", "key 52"})
    EXPECT_TRUE(RunSessionLine(h.form, h.platform, line, out, error)) << error;
  EXPECT_FALSE(fs::exists(h.platform.dataFolder));
}

// A platform that counts what is written to the user's data.
struct CountingPlatform : ScriptedPlatform {
  int writes = 0, removes = 0;
  bool WriteUserData(const std::string& name, const std::string& bytes, std::string& error) override {
    ++writes;
    return ScriptedPlatform::WriteUserData(name, bytes, error);
  }
  bool RemoveUserData(const std::string& name, std::string& error) override {
    ++removes;
    return ScriptedPlatform::RemoveUserData(name, error);
  }
};

// Written when the game changes, not when the mouse or an advice only looks.
TEST(KeepGame, WritesOnlyWhenTheGameChanges) {
  CountingPlatform p;
  p.dataFolder = test::TestDataFolder();
  Form1 f(p);
  f.Form_Load();
  f.StartUp();
  f.KeepGame();
  EXPECT_EQ(p.writes, 0);
  f.Click("DatIniz");
  f.EnterGivens(kEasy);
  f.KeepGame();
  EXPECT_EQ(p.writes, 1);
  f.Click("Gioca");
  f.KeepGame();
  EXPECT_EQ(p.writes, 2);
  for (int c = 0; c < kCells; ++c) {
    f.caN_MouseMove(c, 0, 0);
    f.KeepGame();
  }
  f.Press("Cons3");
  f.KeepGame();
  f.Release("Cons3");
  f.KeepGame();
  EXPECT_EQ(p.writes, 2);
  f.caN_Click(2);
  f.KeyDown('4', 0);
  f.KeepGame();
  EXPECT_EQ(p.writes, 3);
  EXPECT_EQ(p.removes, 0);
}

std::vector<std::string> SolutionKeys(Form1& f) {
  std::vector<std::string> lines;
  for (int c = 0; c < kCells; ++c)
    if (!f.Filled(c)) {
      lines.push_back("cellclick " + std::to_string(c));
      lines.push_back("key " + std::to_string('0' + f.board.Solution[c]));
    }
  return lines;
}

// Clear All, New (create) and a finished game leave no game kept; a move in
// the scheme New (create) made keeps it again.
TEST(KeepGame, ClearedByClearAllNewAndAFinishedGame) {
  const std::string play = "click DatIniz\ntype " + kEasy + "\nclick Gioca\ncellclick 2\nkey 52";
  {
    const std::string folder = test::TestDataFolder();
    ProgramRun run(folder, play);
    ASSERT_TRUE(fs::exists(SavedFile(folder)));
    run.Line("click Azzera");
    EXPECT_FALSE(fs::exists(SavedFile(folder)));
  }
  {
    const std::string folder = test::TestDataFolder();
    ProgramRun run(folder, play);
    run.Line("click Azzera");
    run.Line("click mCrea");
    ASSERT_TRUE(run.f().board.PlayPhase);
    EXPECT_FALSE(fs::exists(SavedFile(folder)));
    int empty = 0;
    while (run.f().Filled(empty)) ++empty;
    run.Line("cellclick " + std::to_string(empty));
    run.Line("key " + std::to_string('0' + run.f().board.Solution[empty]));
    EXPECT_TRUE(fs::exists(SavedFile(folder)));
  }
  {
    const std::string folder = test::TestDataFolder();
    ProgramRun run(folder, play);
    for (const std::string& line : SolutionKeys(run.f())) run.Line(line);
    ASSERT_TRUE(run.f().w.ImaCompl.visible);
    EXPECT_FALSE(fs::exists(SavedFile(folder)));
    ProgramRun next(folder);
    EXPECT_FALSE(next.f().board.DataStarted);
  }
}

// Practice positions are not kept: the game the user had before them comes
// back at the next start, whatever was played in the practice.
TEST(KeepGame, APracticePositionLeavesTheUsersGameKept) {
  const std::string folder = test::TestDataFolder();
  std::string game;
  {
    ProgramRun run(folder, "click DatIniz\ntype " + kEasy + "\nclick Gioca\ncellclick 2\nkey 52");
    game = GameOf(run.f());
    const std::string kept = Read(SavedFile(folder));
    run.Line("answer yes");
    run.Line("choose 4");
    run.Line("click mPratica");
    ASSERT_TRUE(run.f().PracticeOn());
    const PracticeMove& m = run.f().practice.position.moves.front();
    run.Line("cellclick " + std::to_string(m.cell));
    run.Line("key " + std::to_string('0' + m.digit));
    run.Line("click mProssima");
    ASSERT_TRUE(run.f().PracticeOn());
    EXPECT_EQ(Read(SavedFile(folder)), kept);
  }
  ProgramRun next(folder);
  EXPECT_FALSE(next.f().PracticeOn());
  EXPECT_EQ(GameOf(next.f()), game);
}

// A data folder that cannot be written: the user is told once, the game
// goes on as it was.
TEST(KeepGame, AFolderThatCannotBeWrittenIsToldOnce) {
  const std::string base = test::TestDataFolder();
  fs::create_directories(base);
  std::ofstream(base + "/file") << "x";
  ProgramRun run(base + "/file/tessora", "click DatIniz\ntype 12");
  ASSERT_EQ(run.h.platform.messages.size(), 1u);
  EXPECT_NE(run.h.platform.messages[0].text.find("cannot be kept"), std::string::npos);
  EXPECT_EQ(run.f().board.FilledCount, 2);
  run.Line("type 3");
  EXPECT_EQ(run.h.platform.messages.size(), 1u);
  EXPECT_EQ(run.f().board.FilledCount, 3);
}

}  // namespace
}  // namespace tessora
