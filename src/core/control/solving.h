// The solvability control on the board model: the check for repeated values,
// the solving loop (the registry's methods in the control's order, then
// single-level trials), the replay of the solution in the user's priority
// order and the rating. Everything here works on a copy of the board it is
// given and returns what happened as typed data; the window writes that into
// its labels, lists and blackboard, and the command line into its reports.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "board/board.h"
#include "control/score.h"
#include "methods/registry.h"
#include "methods/scope.h"

namespace tessora {

class DetectorMemory;

// The method counters of a replay, one per registry row (MethodRow::Counter).
using MethodCounts = std::array<int, kMethodRows>;

// One row of the trial table: a cell and a candidate digit to try. An
// excluded row has cell kExcludedTrial and keeps its cell in `mark`.
struct TrialRow {
  int cell = 0;
  int digit = 0;
  int mark = -1;  // -1: not excluded
};

constexpr int kExcludedTrial = 99;

// The first two cells of a zone holding the same value (zones in order, cells
// in zone order), or nothing when no zone holds a value twice.
std::optional<std::pair<int, int>> FirstRepeatedValue(const Board& board);
// Some zone holds a value twice.
bool HasRepeatedValue(const Board& board);
// Every cell filled and no zone holding a value twice.
bool IsSolvedBoard(const Board& board);

// The board as the control records it when its first trial begins and shows
// it again before every further trial: values and the origins a saved image
// keeps (a filled cell that is neither keyed nor the control's own counts as
// a given; an empty cell keeps a keyed or control mark), the candidates of
// the empty cells that have any, no candidate text on the others.
Board RecordedBoard(const Board& board);

struct ControlOptions {
  // The generator's runs: no trials, the loop ends where the methods stop.
  bool creating = false;
  // Skip trial rows that no solution holds (off only to check that skipping
  // changes nothing).
  bool useTrialPlan = true;
  // Let the loop remember where each detector found nothing
  // (methods/detector_memory.h; off only to check that this changes nothing).
  bool useDetectorMemory = true;
  // The loop stops where it would begin its first trial (the generator's
  // runs that only need to know whether the methods finish the scheme).
  bool stopAtTrial = false;
  // The origin of the values the loop writes.
  Origin valueOrigin = Origin::Solver;
  // Where the long scans let the window process its events.
  Pause pause;
};

// What the solving loop met on its way that a window shows, in order (a run
// of the same event is kept once).
enum class LoopEvent : std::uint8_t {
  FirstValue,          // the first value was written
  CandidatesRecounted, // hidden singles gave way to the candidates
  Contradiction,       // a value left an empty cell without a candidate, outside the trials
  FixedOrderRan,       // a method of the fixed order ran
  Restored,            // the board recorded at the first trial was taken up again
};

// What the solving loop did, and the board it left.
struct SolvingOutcome {
  Board board;               // where the loop stopped
  int filledCount = 0;       // the values on it as the loop counts them
  bool consistent = true;    // the last placement left every empty cell a candidate
  int suggestions = 0;       // the steps and trial placements it made
  bool progress = false;     // the last pass of the methods changed the board
  // Hidden singles gave way to the candidates (recounted from the values).
  bool candidatesReady = false;
  // Placements that left an empty cell without a candidate outside the
  // trials: the data contradict themselves.
  int contradictions = 0;
  std::vector<LoopEvent> events;

  // The trials.
  bool trialMode = false;          // a trial was begun (and stands, or all failed)
  int trialCount = 0;              // rows tried or excluded, as the report counts them
  std::vector<TrialRow> trialTable;
  int trialNumber = 0;             // the row being tried, 1-based; 0 before any trial
  std::vector<std::uint16_t> trialFilter;  // PlanTrials of the recorded board
  int savedSuggestions = 0;        // the counts when the first trial began
  int savedFilled = 0;
  bool savedConsistent = true;
  // The board where the first trial began, as it stood (the window records
  // its text image from it) and its solution's digits for the fine score.
  Board recorded;
  bool trialStarted = false;
  TrialStart firstTrial;
  // The scheme has more than one solution (known at its first trial, which
  // such a scheme always needs).
  bool severalSolutions = false;

