#include "files/scheme_sheet.h"

#include "control/report.h"
#include "methods/detectors.h"

namespace tessora {

namespace {

int CountValues(const Board& b) {
  int n = 0;
  for (int c = 0; c < kCells; ++c) n += b.Filled(c);
  return n;
}

}  // namespace

SchemeSheetOutcome ControlSchemeForSheet(const SchemeText& text) {
  SchemeSheetOutcome out;
  const int n = text.count;
  std::array<std::string, kSchemeRows> rows{};
  for (int k = 0; k < n && k < kSchemeRows; ++k) rows[k] = text.rows[k];
  for (int r = 0; r < 9; ++r) out.rows[r] = rows[r];
  // A file whose last non-blank row comes before the candidate rows is a
  // plain scheme: every value is a given, the mark rows are not applied.
  int lastLine = n - 1;
  while (lastLine >= 0 && Trim(rows[lastLine]).empty()) --lastLine;
  const Board opened = DecodeBoardText(rows, lastLine < 18 ? std::min(n, 9) : n);

  if (FirstRepeatedValue(opened)) {
    out.result = ControlResult::RepeatedValues;
    return out;
  }
  ControlOptions options;
  options.valueOrigin = Origin::Solver;
  const SolvingOutcome loop = RunSolvingLoop(opened, CountValues(opened), true, options);
  if (loop.contradictions) {
    out.result = ControlResult::Contradiction;
    return out;
  }
  if (!(loop.filledCount >= 81 && IsSolvedBoard(loop.board))) {
    out.result = ControlResult::Failed;
    return out;
  }
  out.result = ControlResult::Solved;

  // The replay starts from the board the control leaves: after a trial the
  // scheme as its image shows it (the file's rows, with a saved game's own
  // candidates); its own values taken off; the candidates counted again
  // unless a saved game's stand after a trial.
  const bool trialUsed = loop.trialMode;
  Board board = trialUsed ? DecodeBoardText(rows, loop.trialStarted ? kSchemeRows : n) : loop.board;
  for (int c = 0; c < kCells; ++c)
    if (board.OriginOf(c) == Origin::Solver) board.ClearValue(c);
  if (!(trialUsed && lastLine >= 18)) RecountCandidates(board);
  ReplayOptions replay;
  replay.order = StandardPriorityOrder();
  if (trialUsed)
    if (const TrialRow* row = loop.StandingTrial()) replay.trial = *row;
  const ReplayOutcome r = ReplaySolution(board, CountValues(board), replay);
  for (const ReplayMove& m : r.moves) out.moves.push_back(MoveText(m));
  return out;
}

}  // namespace tessora
