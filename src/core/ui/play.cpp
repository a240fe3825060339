// "Play": the solvability control. It checks the data for repeated values,
// solves the scheme invisibly with the methods in a fixed order, falls back to
// single-level trials, reports, records the solution, replays it in the
// user's priority order and rates the scheme. The solving loop and the replay
// work on the board model; the labels follow at the next drawing.
#include <cstdio>

#include "control/report.h"
#include "control/solving.h"
#include "ui/form1.h"

namespace tessora {

namespace {

// Nine lines, one per row: each entry followed by a blank, one more blank at
// the end.
std::vector<std::string> SolutionLines(const SolutionDigits& solution) {
  std::vector<std::string> lines;
  for (int r = 0; r < 9; ++r) {
    std::string line;
    for (int c = 0; c < 9; ++c) line += solution.Text(9 * r + c) + " ";
    lines.push_back(line + " ");
  }
  return lines;
}

// Lets the window process its events (the hidden-set detector's pauses).
Pause WindowPause(Form1& f) {
  return {[](void* form) { static_cast<Form1*>(form)->DoEvents(); }, &f};
}

}  // namespace

void Form1::ApplyStep(const Step& s) {
  if (s.IsPlacement()) {
    ShowValue(s.cell, s.digit, control.ValueOrigin);
    board.Can[s.cell] = CandText::Filled();
    board.FilledCount += 1;
    methods.SuggestionCount += 1;
    methods.Progress = true;
    PropagateValue(s.cell, s.digit);
    return;
  }
  // One candidate a step: the first digit of the pattern the cell holds.
  for (int i = 0; i < s.digitCount; ++i)
    if (board.Can[s.cell].Remove(s.digits[i])) break;
  methods.SuggestionCount += 1;
  methods.Progress = true;
}

void Form1::TakeSchemeRowsFromBoard() {
  for (int r = 0; r < 9; ++r) {
    std::string& row = files.SchemeLines[r];
    row.clear();
    for (int cell : ZoneCells[r]) row += Filled(cell) ? static_cast<char>('0' + Value(cell)) : ' ';
    files.SchemeLines2[r] = row;
  }
  files.SchemeOnly = true;
  files.SchemeLineCount = 9;
}

void Form1::ReportRepeatedValues(int a, int b) {
  board.SetOrigin(a, Origin::None);
  board.SetOrigin(b, Origin::None);
  w.BoardClear();
  w.BoardAdd("ERROR IN CURRENT DATA!");
  w.BoardAdd("- correct or reset.");
}

void Form1::StartControlWindow() {
  methods.RecordOnly = false;
  board.PlayPhase = true;
  w.DatIniz.enabled = false;
  w.Gioca.enabled = false;
  for (Control* c : {&w.ListCons, &w.Cons0, &w.Cons1, &w.Cons2, &w.Cons3, &w.Applica, &w.Tenta0, &w.VaiTenta,
                     &w.AppTenta})
    c->visible = true;
  control.TrialTotal = 0;
  control.TrialIndex = 0;
  control.TrialMode = false;
  control.TrialFilter.clear();
  control.ContradictionSeen = false;
  methods.GlanceFrom = 1;
  methods.GlanceTo = 9;
  control.ValueOrigin = Origin::Solver;
  w.BoardClear();
  methods.MethodUse.fill(0);
  w.BoardAdd(control.Creating ? "CREATION IS RUNNING - M." + std::to_string(gen.SeedIndex) + "/S." +
                                    std::to_string(gen.SymmetryKind)
                              : "CONTROL IS RUNNING");
  methods.SuggestionCount = 0;
  w.Peri.items.clear();
  control.StartTime = platform.SecondsSinceMidnight();
  control.TrialCount = 0;
  control.TrialStarted = false;
  control.SeveralSolutions = false;
  control.CandidatesReady = false;
  methods.Checking = true;
}

void Form1::ShowSolvingOutcome(const SolvingOutcome& loop) {
  static_cast<Board&>(board) = loop.board;
  board.FilledCount = loop.filledCount;
  board.Consistent = loop.consistent;
  methods.SuggestionCount = loop.suggestions;
  methods.Progress = loop.progress;
  control.CandidatesReady = loop.candidatesReady;
  control.ContradictionSeen = loop.contradictions > 0;
  control.TrialMode = loop.trialMode;
  control.TrialCount = loop.trialCount;
  control.TrialTable = loop.trialTable;
  control.TrialTotal = static_cast<int>(loop.trialTable.size());
  control.TrialIndex = loop.trialNumber;
  control.TrialFilter = loop.trialFilter;
  control.SavedSuggestions = loop.savedSuggestions;
  control.SavedConsistent = loop.savedConsistent;
  control.TrialStarted = loop.trialStarted;
  control.FirstTrial = loop.firstTrial;
  control.SeveralSolutions = loop.severalSolutions;
  // What the window showed on the way, in the order the loop met it.
  for (LoopEvent e : loop.events) {
    switch (e) {
      case LoopEvent::FirstValue:
        // While creating, the first value written shows every candidate.
        if (control.Creating && !w.Sugge1.selected) {
          SelectOption(w.Sugge1);
          ShowCandidates();
        }
        break;
      case LoopEvent::CandidatesRecounted:
        // The candidates recounted: "All" shows them.
        SelectOption(w.Sugge1);
        break;
      case LoopEvent::Contradiction:
        // Data that contradict themselves are reported as a wrong move is.
        ReportContradiction();
        break;
      case LoopEvent::FixedOrderRan:
        // Every cell goes back to white after each method of the fixed order.
        PaintAllWhite();
        break;
      case LoopEvent::Restored:
        // The recorded board shown again: white cells, the empty ones in
        // the empty-cell style.
        for (int i = 0; i < kCells; ++i) {
          w.caN[i].back = colour::White;
          if (Filled(i)) continue;
          heldCaptions &= ~CellBit(i);
          CellLabel& c = w.caN[i];
          c.caption.clear();
          c.font = font::Mono;
          c.size = 9;
        }
        break;
    }
  }
  if (loop.trialStarted) {
    // The board the first trial began from, recorded as its text image and
    // as the solution known so far.
    const int filled = board.FilledCount;
    board.FilledCount = loop.savedFilled;
    TakeBoardText(loop.recorded);
    board.FilledCount = filled;
    board.Solution.Take(loop.recorded);
  }
}

void Form1::Gioca_Click() {
  const Drawn drawn(*this);
  // A step shown before the control ran is not played on its outcome.
  DisableDoIt();
  if (!control.LoadingScheme) TakeSchemeRowsFromBoard();
  if (control.Creating)
    for (auto& c : w.caN) c.visible = false;
  if (const auto pair = FirstRepeatedValue(board)) {
    ReportRepeatedValues(pair->first, pair->second);
    return;
  }
  StartControlWindow();
  const int s0 = board.FilledCount;
  ControlOptions options;
  options.creating = control.Creating;
  options.useTrialPlan = control.UseTrialPlan;
  options.useDetectorMemory = control.UseDetectorMemory;
  options.valueOrigin = control.ValueOrigin;
  options.pause = WindowPause(*this);
  ShowSolvingOutcome(RunSolvingLoop(board, board.FilledCount, board.Consistent, options));

  if (control.ContradictionSeen) {
    LeaveDataAfterContradiction();
    return;
  }
  if (!(board.FilledCount >= 81 && IsSolvedBoard(board))) {
    control.ControlFailed = true;
    if (!control.Creating) ReportFailure();
    return;
  }
  if (!control.Creating) WriteControlReport();
  const bool trialUsed = control.TrialMode;
  TakeSolutionAndRestoreScheme(trialUsed, s0);
  SetUpPlay();
  if (control.AfterCancel) return;
  Replay(trialUsed);
  AssessDifficulty(0);
  if (!control.Creating) CloseControlReport();
}

void Form1::LeaveDataAfterContradiction() {
  // The report stays on the blackboard and the control's own values leave
  // the board.
  for (int i = 0; i < kCells; ++i)
    if (board.OriginOf(i) == control.ValueOrigin) ShowEmpty(i);
  board.FilledCount = CountFilled();
  w.Fatti.caption = std::to_string(board.FilledCount);
  control.TrialMode = false;
  control.ValueOrigin = Origin::Keyed;
  control.ControlFailed = true;
}

void Form1::ReportFailure() {
  w.BoardClear();
  for (const std::string& line : FailureReport()) w.BoardAdd(line);
  MsgBox(kControlFailedMessage);
  KeepSchemeAfterFailure();
}

void Form1::WriteControlReport() {
  w.BoardClear();
  if (!control.AfterCancel) {
    double elapsed = platform.SecondsSinceMidnight() - control.StartTime;
    if (elapsed < 0) elapsed += 86400;  // the clock passed midnight
    for (const std::string& line : ReportHead(control.LoadingScheme, elapsed, control.TrialCount)) w.BoardAdd(line);
  } else {
    w.BoardAdd("AFTER CANCELLATION");
  }
  control.ReportedSuggestions = methods.SuggestionCount;
  w.BoardAdd(SuggestionsLine(methods.SuggestionCount));
  if (control.AfterCancel) ReportSeveralSolutions();
}

void Form1::TakeSolutionAndRestoreScheme(bool trialUsed, int filledBefore) {
  if (trialUsed) {
    // The trial's solution is listed, and the scheme shown again as it was
    // given (a file's own image when it had one).
    w.APeri.items.clear();
    if (files.SchemeLineCount == 27) files.SchemeLines = files.SchemeLines2;
    board.TrialSolution.Take(board);
    w.APeri.items = SolutionLines(board.TrialSolution);
    ShowBoardText();
    w.mPerSuCom.enabled = true;
  }
  // The empty cells lose their captions, the solution is taken (without a
  // trial) and the control's own values leave the board.
  ClearEmptyCaptions();
  DeselectOption(w.Sugge1);
  w.mSoluz.enabled = true;
  w.Peri.items.clear();
  // (The control solved the board, so every cell has its digit.)
  if (!trialUsed) board.Solution.Take(board);
  w.Peri.items = SolutionLines(board.TrialSolution.known ? board.TrialSolution : board.Solution);
  for (int i = 0; i < kCells; ++i)
    if (board.OriginOf(i) == control.ValueOrigin) ShowEmpty(i);
  board.FilledCount = filledBefore;
  // A file's own candidates stand when a trial was needed.
  if (!(trialUsed && files.LastLine >= 18)) RecountCandidates();
}

void Form1::SetUpPlay() {
  control.TrialMode = false;
  methods.Checking = false;
  control.ValueOrigin = Origin::Keyed;
  w.ImaCompl.visible = false;
  if (!control.AfterCancel) EnablePlayControls();
  TakeCaptionSnapshot();
  ClearEmptyCaptions();
  SelectOption(w.Sugge0);
  w.mSugge0.checked = true;
  board.FilledCount = CountFilled();
  w.Fatti.caption = std::to_string(board.FilledCount);
}

void Form1::CloseControlReport() {
  w.BoardAdd("  Synthetic Assessment=" + DifficultyText(control.Difficulty) + ".");
  ReportSeveralSolutions();
  if (board.FilledCount == 81) {
    w.BoardClear();
    w.BoardAdd("SCHEME ALREADY SOLVED");
  } else {
    for (const std::string& line : PlayNowLines()) w.BoardAdd(line);
    EnablePlayControls();
  }
}

void Form1::ReportSeveralSolutions() {
  if (!control.SeveralSolutions) return;
  for (const std::string& line : SeveralSolutionsLines()) w.BoardAdd(line);
}

void Form1::KeepSchemeAfterFailure() {
  // The values the control started from: every filled cell but those the
  // control wrote itself. Givens keep their origin, values keyed in play theirs.
  const Board before = board;
  CellSet scheme = 0;
  for (int i = 0; i < kCells; ++i)
    if (Filled(i) && board.OriginOf(i) != control.ValueOrigin) scheme |= CellBit(i);
  const std::vector<std::string> report = w.ListCons.items;
  const std::string schemeFile = files.SchemeFile;
  const std::string caption = w.caption;
  const bool loading = control.LoadingScheme;

  // Everything the control touched goes back to rest, then the data phase
  // starts again with the same scheme, its name and the failure report.
  Azzera_Click();
  control.LoadingScheme = true;  // Initial Data keeps the scheme's name
  DatIniz_Click();
  control.LoadingScheme = loading;
  ForEachCell(scheme, [&](int i) {
    ShowValue(i, before.Value(i), before.OriginOf(i));
    board.Can[i] = CandText::Filled();
  });
  board.FilledCount = CountFilled();
  w.Fatti.caption = std::to_string(board.FilledCount);
  // The scheme's rows, as Play took them from the board.
  for (int r = 0; r < 9; ++r) {
    std::string& row = files.SchemeLines[r];
    row.clear();
    for (int c = 9 * r; c < 9 * r + 9; ++c) row += Has(scheme, c) ? static_cast<char>('0' + before.Value(c)) : ' ';
    files.SchemeLines2[r] = row;
  }
  files.SchemeLineCount = 9;
  files.SchemeFile = schemeFile;
  w.caption = caption;
  w.ListCons.items = report;
  control.ControlFailed = true;
  RepaintPanels();
}

void Form1::EnablePlayControls() {
  for (Control* c : {&w.Cons1, &w.Cons2, &w.Cons3, &w.mCanMoss, &w.mNuoVal, &w.mRicMan, &w.mSoluz, &w.mValuta,
                     &w.mSugge0, &w.mSugge1, &w.Sugge0, &w.Sugge1})
    c->enabled = true;
  w.mSugge0.checked = true;
  w.mSugge1.checked = false;
}

PriorityOrder Form1::UserPriorityOrder() const {
  // The list's rows up to the first blank one; a row of no group is walked
  // over as one whose methods find nothing.
  PriorityOrder order;
  for (int k = 1; k <= advice.PriorityCount; ++k) {
    const std::string& row = advice.PriorityList[k];
    if (row.size() < 2 || (row[0] == ' ' && row[1] == ' ')) break;
    order.push_back(GroupOf(std::string_view(row.data(), 2)));
  }
  return order;
}

void Form1::Replay(bool trialUsed) {
  // The replay plays the solution on a copy of the board model with every
  // cell hidden; the window keeps the filled cells, the keyed ones as keyed,
  // and every other cell ends empty.
  CellSet kept = 0, keyed = 0;
  for (int i = 0; i < kCells; ++i) {
    if (Filled(i) && !ShownCaption(i).empty()) kept |= CellBit(i);
    if (board.OriginOf(i) == Origin::Keyed) keyed |= CellBit(i);
    w.caN[i].visible = false;
  }
  control.Replaying = true;
  advice.AdviceLevel = 's';
  ReplayOptions options;
  options.order = UserPriorityOrder();
  options.allCandidatesShown = w.Sugge1.selected;
  options.creating = control.Creating;
  if (trialUsed && control.TrialIndex >= 1 && control.TrialIndex <= control.TrialTotal)
    options.trial = control.TrialTable[control.TrialIndex - 1];
  options.useDetectorMemory = control.UseDetectorMemory;
  options.pause = {[](void* form) { static_cast<Form1*>(form)->DoEvents(); }, this};
  const ReplayOutcome r = ReplaySolution(board, board.FilledCount, options);
  ShowReplay(r);
  control.Replaying = false;
  for (int i = 0; i < kCells; ++i) {
    CellLabel& l = w.caN[i];
    if (Has(kept, i)) {
      board.SetOrigin(i, Has(keyed, i) ? Origin::Keyed : Origin::Given);
    } else {
      board.ClearValue(i);
      l.caption.clear();
      l.size = 9;
      if (Has(r.placed, i)) l.font = font::Sans;
    }
    if (!control.Creating) l.visible = true;
  }
}

void Form1::ShowReplay(const ReplayOutcome& r) {
  // The generator's runs show every candidate from the first value written.
  if (r.firstWritePropagated && control.Creating && !w.Sugge1.selected) {
    SelectOption(w.Sugge1);
    ShowCandidates();
  }
  // The step record as the walks and the trial placements wrote it; the
  // last walk found nothing unless the replay was cut short.
  for (const Step& s : r.recorded) WriteRecord(methods.AdviceStep, s);
  if (!r.progress) methods.AdviceStep.code.clear();
  methods.Progress = r.progress;
  methods.Checking = false;
  methods.RecordOnly = false;
  if (r.walked) PaintAllWhite();
  control.MoveList.clear();
  for (const ReplayMove& m : r.moves) control.MoveList.push_back(MoveText(m));
  control.MoveCount = static_cast<int>(r.moves.size());
  for (int k = 0; k < kMethodRows; ++k) methods.MethodUse[k] += r.methodUse[k];
}

void Form1::mNuoVal_Click() {
  const Drawn drawn(*this);
  DisableDoIt();
  DeselectOption(w.Sugge1);
  for (int i = 0; i < kCells; ++i) {
    if (Filled(i)) continue;
    w.caN[i].font = font::Mono;
    w.caN[i].size = 9;
    board.SetOrigin(i, Origin::None);
  }
  Gioca_Click();
}

}  // namespace tessora
