// "Play": the solvability control. It checks the data for repeated values,
// solves the scheme invisibly with the methods in a fixed order, falls back to
// single-level trials, reports, records the solution, replays it in the
// user's priority order and rates the scheme.
#include <charconv>
#include <cstdio>
#include <cstring>

#include "control/solver.h"
#include "ui/cell_scan.h"
#include "ui/form1.h"

namespace tessora {

namespace {

// "##0.00": at least one digit before the point, two after (rounded as
// printf's "%.2f" rounds: to the nearest, ties to even).
std::string FormatSeconds(double seconds) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, seconds, std::chars_format::fixed, 2);
  if (r.ec != std::errc()) {
    std::snprintf(buf, sizeof buf, "%.2f", seconds);
    return buf;
  }
  return std::string(buf, r.ptr);
}

// Nine lines, one per row: each entry followed by a blank, one more blank at
// the end. A line is put together in place and stored whole; the entries are
// a character or two.
std::vector<std::string> SolutionLines(const std::array<std::string, kCells>& entries) {
  std::vector<std::string> lines;
  lines.reserve(9);
  for (int r = 0; r < 9; ++r) {
    char buf[128];
    std::size_t length = 0;
    bool fits = true;
    for (int c = 0; c < 9 && fits; ++c) {
      const std::string& e = entries[9 * r + c];
      fits = length + e.size() + 2 <= sizeof buf;
      if (!fits) break;
      if (e.size() == 1) buf[length++] = e[0];
      else for (char ch : e) buf[length++] = ch;
      buf[length++] = ' ';
    }
    if (fits) {
      buf[length++] = ' ';
      lines.emplace_back(buf, length);
      continue;
    }
    // Long entries: the plain way.
    std::string line;
    for (int c = 0; c < 9; ++c) {
      line += entries[9 * r + c];
      line += ' ';
    }
    line += ' ';
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

bool Form1::BoardIsValid() const {
  // Every cell filled with a digit, no zone showing one twice.
  const CellSet filled = FilledCells(*this);
  if (filled != kAllCells) return false;
  const ShownValues shown = ValuesShown(*this, filled);
  return !shown.noDigit && !shown.repeated;
}

bool Form1::HasRepeatedCaption() const {
  // A filled cell whose caption is not one digit forces the comparison of
  // the pairs; otherwise only a digit shown twice in a zone does.
  const ShownValues shown = ValuesShown(*this, FilledCells(*this));
  return shown.noDigit || shown.repeated;
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
      for (int i = 0; i < kCells; ++i) {
        const std::string_view v = TrimView(w.caN[i].caption);
        board.Solution[i] = Filled(i) && !v.empty() ? v : " ";
      }
      control.TrialFilter = PlanTrials(*this);
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
    ShowValue(row.cell, d, control.ValueColor);
    board.Can[row.cell] = CandText::Filled();
    board.FilledCount += 1;
    methods.SuggestionCount += 1;
    PropagateValue(row.cell, d);
    if (board.Consistent) return true;
    ExcludeTrial();
  }
}

void Form1::RunSolvingLoop() {
  struct Step {
    Detector detector;
    int k;
    bool trialCheck;
  };
  static const Step kOrder[] = {
      {&FindNakedSet, 2, false},     {&FindHiddenSet, 2, true},  {&FindBoxLock, 0, false},
      {&FindLineLock, 0, false},     {&FindNakedSet, 3, false},  {&FindNakedSetLarge, 4, false},
      {&FindXWing, 0, false},        {&FindSwordfish, 0, false}, {&FindNakedSetLarge, 3, false},
      {&FindHiddenSet, 3, true},
  };
  // The detectors of the fixed order find nothing most of the times they
  // run; the memory lets each look only where the board changed since.
  WindowDetectorMemory memory(control.UseDetectorMemory);
  // Every cell's background is known to be white: painting them all white
  // again would change nothing. A detector that finds nothing leaves the
  // backgrounds alone, except the Swordfish, which tints cells as it searches.
  bool white = false;
  bool needTrial = false;
  for (;;) {
    if (needTrial) {
      white = false;
      memory.Forget();
      if (!StartTrial()) return;
      needTrial = false;
      continue;
    }
    // The memory follows what the detectors change; what the loop changes
    // itself it is told of.
    methods.Progress = false;
    memory.Run(*this, &FillLoneCells, 0);
    if (TrialFailed()) {
      ExcludeTrial();
      needTrial = true;
      continue;
    }
    if (methods.Progress) {
      white = false;
      continue;
    }
    if (control.CandidatesReady) {
      memory.Run(*this, &NakedSingleApply, 0);
      if (TrialFailed()) {
        ExcludeTrial();
        needTrial = true;
        continue;
      }
      if (methods.Progress) {
        white = false;
        continue;
      }
    } else {
      memory.Run(*this, &FindHiddenSet, 1);
      if (TrialFailed()) {
        ExcludeTrial();
        needTrial = true;
        continue;
      }
      white = false;
      if (methods.Progress) continue;
      RecountCandidates(*this);
      memory.BoardChanged();
      control.CandidatesReady = true;
      continue;
    }
    bool progress = false;
    for (const Step& s : kOrder) {
      memory.Run(*this, s.detector, s.k);
      if (methods.Progress || s.detector == static_cast<Detector>(&FindSwordfish)) white = false;
      if (!white) PaintAllWhite();
      white = true;
      if (s.trialCheck && TrialFailed()) {
        ExcludeTrial();
        needTrial = true;
        break;
      }
      if (methods.Progress) {
        progress = true;
        break;
      }
    }
    if (needTrial || progress) continue;
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
  // 1. Scheme rows from the board.
  if (!control.LoadingScheme) {
    const CellSet filled = FilledCells(*this);
    for (int r = 0; r < 9; ++r) {
      std::string& row = files.SchemeLines[r];
      row.clear();
      const unsigned rowFilled = static_cast<unsigned>(filled >> (9 * r)) & 0x1FFu;
      for (int cell : ZoneCells[r]) {
        const std::string& caption = w.caN[cell].caption;
        const bool isFilled = (rowFilled >> (cell - 9 * r)) & 1u;
        if (caption.size() <= 1) {
          // A caption of one character or none, told without branching.
          const char ch = caption.data()[0];
          row += isFilled & (caption.size() == 1) & (ch != ' ') ? ch : ' ';
          continue;
        }
        const std::string_view v = TrimView(caption);
        row += isFilled && !v.empty() ? v : " ";
      }
      files.SchemeLines2[r] = row;
    }
    files.SchemeOnly = true;
    files.SchemeLineCount = 9;
  }
  // 2.
  if (control.Creating)
    for (auto& c : w.caN) c.visible = false;
  // 3. Duplicate check. When every filled cell shows one digit and no zone
  // repeats one, no two captions of a zone can be equal and the pairs need
  // not be compared.
  if (HasRepeatedCaption()) {
    for (int z = 0; z < kZones; ++z)
      for (int i = 0; i < 8; ++i) {
        const int a = ZoneCells[z][i];
        if (!Filled(a)) continue;
        for (int j = i + 1; j < 9; ++j) {
          const int b = ZoneCells[z][j];
          if (Filled(b) && w.caN[b].caption == w.caN[a].caption) {
            w.caN[a].ink = colour::Red;
            w.caN[b].ink = colour::Red;
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
  control.ValueColor = colour::White;
  w.BoardClear();
  methods.MethodUse.fill(0);
  w.BoardAdd(control.Creating ? "CREATION IS RUNNING - M." + std::to_string(gen.SeedIndex) + "/S." +
                                    std::to_string(gen.SymmetryKind)
                              : "CONTROL IS RUNNING");
  methods.SuggestionCount = 0;
  w.Peri.items.clear();
  control.StartTime = platform.SecondsSinceMidnight();
  control.TrialCount = 0;
  control.CandidatesReady = false;
  methods.Checking = true;

  // 5-6. The solving loop with its trials.
  RunSolvingLoop();

  // 7. End of the loop.
  if (control.ContradictionSeen) {
    // The data contradict themselves: the report stays on the blackboard and
    // the control's own values leave the board.
    for (int i = 0; i < kCells; ++i)
      if (w.caN[i].ink == control.ValueColor) ShowEmpty(i);
    board.FilledCount = CountFilled();
    w.Fatti.caption = std::to_string(board.FilledCount);
    control.TrialMode = false;
    control.ValueColor = colour::DarkBlue;
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
  }

  // 10. Solution record and restore.
  const bool trialUsed = control.TrialMode;
  if (trialUsed) {
    w.APeri.items.clear();
    if (files.SchemeLineCount == 27) files.SchemeLines = files.SchemeLines2;
    for (int i = 0; i < kCells; ++i) {
      const std::string_view v = TrimView(w.caN[i].caption);
      board.TrialSolution[i] = Filled(i) && !v.empty() ? v : " ";
    }
    w.APeri.items = SolutionLines(board.TrialSolution);
    ShowBoardText();
    w.mPerSuCom.enabled = true;
  }
  // The empty cells lose their captions, the solution is taken (without a
  // trial) and the control's own values leave the board; the cells are read
  // without a branch per cell (ui/cell_scan.h).
  ForEachCell(~FilledCells(*this) & kAllCells, [&](int i) { w.caN[i].caption.clear(); });
  DeselectOption(w.Sugge1);
  w.mSoluz.enabled = true;
  w.Peri.items.clear();
  if (!trialUsed)
    for (int i = 0; i < kCells; ++i) {
      const std::string& caption = w.caN[i].caption;
      std::string& entry = board.Solution[i];
      if (caption.size() <= 1) {
        // A caption of one character or none: its trimmed text is itself
        // unless that character is a blank.
        const std::size_t n = static_cast<std::size_t>((caption.size() == 1) & (caption.data()[0] != ' '));
        const bool same = (entry.size() == n) & ((n == 0) | (entry.data()[0] == caption.data()[0]));
        if (!same) {
          // At most one character, written in place.
          entry.clear();
          if (n) entry.push_back(caption.data()[0]);
        }
        continue;
      }
      entry = TrimView(caption);
    }
  w.Peri.items = SolutionLines(!board.TrialSolution[0].empty() ? board.TrialSolution : board.Solution);
  ForEachCell(CellsWhere([&](int i) { return w.caN[i].ink == control.ValueColor; }),
              [&](int i) { ShowEmpty(i); });
  board.FilledCount = s0;
  if (!(trialUsed && files.LastLine >= 18)) RecountCandidates(*this);

  // 11. Play set-up.
  control.TrialMode = false;
  methods.Checking = false;
  control.ValueColor = colour::DarkBlue;
  w.ImaCompl.visible = false;
  if (!control.AfterCancel) EnablePlayControls();
  TakeCaptionSnapshot();
  ForEachCell(~FilledCells(*this) & kAllCells, [&](int i) { w.caN[i].caption.clear(); });
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
  if (board.FilledCount == 81) {
    w.BoardClear();
    w.BoardAdd("SCHEME ALREADY SOLVED");
  } else {
    w.BoardAdd("YOU CAN PLAY NOW");
    w.BoardAdd("- click the buttons below for advice.");
    EnablePlayControls();
  }
}

void Form1::KeepSchemeAfterFailure() {
  // The values the control started from: every filled cell but those the
  // control wrote itself (its ink). Givens keep their ink, values keyed in
  // play theirs.
  struct Kept {
    std::string caption;
    Colour ink;
  };
  std::array<Kept, kCells> kept;
  const CellSet scheme = CellsWhere([&](int i) { return Filled(i) && w.caN[i].ink != control.ValueColor; });
  ForEachCell(scheme, [&](int i) { kept[i] = {w.caN[i].caption, w.caN[i].ink}; });
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
    CellLabel& l = w.caN[i];
    l.caption = kept[i].caption;
    AssignText(l.font, font::Sans);
    l.size = 18;
    l.ink = kept[i].ink;
    board.Can[i] = CandText::Filled();
  });
  board.FilledCount = CountFilled();
  w.Fatti.caption = std::to_string(board.FilledCount);
  // The scheme's rows, as Play took them from the board.
  for (int r = 0; r < 9; ++r) {
    std::string& row = files.SchemeLines[r];
    row.clear();
    for (int c = 9 * r; c < 9 * r + 9; ++c) row += (scheme >> c) & 1 ? kept[c].caption : std::string(" ");
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
  struct Remembered {
    std::string caption;
    bool keyed = false;
    CandText can;
  };
  std::array<Remembered, kCells> saved;
  // The captions of the filled cells are kept (read without a branch per
  // cell, ui/cell_scan.h); `kept`: those that are not empty.
  CellSet kept = 0;
  ForEachCell(FilledCells(*this), [&](int i) {
    saved[i].caption = w.caN[i].caption;
    kept |= static_cast<CellSet>(!saved[i].caption.empty()) << i;
  });
  for (int i = 0; i < kCells; ++i) {
    saved[i].keyed = w.caN[i].ink == colour::DarkBlue;
    saved[i].can = board.Can[i];
    w.caN[i].visible = false;
  }
  control.Replaying = true;
  advice.AdviceLevel = 's';
  int n = 0;
  for (char ch : w.Fatti.caption) n = n * 10 + (ch - '0');
  control.MoveList.assign(1, std::string());
  control.MoveCount = 0;
  WindowDetectorMemory memory(control.UseDetectorMemory);
  // Every step fills a cell or removes a candidate, so the replay is bounded.
  for (int guard = 0; guard < 2000; ++guard) {
    methods.Progress = false;
    methods.AdviceStep.code.clear();
    FindAdviceStep(&memory);
    AdviceStepRecord& step = methods.AdviceStep;
    if (!methods.Progress && n < 81 && trialUsed && control.TrialIndex >= 1 &&
        control.TrialIndex <= control.TrialTotal) {
      const TrialRow& row = control.TrialTable[control.TrialIndex];
      step.code = "ZZZ";
      step.value = row.digit;
      step.cell = std::to_string(row.cell);
      step.zone.clear();
      methods.Progress = true;
    }
    if (!methods.Progress) break;
    const int cell = step.CellIndex();
    if (cell < 0 || cell >= kCells) break;
    control.MoveCount += 1;
    const std::string_view value = TrimView(step.value);
    // The step writes this cell's label; the propagation writes the
    // captions of its peers only while all candidates are shown, and
    // everything when it switches them on.
    const bool showing = w.Sugge1.selected;
    CellLabel& l = w.caN[cell];
    if (value.size() == 1) {
      l.caption.assign(1, value[0]);
      AssignText(l.font, font::Sans);
      l.size = 18;
      n += 1;
      board.Can[cell] = CandText::Filled();
      PropagateValue(cell, value[0] - '0');
    } else {
      CandText t;
      CandText::Parse(value, t);
      board.Can[cell] = t;
      l.size = 9;
      std::string caption;
      caption.reserve(value.size() + 2);
      caption += ' ';
      caption += value;
      caption += ' ';
      l.caption = std::move(caption);
    }
    l.ink = colour::White;
    const char* display = "??";
    if (const MethodRow* m = FindMethodByCode(step.code)) {
      display = m->display;
      methods.MethodUse[m->Counter()] += 1;
    }
    const int zone = step.ZoneIndex();
    // The line is put together in place, a character at a time (its pieces
    // are a few characters each), and stored whole.
    char text[64];
    std::size_t length = 0;
    for (const char* p = display; *p; ++p) text[length++] = *p;
    if (zone < 0) {
      text[length++] = ' ';
    } else {
      text[length++] = '-';
      text[length++] = zone < 9 ? 'R' : zone > 17 ? 'Q' : 'C';
    }
    text[length++] = ':';
    text[length++] = ' ';
    text[length++] = '\'';
    text[length++] = static_cast<char>('A' + cell / 9);
    text[length++] = static_cast<char>('a' + cell % 9);
    text[length++] = '\'';
    text[length++] = ' ';
    text[length++] = '=';
    if (value.size() == 1) {
      text[length] = value[0];
      control.MoveList.emplace_back(text, length + 1);
    } else if (length + value.size() <= sizeof text) {
      std::memcpy(text + length, value.data(), value.size());
      control.MoveList.emplace_back(text, length + value.size());
    } else {
      control.MoveList.emplace_back(text, length) += value;
    }
    if (w.Sugge1.selected == showing) memory.LabelsChangedAt(cell, showing);
    else memory.BoardChanged();
    // A contradiction the propagation met tints cells.
    if (!board.Consistent) memory.SetBacksWhite(false);
    DoEvents();
  }
  control.Replaying = false;
  ForEachCellBit(kept, [&](int i, bool filled) {
    CellLabel& l = w.caN[i];
    l.size = filled ? 18 : 9;
    l.ink = filled ? (saved[i].keyed ? colour::DarkBlue : colour::ButtonText) : colour::Red;
    board.Can[i] = saved[i].can;
    if (!control.Creating) l.visible = true;
  });
  ForEachCell(~kept & kAllCells, [&](int i) { w.caN[i].caption.clear(); });
  ForEachCell(kept, [&](int i) {
    if (!SameText(w.caN[i].caption, saved[i].caption)) w.caN[i].caption = saved[i].caption;
  });
}

void Form1::mNuoVal_Click() {
  DeselectOption(w.Sugge1);
  for (int i = 0; i < kCells; ++i) {
    if (Filled(i)) continue;
    w.caN[i].font = font::Mono;
    w.caN[i].size = 9;
    w.caN[i].ink = colour::Red;
  }
  Gioca_Click();
}

}  // namespace tessora
