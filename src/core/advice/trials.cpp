// The two guided trials in the window: entering each mode, the start chosen
// in the chooser, "Continue" making one inference at a time with its texts and
// tints, the endings with their beeps and sure moves, and "Do it" playing the
// sure moves one by one.
#include "advice/trial_all.h"
#include "advice/trial_pairs.h"
#include "ui/correction_panel.h"
#include "ui/form1.h"

namespace tessora {

namespace {

// The pink of a contradiction or a proved candidate, RGB(255,192,192).
constexpr Colour kTrialPink = 0xC0C0FF;

Colour TintColour(TrialTint t) {
  switch (t) {
    case TrialTint::White: return colour::White;
    case TrialTint::LightGreen: return colour::LightGreen;
    case TrialTint::Grey: return colour::Grey;
    case TrialTint::LightGrey: return colour::LightGrey;
    case TrialTint::LightBlue: return colour::LightBlue;
    case TrialTint::Pink: return kTrialPink;
  }
  return colour::White;
}

// The candidates of the empty cells, as the trial texts are built from them.
CandidateMasks EmptyCellCandidates(const Form1& f) {
  CandidateMasks can{};
  for (int c = 0; c < kCells; ++c) can[c] = f.Filled(c) ? 0 : f.board.Can[c].Mask();
  return can;
}

// A trial mode begins afresh: no start, no marks, nothing proved.
void ResetTrial(TrialState& t) {
  t.Trial.Clear();
  t.TrialCand.clear();
  t.TrialStep = 0;
  t.TrialResult.clear();
  t.PairRelations.clear();
  t.LastRelation = -1;
  t.SureMoves.clear();
  t.SureMoveText.clear();
}

void CheckOnly(Form1& f, Control& item) {
  for (Control* m : {&f.w.mSugge0, &f.w.mSugge1, &f.w.mSugge2, &f.w.mSugge6, &f.w.mSugge8})
    m->checked = m == &item;
}

void AdviceButtons(Form1& f, bool enabled) {
  for (Control* b : {&f.w.Cons1, &f.w.Cons2, &f.w.Cons3}) b->enabled = enabled;
}

// The empty cells with a trial text show it.
void ShowTrialTexts(Form1& f) {
  for (int c = 0; c < kCells; ++c) {
    const TrialCell& t = f.trials.Trial.cells[c];
    if (t.HasText() && !f.Filled(c)) f.w.caN[c].caption = t.Text();
  }
}

void Paint(Form1& f, const TrialPaint& paint, bool borders) {
  for (int c = 0; c < kCells; ++c) {
    f.w.caN[c].back = TintColour(paint.back[c]);
    if (borders) f.w.caN[c].border = paint.border[c];
  }
}

void ContinueOff(Form1& f) {
  f.w.VaiTenta.enabled = false;
  f.w.VaiTenta.back = colour::ButtonFace;
}

// A proved move is offered to "Do it".
void Offer(Form1& f, std::vector<SureMove> moves) {
  f.trials.SureMoves = std::move(moves);
  f.w.AppTenta.enabled = true;
  f.w.mApplica.enabled = true;
}

// The true phase ran dry: the second phase starts, the starting candidate
// false, every cell white, the trial texts a point smaller.
void Reverse(Form1& f, const char* heading) {
  TrialState& t = f.trials;
  f.w.BoardClear();
  f.w.BoardAdd(heading);
  f.w.BoardAdd("  Trying " + t.TrialCand + " ='v' in the blue Cell");
  f.w.BoardAdd("  doesn't lead to any useful Move,");
  f.w.BoardAdd("  so, now try with " + t.TrialCand + " ='f' :");
  f.w.BoardAdd("  click Continue to proceed or");
  f.w.BoardAdd("  ESC to abort.");
  f.Beep(3);
  f.PaintAllWhite();
  for (CellLabel& c : f.w.caN)
    if (c.size == 9) c.size = 8;
  t.Trial.Reverse(t.TrialStartCell, t.Trial.cells[t.TrialStartCell].Position(t.TrialCand[0] - '0'));
  ShowTrialTexts(f);
  f.w.caN[t.TrialStartCell].back = colour::LightBlue;
}

std::string PhaseText(const TrialState& t) { return std::string(1, PhaseMark(t.Trial.phase)); }

std::string ResultLine(const TrialState& t) {
  return "  so the starting Cand. " + t.TrialCand + " is \"" + t.TrialResult + "\"";
}

}  // namespace

void Form1::Beep(int times) {
  for (int i = 0; i < times; ++i) platform.Beep();
  beeps += times;
}

// ---- entering the modes ------------------------------------------------------

void Form1::Sugge6_Click() {
  RemoveCorrectionButtons();
  board.InputEnabled = true;
  ClearMarks();
  if (w.mSugge8.checked) EndTrialView();
  CheckOnly(*this, w.mSugge6);
  ResetTrial(trials);
  const CandidateMasks can = EmptyCellCandidates(*this);
  BuildPairTexts(trials.Trial, can);
  for (int c = 0; c < kCells; ++c) {
    if (Filled(c)) continue;
    CellLabel& l = w.caN[c];
    l.font = font::Mono;
    l.size = 9;
    l.caption = trials.Trial.cells[c].Text();
  }
  trials.PairRelations = BuildPairRelations(can);
  w.BoardClear();
  w.BoardAdd("TRIAL ON CONJ.PAIRS - start -");
  w.BoardAdd("  click on the starting Cell (or choose");
  w.BoardAdd("  another Candidates' View) ...");
  AdviceButtons(*this, false);
  RepaintPanels();
}

void Form1::Sugge8_Click() {
  RemoveCorrectionButtons();
  board.InputEnabled = true;
  ClearMarks();
  if (w.mSugge6.checked) EndTrialView();
  ShowCandidates();
  for (int c = 0; c < kCells; ++c)
    if (!Filled(c) && board.Can[c].Count() == 1) {
      // An unplayed naked single: the user fills it first. The "All" view
      // comes first, so that leaving a trial view does not wipe the message.
      SelectOption(w.Sugge1);
      w.BoardClear();
      w.BoardAdd("TRIAL ON ALL - error:");
      w.BoardAdd("  option not available. You must");
      w.BoardAdd("  fill the Cells with a 'single");
      w.BoardAdd("  Candidate' before) ...");
      AdviceButtons(*this, true);
      return;
    }
  CheckOnly(*this, w.mSugge8);
  ResetTrial(trials);
  BuildAllTexts(trials.Trial, EmptyCellCandidates(*this));
  for (int c = 0; c < kCells; ++c) {
    if (Filled(c)) {
      ShowCaption(c, "");
      continue;
    }
    CellLabel& l = w.caN[c];
    l.font = font::Mono;
    l.size = 9;
    l.caption = trials.Trial.cells[c].Text();
  }
  w.BoardClear();
  w.BoardAdd("TRIAL ON ALL - start -");
  w.BoardAdd("  click on the starting Cell (or choose");
  w.BoardAdd("  another Candidates' View) ...");
  AdviceButtons(*this, false);
  RepaintPanels();
}

void Form1::mSugge6_Click() {
  if (w.Sugge6.selected) {
    DeselectOption(w.Sugge6);
    ContinueOff(*this);
    w.AppTenta.enabled = false;
    Sugge6_Click();
  } else {
    SelectOption(w.Sugge6);
  }
}

void Form1::mSugge8_Click() {
  if (w.Sugge8.selected) {
    DeselectOption(w.Sugge8);
    ContinueOff(*this);
    w.AppTenta.enabled = false;
    Sugge8_Click();
  } else {
    SelectOption(w.Sugge8);
  }
}

// ---- the start -----------------------------------------------------------------

void Form1::OpenTrialChooser(int cell) {
  const bool pairs = w.Sugge6.selected;
  board.InputEnabled = false;
  w.cv1.resize(1);
  trials.TrialOptionCount = 0;
  trials.TrialStartCell = cell;
  const CellLabel& l = w.caN[cell];
  Control& frame = w.CorVF;
  frame.top = l.top + 120;
  frame.left = l.left + 440;
  frame.width = w.cv1[0].width;
  frame.height = 0;
  frame.visible = true;
  w.cv1[0].top = 120;
  w.cv1[0].left = 0;
  const std::string& digits = trials.Trial.cells[cell].cands;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    trials.TrialOptionCount += 1;
    frame.height += 400;
    if (i > 0) {
      w.cv1.push_back(w.cv1[0]);
      w.cv1.back().name = "cv1(" + std::to_string(i) + ")";
      w.cv1.back().top = w.cv1[i - 1].top + 400;
    }
    Control& option = w.cv1[i];
    option.caption = std::string(1, digits[i]);
    option.visible = true;
    option.selected = false;
  }
  // Beside the cell, moved up or left where it would leave the window.
  const PanelPlace at = InsideWindow(frame.left, frame.top, frame.width, frame.height, w.width, w.height);
  frame.left = at.left;
  frame.top = at.top;
  w.BoardClear();
  if (pairs) {
    w.BoardAdd("TRIAL ON CONJ.PAIRS - step n.1");
    w.BoardAdd("  Click on the starting Candidate");
  } else {
    w.BoardAdd("TRIAL ON ALL - step n.1:");
    w.BoardAdd("  click on the starting Candidate");
  }
  w.BoardAdd("  (or ESC to abort) ...");
  AdviceButtons(*this, false);
}

