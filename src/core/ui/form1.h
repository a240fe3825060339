// Form1, the main window: its whole state as plain data, grouped by owner, and
// every event handler as a member function on it. Nothing here knows Qt.
#pragma once

#include "util/product.h"
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "advice/advice.h"
#include "board/board.h"
#include "control/control.h"
#include "control/solving.h"
#include "files/files.h"
#include "methods/methods.h"
#include "ui/about.h"
#include "ui/edit.h"
#include "ui/main_window.h"
#include "ui/platform.h"
#include "ui/practice.h"
#include "ui/saved_game.h"

namespace tessora {

class DetectorMemory;
struct SavedGame;

// The ink that shows a value's origin.
Colour InkOf(Origin origin);


// Key codes of the window's key-down event.
namespace key {
constexpr int Enter = 13, Esc = 27, Space = 32, Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46;
constexpr int F1 = 112, F2 = 113, F3 = 114, F4 = 115, F5 = 116, F6 = 117, F7 = 118, F8 = 119, F9 = 120, F10 = 121,
              F11 = 122, F12 = 123;
// Ctrl with these steps the zoom: "+" and "-" of the main keys and of the
// keypad, "0" of both.
constexpr int Zero = 48, KeypadZero = 96, KeypadPlus = 107, KeypadMinus = 109, Plus = 187, Minus = 189;
}  // namespace key
// Shift mask of key and mouse events.
namespace shift {
constexpr int Shift = 1, Ctrl = 2, Alt = 4;
}

class Form1 {
 public:
  // Draws the labels when a handler that may change the board returns.
  struct Drawn {
    Form1& f;
    ~Drawn() { f.DrawCells(); }
  };

  explicit Form1(Platform& platform);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // ---- state -------------------------------------------------------------
  Platform& platform;
  MainWindow w;
  PriorityWindow form3;
  AboutWindow form4;
  BoardState board;
  MethodState methods;
  ControlState control;
  GeneratorState gen;
  AdviceState advice;
  TrialState trials;
  FileState files;
  EditState edit;
  PracticeState practice;
  ProgressState progress;
  KeepState keep;
  bool unloaded = false;  // the window was closed
  // Filled cells whose caption is a text of the display's own (ShowCaption).
  CellSet heldCaptions = 0;
  // Message boxes shown since the last dump, with the answer they got.
  struct ShownMessage {
    MessageBoxRequest request;
    MsgResult answer;
  };
  std::vector<ShownMessage> shownMessages;
  // Beeps sounded since the last dump.
  int beeps = 0;

  // ---- load and phases ---------------------------------------------------
  void Form_Load();
  void StartUpTables();
  void Azzera_Click();
  void mAzzer_Click() { Azzera_Click(); }
  void DatIniz_Click();
  void mChiudi_Click() { form_unload(); }
  void form_unload();
  void TempEr_Timer();
  void TempCons_Timer();
  void RepaintPanels();

  // ---- board display, cursor and marking ---------------------------------
  void LayoutBoard();
  void caN_MouseMove(int cell, int button, int shiftState);
  void caN_Click(int cell);
  void caN_DblClick(int cell);
  void Form_MouseMove(int button, int shiftState, int x, int y);
  void ClearMarks();
  void ShowCandidates();
  // The empty cells lose their captions.
  void ClearEmptyCaptions();
  void ShowBoardText();

  // ---- the start path and the game kept between runs (ui/saved_game.cpp) --
  // What the program does once its start-up window is gone: the recent
  // files as the desktop kept them, the game of the last run brought back (a
  // broken one set aside with a message), and from then on the game in
  // progress kept after every event (KeepGame).
  void StartUp();
  // Run after every event: the game in progress written to the user's data
  // when it changed since last written; removed when there is none (an
  // empty board, a finished game, the scheme New (create) left untouched).
  void KeepGame();
  // The game in progress as it is kept; false when there is none to keep.
  bool CaptureGame(SavedGame& game) const;
  // Brings a saved game back on the board; false, with the reason in
  // `error` and the board untouched, when it cannot be.
  bool ResumeGame(const SavedGame& game, std::string& error);
  // Whether the control finishes a scheme of these givens (81 characters),
  // run on a window of its own that nobody sees.
  bool ControlFinishes(const std::string& grid) const;

  // ---- recent files (ui/recent_files.cpp) ------------------------------------
  // A scheme file opened or saved: first in File > "Recent Schemes", kept by the platform.
  void NoteRecentFile(const std::string& path);
  // The menu's items from the list, a file no longer there disabled.
  void ShowRecentFiles();
  // mRec(i): the file opened as Open opens a chosen one.
  void OpenRecent(int index);