  // The trial row that stands, or null.
  const TrialRow* StandingTrial() const {
    return trialNumber >= 1 && trialNumber <= static_cast<int>(trialTable.size()) ? &trialTable[trialNumber - 1]
                                                                                  : nullptr;
  }
};

// The solving loop from `board`: Single Cell until no zone has one empty
// cell, then Single Number once the candidates exist (hidden singles until
// then), then the fixed order, restarting after every step; when nothing
// applies, the next row of the trial table. `filledCount` and `consistent`
// are the window's counts when the control begins.
SolvingOutcome RunSolvingLoop(const Board& board, int filledCount, bool consistent, const ControlOptions& options);

// The priority order of the walk: the method groups in the user's order.
using PriorityOrder = std::vector<const MethodGroup*>;

// One walk over the priority order.
struct WalkResult {
  Step step;                 // the step the walk settles on (code None: nothing found)
  // Every step a detector found in the group that found one, in the order
  // they were found: the record is written from each in turn (group "02"
  // runs Single Number even after Single Cell found a step).
  std::array<Step, 2> found{};
  int foundCount = 0;
  bool ranHatching = false;  // a method that needs the hatchings ran
  bool visitedGroup = false; // the walk reached at least one row of the order
};

// The first step any group of the order finds, its methods in turn. With
// every candidate shown (`allCandidatesShown`) the methods that need the
// hatchings are passed over. A loop of walks passes its detector memory.
WalkResult WalkPriority(const Board& board, std::span<const MethodGroup* const> order, bool allCandidatesShown,
                        DetectorMemory* memory, const Scope& scope);

// One move of the replay.
struct ReplayMove {
  Step step;          // as the walk found it (a trial placement: Code::ZZZ)
  bool places = false;  // the move writes a value (a placement, or one candidate left)
  int digit = 0;        // the value written
  std::uint16_t keep = 0;  // otherwise the candidates left
};

struct ReplayOptions {
  PriorityOrder order;
  // The walk sees every candidate shown from the start, or (the generator's
  // runs) from the first value the replay writes.
  bool allCandidatesShown = false;
  bool creating = false;
  // The control's standing trial: played where no method helps.
  std::optional<TrialRow> trial;
  bool useDetectorMemory = true;
  // Where the replay lets the window process its events (after every move).
  Pause pause;
};

struct ReplayOutcome {
  std::vector<ReplayMove> moves;
  // The steps the record was written from, in order (the walks' findings and
  // the trial placements).
  std::vector<Step> recorded;
  MethodCounts methodUse{};
  CellSet placed = 0;          // the cells the replay wrote a value in
  bool progress = false;       // the last walk found a step (the replay was cut short)
  bool walked = false;         // a walk visited a group of the order
  bool firstWritePropagated = false;  // the replay wrote a value
};

// Plays the solution again from `board` (the scheme's values and their
// candidates), a walk over the priority order a move; `filled` is the
// window's count of values.
ReplayOutcome ReplaySolution(const Board& board, int filled, const ReplayOptions& options);

// The result of a whole control.
enum class ControlResult {
  Solved,          // the methods (and the trials) solved it
  RepeatedValues,  // a zone holds a value twice: nothing ran
  Contradiction,   // the data contradict themselves
  Failed,          // the methods and the trials could not finish it
};

// A whole control as the command line runs it: the givens of `board`, no
// window, the standard priority order unless another is given.
struct ControlOutcome {
  ControlResult result = ControlResult::Failed;
  std::optional<std::pair<int, int>> repeated;  // RepeatedValues: the first pair
  SolvingOutcome loop;
  ReplayOutcome replay;
  Rating rating = Rating::Easy;    // Solved only
  int givens = 0;                  // the values of the scheme
  int suggestions = 0;             // the loop's steps, as the report counts them
  int trials = 0;                  // the trial rows the loop tried or excluded
  // Solved: every cell's digit of the solution the control found.
  std::array<std::uint8_t, kCells> solution{};
  // Solved: the scheme has exactly one solution.
  bool unique = false;
  // The fine score's inputs: the replay's counters and, when the loop needed
  // trials, where the first began.
  const TrialStart* FirstTrial() const {
    return loop.trialCount > 0 && loop.trialStarted ? &loop.firstTrial : nullptr;
  }
};

struct SchemeControl {
  ControlOptions control;
  PriorityOrder order;  // empty: the standard order
};

// The control of a scheme given as a board of givens (the other cells empty).
ControlOutcome ControlScheme(const Board& givens, const SchemeControl& options = {});

// The groups of the standard priority order.
PriorityOrder StandardPriorityOrder();

}  // namespace tessora