void Form1::cv1_Click(int index) {
  const int start = trials.TrialStartCell;
  TrialCell& cell = trials.Trial.cells[start];
  if (index < 0 || index >= cell.Size() || index >= static_cast<int>(w.cv1.size())) return;
  trials.Trial.Start(start, index);
  trials.TrialCand = w.cv1[index].caption;
  trials.TrialStep = 2;
  ShowTrialTexts(*this);
  w.VaiTenta.tooltip.clear();
  w.CorVF.visible = false;
  w.cv1.resize(1);
  trials.TrialOptionCount = 0;
  w.VaiTenta.enabled = true;
  w.VaiTenta.back = colour::LightGreen;
  w.BoardClear();
  w.BoardAdd((w.Sugge6.selected ? "TRIAL ON CONJ.PAIRS - step n." : "TRIAL ON ALL - step n.") +
             std::to_string(trials.TrialStep) + ":");
  w.BoardAdd("  click on Continue to proceed");
  w.BoardAdd("  or ESC to abort ...");
}

// ---- "Continue" ------------------------------------------------------------------

void Form1::VaiTenta_click() {
  RemoveCorrectionButtons();
  board.InputEnabled = true;
  trials.TrialStep += 1;
  if (w.Sugge6.selected) TrialPairsStep();
  else TrialAllStep();
}

