// "Play": the solvability control. It checks the data for repeated values,
// solves the scheme invisibly with the methods in a fixed order, falls back to
// single-level trials, reports, records the solution, replays it in the
// user's priority order and rates the scheme. The solving loop and the replay
// work on the board model; the labels follow at the next drawing.
#include <cstdio>

#include "control/solver.h"
#include "methods/detector_memory.h"
#include "ui/form1.h"

namespace tessora {

namespace {

// "##0.00": at least one digit before the point, two after.
std::string FormatSeconds(double seconds) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", seconds);
  return buf;
}

// Nine lines, one per row: each entry followed by a blank, one more blank at
// the end.
std::vector<std::string> SolutionLines(const std::array<std::string, kCells>& entries) {
  std::vector<std::string> lines;
  for (int r = 0; r < 9; ++r) {
    std::string line;
    for (int c = 0; c < 9; ++c) line += entries[9 * r + c] + " ";
    lines.push_back(line + " ");
  }
  return lines;
}

// The value of a filled cell as the solution lists write it.
std::string DigitText(const Board& b, int cell) { return std::string(1, static_cast<char>('0' + b.Value(cell))); }

// Lets the window process its events (the hidden-set detector's pauses).
Pause WindowPause(Form1& f) {
  return {[](void* form) { static_cast<Form1*>(form)->DoEvents(); }, &f};
}

}  // namespace

bool Form1::BoardIsValid() const {
  // Every cell filled, no zone holding a value twice.
  return CountFilled() == kCells && !HasRepeatedCaption();
}

bool Form1::HasRepeatedCaption() const {
  for (int z = 0; z < kZones; ++z) {
    unsigned seen = 0;
    for (int c : ZoneCells[z]) {
      if (!Filled(c)) continue;
      const unsigned bit = 1u << Value(c);
      if (seen & bit) return true;
      seen |= bit;
    }
  }
  return false;
}

bool Form1::TrialFailed() const { return control.TrialMode && !board.Consistent; }

void Form1::ExcludeTrial() {
  TrialRow& row = control.TrialTable[control.TrialIndex];
  row.mark = row.cell;
  row.cell = kExcludedTrial;
}

void Form1::BuildTrialTable() {
  control.TrialTable.assign(1, TrialRow{});
  control.TrialTotal = 0;
  for (int c = 0; c < kCells; ++c) {
    const std::string digits = board.Can[c].Digits();
    for (char d : digits) {
      control.TrialTotal += 1;
      control.TrialTable.push_back(TrialRow{c, std::string(1, d), -1});
    }
  }
  control.SavedSuggestions = methods.SuggestionCount;
}

bool Form1::StartTrial() {
  for (;;) {
    control.TrialCount += 1;
    if (!control.TrialMode) {
      BuildTrialTable();
      TakeBoardText();
      control.SavedConsistent = board.Consistent;
      for (int i = 0; i < kCells; ++i) board.Solution[i] = Filled(i) ? DigitText(board, i) : " ";
      control.TrialFilter = PlanTrials(board, control.UseTrialPlan);
      // Where the fine score follows its trials from: this board and the
      // digits of its solution (known whether or not the plan is used).
      control.TrialStarted = true;
      control.FirstTrial.board = board;
      const std::vector<std::uint16_t> solution =
          control.UseTrialPlan ? control.TrialFilter : PlanTrials(board, true);
      for (int i = 0; i < kCells; ++i) control.FirstTrial.solution[i] = solution.empty() ? 0 : solution[i];
      // The methods keep every solution, so this board has those of the scheme.
      control.SeveralSolutions = solution.empty();
    } else {
      ShowBoardText();
    }
    const bool restored = control.TrialMode;
    control.TrialMode = true;
    control.TrialIndex += 1;
    // Rows whose digit no solution of the scheme holds cannot complete the
    // board; they are excluded without being played.
    bool skipped = false;
    while (control.TrialIndex <= control.TrialTotal && !control.TrialFilter.empty()) {
      const TrialRow& row = control.TrialTable[control.TrialIndex];
      if (control.TrialFilter[row.cell] >> (row.digit[0] - '0') & 1) break;
      ExcludeTrial();
      control.TrialCount += 1;
      control.TrialIndex += 1;
      skipped = true;
    }
    // A row played and failed is followed by the recorded board shown again:
    // after rows skipped unplayed the window is left as if they had been.
    if (skipped && !restored) ShowBoardText();
    if (control.TrialIndex > control.TrialTotal) {
      // No row left: the recorded board stands, not the last failed trial.
      board.Consistent = control.SavedConsistent;
      return false;
    }
    const TrialRow& row = control.TrialTable[control.TrialIndex];
    const int d = row.digit[0] - '0';
    ShowValue(row.cell, d, control.ValueOrigin);
    board.Can[row.cell] = CandText::Filled();
    board.FilledCount += 1;
    methods.SuggestionCount += 1;
    PropagateValue(row.cell, d);
    if (board.Consistent) return true;
    ExcludeTrial();
  }
}

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

