// "New (create)": a new scheme from one of six seed grids, relabelled at
// random and thinned in symmetric pairs while the control can still solve it;
// and the F11 batch that writes ten created schemes.
#include <cstdio>
#include <fstream>

#include "control/generator.h"
#include "control/solver.h"
#include "files/scheme_format.h"
#include "ui/form1.h"

namespace tessora {

void Form1::BuildSolutionGrid() {
  auto& grids = gen.SeedGrids;
  grids[0].fill(std::string(9, ' '));
  for (int g = 1; g <= 6; ++g)
    for (int r = 0; r < 9; ++r) grids[g][r] = SeedGrid(g - 1)[r];
  platform.Randomize();
  gen.SeedIndex = static_cast<int>(platform.Rnd() * 6 + 1);
  std::string letters = " abcdefghi ", digits = " 123456789 ";
  std::string letterOrder, digitOrder;
  platform.Randomize();
  for (int n = 10; n >= 2; --n) {
    DoEvents();
    int p = static_cast<int>((n - 1) * platform.Rnd() + 2);
    letterOrder += letters[p - 1];
    letters.erase(p - 1, 1);
    p = static_cast<int>((n - 1) * platform.Rnd() + 2);
    digitOrder += digits[p - 1];
    digits.erase(p - 1, 1);
  }
  for (int i = 1; i <= 9; ++i) {
    const char letter = letterOrder[i - 1];
    const char digit = digitOrder[digitOrder[i - 1] - '1'];
    for (int r = 0; r < 9; ++r) {
      const std::string& row = grids[gen.SeedIndex][r];
      grids[0][r][row.find(letter)] = digit;
    }
  }
  platform.Randomize();
  gen.SymmetryKind = static_cast<int>(platform.Rnd() * 3);
}

// Feeds WorkGrid to the board and runs the control in creation mode.
void Form1::FeedCreatedScheme() {
  w.Fatti.caption = std::to_string(81 - gen.RemovedCount);
  control.Creating = true;
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

void Form1::mCrea_click() {
  const Drawn drawn(*this);
  Azzera_Click();
  gen.RemovedCount = 0;
  gen.RemovedCells.clear();
  bool haveFallback = false;
  std::array<std::string, 9> fallbackGrid{};
  int fallbackCount = 0;
  int protectedCount = 0;
  const int fallbackTarget = 81 - gen.FallbackGivens;
  const int stopTarget = 81 - gen.MinGivens;
  BuildSolutionGrid();
  gen.WorkGrid = gen.SeedGrids[0];
  auto blank = [](const std::array<std::string, 9>& g, int cell) { return g[cell / 9][cell % 9] == ' '; };

  for (;;) {
    // Pick a cell that is neither removed nor protected and whose removal
    // (with its partner) keeps at least MinGivens givens.
    auto pickable = [&](int c) {
      const int step = SymmetricPartner(c, gen.SymmetryKind) < 0 ? 1 : 2;
      return !blank(gen.WorkGrid, c) && !blank(gen.SeedGrids[0], c) && gen.RemovedCount + step <= stopTarget;
    };
    bool anyLeft = false;
    for (int c = 0; c < kCells && !anyLeft; ++c) anyLeft = pickable(c);
    if (!anyLeft) {
      // Nothing left to try: the scheme stays as it is, back on the board.
      if (control.ControlFailed) FeedCreatedScheme();
      break;
    }
    int cell;
    for (;;) {
      cell = static_cast<int>(platform.Rnd() * 81);
      DoEvents();
      if (pickable(cell)) break;
    }
    // Remove it with its symmetric partner.
    for (int c : {cell, SymmetricPartner(cell, gen.SymmetryKind)}) {
      if (c < 0) continue;
      gen.RemovedCells.push_back(c);
      gen.WorkGrid[c / 9][c % 9] = ' ';
      gen.RemovedCount += 1;
    }
    FeedCreatedScheme();
    if (!control.ControlFailed) {
      if (gen.RemovedCount >= fallbackTarget) {
        fallbackGrid = gen.WorkGrid;
        fallbackCount = gen.RemovedCount;
        haveFallback = true;
      }
      if (control.Difficulty == " Difficult" || control.Difficulty == " Diabolic") break;
      if (gen.RemovedCount >= stopTarget) break;
      continue;
    }
    // The control failed: undo the last removal step and protect its cells.
    const int last = gen.RemovedCells.back();
    const int partner = SymmetricPartner(last, gen.SymmetryKind);
    for (int c : {last, partner}) {
      if (c < 0 || gen.RemovedCells.empty()) continue;
      gen.RemovedCells.pop_back();
      gen.RemovedCount -= 1;
      gen.WorkGrid[c / 9][c % 9] = gen.SeedGrids[0][c / 9][c % 9];
      gen.SeedGrids[0][c / 9][c % 9] = ' ';
      protectedCount += 1;
    }
    if (gen.RemovedCount + protectedCount + 6 > 81 && haveFallback) {
      gen.WorkGrid = fallbackGrid;
      gen.RemovedCount = fallbackCount;
      FeedCreatedScheme();
      break;
    }
  }
  gen.ProtectedCount = protectedCount;

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
  char number[16];
  std::snprintf(number, sizeof number, "%03d", files.NewSchemeNo);
  const std::string rating = control.Difficulty.size() >= 4 ? control.Difficulty.substr(1, 3) : "???";
  files.SchemeFile = rating + number + "Cr" + std::to_string(gen.SeedIndex) + std::to_string(gen.SymmetryKind);
  w.caption = kProductTitle + " - " + files.SchemeFile;
}

void Form1::BatchCreate() {
  const Drawn drawn(*this);
  constexpr int kFiles = 10;
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
    } while (control.Difficulty == " Easy");
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

}  // namespace tessora
