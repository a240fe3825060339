// "New (create)": a new scheme from one of six seed grids, relabelled at
// random and thinned in symmetric pairs while the control can still solve it;
// and the F11 batch that writes ten created schemes.
#include <cstdio>
#include <fstream>

#include "control/generator.h"
#include "control/level_generator.h"
#include "control/solver.h"
#include "files/scheme_format.h"
#include "ui/form1.h"

namespace tessora {

namespace {

// The generator's random numbers, drawn from the platform.
class PlatformRandom : public Random {
 public:
  explicit PlatformRandom(Platform& platform) : platform_(platform) {}
  void Randomize() override { platform_.Randomize(); }
  double Next() override { return platform_.Rnd(); }

 private:
  Platform& platform_;
};

Pause WindowPause(Form1& f) {
  return {[](void* form) { static_cast<Form1*>(form)->DoEvents(); }, &f};
}

// Rows of digits, a blank for an empty cell.
std::array<std::string, 9> GridRows(const Grid& grid) {
  std::array<std::string, 9> rows;
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) rows[r] += grid[9 * r + c] ? static_cast<char>('0' + grid[9 * r + c]) : ' ';
  return rows;
}

}  // namespace

void Form1::ShowSolutionGrid(const SolutionGrid& g) {
  auto& grids = gen.SeedGrids;
  for (int k = 1; k <= kSeedGridCount; ++k)
    for (int r = 0; r < 9; ++r) grids[k][r] = SeedGrid(k - 1)[r];
  grids[0] = GridRows(g.digits);
  gen.SeedIndex = g.seedIndex;
  gen.SymmetryKind = g.symmetry;
}

void Form1::BuildSolutionGrid() {
  PlatformRandom random(platform);
  ShowSolutionGrid(tessora::BuildSolutionGrid(random, WindowPause(*this)));
}

// Feeds WorkGrid to the board and runs the control in creation mode.
void Form1::FeedCreatedScheme() {
  w.Fatti.caption = std::to_string(81 - gen.RemovedCount);
  control.Creating = true;
  LoadWorkGrid();
  control.ControlFailed = false;
  // A scheme with more than one solution is refused like one the control cannot solve.
  std::array<int, 81> grid{};
  for (int c = 0; c < kCells; ++c) {
    char ch = gen.WorkGrid[c / 9][c % 9];
    grid[c] = ch == ' ' ? 0 : ch - '0';
  }
  if (CountSolutions(grid, 2) != 1) {
    control.ControlFailed = true;
    return;
  }
  Gioca_Click();
}

void Form1::LoadWorkGrid() {
  for (int r = 0; r < 9; ++r) files.SchemeLines[r] = gen.WorkGrid[r];
  files.SchemeLineCount = 8;
  ShowBoardText();
  control.LoadingScheme = true;
  for (int r = 0; r < 9; ++r) files.SchemeLines2[r] = files.SchemeLines[r];
  files.LastLine = -1;
  for (int r = 8; r >= 0; --r)
    if (!Trim(files.SchemeLines[r]).empty()) {
      files.LastLine = r;
      break;
    }
  for (int r = 9; r < 18; ++r) files.SchemeLines[r] = files.SchemeLines2[r] = std::string(9, ' ');
  DatIniz_Click();
}

void Form1::mCrea_click() {
  const Drawn drawn(*this);
  Azzera_Click();
  PlatformRandom random(platform);
  CreationOptions options;
  options.minGivens = gen.MinGivens;
  options.fallbackGivens = gen.FallbackGivens;
  options.useTrialPlan = control.UseTrialPlan;
  options.useDetectorMemory = control.UseDetectorMemory;
  options.pause = WindowPause(*this);
  const CreatedScheme created = CreateScheme(random, options);
  ShowSolutionGrid(created.solution);
  // The cells put back stay out of the solution grid's row, as the
  // generator kept them from being drawn again.
  ForEachCell(created.kept, [&](int c) { gen.SeedGrids[0][c / 9][c % 9] = ' '; });
  gen.WorkGrid = GridRows(created.givens);
  gen.RemovedCells = created.removed;
  gen.RemovedCount = static_cast<int>(created.removed.size());
  gen.ProtectedCount = created.protectedCount;
  // The window as the creation's last control left it.
  FeedCreatedScheme();

  // Finish: play the scheme, now showing the board, and name it.
  control.LoadingScheme = false;
  files.NewSchemeNo += 1;
  control.Creating = false;
  Gioca_Click();
  NameCreatedScheme();
}

void Form1::NameCreatedScheme() {
  // The name carries the rating the user is shown, the one of the last
  // control. The ratings taken while creating only decide when to stop: they
  // count by the creation's rules, and their replay shows all candidates,
  // which leaves "At a glance" out of the priority walk.
  files.SchemeFile = CreatedSchemeName(control.Difficulty, files.NewSchemeNo, gen.SeedIndex, gen.SymmetryKind);
  w.caption = kProductTitle + " - " + files.SchemeFile;
}

