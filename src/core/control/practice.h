// Practice positions: boards where a chosen method gives the next step of the
// walk in the standard order, for a learner to find that step. Plain data on
// the board model; the window and the command line both take them from here.
//
// A position comes from a scheme with exactly one solution (made at random,
// or taken from a small bank of public schemes for the methods that ordinary
// schemes seldom need), walked forward on the board model: the candidates
// counted from the givens, then the walk's steps applied as "Do it" plays
// them (a placement, or the cell's new candidate set), until the method is
// next. Every value and candidate of a position agrees with the solution.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "board/board.h"
#include "methods/registry.h"
#include "methods/step.h"

namespace tessora {

// The methods a position can be asked for: 1..16 (the trial is not one).
inline constexpr int kPracticeMethods = 16;

// A random source whose sequence, for a given seed, is the same everywhere
// (the positions of a seed are part of the command line's output).
class PracticeRandom {
 public:
  explicit PracticeRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // Uniform in 0..n-1 (n >= 1).
  int Below(int n);

 private:
  std::uint64_t state_;
};

// Whether the walk sees the candidates. "At a glance" is a crossing of the
// values and is looked for only while the candidates are hidden; every other
// method is worked on the candidates. A practice position of methods 1 and 2
// is shown with the candidates hidden, the others with all of them shown.
bool CandidatesShownFor(int method);

// The walk in the standard order on a board: the first step of the first
// group whose methods find one (group 02: a cell with one candidate before a
// zone with one empty cell), or a step whose code is None.
Step StandardStep(const Board& board, bool candidatesShown);

// A step applied as "Do it" plays it: a placement written and propagated, an
// elimination giving the cell its new candidates (a single one placed).
void ApplyAsDoIt(Board& board, const Step& step);

// A move of the user's: a digit written into a cell, or candidates removed
// from one.
struct PracticeMove {
  int cell = -1;
  int digit = 0;              // 1..9: a placement
  std::uint16_t removed = 0;  // otherwise the digits removed (bits 1..9)
  bool IsPlacement() const { return digit != 0; }
};

// Whether the move is a step the method finds on the board (before the move):
// a placement the method makes, directly or by leaving the cell one
// candidate, or a removal of digits the method removes from that cell (some
// of them at least, none other), or a removal that leaves the cell the one
// candidate the method places. "At a glance" counts only while the
// candidates are hidden, as the walk has it.
bool MoveIsStepOf(const Board& before, const PracticeMove& move, int method, bool candidatesShown);
// The first method, in the standard order, whose step the move is; 0 when none.
int MethodOfMove(const Board& before, const PracticeMove& move, bool candidatesShown);

// A scheme with exactly one solution, made at random: a full grid, then its
// cells taken away in random order while one solution is left.
struct PracticeScheme {
  std::array<std::uint8_t, kCells> givens{};
  std::array<std::uint8_t, kCells> solution{};
};
PracticeScheme MakeRandomScheme(PracticeRandom& random);

struct PracticePosition {
  int method = 0;
  std::array<std::uint8_t, kCells> givens{};    // the scheme's givens, 0 empty
  std::array<std::uint8_t, kCells> values{};    // the position's values, 0 empty
  std::array<std::uint16_t, kCells> candidates{};  // of every empty cell; 0 for a filled one
  std::array<std::uint8_t, kCells> solution{};
  bool candidatesShown = true;
  // The method's step (as the method describes it; the walk's step has the
  // same target and effect), and that step as moves: the placement, or every
  // removal its pattern makes (the step's own target first).
  Step step;
  std::vector<PracticeMove> moves;
  // How the position was reached: schemes tried, steps walked, a bank scheme.
  int schemes = 0;
  int walked = 0;
  bool fromBank = false;

  // The position on a board model: the givens as given, the other values as
  // keyed, the candidates as the position has them.
  Board ToBoard() const;
};

// Whether the method's step is the next step of a board whose walk in the
// standard order gives `walk`: the walk's step is the method's own, or, for a
// method whose steps an earlier method finds too (Naked Triples and Naked
// Quads are special cases of 3 and 4 Candidates Share 3 and 4 Cells; Hidden
// Triples and Quads are the naked sets of the zone's other empty cells), the
// method's own detector finds first, in the zone of the walk's step, the very
// step the walk gives. `own`: the step as the method describes it.
bool IsNextStepOf(const Board& board, const Step& walk, int method, Step& own);

// Walks a scheme forward from its givens: the candidates counted, then the
// walk's steps applied as "Do it" plays them (where no method applies, the
// solution's digit is placed in a cell with the fewest candidates). `visit`
// sees each board with its walk step and the steps walked before it, and
// stops the walk by returning true. `stuckCells`, when given, collects the
// cells that took the solution's digit so.
void WalkScheme(const PracticeScheme& scheme, bool candidatesShown, PracticeRandom& random,
                const std::function<bool(const Board&, const Step&, int)>& visit,
                std::vector<int>* stuckCells = nullptr);

// Whether the positions of the method come from the bank's schemes.
bool UsesBank(int method);

// A practice position of the method (1..16), or nothing when none came out
// of `maxSchemes` schemes: made at random, and for a method the bank holds
// schemes of, the bank's once kRandomBeforeBank made at random gave none.
inline constexpr int kRandomBeforeBank = 24;
std::optional<PracticePosition> MakePracticePosition(int method, PracticeRandom& random, int maxSchemes = 2000);

// The bank: public schemes in which the rarer methods come up, each with the
// method it was kept for (control/practice_bank.txt).
struct BankScheme {
  int method;
  std::string puzzle;  // 81 characters, "." empty
};
const std::vector<BankScheme>& PracticeBank();

// The same scheme seen another way (digits relabelled, rows and columns
// moved within their bands and stacks, bands and stacks moved, possibly
// turned over its diagonal): one solution still, the same methods needed.
std::array<std::uint8_t, kCells> Transformed(const std::array<std::uint8_t, kCells>& grid, PracticeRandom& random);

// The position as text: 81 characters of values ("." empty), and the
// candidates of a cell as its digits ("" for a filled cell).
std::string GridText(const std::array<std::uint8_t, kCells>& grid);

}  // namespace tessora
