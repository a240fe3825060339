// The scheme generator's rules: the six seed grids a new scheme is made from
// (letters a..i, relabelled with digits at random) and the symmetries its
// cells are removed by.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "board/cells.h"
#include "control/solving.h"
#include "methods/scope.h"

namespace tessora {

// The random numbers the generator draws; the window's come from its platform.
class Random {
 public:
  virtual ~Random() = default;
  // Starts a new sequence (a fixed one stays as it is).
  virtual void Randomize() = 0;
  // A number in [0, 1).
  virtual double Next() = 0;
};

// A grid of 81 digits, 0 for an empty cell.
using Grid = std::array<std::uint8_t, kCells>;

constexpr int kSeedGridCount = 6;

// The nine rows of seed grid `index` (0..5), as letters a..i.
const char* const* SeedGrid(int index);

// The cell removed together with `cell` under a symmetry kind (0 central,
// 1 left-right, 2 top-bottom), or -1 for a cell that is its own partner.
int SymmetricPartner(int cell, int kind);

}  // namespace tessora

namespace tessora {

// A solution grid: a seed grid (1..6) relabelled at random, and the symmetry
// its cells will be removed by.
struct SolutionGrid {
  Grid digits{};
  int seedIndex = 1;
  int symmetry = 0;
};
// Draws the seed grid, the relabelling and the symmetry; `pause` runs once
// per letter.
SolutionGrid BuildSolutionGrid(Random& random, const Pause& pause = {});

struct CreationOptions {
  int minGivens = 27;       // never fewer givens
  int fallbackGivens = 33;  // a scheme with at most this many is kept to fall back on
  bool useTrialPlan = true;
  bool useDetectorMemory = true;
  Pause pause;              // once per cell drawn, and where the control's scans pause
};

// A scheme thinned from a solution grid.
struct CreatedScheme {
  SolutionGrid solution;
  Grid givens{};            // the scheme: the solution's digits left, 0 where removed
  std::vector<int> removed; // the cells removed, in order
  int protectedCount = 0;   // cells put back when their removal made the control fail
  CellSet kept = 0;         // those cells
  int controls = 0;         // controls run on the way
};

// The control of a created scheme as the generator judges it: refused
// (Failed) when the scheme has more than one solution or the methods alone
// cannot finish it; the rating counts by the creation's rules.
ControlOutcome ControlCreated(const Grid& givens, const CreationOptions& options);

// "New (create)": pairs of symmetric cells removed at random while the
// control still finishes the scheme, until it is rated Difficult or above, or
// has MinGivens givens; a removal that makes the control fail is undone and
// its cells kept.
CreatedScheme CreateScheme(Random& random, const CreationOptions& options = {});

// The name of a created scheme: its rating's first three letters (as the
// user is shown it; "???" when it has none), its number, its seed grid and its
// symmetry ("Dif007Cr41").
std::string CreatedSchemeName(std::optional<Rating> rating, int number, int seedIndex, int symmetry);

// The creations made for one scheme before "New (create) of level" and the
// F11 batch give up.
constexpr int kMaxLevelAttempts = 10000;
// The names the batch tries for one scheme before it gives up.
constexpr int kMaxFreeNameTries = 100000;
// The schemes of the F11 batch.
constexpr int kBatchFiles = 10;

}  // namespace tessora