void Form1::RunSolvingLoop() {
  // The detectors of the fixed order find nothing most of the times they
  // run; the memory lets each look only where the board changed since.
  DetectorMemory memory(control.UseDetectorMemory);
  Scope scope;
  scope.pause = WindowPause(*this);
  const MethodRow& lone = *MethodOf(Code::USO);
  const MethodRow& single = *MethodOf(Code::CFC);
  const MethodRow& hidden = *MethodOf(Code::Xx1);
  // Applies a step the loop found; false when it broke the current trial,
  // whose row is then excluded.
  auto applied = [&](const Step& s) {
    ApplyStep(s);
    memory.BoardChanged();
    if (!TrialFailed()) return true;
    ExcludeTrial();
    return false;
  };
  // Hidden sets as the control applies them: reductions, and a hidden single
  // placed whatever the set size.
  auto reduced = [&](const MethodRow& m) {
    const HiddenReduction r = memory.Reduce(board, m, scope, true);
    if (r.reductions) {
      methods.SuggestionCount += r.reductions;
      methods.Progress = true;
      memory.BoardChanged();
    }
    return !r.single.Found() || applied(r.single);
  };
  bool needTrial = false;
  for (;;) {
    if (needTrial) {
      memory.Forget();
      if (!StartTrial()) return;
      needTrial = false;
      continue;
    }
    methods.Progress = false;
    // Single Cell first, applied until no zone is left with one empty cell.
    bool broke = false;
    for (Step s; !broke && (s = memory.Find(board, lone, scope)).Found();) broke = !applied(s);
    if (broke) {
      needTrial = true;
      continue;
    }
    if (methods.Progress) continue;
    if (control.CandidatesReady) {
      // Single Number once the candidates exist.
      if (const Step s = memory.Find(board, single, scope); s.Found()) {
        if (!applied(s)) needTrial = true;
        continue;
      }
    } else {
      // Hidden singles until they do.
      if (!reduced(hidden)) {
        needTrial = true;
        continue;
      }
      if (methods.Progress) continue;
      RecountCandidates();
      memory.BoardChanged();
      control.CandidatesReady = true;
      continue;
    }
    // Then the fixed order; every cell goes back to white after each method.
    for (const MethodRow* m : ControlOrder()) {
      if (m->find == static_cast<Finder>(&FindHiddenSet)) {
        needTrial = !reduced(*m);
      } else if (const Step s = memory.Find(board, *m, scope); s.Found()) {
        needTrial = !applied(s);
      }
      PaintAllWhite();
      if (needTrial || methods.Progress) break;
    }
    if (needTrial || methods.Progress) continue;
    if (board.FilledCount >= 81 || control.Creating) {
      // A trial that fills the board but breaks a zone has failed.
      if (control.TrialMode && !BoardIsValid()) {
        ExcludeTrial();
        needTrial = true;
        continue;
      }
      return;
    }
    needTrial = true;
  }
}