void Form1::BatchCreate() {
  const Drawn drawn(*this);
  constexpr int kFiles = kBatchFiles;
  for (int i = 0; i < kFiles; ++i) {
    // Easy schemes are created again, as often as "New (create) of level" would try.
    int creations = 0;
    do {
      if (creations == creationLimit) {
        MsgBox("No scheme rated above Easy came out of " + std::to_string(creationLimit) +
                   " creations;\r\nthe batch stopped after " + std::to_string(i) + " of its " +
                   std::to_string(kFiles) + " files, and the last scheme created is on the board.",
               MsgButtons::Ok, "New (create)");
        return;
      }
      ++creations;
      Azzera_Click();
      mCrea_click();
    } while (control.Difficulty == Rating::Easy);
    std::array<std::string, kSchemeRows> rows{};
    for (int r = 0; r < 9; ++r) rows[r] = gen.WorkGrid[r];
    const std::string bytes = FormatSud(rows, 9);
    const std::string folder = platform.CurrentFolder();
    // A file is never replaced: a name already taken in the folder moves the
    // scheme on to the next number whose name is free.
    for (int tries = 0;; ++tries) {
      const std::string path = (folder.empty() ? std::string() : folder + "/") + files.SchemeFile + ".sud";
      std::string error;
      bool taken = false;
      if (WriteNewFileAtomically(path, bytes, error, taken)) break;
      if (!taken || tries >= kMaxFreeNameTries) {
        MsgBox("The scheme could not be written to\r\n" + path + "\r\n" + error, MsgButtons::Ok, "Save");
        return;
      }
      files.NewSchemeNo += 1;
      NameCreatedScheme();
    }
  }
}

int Form1::CreateOfLevel(int level) {
  const Drawn drawn(*this);
  // The rating each level asks for; the last level is Diabolic with a trial.
  static constexpr Rating kLevels[kSchemeLevels] = {Rating::Easy, Rating::Medium, Rating::Difficult, Rating::Diabolic,
                                                    Rating::Diabolic};
  if (level < 0 || level >= kSchemeLevels) return 0;
  // The scheme kept is numbered as if it were the only one created.
  const int number = files.NewSchemeNo;
  PlatformRandom random(platform);
  LevelOptions options;
  options.order = UserPriorityOrder();
  options.useTrialPlan = control.UseTrialPlan;
  options.useDetectorMemory = control.UseDetectorMemory;
  options.maxThinnings = creationLimit;
  options.pause = WindowPause(*this);
  // The generator rates as Play does with every candidate hidden; the
  // window's own Play decides, and a scheme it rates otherwise (another
  // candidate view) is made again.
  bool shown = false;
  for (int attempt = 1; attempt <= creationLimit; ++attempt) {
    const LevelScheme s = CreateSchemeOfLevel(random, static_cast<SchemeLevel>(level), options);
    if (!s.found) break;
    files.NewSchemeNo = number;
    Azzera_Click();
    SolutionGrid solution;
    solution.digits = s.solution;
    solution.seedIndex = 0;  // a complete grid of its own, not a seed grid
    solution.symmetry = s.symmetry;
    ShowSolutionGrid(solution);
    gen.WorkGrid = GridRows(s.givens);
    gen.RemovedCells.clear();
    for (int c = 0; c < kCells; ++c)
      if (!s.givens[c]) gen.RemovedCells.push_back(c);
    gen.RemovedCount = static_cast<int>(gen.RemovedCells.size());
    gen.ProtectedCount = 0;
    // Played as the user plays a created scheme, and named by its rating.
    w.Fatti.caption = std::to_string(81 - gen.RemovedCount);
    control.Creating = false;
    LoadWorkGrid();
    control.ControlFailed = false;
    control.LoadingScheme = false;
    files.NewSchemeNo += 1;
    Gioca_Click();
    NameCreatedScheme();
    shown = true;
    const bool trials = control.TrialCount > 0;
    if (control.Difficulty == kLevels[level] && trials == (level == static_cast<int>(SchemeLevel::DiabolicWithTrials)))
      return attempt;
  }
  const std::string rated = "No scheme rated" + std::string(RatingText(kLevels[level])) + (level == 4 ? ", with trials," : "");
  MsgBox(shown ? rated + " came out of " + std::to_string(creationLimit) +
                     " creations;\r\nthe last one created is on the board."
               : rated + " came out of " + std::to_string(creationLimit) + " thinned grids.",
         MsgButtons::Ok, "New (create) of level");
  return 0;
}

}  // namespace tessora
