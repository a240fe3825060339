// Form1's load, "Clear All", "Initial Data", closing, the two timers and the
// helpers shared by all handlers.
#include "ui/form1.h"

namespace tessora {

Form1::Form1(Platform& p) : platform(p) {}

void Form1::StartUpTables() {
  // ZoneCells is a compile-time table; the method tags and the priority list
  // come from the method registry.
  for (int k = 0; k < kMethodRows; ++k) methods.MethodTag[k].clear();
  for (const MethodRow& m : Methods()) methods.MethodTag[m.Counter()] = "N." + std::to_string(m.number) + " ";
  const std::vector<std::string> list = StandardPriorityList();
  for (int r = 0; r < kPriorityRows; ++r)
    advice.PriorityList[r] = r < static_cast<int>(list.size()) ? list[r] : std::string();
  advice.PriorityCount = static_cast<int>(list.size()) - 1;
}

void Form1::Form_Load() {
  const Drawn drawn(*this);
  board.NumRows = 9;
  board.NumCols = 9;
  board.BoardLeft = w.Apri.left + w.Apri.width + 560;
  board.BoardTop = w.Apri.top;
  board.CellWidth = 640;
  board.CellHeight = 640;
  board.GridLeft = board.BoardLeft - 20;
  board.GridTop = board.BoardTop - 20;
  StartUpTables();
  board.BoardBuilt = false;
  // The 81 cell labels are copies of the designed caN(0).
  for (int i = 1; i < kCells; ++i) {
    std::string tip = std::to_string(i);
    w.caN[i] = w.caN[0];
    w.caN[i].tooltip = tip;
    w.caN[i].visible = true;
  }
  files.SchemeFile = " ";
  w.Sugge3a.items.clear();
  for (int d = 1; d <= 9; ++d) w.Sugge3a.items.push_back(" " + std::to_string(d));
  Azzera_Click();
  platform.Repaint();
  // The help file is named when the guide is opened; nothing to fail here.
}

void Form1::Azzera_Click() {
  const Drawn drawn(*this);
  // The run-time elements of the control arrays go. The layout below
  // creates the grid lines and headers again as copies of element 0; the
  // elements already there are made those copies in place.
  if (board.BoardBuilt) {
    for (std::vector<Control>* array : {&w.liO, &w.liV, &w.ri, &w.co})
      for (std::size_t i = 1; i < array->size(); ++i) {
        // The element keeps its name, which the layout gives it again.
        Control& element = (*array)[i];
        std::string name = std::move(element.name);
        element = (*array)[0];
        element.name = std::move(name);
      }
    w.cM.resize(1);
  }
  // The drawing surface is cleared.
  w.drawing.clear();
  // The cells are placed and emptied.
  LayoutBoard();
  for (int i = 0; i < kCells; ++i) {
    CellLabel& c = w.caN[i];
    c.caption.clear();
    c.back = colour::White;
    c.border = false;
    c.size = 9;
    c.tooltip = std::to_string(i);
    c.visible = false;
    board.ClearValue(i);
  }
  heldCaptions = 0;
  // The cursor goes to the first cell.
  board.CurCell = 0;
  w.caN[0].back = colour::LightYellow;
  // (Grid lines, headers and status line are laid out by LayoutBoard.)
  // The blackboard and the advice and trial panels.
  w.BoardClear();
  for (Control* c : {&w.Cons0, &w.Cons1, &w.Cons2, &w.Cons3, &w.Applica, &w.Tenta0, &w.VaiTenta, &w.AppTenta,
                     &w.CorCan, &w.CorCanT, &w.CorCanF, &w.CorVF})
    c->visible = false;
  board.InputEnabled = true;
  w.cv1.resize(1);
  trials.TrialOptionCount = 0;
  // The solution panels.
  w.APeri.items.clear();
  w.Peri.items.clear();
  // No game: the data phase has not begun.
  board.BoardBuilt = true;
  board.FilledCount = 0;
  control.SavedFilled = 0;
  files.SavingScheme = false;
  board.PlayPhase = false;
  // Open, create and "Initial Data" are offered; saving and Play are not.
  for (Control* c : {&w.Apri, &w.mApri, &w.mCrea, &w.DatIniz}) c->enabled = true;
  for (Control* c : {&w.Salva, &w.mSalva, &w.Gioca}) c->enabled = false;
  SetTimer(w.TempCons, false);
  board.DataStarted = false;
  control.AfterCancel = false;
  control.Creating = false;
  // The candidate views are off and the cursor's cell white.
  for (Control* c : {&w.Sugge0, &w.Sugge1, &w.Sugge3a}) c->enabled = false;
  board.CursorBack = colour::White;
  w.caN[0].back = board.CursorBack;
  // Candidates, solutions and every board text image go.
  board.Can.fill(CandText());
  board.Solution.Clear();
  board.TrialSolution.Clear();
  for (auto* rows : {&files.SchemeLines, &files.SchemeLines2, &files.FlashLines})
    for (std::string& t : *rows) t.clear();
  control.SavedMethodUse.fill(0);
  // Nothing to apply, no picture of a finished game, the solution hidden.
  w.Applica.enabled = false;
  w.mApplica.enabled = false;
  w.ImaCompl.visible = false;
  w.Peri.visible = false;
  w.APeri.visible = false;
  w.mSoluz.enabled = false;
  w.mSoluz.checked = false;
  w.mMosRiso.checked = false;
  trials = TrialState{};
  files.CandidatesEdited = false;
  methods.RecordOnly = false;
  // What to do first.
  w.BoardAdd("- Click on 'Initial Data' to build a");
  w.BoardAdd("  new Scheme or click on 'Open' to");
  w.BoardAdd("  reload a saved Scheme.");
  // The advice buttons and the play menus wait for a game.
  for (Control* c : {&w.Cons1, &w.Cons2, &w.Cons3, &w.mPerSuCom, &w.mRicFla, &w.mMosRiso, &w.mValuta, &w.mCanMoss,
                     &w.mNuoVal, &w.mRicMan})
    c->enabled = false;
  for (Control* c : {&w.Sugge1, &w.Sugge2, &w.Sugge6, &w.Sugge8}) c->selected = false;
  // The light shows green.
  SetLight(colour::Green, "GO!");
  // The advice levels, the trial modes and the advanced functions are off.
  for (Control* c : {&w.mSugge0, &w.mSugge1, &w.mSugge2, &w.mSugge6, &w.mSugge8, &w.Sugge1, &w.Sugge2, &w.Sugge3a,
                     &w.Sugge3b, &w.Sugge3c, &w.Sugge3d, &w.Sugge5, &w.Sugge6, &w.Sugge8, &w.VaiTenta, &w.AppTenta})
    c->enabled = false;
  w.VaiTenta.back = colour::ButtonFace;
  w.mFunzAva.checked = false;
  // The flash, the errors, the counters and the control's flags start again.
  board.DeviationCell = kNoDeviation;
  board.DeviationText.clear();
  board.FlashTaken = false;
  files.SchemeLineCount = 0;
  files.LastLine = 0;
  board.MarkState = 0;
  board.ErrorCount = 0;
  w.NErr.caption.clear();
  control.ValueOrigin = Origin::Keyed;
  files.SchemeOnly = true;
  control.ControlFailed = false;
  methods.Checking = false;
  methods.Progress = false;
  control.CandidatesReady = false;
  control.TrialCount = 0;
  advice.AdviceGiven = false;
  control.Difficulty.reset();
  methods.SuggestionCount = 0;
  control.SavedSuggestions = 0;
  control.TrialMode = false;
  // No values, the generator's limits, no moves.
  w.Fatti.caption = "0";
  gen.MinGivens = 27;
  gen.FallbackGivens = 33;
  control.MoveList.clear();
  control.MoveCount = 0;
  // The window is drawn again under the product's title.
  RepaintPanels();
  w.caption = kProductTitle + " " + kVersion;
}

void Form1::DatIniz_Click() {
  if (!control.Creating)
    for (auto& c : w.caN) c.visible = true;
  for (Control* c : {&w.Apri, &w.mApri, &w.mCrea}) c->enabled = false;
  board.DataStarted = true;
  for (Control* c : {&w.Salva, &w.mSalva, &w.Gioca}) c->enabled = true;
  w.DatIniz.enabled = false;
  w.BoardClear();
  w.BoardAdd("- When finished Initial Data");
  w.BoardAdd("  click 'Play', to start the game.");
  if (!control.Creating && !control.LoadingScheme) {
    files.NewSchemeNo += 1;
    files.SchemeFile = "Nuovo" + std::to_string(files.NewSchemeNo);
    w.caption = kProductTitle + " - " + files.SchemeFile;
  }
}

void Form1::form_unload() {
  // The closing picture window ends the program; without it the program ends at once.
  unloaded = true;
  SetTimer(w.TempEr, false);
  SetTimer(w.TempCons, false);
  platform.Quit();
}

void Form1::TempEr_Timer() {
  SetTimer(w.TempEr, false);
  SetLight(colour::Green, "GO!");
}

void Form1::TempCons_Timer() {
  w.BoardClear();
  advice.WaitText += ".";
  w.BoardAdd(advice.WaitText);
}

void Form1::RepaintPanels() {
  if (platform.DrawsWhileBusy()) DrawCells();
  platform.Repaint();
}

// ---- helpers -----------------------------------------------------------

Colour InkOf(Origin origin) {
  switch (origin) {
    case Origin::Given: return colour::ButtonText;
    case Origin::Keyed: return colour::DarkBlue;
    case Origin::Solver: return colour::White;
    case Origin::None: break;
  }
  return colour::Red;
}

void Form1::ShowValue(int cell, int digit, Origin origin) {
  board.SetValue(cell, digit, origin);
  heldCaptions &= ~CellBit(cell);
}

void Form1::ShowEmpty(int cell) {
  board.ClearValue(cell);
  heldCaptions &= ~CellBit(cell);
  CellLabel& c = w.caN[cell];
  c.caption.clear();
  c.font = font::Mono;
  c.size = 9;
}

void Form1::ShowCaption(int cell, const std::string& text) {
  w.caN[cell].caption = text;
  if (Filled(cell) && text != std::string(1, static_cast<char>('0' + Value(cell)))) heldCaptions |= CellBit(cell);
  else heldCaptions &= ~CellBit(cell);
}

std::string Form1::ShownCaption(int cell) const {
  if (Filled(cell) && !Has(heldCaptions, cell)) return std::string(1, static_cast<char>('0' + Value(cell)));
  return w.caN[cell].caption;
}

void Form1::DrawCells() {
  ForEachCell(board.TakeChanged(), [&](int c) {
    CellLabel& l = w.caN[c];
    l.ink = InkOf(board.OriginOf(c));
    if (!Filled(c)) {
      heldCaptions &= ~CellBit(c);
      return;
    }
    if (l.font != font::Sans) l.font = font::Sans;
    l.size = 18;
    const char digit = static_cast<char>('0' + Value(c));
    if (!Has(heldCaptions, c) && (l.caption.size() != 1 || l.caption[0] != digit)) l.caption.assign(1, digit);
  });
  FollowEdits();
}

void Form1::PaintAllWhite() {
  // After every group of the walk: unrolled, it is 81 stores.
#pragma GCC unroll 81
  for (CellLabel& c : w.caN) c.back = colour::White;
}

void Form1::SetLight(Colour c, const std::string& caption) {
  w.Semaf.back = c;
  w.SemaLab.back = c;
  w.SemaLab.caption = caption;
}

void Form1::SetTimer(Control& timer, bool enabled) {
  if (timer.enabled == enabled) return;
  timer.enabled = enabled;
  platform.TimerChanged(timer.name, enabled, timer.interval);
}

void Form1::SelectOption(Control& option) {
  // Only option buttons belong to a group; their kinds and containers are
  // fixed when the window is built.
  for (Control* c : w.Options())
    if (c != &option && c->kind == Kind::Option && c->parent == option.parent) c->selected = false;
  if (option.parent == "CorVF")
    for (Control& c : w.cv1) c.selected = false;
  option.selected = true;
  RunOptionHandler(option);
}

void Form1::RunOptionHandler(const Control& option) {
  if (&option == &w.Sugge0) Sugge0_Click();
  else if (&option == &w.Sugge1) Sugge1_Click();
  else if (&option == &w.Sugge2) Sugge2_Click();
  else if (&option == &w.Sugge6) Sugge6_Click();
  else if (&option == &w.Sugge8) Sugge8_Click();
  else
    for (std::size_t i = 0; i < w.cv1.size(); ++i)
      if (&option == &w.cv1[i]) {
        cv1_Click(static_cast<int>(i));
        return;
      }
}

MsgResult Form1::MsgBox(const std::string& text, MsgButtons buttons, const std::string& title, bool infoIcon) {
  DrawCells();
  MessageBoxRequest req{text, buttons, title, infoIcon};
  MsgResult r = platform.MessageBox(req);
  shownMessages.push_back({req, r});
  return r;
}

void Form1::ShowErrorCount(const std::string& plural) {
  w.NErr.caption = std::to_string(board.ErrorCount) + (board.ErrorCount == 1 ? " Error" : plural);
}

void Form1::TakeCaptionSnapshot() {
  for (int i = 0; i < kCells; ++i) board.CaptionSnapshot[i] = Filled(i) ? ShownCaption(i) : std::string();
}

int Form1::CountFilled() const { return Count(board.FilledCells()); }

std::string Form1::CandidateCaption(int cell) const {
  std::string t = board.Can[cell].Digits();
  if (t.size() > 5) t.insert(5, 1, ' ');
  return t;
}

}  // namespace tessora