void Form1::TrialPairsStep() {
  TrialState& t = trials;
  methods.AdviceStep.value.clear();
  methods.AdviceStep.cell.clear();
  RepaintPanels();
  TrialPaint paint;
  const PairStep s = TrialPairsInference(t.Trial, t.PairRelations, paint);
  t.LastRelation = s.relation;
  Paint(*this, paint, true);
  ShowTrialTexts(*this);
  const int start = t.TrialStartCell;
  const std::string step = std::to_string(t.TrialStep);
  const std::string phase = PhaseText(t);

  if (s.rule == PairRule::None) {
    if (t.Trial.phase == TrialPhase::True) {
      Reverse(*this, "TRIAL ON CONJ.PAIRS - reverse -");
      return;
    }
    w.BoardClear();
    w.BoardAdd("TRIAL ON CONJ.PAIRS - end -");
    w.BoardAdd("  Trying " + t.TrialCand + " ='v' in the blue Cell");
    w.BoardAdd("  doesn't lead to any useful Move");
    w.BoardAdd("  (ESC for exit).");
    w.caN[start].back = colour::LightBlue;
    Beep(6);
    ContinueOff(*this);
    w.AppTenta.enabled = false;
    return;
  }

  if (s.end != TrialEnd::None) {
    SureMove proved;
    w.BoardClear();
    w.BoardAdd("TRIAL ON CONJ.PAIRS - end -");
    if (s.end == TrialEnd::Contradiction) {
      t.TrialResult = t.Trial.phase == TrialPhase::True ? "false" : "true";
      proved = {start, t.TrialResult == "true" ? mark::True : mark::False, t.TrialCand[0] - '0'};
    } else {
      t.TrialResult = s.agreed == mark::True ? "true" : "false";
      proved = {s.changed, s.agreed, s.digit};
    }
    Beep(6);
    w.caN[start].back = colour::LightBlue;
    if (s.end == TrialEnd::Contradiction) {
      w.BoardAdd("  Trying " + t.TrialCand + " ='" + phase + "' in the blue Cell");
      w.BoardAdd("  leads more 'v' in the pink Cell,");
      w.BoardAdd(ResultLine(t));
    } else {
      w.BoardAdd("  The Candidate " + t.TrialCand + " in the blue Cell");
      w.BoardAdd("  tried both as 'v' and as 'f'");
      w.BoardAdd("  discovers that the Cand. " + std::to_string(s.digit) + " in the");
      w.BoardAdd("  pink Cell is surely " + t.TrialResult);
    }
    w.BoardAdd("  (click 'Do it' to play the Move");
    w.BoardAdd("  or ESC to abort).");
    Offer(*this, {proved});
    ContinueOff(*this);
    return;
  }

  w.caN[start].back = colour::LightBlue;
  w.BoardClear();
  w.BoardAdd("TRIAL ON CONJ.PAIRS - step n." + step);
  w.BoardAdd("  with Cand. " + t.TrialCand + " ='" + phase + "' in the blue Cell :");
  w.BoardAdd("  clic Continue to proceed or ESC");
  w.BoardAdd("  to abort.");
  if (s.changed != start)
    w.BoardAdd(s.rule == PairRule::Cell ? "  (effect/rule= same green Cell)." : "  (effect= green, current rule= grey).");
}