  // ---- the keyboard beside the mouse (ui/keyboard.cpp) -----------------------
  // Tools > "Arrow Keys in Play": the arrows move the cursor in play too.
  void mTastiera_Click() { w.mTastiera.checked = !w.mTastiera.checked; }
  // In play with that option: an arrow moves the cursor as the mouse would
  // (wrapping round the board); false for any other key.
  bool MoveCursorByArrow(int keyCode);
  // F5..F10 act as the mouse held on "Method ?", "Value ?", "Where ?",
  // "Instance", "Net" and "Exclusion": the key-down presses, the key-up
  // releases. False for any other key.
  bool PressByKey(int keyCode, int shiftState);
  // A key released: the button its key-down holds is released.
  void KeyUp(int keyCode, int shiftState);
  // The key that holds `heldButton`, 0 when none does.
  int heldKey = 0;

  // ---- move entry ----------------------------------------------------------
  void Form_KeyDown(int keyCode, int shiftState);
  // A key-down as the window receives it: F1 and the Ctrl shortcuts of the
  // File and Edit menus go to their commands only; any other key to the
  // handler, then the menu shortcuts F2 and F12.
  void KeyDown(int keyCode, int shiftState);
  // The givens of a grid (81 characters, a digit for a given) written at
  // once after "Initial Data" on the empty board, leaving the window as a
  // click on each given's cell and its digit keyed in leave it.
  void EnterGivens(const std::string& grid);
  // The parts of a key press, in the order Form_KeyDown takes them.
  // ESC: the tints and marks go, a trial view starts again; true when it
  // ended a candidate correction (the key goes no further).
  bool EscapeTidiesBoard();
  // Whether a key reaches the board now, and then whether the current cell
  // takes it (the user is told why not where there is something to tell).
  bool KeysReachTheBoard(int shiftState);
  bool CurrentCellTakesKeys();
  // Delete: the value leaves the cell; in play the control runs again.
  void DeleteValue(int cell);
  // The arrows while the initial data are keyed.
  void MoveCursorInData(int keyCode);
  // A digit keyed into a cell: judged in play (AcceptMove), written and
  // propagated. False when it was refused or led to a contradiction.
  bool KeyDigit(int cell, int digit);
  // The judgement of a move in play (JudgeMove) told on the blackboard, with
  // the error's light and count or the flash of a trial move.
  bool AcceptMove(int cell, int digit);
  void TidyAfterKey();
  void AdvanceCursor();

  // ---- candidate correction ------------------------------------------------
  void caN_MouseDown(int cell, int button, int shiftState);
  void EndCandidateCorrection();
  void CorCan_KeyDown(int keyCode, int shiftState);
  // The correction panel beside a cell, one ticked box under each candidate.
  void OpenCorrectionPanel(int cell);
  // The starting-candidate chooser beside a cell, one option per trial candidate.
  void OpenTrialChooser(int cell);

  // ---- propagation, contradictions, flash, solution ----------------------
  void PropagateValue(int cell, int value);
  // A value left an empty cell without a candidate: the report, the red
  // light, the suspects marked, input blocked.
  void ReportContradiction();
  void CheckEndOfGame();
  void TakeFlash();
  void mRicFla_Click();
  void mCanMoss_click();
  void mSoluz_Click();

  // ---- candidates ----------------------------------------------------------
  // The candidates recounted from the values, then all of them shown.
  void RecountCandidates();
  void mRicMan_Click();

  // ---- board text image ----------------------------------------------------
  void TakeBoardText();
  // The text image of another board than the window's (the board the
  // control's first trial began from).
  void TakeBoardText(const Board& from);

