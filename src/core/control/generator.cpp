// The generator's pure rules: its seed grids and the symmetries it thins them by.
#include "control/generator.h"

#include <cstdio>
#include <string>

#include "control/solver.h"

namespace tessora {

namespace {

const char* const kSeedGrids[6][9] = {
    {"edaigfhbc", "figchbaed", "chbeadfig", "deifcgbha", "aghdbecfi", "bfchiadge", "iafgdhecb", "gbeafcidh",
     "hcdbeigaf"},
    {"fedibghca", "cgadehfbi", "ibhfacdeg", "dcebhagif", "gfiecdbah", "ahbgfiedc", "edcagfihb", "higcdbafe",
     "bafhiecgd"},
    {"ighcefabd", "bfdiagche", "eacdhbfgi", "fcghbidea", "aiegfdbch", "hdbecaifg", "geafichdb", "chibdegaf",
     "dbfagheic"},
    {"cihgbaedf", "adfhcebgi", "ebgfdihac", "habdfcgie", "icdeghafb", "gfeiabchd", "fhicegdba", "bgcaidfeh",
     "deabhficg"},
    {"cdeaibgfh", "ibhdgfeca", "fgaechbdi", "bacifdheg", "ehicbgfad", "gfdhaeibc", "dibgeachf", "acfbhidge",
     "hegfdcaib"},
    {"cfbdaiheg", "dgebchaif", "hiagfebcd", "baiehgdfc", "ghfadcibe", "ecdibfgah", "iehcgbfda", "fdchiaegb",
     "abgfedchi"},
};

}  // namespace

const char* const* SeedGrid(int index) { return kSeedGrids[index]; }

int SymmetricPartner(int cell, int kind) {
  const int r = cell / 9, c = cell % 9;
  int partner = cell;
  if (kind == 0) partner = 80 - cell;
  else if (kind == 1) partner = 9 * r + (8 - c);
  else partner = 9 * (8 - r) + c;
  return partner == cell ? -1 : partner;
}

}  // namespace tessora

namespace tessora {

SolutionGrid BuildSolutionGrid(Random& random, const Pause& pause) {
  SolutionGrid g;
  random.Randomize();
  g.seedIndex = static_cast<int>(random.Next() * 6 + 1);
  // The letters in a random order, and the digits in another.
  std::string letters = " abcdefghi ", digits = " 123456789 ";
  std::string letterOrder, digitOrder;
  random.Randomize();
  for (int n = 10; n >= 2; --n) {
    pause();
    int p = static_cast<int>((n - 1) * random.Next() + 2);
    letterOrder += letters[p - 1];
    letters.erase(p - 1, 1);
    p = static_cast<int>((n - 1) * random.Next() + 2);
    digitOrder += digits[p - 1];
    digits.erase(p - 1, 1);
  }
  const char* const* seed = SeedGrid(g.seedIndex - 1);
  for (int i = 0; i < 9; ++i) {
    const char letter = letterOrder[i];
    const int digit = digitOrder[digitOrder[i] - '1'] - '0';
    for (int r = 0; r < 9; ++r) g.digits[9 * r + std::string_view(seed[r]).find(letter)] = static_cast<std::uint8_t>(digit);
  }
  random.Randomize();
  g.symmetry = static_cast<int>(random.Next() * 3);
  return g;
}

ControlOutcome ControlCreated(const Grid& givens, const CreationOptions& options) {
  std::array<int, 81> grid{};
  for (int c = 0; c < kCells; ++c) grid[c] = givens[c];
  // A scheme with more than one solution is refused like one the control cannot solve.
  if (CountSolutions(grid, 2) != 1) return ControlOutcome{};
  Board board;
  for (int c = 0; c < kCells; ++c)
    if (givens[c]) board.Place(c, givens[c], Origin::Given);
  SchemeControl control;
  control.control.creating = true;
  control.control.useTrialPlan = options.useTrialPlan;
  control.control.useDetectorMemory = options.useDetectorMemory;
  control.control.pause = options.pause;
  return ControlScheme(board, control);
}

CreatedScheme CreateScheme(Random& random, const CreationOptions& options) {
  CreatedScheme s;
  s.solution = BuildSolutionGrid(random, options.pause);
  const int kind = s.solution.symmetry;
  s.givens = s.solution.digits;
  // The cells that may still be removed: those of the solution not yet put back.
  Grid removable = s.solution.digits;
  bool haveFallback = false, failed = false;
  Grid fallback{};
  std::vector<int> fallbackRemoved;
  const int fallbackTarget = kCells - options.fallbackGivens;
  const int stopTarget = kCells - options.minGivens;
  auto removedCount = [&] { return static_cast<int>(s.removed.size()); };
  auto control = [&] {
    s.controls += 1;
    const ControlOutcome o = ControlCreated(s.givens, options);
    failed = o.result != ControlResult::Solved;
    return o;
  };
  for (;;) {
    // A cell neither removed nor kept, whose removal (with its partner)
    // keeps at least MinGivens givens.
    auto pickable = [&](int c) {
      const int step = SymmetricPartner(c, kind) < 0 ? 1 : 2;
      return s.givens[c] && removable[c] && removedCount() + step <= stopTarget;
    };
    bool anyLeft = false;
    for (int c = 0; c < kCells && !anyLeft; ++c) anyLeft = pickable(c);
    if (!anyLeft) {
      // Nothing left to try: the scheme stays as it is.
      if (failed) control();
      break;
    }
    int cell;
    for (;;) {
      cell = static_cast<int>(random.Next() * 81);
      options.pause();
      if (pickable(cell)) break;
    }
    for (int c : {cell, SymmetricPartner(cell, kind)}) {
      if (c < 0) continue;
      s.removed.push_back(c);
      s.givens[c] = 0;
    }
    const ControlOutcome o = control();
    if (!failed) {
      if (removedCount() >= fallbackTarget) {
        fallback = s.givens;
        fallbackRemoved = s.removed;
        haveFallback = true;
      }
      if (o.rating == Rating::Difficult || o.rating == Rating::Diabolic) break;
      if (removedCount() >= stopTarget) break;
      continue;
    }
    // The control failed: the last removal is undone and its cells kept.
    const int last = s.removed.back();
    for (int c : {last, SymmetricPartner(last, kind)}) {
      if (c < 0 || s.removed.empty()) continue;
      s.removed.pop_back();
      s.givens[c] = s.solution.digits[c];
      removable[c] = 0;
      s.kept |= CellBit(c);
      s.protectedCount += 1;
    }
    if (removedCount() + s.protectedCount + 6 > kCells && haveFallback) {
      s.givens = fallback;
      s.removed = fallbackRemoved;
      control();
      break;
    }
  }
  return s;
}

std::string CreatedSchemeName(std::optional<Rating> rating, int number, int seedIndex, int symmetry) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%03d", number);
  const std::string letters = rating ? std::string(RatingWord(*rating)).substr(0, 3) : "???";
  return letters + digits + "Cr" + std::to_string(seedIndex) + std::to_string(symmetry);
}

}  // namespace tessora
