// The solvability control on the board model (control/solving.h).
#include "control/solving.h"

#include "control/solver.h"
#include "methods/detector_memory.h"
#include "methods/detectors.h"

namespace tessora {

std::optional<std::pair<int, int>> FirstRepeatedValue(const Board& board) {
  for (int z = 0; z < kZones; ++z)
    for (int i = 0; i < 8; ++i) {
      const int a = ZoneCells[z][i];
      if (!board.Filled(a)) continue;
      for (int j = i + 1; j < 9; ++j) {
        const int b = ZoneCells[z][j];
        if (board.Filled(b) && board.Value(b) == board.Value(a)) return std::pair{a, b};
      }
    }
  return std::nullopt;
}

bool HasRepeatedValue(const Board& board) {
  for (int z = 0; z < kZones; ++z) {
    unsigned seen = 0;
    for (int c : ZoneCells[z]) {
      if (!board.Filled(c)) continue;
      const unsigned bit = 1u << board.Value(c);
      if (seen & bit) return true;
      seen |= bit;
    }
  }
  return false;
}

bool IsSolvedBoard(const Board& board) {
  return board.FilledCells() == (~CellSet{0} >> (128 - kCells)) && !HasRepeatedValue(board);
}

Board RecordedBoard(const Board& board) {
  Board r = board;
  for (int c = 0; c < kCells; ++c) {
    const Origin o = board.OriginOf(c);
    const Origin mark = o == Origin::Keyed || o == Origin::Solver ? o : Origin::None;
    if (board.Filled(c)) {
      r.SetValue(c, board.Value(c), mark == Origin::None ? Origin::Given : mark);
      r.Can[c] = CandText();
    } else {
      r.ClearValue(c, mark);
      r.Can[c] = board.Can[c].HasDigits() ? board.Can[c] : CandText();
    }
  }
  return r;
}

namespace {

// The loop's working state: the board and the counts the window keeps beside it.
class SolvingLoop {
 public:
  SolvingLoop(const Board& board, int filled, bool consistent, const ControlOptions& options)
      : options_(options), memory_(options.useDetectorMemory) {
    o_.board = board;
    o_.filledCount = filled;
    o_.consistent = consistent;
    scope_.pause = options.pause;
  }

  SolvingOutcome Run() {
    Loop();
    return std::move(o_);
  }

 private:
  Board& board() { return o_.board; }

  // A value written in the control's origin, and its digit taken from the
  // peers' candidates.
  void Write(int cell, int digit) {
    board().SetValue(cell, digit, options_.valueOrigin);
    board().Can[cell] = CandText::Filled();
    o_.filledCount += 1;
    o_.suggestions += 1;
    Propagate(cell, digit);
  }

  void Note(LoopEvent e) {
    if (o_.events.empty() || o_.events.back() != e) o_.events.push_back(e);
  }

  void Propagate(int cell, int digit) {
    if (!wrote_) Note(LoopEvent::FirstValue);
    wrote_ = true;
    const Propagation p = board().Propagate(cell, digit);
    o_.consistent = p.consistent;
    // A failed trial is the loop's own business; before any trial the data
    // contradict themselves.
    if (!p.consistent && !o_.trialMode) {
      o_.contradictions += 1;
      o_.events.push_back(LoopEvent::Contradiction);
    }
  }

  // A step applied as the control applies it: a placement written and
  // propagated, or the first pattern digit the target holds removed.
  void Apply(const Step& s) {
    if (s.IsPlacement()) {
      Write(s.cell, s.digit);
      o_.progress = true;
      return;
    }
    for (int i = 0; i < s.digitCount; ++i)
      if (board().Can[s.cell].Remove(s.digits[i])) break;
    o_.suggestions += 1;
    o_.progress = true;
  }

  bool TrialFailed() const { return o_.trialMode && !o_.consistent; }

  TrialRow& CurrentRow() { return o_.trialTable[o_.trialNumber - 1]; }

  void ExcludeTrial() {
    TrialRow& row = CurrentRow();
    row.mark = row.cell;
    row.cell = kExcludedTrial;
  }

  // Applies a step the loop found; false when it broke the current trial,
  // whose row is then excluded.
  bool Applied(const Step& s) {
    Apply(s);
    memory_.BoardChanged();
    if (!TrialFailed()) return true;
    ExcludeTrial();
    return false;
  }

  // Hidden sets as the control applies them: reductions, and a hidden single
  // placed whatever the set size.
  bool Reduced(const MethodRow& m) {
    const HiddenReduction r = memory_.Reduce(board(), m, scope_, true);
    if (r.reductions) {
      o_.suggestions += r.reductions;
      o_.progress = true;
      memory_.BoardChanged();
    }
    return !r.single.Found() || Applied(r.single);
  }

  // The board recorded at the first trial shown again, with the counts it had.
  void Restore() {
    board() = RecordedBoard(o_.recorded);
    o_.suggestions = o_.savedSuggestions;
    o_.filledCount = o_.savedFilled;
    Note(LoopEvent::Restored);
  }