  // ---- solvability control and rating ------------------------------------
  void Gioca_Click();
  // A step applied as the control applies it to the window's board (the
  // one-detector runs of the views and the tests): a placement written in the
  // control's ink and propagated, or the first pattern digit the target holds
  // removed; counted as a suggestion.
  void ApplyStep(const Step& step);
  // The scheme's rows taken from the board's values.
  void TakeSchemeRowsFromBoard();
  // Two cells of a zone hold the same value: both turn red and the data
  // phase goes on.
  void ReportRepeatedValues(int cellA, int cellB);
  // The window as the control begins: the play buttons shown, the counts
  // reset, "CONTROL IS RUNNING".
  void StartControlWindow();
  // The window as the solving loop left it: its board and counts, the
  // contradictions it met reported, the board of its first trial recorded,
  // the views it changed.
  void ShowSolvingOutcome(const SolvingOutcome& loop);
  // The data contradicted themselves: the control's values leave the board.
  void LeaveDataAfterContradiction();
  // The control could not finish: its report, a message, the data phase again.
  void ReportFailure();
  // The report's head and its count of suggestions.
  void WriteControlReport();
  // The solution listed and taken, the control's values off the board, the
  // scheme shown again with its candidates.
  void TakeSolutionAndRestoreScheme(bool trialUsed, int filledBefore);
  // The window ready for play.
  void SetUpPlay();
  // The rating and "YOU CAN PLAY NOW" (or "SCHEME ALREADY SOLVED").
  void CloseControlReport();
  // The priority list's groups as the walk takes them.
  PriorityOrder UserPriorityOrder() const;
  // The replay's moves, counters and step record written into the window.
  void ShowReplay(const ReplayOutcome& replay);
  void EnablePlayControls();
  // Two report lines when the scheme has more than one solution.
  void ReportSeveralSolutions();
  // After a failed control outside creation: the window back in the data
  // phase with the scheme it was given, the failure report kept.
  void KeepSchemeAfterFailure();
  void Replay(bool trialUsed);
  void mNuoVal_Click();
  void AssessDifficulty(int listing);
  void mValuta_Click();
  // The fine score (control/score.h) of what the last control used: the
  // method counters the rating reads and, when it needed them, its trials.
  // None for a scheme with more than one solution.
  std::optional<double> FineScore() const;

  // ---- scheme generator ----------------------------------------------------
  void mCrea_click();
  // The solution grid of a new scheme drawn (gen.SeedGrids, SeedIndex,
  // SymmetryKind), and one the generator drew shown there.
  void BuildSolutionGrid();
  void ShowSolutionGrid(const SolutionGrid& grid);
  // The F11 batch: ten schemes rated above Easy, each written to a new
  // `.sud` file in the current folder under the next free name.
  void BatchCreate();
  void FeedCreatedScheme();
  // WorkGrid on the board as a created scheme's givens, Initial Data done.
  void LoadWorkGrid();
  // SchemeFile and the window caption of a created scheme, from its rating,
  // NewSchemeNo, its seed grid and its symmetry.
  void NameCreatedScheme();

  // ---- scheme files --------------------------------------------------------
  void Apri_Click() { OpenScheme(true, std::string()); }
  // Open: the board cleared, the file chosen in the dialog (`ask`) or `path`
  // read, checked and played.
  void OpenScheme(bool ask, const std::string& path);
  void Salva_Click();
  void ShowLoadedText();  // the board from SchemeLines2, after Open
  void mUsaSS_Click() { w.mUsaSS.checked = !w.mUsaSS.checked; }
  // The folder the file operations return to: the current folder the first
  // time, then always the same one; made the current folder.
  void EnterWorkFolder();

  // ---- Edit menu and New (create) of level ----------------------------------
  // "Copy Scheme": the scheme's givens on the clipboard as one line of 81
  // characters, "." for an empty cell.
  void mCopia_Click();
  // "Paste Scheme": the scheme the clipboard holds (files/puzzle_text.h)
  // started as a keyed one: Clear All, Initial Data, its givens, Play. Any
  // other text, and a scheme without givens, with a digit twice in a zone,
  // without solution or that the control cannot finish, is refused with a
  // message before anything changes. A game with work of the user's is
  // replaced only when the user says Yes.
  void mIncolla_Click();
  // The board holds something the user did: in play a value played or
  // candidates of the user's own, before Play a value keyed in.
  bool HasUserWork() const;
  // "Undo Move": the value the user played last taken back as Delete on its
  // cell takes it back; after a contradiction the block on input is lifted first.
  void mAnnulla_Click();
  // The cell of the value the user played last, -1 when there is none.
  int LastPlayedCell() const;
  // Follows the values played since the last call and keeps the Edit menu
  // and "New (create) of level" in step with the window (run whenever the
  // labels are drawn).
  void FollowEdits();
  // "New (create) of level" (mLiv(0)..mLiv(4)): a scheme aimed at the level
  // (0 Easy .. 3 Diabolic, 4 Diabolic with at least one trial;
  // control/level_generator.h), played and named as a created scheme; the
  // number of schemes it took until Play rated one at the level, or 0 when
  // none of creationLimit was (or no grid gave one).
  int CreateOfLevel(int level);
  // The creations "New (create) of level" and the F11 batch make at most for
  // one scheme (kMaxLevelAttempts; a test may lower it).
  int creationLimit = kMaxLevelAttempts;