void Form1::TrialAllStep() {
  TrialState& t = trials;
  TrialPaint paint;
  AllStep s = TrialAllInference(t.Trial, paint);
  // Every candidate decided: a zone the steps did not come back to may still
  // hold a contradiction, which makes the start false, not a resolving move.
  if (s.changes == 0 && s.conflict == TrialConflict::None && !t.Trial.AnyUndecided())
    s = FindTrialConflict(t.Trial, paint);
  Paint(*this, paint, false);
  ShowTrialTexts(*this);
  const int start = t.TrialStartCell;
  const std::string phase = PhaseText(t);

  if (s.conflict != TrialConflict::None) {
    w.BoardClear();
    w.BoardAdd("TRIAL ON ALL - end -");
    t.TrialResult = t.Trial.phase == TrialPhase::True ? "false" : "true";
    w.BoardAdd("  Trying " + t.TrialCand + " ='" + phase + "' in the blue Cell");
    switch (s.conflict) {
      case TrialConflict::CellTwoTrue: w.BoardAdd("  leads more 'v' in the pink Cell,"); break;
      case TrialConflict::CellAllFalse: w.BoardAdd("  leads only 'f' in the pink Cell,"); break;
      case TrialConflict::ZoneTwoTrue: w.BoardAdd("  leads more 'v' for the Cand. " + std::to_string(s.digit)); break;
      case TrialConflict::ZoneAllFalse: w.BoardAdd("  leads only 'f' for the Cand. " + std::to_string(s.digit)); break;
      case TrialConflict::None: break;
    }
    if (s.conflict == TrialConflict::ZoneTwoTrue || s.conflict == TrialConflict::ZoneAllFalse)
      w.BoardAdd("  in the enhanced Zone,");
    w.BoardAdd(ResultLine(t));
    Beep(6);
    w.caN[start].back = colour::LightBlue;
    ContinueOff(*this);
    w.BoardAdd("  (click 'Do it' to play the Move)");
    w.BoardAdd("  or ESC to abort)");
    Offer(*this, {{start, t.TrialResult == "true" ? mark::True : mark::False, t.TrialCand[0] - '0'}});
    return;
  }

  if (s.changes > 0) {
    w.caN[start].back = colour::LightBlue;
    w.BoardClear();
    w.BoardAdd("TRIAL ON ALL - step n." + std::to_string(t.TrialStep));
    w.BoardAdd("  with Cand. " + t.TrialCand + " ='" + phase + "' in the blue Cell :");
    w.BoardAdd("  clic Continue to proceed or ESC");
    w.BoardAdd("  to abort.");
    w.BoardAdd("  (effect= green, current rule= grey).");
    return;
  }

  if (!t.Trial.AnyUndecided()) {
    // Every candidate decided without a contradiction: the start solves the scheme.
    w.BoardClear();
    w.BoardAdd("TRIAL ON ALL - end -");
    w.BoardAdd("  The Move " + t.TrialCand + " ='" + phase + "' in the blue Cell");
    w.BoardAdd("  is a Resolving Move.");
    w.BoardAdd("  (click 'Do it' to play the Move");
    w.BoardAdd("  or ESC to abort)");
    Beep(6);
    w.caN[start].back = colour::LightBlue;
    Offer(*this, {{start, PhaseMark(t.Trial.phase), t.TrialCand[0] - '0'}});
    ContinueOff(*this);
    return;
  }

  if (t.Trial.phase == TrialPhase::True) {
    Reverse(*this, "TRIAL ON ALL - reverse:");
    return;
  }

  // The false phase ran dry too: what came out the same in both phases is sure.
  Beep(1);
  std::vector<SureMove> moves = ComparePhases(t.Trial, paint);
  Paint(*this, paint, false);
  t.SureMoveText.clear();
  for (const SureMove& m : moves) t.SureMoveText += m.Item();
  w.BoardClear();
  w.BoardAdd("TRIAL ON ALL - end -");
  w.BoardAdd("  The Cand. " + t.TrialCand + " in in the blue Cell");
  w.BoardAdd("  isn't a Sure Move (neither 'v' nor 'f').");
  if (moves.empty()) {
    w.BoardAdd("  (ESC to exit)");
  } else {
    w.BoardAdd(moves.size() == 1 ? std::string("  Anyway it discovers a Sure one:")
                                 : "  Anyway it discovers " + std::to_string(moves.size()) + " Sure ones:");
    for (const SureMove& m : moves) w.BoardAdd("  in " + m.Item());
    w.BoardAdd(moves.size() == 1 ? "  (click 'Do it' to play the Move" : "  (clic 'Do it' to play the Moves");
    w.BoardAdd("  or ESC to abort)");
    Offer(*this, std::move(moves));
  }
  ContinueOff(*this);
  Beep(6);
  w.caN[start].back = colour::LightBlue;
}

