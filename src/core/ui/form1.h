// Form1, the main window: its whole state as plain data, grouped by owner, and
// every event handler as a member function on it. Nothing here knows Qt.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "advice/advice.h"
#include "board/board.h"
#include "control/control.h"
#include "files/files.h"
#include "methods/methods.h"
#include "ui/about.h"
#include "ui/main_window.h"
#include "ui/platform.h"

namespace tessora {

class WindowDetectorMemory;

inline const std::string kProductTitle = "Tessora";
inline const std::string kVersion = "2.2";

// Key codes of the window's key-down event.
namespace key {
constexpr int Enter = 13, Esc = 27, Space = 32, Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46;
constexpr int F1 = 112, F2 = 113, F3 = 114, F4 = 115, F11 = 122, F12 = 123;
}  // namespace key
// Shift mask of key and mouse events.
namespace shift {
constexpr int Shift = 1, Ctrl = 2, Alt = 4;
}

class Form1 {
 public:
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
  bool unloaded = false;  // the window was closed
  // Message boxes shown since the last dump, with the answer they got.
  struct ShownMessage {
    MessageBoxRequest request;
    MsgResult answer;
  };
  std::vector<ShownMessage> shownMessages;

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
  void ShowBoardText();

  // ---- move entry ----------------------------------------------------------
  void Form_KeyDown(int keyCode, int shiftState);
  // A key-down as the window receives it: F1 and the Ctrl shortcuts of the
  // File menu go to their commands only; any other key to the handler, then
  // the menu shortcuts F2 and F12.
  void KeyDown(int keyCode, int shiftState);

  // ---- candidate correction ------------------------------------------------
  void caN_MouseDown(int cell, int button, int shiftState);
  void EndCandidateCorrection();
  void CorCan_KeyDown(int keyCode, int shiftState);

  // ---- propagation, contradictions, flash, solution ----------------------
  void PropagateValue(int cell, int value);
  void CheckEndOfGame();
  void TakeFlash();
  void mRicFla_Click();
  void mCanMoss_click();
  void mSoluz_Click();

  // ---- candidates ----------------------------------------------------------
  void mRicMan_Click();

  // ---- board text image ----------------------------------------------------
  void TakeBoardText();

  // ---- solvability control and rating ------------------------------------
  void Gioca_Click();
  void BuildTrialTable();
  void RunSolvingLoop();
  bool StartTrial();  // false when no trial is left
  bool TrialFailed() const;
  void ExcludeTrial();
  bool BoardIsValid() const;  // 81 values, every zone holding 1..9 once
  // Some zone may hold two filled cells with the same caption (false only
  // when every filled cell shows a single digit and no zone repeats one).
  bool HasRepeatedCaption() const;
  void EnablePlayControls();
  // After a failed control outside creation: the window back in the data
  // phase with the scheme it was given, the failure report kept.
  void KeepSchemeAfterFailure();
  void Replay(bool trialUsed);
  void mNuoVal_Click();
  void AssessDifficulty(int listing);
  void mValuta_Click();

  // ---- scheme generator ----------------------------------------------------
  void mCrea_click();
  void BuildSolutionGrid();
  void BatchCreate();  // the F11 batch
  void FeedCreatedScheme();

  // ---- scheme files --------------------------------------------------------
  void Apri_Click();
  void Salva_Click();
  void ShowLoadedText();  // the board from SchemeLines2, after Open
  void mUsaSS_Click() { w.mUsaSS.checked = !w.mUsaSS.checked; }
  // The folder the file operations return to: the current folder the first
  // time, then always the same one; made the current folder.
  void EnterWorkFolder();

  // ---- print arrangement ---------------------------------------------------
  void mCreaDoc_Click();
  void mEspPdf_Click();  // "Export PDF...": the same sheet drawn as a PDF

  // ---- priority order ------------------------------------------------------
  void FindAdviceStep();
  // The same walk for a loop of walks (the replay): the memory lets the
  // detectors look only where the board changed since they last found
  // nothing. Between walks the caller tells the memory what it changed.
  void FindAdviceStep(WindowDetectorMemory* memory);
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

  // ---- about, help and zoom ------------------------------------------------
  void mInfo_Click();
  void Form4_Command1_Click();
  void mGuida_Click();
  // F1: the guide in the help viewer, at the topic of the highlighted menu
  // item (a control name; empty when no menu is open).
  void F1Help(const std::string& highlighted);
  // View > Zoom; false (and nothing changes) for a scale the menu does not offer.
  bool SetZoom(int percent);
  void mZoom100_Click() { SetZoom(100); }
  void mZoom125_Click() { SetZoom(125); }
  void mZoom150_Click() { SetZoom(150); }
  void mZoom200_Click() { SetZoom(200); }

  // ---- generic dispatch by control name (scripts, the Qt front end) ------
  // A click on a button, option, check box or menu item; false when the name
  // is unknown or the control cannot take a click now.
  bool Click(const std::string& name);
  bool Press(const std::string& name);
  bool Release(const std::string& name);
  bool Pick(const std::string& name, const std::string& item);
  bool Tick(const std::string& name);

  // ---- helpers shared by the handlers -------------------------------------
  // The size is compared by its bits: 18.0 has one representation, so this is
  // size == 18 without the floating-point compare (the detectors ask it all the time).
  bool Filled(int cell) const {
    return std::bit_cast<std::uint64_t>(w.caN[cell].size) == std::bit_cast<std::uint64_t>(18.0);
  }
  // The value of a filled cell (0 when its caption holds no digit). A string
  // always holds its terminating zero, so the first character can be read
  // before the length is known.
  // Worked out without a branch: whether a caption holds one character
  // follows the board, which a processor cannot predict.
  int Value(int cell) const {
    const std::string& c = w.caN[cell].caption;
    const unsigned d = static_cast<unsigned char>(c.data()[0]) - static_cast<unsigned>('1');
    const unsigned digit = static_cast<unsigned>(c.size() == 1) & static_cast<unsigned>(d < 9);
    return static_cast<int>((d + 1) & (0u - digit));
  }
  // Writes a value into a cell: caption, "MS Sans Serif" 18 points, the ink.
  void ShowValue(int cell, int digit, Colour ink);
  // Empties a cell in the empty-cell style ("Courier New" 9, red, no caption).
  void ShowEmpty(int cell);
  void PaintAllWhite();
  void SetLight(Colour colour, const std::string& caption);
  void SetTimer(Control& timer, bool enabled);
  // Selects an option button (deselecting the others of its group) and runs its handler.
  void SelectOption(Control& option);
  void DeselectOption(Control& option) { option.selected = false; }
  void RunOptionHandler(const Control& option);
  MsgResult MsgBox(const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                   const std::string& title = "", bool infoIcon = false);
  void DoEvents() { platform.DoEvents(); }
  void ShowErrorCount(const std::string& plural);
  int CountFilled() const;
  // CaptionSnapshot emptied, then holding the caption of every filled cell.
  void TakeCaptionSnapshot();
  // One cell of TakeCaptionSnapshot; an entry that already holds the caption
  // is left alone.
  void SnapshotCaption(int cell) {
    std::string& entry = board.CaptionSnapshot[cell];
    if (!Filled(cell)) {
      if (!entry.empty()) entry.clear();
      return;
    }
    const std::string& caption = w.caN[cell].caption;
    if (!SameText(entry, caption)) entry = caption;
  }
  std::string CandidateCaption(int cell) const;  // trimmed candidates, wrapped after five digits
  void CandidateCaptionTo(int cell, std::string& out) const;  // the same, written into out
};

}  // namespace tessora