  // ---- print arrangement ---------------------------------------------------
  void mCreaDoc_Click();
  void mEspPdf_Click();  // "Export PDF...": the same sheet drawn as a PDF
  // "Export PDF..." without its dialog: the sheet drawn into `path` as it is
  // named (relative to the work folder). False, with a message box, when
  // there is nothing to print or the file cannot be written.
  bool ExportPdf(std::string path);

  // ---- priority order ------------------------------------------------------
  // The walk over the priority list: the first step any group's method finds,
  // written into AdviceStep (Progress set), and returned. A loop of walks
  // (the replay) passes its detector memory, which it tells of every change
  // it makes between walks.
  Step FindAdviceStep(DetectorMemory* memory = nullptr);
  void mOpzio_click();
  void Form3_Load();
  void Prio_Click();
  void portaSu_Click();
  void portaGiu_Click();
  void faiStd_Click();
  void faiEsci_Click();
  void FillPrioList();

  // ---- candidate views -----------------------------------------------------
  void Sugge0_Click();
  void Sugge1_Click();
  void Sugge2_Click();
  void mSugge0_Click();
  void mSugge1_Click();
  void mSugge2_Click();
  void mFunzAva_Click();
  void EndTrialView();
  void RemoveCorrectionButtons();
  // The digit chooser and the three buttons that show its digit while held.
  void Sugge3a_Click();
  void Sugge3b_MouseDown();  // "Instance"
  void Sugge3b_MouseUp();
  void Sugge3c_MouseDown();  // "Net"
  void Sugge3c_MouseUp();
  void Sugge3d_MouseDown();  // "Exclusion"
  void Sugge3d_MouseUp();

  // ---- advice engine -------------------------------------------------------
  // "Method ?", "Value ?" and "Where ?" act while held: the press explains
  // the next step at its level, the release clears the board again.
  void Cons1_MouseDown();
  void Cons2_MouseDown();
  void Cons3_MouseDown();
  void Cons1_MouseUp();
  void Cons2_MouseUp();
  void Cons3_MouseUp();
  void GiveAdvice();
  // "Show Resolving Move": the control's successful trial, to be keyed in.
  void mMosRiso_click();

  // ---- "Do it" -------------------------------------------------------------
  // Plays AdviceStep: its digit written into its cell, or its candidates
  // made the cell's. Also played, move by move, by the trials' "Do it".
  void Applica_click();
  // "Do it" under "Continue": plays the sure moves a trial proved, one by
  // one, each after its confirmation, through Applica_click.
  void AppTenta_Click();
  // "Apply Suggestion or Trial" (F2): the trial's sure moves in a trial
  // view, the advice step otherwise.
  void mApplica_Click();
  // A pending "Do it" is dropped: the board changed since the step was shown.
  void DisableDoIt();

  // ---- guided trials ---------------------------------------------------------
  void Sugge6_Click();
  void Sugge8_Click();
  void mSugge6_Click();
  void mSugge8_Click();
  void cv1_Click(int index);
  void VaiTenta_click();
  // One inference of the trial on conjugated pairs, and one step of the trial
  // on all candidates.
  void TrialPairsStep();
  void TrialAllStep();
  // The system beep, `times` times.
  void Beep(int times);

  // ---- about, help and zoom ------------------------------------------------
  void mInfo_Click();
  void Form4_Command1_Click();
  void mGuida_Click();
  // F1: the guide in the help viewer, at the topic of the highlighted menu
  // item (a control name; empty when no menu is open).
  void F1Help(const std::string& highlighted);
  // View > Zoom; false (and nothing changes) for a scale the menu does not offer.
  bool SetZoom(int percent);
  // Any scale from kMinZoom to kMaxZoom (the window's size, a remembered
  // one); the menu's item of that scale is checked, if it has one. False
  // (and nothing changes) outside the range.
  bool ZoomTo(int percent);
  // Ctrl+plus and Ctrl+minus: the next of kZoomSteps above (direction 1) or
  // below (-1) the scale now; Ctrl+0: 100 %.
  void ZoomStep(int direction);
  static constexpr int kMinZoom = 50, kMaxZoom = 400;
  void mZoom100_Click() { SetZoom(100); }
  void mZoom125_Click() { SetZoom(125); }
  void mZoom150_Click() { SetZoom(150); }
  void mZoom200_Click() { SetZoom(200); }