void Form1::Gioca_Click() {
  const Drawn drawn(*this);
  // A step shown before the control ran is not played on its outcome.
  DisableDoIt();
  // 1. Scheme rows from the board.
  if (!control.LoadingScheme) {
    for (int r = 0; r < 9; ++r) {
      std::string& row = files.SchemeLines[r];
      row.clear();
      for (int cell : ZoneCells[r]) row += Filled(cell) ? static_cast<char>('0' + Value(cell)) : ' ';
      files.SchemeLines2[r] = row;
    }
    files.SchemeOnly = true;
    files.SchemeLineCount = 9;
  }
  // 2.
  if (control.Creating)
    for (auto& c : w.caN) c.visible = false;
  // 3. Duplicate check: the first pair of equal values, zones in order.
  if (HasRepeatedCaption()) {
    for (int z = 0; z < kZones; ++z)
      for (int i = 0; i < 8; ++i) {
        const int a = ZoneCells[z][i];
        if (!Filled(a)) continue;
        for (int j = i + 1; j < 9; ++j) {
          const int b = ZoneCells[z][j];
          if (Filled(b) && Value(b) == Value(a)) {
            board.SetOrigin(a, Origin::None);
            board.SetOrigin(b, Origin::None);
            w.BoardClear();
            w.BoardAdd("ERROR IN CURRENT DATA!");
            w.BoardAdd("- correct or reset.");
            return;
          }
        }
      }
  }
  // 4. Set-up.
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
  const int s0 = board.FilledCount;
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

  // 5-6. The solving loop with its trials.
  RunSolvingLoop();

  // 7. End of the loop.
  if (control.ContradictionSeen) {
    // The data contradict themselves: the report stays on the blackboard and
    // the control's own values leave the board.
    for (int i = 0; i < kCells; ++i)
      if (board.OriginOf(i) == control.ValueOrigin) ShowEmpty(i);
    board.FilledCount = CountFilled();
    w.Fatti.caption = std::to_string(board.FilledCount);
    control.TrialMode = false;
    control.ValueOrigin = Origin::Keyed;
    control.ControlFailed = true;
    return;
  }
  const bool solved = board.FilledCount >= 81 && BoardIsValid();
  if (!solved) {
    control.ControlFailed = true;
    if (control.Creating) return;
    // 8. Failure.
    w.BoardClear();
    w.BoardAdd("CONTROL-CREATION RESULT");
    w.BoardAdd("  retry or assess.");
    MsgBox("The Control has failed: if you asked the program\r\n"
           "to create Scheme, submit a new request,\r\n"
           "if, instead, the Scheme comes from other\r\n"
           "sources, please check the Values you keyed in.");
    KeepSchemeAfterFailure();
    return;
  }
  // 9. Report.
  if (!control.Creating) {
    if (!control.AfterCancel) {
      w.BoardClear();
      double t1 = platform.SecondsSinceMidnight();
      double elapsed = t1 - control.StartTime;
      if (elapsed < 0) elapsed += 86400;  // the clock passed midnight
      w.BoardAdd(control.LoadingScheme ? "SCHEME RELOADED & CONTROLLED" : "SOLVABILITY CONTROL REPORT");
      std::string line = "  (in " + FormatSeconds(elapsed) + " sec.";
      if (control.TrialCount > 0)
        line += " with " + std::to_string(control.TrialCount) + (control.TrialCount == 1 ? " Trial)" : " Trials)");
      else
        line += ")";
      w.BoardAdd(line);
    } else {
      w.BoardClear();
      w.BoardAdd("AFTER CANCELLATION");
    }
    control.ReportedSuggestions = methods.SuggestionCount;
    w.BoardAdd("- I have " + std::to_string(methods.SuggestionCount) + " suggestions, to solve it.");
    if (control.AfterCancel) ReportSeveralSolutions();
  }

  // 10. Solution record and restore.
  const bool trialUsed = control.TrialMode;
  if (trialUsed) {
    w.APeri.items.clear();
    if (files.SchemeLineCount == 27) files.SchemeLines = files.SchemeLines2;
    for (int i = 0; i < kCells; ++i) board.TrialSolution[i] = Filled(i) ? DigitText(board, i) : " ";
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
  if (!trialUsed)
    for (int i = 0; i < kCells; ++i) board.Solution[i] = Filled(i) ? DigitText(board, i) : "";
  w.Peri.items = SolutionLines(!board.TrialSolution[0].empty() ? board.TrialSolution : board.Solution);
  for (int i = 0; i < kCells; ++i)
    if (board.OriginOf(i) == control.ValueOrigin) ShowEmpty(i);
  board.FilledCount = s0;
  if (!(trialUsed && files.LastLine >= 18)) RecountCandidates();

  // 11. Play set-up.
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
  if (control.AfterCancel) return;

  // 12. Replay in the user's priority order.
  Replay(trialUsed);

  // 13. Closing.
  AssessDifficulty(0);
  if (control.Creating) return;
  w.BoardAdd("  Synthetic Assessment=" + control.Difficulty + ".");
  ReportSeveralSolutions();
  if (board.FilledCount == 81) {
    w.BoardClear();
    w.BoardAdd("SCHEME ALREADY SOLVED");
  } else {
    w.BoardAdd("YOU CAN PLAY NOW");
    w.BoardAdd("- click the buttons below for advice.");
    EnablePlayControls();
  }
}

void Form1::ReportSeveralSolutions() {
  if (!control.SeveralSolutions) return;
  w.BoardAdd("- The scheme has more than one solution:");
  w.BoardAdd("  the program follows one of them.");
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

void Form1::Replay(bool trialUsed) {
  // The replay plays the solution on the board model with every cell hidden;
  // what it changes is put back at the end. The filled cells are kept, the
  // keyed ones as keyed; every other cell ends empty.
  const Board before = board;
  CellSet kept = 0, keyed = 0;
  for (int i = 0; i < kCells; ++i) {
    if (Filled(i) && !ShownCaption(i).empty()) kept |= CellBit(i);
    if (board.OriginOf(i) == Origin::Keyed) keyed |= CellBit(i);
    w.caN[i].visible = false;
  }
  control.Replaying = true;
  advice.AdviceLevel = 's';
  int n = std::stoi("0" + w.Fatti.caption);
  control.MoveList.assign(1, std::string());
  control.MoveCount = 0;
  // The cells the replay placed a value in: they keep the value's font.
  CellSet placed = 0;
  DetectorMemory memory(control.UseDetectorMemory);
  // Every step fills a cell or removes a candidate, so the replay is bounded.
  for (int guard = 0; guard < 2000; ++guard) {
    methods.Progress = false;
    methods.AdviceStep.code.clear();
    Step step = FindAdviceStep(&memory);
    if (!methods.Progress && n < 81 && trialUsed && control.TrialIndex >= 1 &&
        control.TrialIndex <= control.TrialTotal) {
      // The trial of the control, where no method helps.
      const TrialRow& row = control.TrialTable[control.TrialIndex];
      step = Placement(Code::ZZZ, row.cell, row.digit[0] - '0');
      WriteRecord(methods.AdviceStep, step);
      methods.Progress = true;
    }
    if (!methods.Progress || step.cell < 0 || step.cell >= kCells) break;
    const int cell = step.cell;
    control.MoveCount += 1;
    // A step that leaves its cell one candidate places it, as its record
    // reads (a value of one digit).
    const bool places = step.IsPlacement() || DigitCount(step.keep) == 1;
    const int digit = step.IsPlacement() ? step.digit : CandText::FromMask(step.keep).FirstDigit();
    std::string value;
    if (places) {
      n += 1;
      ShowValue(cell, digit, Origin::Solver);
      board.Can[cell] = CandText::Filled();
      placed |= CellBit(cell);
      PropagateValue(cell, digit);
      value = std::string(1, static_cast<char>('0' + digit));
    } else {
      board.Can[cell] = step.keep ? CandText::FromMask(step.keep) : CandText();
      board.SetOrigin(cell, Origin::Solver);
      value = MaskDigits(step.keep);
    }
    const MethodRow* m = MethodOf(step.code);
    methods.MethodUse[m->Counter()] += 1;
    const char* suffix = step.zone < 0 ? " " : step.zone < 9 ? "-R" : step.zone > 17 ? "-Q" : "-C";
    std::string line = m->display;
    line += suffix;
    line += ": '";
    line += CellName(cell);
    line += "' =";
    line += value;
    control.MoveList.push_back(std::move(line));
    memory.BoardChanged();
    DoEvents();
  }
  control.Replaying = false;
  for (int i = 0; i < kCells; ++i) {
    CellLabel& l = w.caN[i];
    if (Has(kept, i)) {
      board.SetOrigin(i, Has(keyed, i) ? Origin::Keyed : Origin::Given);
    } else {
      board.ClearValue(i);
      l.caption.clear();
      l.size = 9;
      if (Has(placed, i)) l.font = font::Sans;
    }
    board.Can[i] = before.Can[i];
    if (!control.Creating) l.visible = true;
  }
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