  // The first trial: the table of every candidate of every empty cell, the
  // board recorded, the plan of which rows can complete it.
  void BeginTrials() {
    o_.trialTable.clear();
    for (int c = 0; c < kCells; ++c)
      for (std::uint16_t m = board().Can[c].Mask(); m; m &= m - 1)
        o_.trialTable.push_back(TrialRow{c, std::countr_zero(m), -1});
    o_.savedSuggestions = o_.suggestions;
    o_.recorded = board();
    o_.savedFilled = o_.filledCount;
    o_.savedConsistent = o_.consistent;
    o_.trialFilter = PlanTrials(board(), options_.useTrialPlan);
    // Where the fine score follows its trials from: this board and the
    // digits of its solution (known whether or not the plan is used).
    o_.trialStarted = true;
    o_.firstTrial.board = board();
    const std::vector<std::uint16_t> solution = options_.useTrialPlan ? o_.trialFilter : PlanTrials(board(), true);
    for (int i = 0; i < kCells; ++i) o_.firstTrial.solution[i] = solution.empty() ? 0 : solution[i];
    // The methods keep every solution, so this board has those of the scheme.
    o_.severalSolutions = solution.empty();
  }

  // The next trial row played on the recorded board; false when none is left.
  bool StartTrial() {
    for (;;) {
      o_.trialCount += 1;
      if (!o_.trialMode) BeginTrials();
      else Restore();
      const int total = static_cast<int>(o_.trialTable.size());
      const bool restored = o_.trialMode;
      o_.trialMode = true;
      o_.trialNumber += 1;
      // Rows whose digit no solution of the scheme holds cannot complete the
      // board; they are excluded without being played.
      bool skipped = false;
      while (o_.trialNumber <= total && !o_.trialFilter.empty()) {
        const TrialRow& row = CurrentRow();
        if (o_.trialFilter[row.cell] >> row.digit & 1) break;
        ExcludeTrial();
        o_.trialCount += 1;
        o_.trialNumber += 1;
        skipped = true;
      }
      // A row played and failed is followed by the recorded board shown
      // again: after rows skipped unplayed the board is left as if they had been.
      if (skipped && !restored) Restore();
      if (o_.trialNumber > total) {
        // No row left: the recorded board stands, not the last failed trial.
        o_.consistent = o_.savedConsistent;
        return false;
      }
      const TrialRow& row = CurrentRow();
      Write(row.cell, row.digit);
      if (o_.consistent) return true;
      ExcludeTrial();
    }
  }

  void Loop() {
    const MethodRow& lone = *MethodOf(Code::USO);
    const MethodRow& single = *MethodOf(Code::CFC);
    const MethodRow& hidden = *MethodOf(Code::Xx1);
    bool needTrial = false;
    for (;;) {
      if (needTrial) {
        if (options_.stopAtTrial) return;
        memory_.Forget();
        if (!StartTrial()) return;
        needTrial = false;
        continue;
      }
      o_.progress = false;
      // Single Cell first, applied until no zone is left with one empty cell.
      bool broke = false;
      for (Step s; !broke && (s = memory_.Find(board(), lone, scope_)).Found();) broke = !Applied(s);
      if (broke) {
        needTrial = true;
        continue;
      }
      if (o_.progress) continue;
      if (o_.candidatesReady) {
        // Single Number once the candidates exist.
        if (const Step s = memory_.Find(board(), single, scope_); s.Found()) {
          if (!Applied(s)) needTrial = true;
          continue;
        }
      } else {
        // Hidden singles until they do.
        if (!Reduced(hidden)) {
          needTrial = true;
          continue;
        }
        if (o_.progress) continue;
        RecountCandidates(board());
        memory_.BoardChanged();
        o_.candidatesReady = true;
        Note(LoopEvent::CandidatesRecounted);
        continue;
      }
      // Then the fixed order.
      for (const MethodRow* m : ControlOrder()) {
        if (m->find == static_cast<Finder>(&FindHiddenSet)) {
          needTrial = !Reduced(*m);
        } else if (const Step s = memory_.Find(board(), *m, scope_); s.Found()) {
          needTrial = !Applied(s);
        }
        Note(LoopEvent::FixedOrderRan);
        if (needTrial || o_.progress) break;
      }
      if (needTrial || o_.progress) continue;
      if (o_.filledCount >= 81 || options_.creating) {
        // A trial that fills the board but breaks a zone has failed.
        if (o_.trialMode && !IsSolvedBoard(board())) {
          ExcludeTrial();
          needTrial = true;
          continue;
        }
        return;
      }
      needTrial = true;
    }
  }