// ---- "Do it" for the sure moves ----------------------------------------------------

void Form1::AppTenta_Click() {
  const Drawn drawn(*this);
  // The moves are taken before the view changes; once offered they are played
  // or dropped, never offered twice.
  const std::vector<SureMove> moves = std::move(trials.SureMoves);
  trials.SureMoves.clear();
  w.AppTenta.enabled = false;
  if (moves.empty()) {
    // F2 in a trial view with nothing proved: there is nothing to play.
    DisableDoIt();
    return;
  }
  SelectOption(w.Sugge1);
  const int n = static_cast<int>(moves.size());
  int skipped = 0;
  bool stopped = false;  // a refused move or a contradiction: its message stays
  for (int k = 0; k < n; ++k) {
    w.BoardClear();
    w.BoardAdd("DO SURE MOVES");
    w.BoardAdd("  " + std::to_string(k + 1) + " of " + std::to_string(n));
    const SureMove& m = moves[k];
    if (!m.WellFormed()) continue;
    const int cell = m.cell;
    const std::string name = CellName(cell);
    const CandText& can = board.Can[cell];
    // A move the board no longer allows is refused with the texts of a
    // refused key or correction, and the moves after it are not offered.
    auto refuse = [&](std::initializer_list<std::string> lines) {
      w.BoardClear();
      for (const std::string& line : lines) w.BoardAdd(line);
      stopped = true;
    };
    std::string value;
    if (Filled(cell)) {
      // Done already by an earlier move of the list (a removal that left one
      // candidate writes it), or a value the move would overwrite.
      if (m.mark == mark::False ? Value(cell) != m.digit : Value(cell) == m.digit) {
        ++skipped;
        continue;
      }
      refuse({"- OVERWRITING NOT ALLOWED", "  Value in " + name + " NOT accepted."});
      break;
    }
    if (m.mark == mark::True) {
      if (!can.Has(m.digit)) {
        refuse({"- WRONG MOVE", "  Value in " + name + " NOT accepted!!"});
        break;
      }
      value = " " + std::to_string(m.digit) + " ";
    } else {
      if (!can.Has(m.digit)) {
        ++skipped;  // an earlier move of the list removed it
        continue;
      }
      // A move may not take a cell's last candidate, as a correction may not.
      if (can.Count() == 1) {
        refuse({"- WRONG MOVE", "  you must leave one Candidate at least.", "  Move in " + name + " NOT accepted!!"});
        break;
      }
      CandText left = can;
      left.Remove(m.digit);
      value = left.Text();
    }
    methods.AdviceStep.cell = m.Entry().substr(0, 2);
    methods.AdviceStep.value = value;
    w.caN[cell].back = colour::LightYellow;
    const MsgResult answer = MsgBox("Do you really want write :\r\n" + value + " in the Cell '" + name + "' ?",
                                    MsgButtons::OkCancel, "PLAY TRIAL MOVES");
    if (answer != MsgResult::Ok) break;
    Applica_click();
    if (!board.InputEnabled) {
      // The move met a contradiction of the board: its report stays.
      stopped = true;
      break;
    }
  }
  DisableDoIt();
  if (skipped > 0)
    MsgBox("Other " + std::to_string(skipped) + " Moves have been done\r\nautomatically.", MsgButtons::Ok,
           "Applica Mosse Tentativi", true);
  // A refusal, a contradiction or the end of the game keeps its own message.
  if (stopped || board.FilledCount == 81) return;
  w.BoardClear();
  w.BoardAdd("READY FOR SUGGESTIONS");
}

}  // namespace tessora