  // ---- practice and progress (ui/practice.cpp, ui/progress_counts.cpp) ----
  // Tools > "Practice...": asks for a method and loads a position where it
  // gives the next step; "Next Position" (F3): another of the same method.
  void mPratica_Click();
  void mProssima_Click();
  // Loads a practice position of the method (1..16); false when none was
  // loaded (the user kept the game on the board, or none came out).
  bool StartPractice(int method);
  // The board holds the practice position loaded last (its scheme, in play).
  bool PracticeOn() const;
  // The step the advice shows: the practice's own step while its position is
  // on the board as it was loaded, otherwise the walk's.
  Step PracticeAdvice(const Step& walkStep);
  // Help > "My Progress": the counts as a chart and the method to practise next.
  void mProgressi_Click();
  // The counts kept between runs, read once (a broken store is said so).
  void LoadProgress();
  // A move of the user's was judged (`before`: the board before it): the
  // practice says whether it was the method's step, and the counts follow.
  void NoteUserMove(const Board& before, const PracticeMove& move, bool accepted);
  // The advice showed a step at its level; "Do it" played the step shown.
  void NoteAdvice(const Step& step);
  void NoteDoIt(const Step& shown);
  // The counts: a move of the user's classed by its method (`method`, when
  // not 0: the practice's method, whose step it is) and by the advice that
  // showed it; a step of a method taken so. Kept through the platform.
  void CountUserMove(const Board& before, const PracticeMove& move, int method);
  void CountStep(int method, Taken taken);
  // "Do it" under the advice buttons, counted (the trials' "Do it" plays its
  // moves through Applica_click uncounted).
  void DoIt_Click();

  // ---- generic dispatch by control name (scripts, the Qt front end) ------
  // A click on a button, option, check box or menu item; false when the name
  // is unknown or the control cannot take a click now.
  bool Click(const std::string& name);
  bool Press(const std::string& name);
  bool Release(const std::string& name);
  // The held button whose press was taken and whose release has not come yet.
  std::string heldButton;
  bool Pick(const std::string& name, const std::string& item);
  bool Tick(const std::string& name);

  // ---- the board and its labels ------------------------------------------
  // The board model holds every cell's value, origin and candidates; the 81
  // labels show it. A filled cell's label shows its value in "MS Sans Serif"
  // at 18 points, in its origin's ink; an empty cell's caption, font and size
  // are the display's own (candidates, an emptied value at size 4, a trial
  // text), set by the handlers, and only its ink comes from the board.
  bool Filled(int cell) const { return board.Filled(cell); }
  int Value(int cell) const { return board.Value(cell); }
  // Writes a value with its origin into the board.
  void ShowValue(int cell, int digit, Origin origin);
  // Empties a cell in the empty-cell style ("Courier New" 9, red, no caption).
  void ShowEmpty(int cell);
  // A filled cell's caption set to a text of the display's own (a caption
  // snapshot that no longer matches the value); the value is unchanged. The
  // value's own text again when the text is that.
  void ShowCaption(int cell, const std::string& text);
  // The caption a cell shows: its value's digit (or the text it was given),
  // for an empty cell what the display put there.
  std::string ShownCaption(int cell) const;
  // Brings the labels of the cells whose value or origin changed up to the
  // board. The event entry points and the handlers that change the board
  // call it when they return (Drawn), DoEvents and RepaintPanels while a
  // handler runs (on a platform that shows it), the dump before it reads.
  void DrawCells();
  void PaintAllWhite();
  void SetLight(Colour colour, const std::string& caption);
  void SetTimer(Control& timer, bool enabled);
  // Selects an option button (deselecting the others of its group) and runs its handler.
  void SelectOption(Control& option);
  void DeselectOption(Control& option) { option.selected = false; }
  void RunOptionHandler(const Control& option);
  MsgResult MsgBox(const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                   const std::string& title = "", bool infoIcon = false);
  void DoEvents() {
    if (platform.DrawsWhileBusy()) DrawCells();
    platform.DoEvents();
  }
  void ShowErrorCount(const std::string& plural);
  int CountFilled() const;
  // CaptionSnapshot emptied, then holding the caption of every filled cell.
  void TakeCaptionSnapshot();
  // A cell's candidates as its caption shows them: the digits, a blank after
  // the fifth (the label wraps the rest onto a second line).
  std::string CandidateCaption(int cell) const;
};

}  // namespace tessora