  const ControlOptions& options_;
  DetectorMemory memory_;
  Scope scope_;
  bool wrote_ = false;
  SolvingOutcome o_;
};

}  // namespace

SolvingOutcome RunSolvingLoop(const Board& board, int filledCount, bool consistent, const ControlOptions& options) {
  return SolvingLoop(board, filledCount, consistent, options).Run();
}

WalkResult WalkPriority(const Board& board, std::span<const MethodGroup* const> order, bool allCandidatesShown,
                        DetectorMemory* memory, const Scope& scope) {
  WalkResult r;
  for (const MethodGroup* g : order) {
    r.visitedGroup = true;
    if (!g) continue;
    // The group's methods in turn: group 02 looks for a cell with one
    // candidate after a zone with one empty cell, whatever that found.
    for (const MethodRow* m : g->rows) {
      if (m->needsHatching) {
        // With all candidates shown the crossing cannot be seen.
        if (allCandidatesShown) continue;
        r.ranHatching = true;
      }
      const Step s = memory ? memory->Find(board, *m, scope) : m->find(board, m->k, scope);
      if (!s.Found()) continue;
      r.step = s;
      r.found[r.foundCount++] = s;
    }
    if (r.foundCount) break;
  }
  return r;
}

ReplayOutcome ReplaySolution(const Board& start, int filled, const ReplayOptions& options) {
  ReplayOutcome o;
  Board board = start;
  DetectorMemory memory(options.useDetectorMemory);
  Scope scope;
  scope.pause = options.pause;
  bool allShown = options.allCandidatesShown;
  int n = filled;
  // Every step fills a cell or removes a candidate, so the replay is bounded.
  for (int guard = 0; guard < 2000; ++guard) {
    WalkResult walk = WalkPriority(board, options.order, allShown, &memory, scope);
    o.walked = o.walked || walk.visitedGroup;
    for (int i = 0; i < walk.foundCount; ++i) o.recorded.push_back(walk.found[i]);
    Step step = walk.step;
    bool progress = walk.foundCount > 0;
    if (!progress && n < 81 && options.trial) {
      // The trial of the control, where no method helps.
      step = Placement(Code::ZZZ, options.trial->cell, options.trial->digit);
      o.recorded.push_back(step);
      progress = true;
    }
    o.progress = progress;
    if (!progress || step.cell < 0 || step.cell >= kCells) break;
    const int cell = step.cell;
    ReplayMove move;
    move.step = step;
    // A step that leaves its cell one candidate places it, as its record
    // reads (a value of one digit).
    move.places = step.IsPlacement() || DigitCount(step.keep) == 1;
    move.digit = step.IsPlacement() ? step.digit : CandText::FromMask(step.keep).FirstDigit();
    move.keep = step.keep;
    if (move.places) {
      n += 1;
      board.Place(cell, move.digit, Origin::Solver);
      o.placed |= CellBit(cell);
      // The generator's runs show every candidate from the first value on.
      if (options.creating) allShown = true;
      o.firstWritePropagated = true;
      board.Propagate(cell, move.digit);
    } else {
      board.Can[cell] = step.keep ? CandText::FromMask(step.keep) : CandText();
    }
    o.methodUse[MethodOf(step.code)->Counter()] += 1;
    o.moves.push_back(move);
    memory.BoardChanged();
    options.pause();
  }
  return o;
}

PriorityOrder StandardPriorityOrder() {
  PriorityOrder order;
  for (const MethodGroup& g : MethodGroups()) order.push_back(&g);
  return order;
}

ControlOutcome ControlScheme(const Board& givens, const SchemeControl& options) {
  ControlOutcome out;
  out.repeated = FirstRepeatedValue(givens);
  if (out.repeated) {
    out.result = ControlResult::RepeatedValues;
    return out;
  }
  int filled = 0;
  for (int c = 0; c < kCells; ++c) filled += givens.Filled(c);
  out.givens = filled;
  out.loop = RunSolvingLoop(givens, filled, true, options.control);
  out.suggestions = out.loop.suggestions;
  out.trials = out.loop.trialCount;
  if (out.loop.contradictions) {
    out.result = ControlResult::Contradiction;
    return out;
  }
  if (!(out.loop.filledCount >= 81 && IsSolvedBoard(out.loop.board))) {
    out.result = ControlResult::Failed;
    return out;
  }
  out.result = ControlResult::Solved;
  for (int c = 0; c < kCells; ++c) out.solution[c] = out.loop.board.Value(c);
  // The methods keep every solution: a scheme they finish without trials has
  // one, and the first trial's plan counts those of one that needs them.
  out.unique = !out.loop.severalSolutions;
  // The replay starts from the scheme's values with their candidates counted
  // again, as the window's board stands after the control.
  Board replayBoard;
  for (int c = 0; c < kCells; ++c)
    if (givens.Filled(c)) replayBoard.Place(c, givens.Value(c), Origin::Given);
  RecountCandidates(replayBoard);
  ReplayOptions replay;
  replay.order = options.order.empty() ? StandardPriorityOrder() : options.order;
  replay.creating = options.control.creating;
  if (out.loop.trialMode)
    if (const TrialRow* row = out.loop.StandingTrial()) replay.trial = *row;
  replay.useDetectorMemory = options.control.useDetectorMemory;
  replay.pause = options.control.pause;
  out.replay = ReplaySolution(replayBoard, filled, replay);
  out.rating = Rate(out.replay.methodUse, out.loop.trialCount, options.control.creating);
  return out;
}

}  // namespace tessora
