// Practice in the window: Tools > "Practice..." asks for a method and loads a
// position where it gives the next step (control/practice.h), with its
// candidates shown (hidden for the methods of the values alone), and says on
// the blackboard which method to find. The user answers with a value keyed
// in or with the candidate correction; the blackboard says whether that was
// the method's step. "Where ?" shows it; "Next Position" (F3) gives another.
#include <memory>

#include "methods/record.h"
#include "ui/form1.h"
#include "ui/scripted_platform.h"

namespace tessora {

namespace {

std::string Number(int method) { return (method < 10 ? "0" : "") + std::to_string(method); }

std::string NameOf(int method) { return Methods()[method - 1].name; }

bool SameBoard(const Board& a, const Board& b) {
  if (a.Values() != b.Values()) return false;
  for (int c = 0; c < kCells; ++c)
    if (a.Can[c].Mask() != b.Can[c].Mask()) return false;
  return true;
}

// The position as the 27 rows of a saved game: values, the marks of the
// values played (b), and every empty cell's candidates.
std::array<std::string, kSchemeRows> GameRows(const PracticePosition& p) {
  std::array<std::string, kSchemeRows> rows{};
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const int cell = 9 * r + c;
      rows[r] += p.values[cell] ? static_cast<char>('0' + p.values[cell]) : ' ';
      rows[9 + r] += p.values[cell] && !p.givens[cell] ? 'b' : ' ';
      rows[18 + r] += (p.values[cell] ? std::string(" ") : MaskDigits(p.candidates[cell])) + ",";
    }
  return rows;
}

// The position loaded as Open loads a saved game: the control runs on its
// values, then the values played and the candidates come back.
void LoadGame(Form1& f, const PracticePosition& p) {
  f.Azzera_Click();
  for (auto& c : f.w.caN) c.visible = true;
  const auto rows = GameRows(p);
  for (int k = 0; k < kSchemeRows; ++k) f.files.SchemeLines[k] = f.files.SchemeLines2[k] = rows[k];
  f.files.SchemeLineCount = kSchemeRows;
  f.ShowBoardText();
  f.control.LoadingScheme = true;
  f.files.LastLine = kSchemeRows - 1;
  f.DatIniz_Click();
  f.Gioca_Click();
  if (f.board.PlayPhase) f.ShowLoadedText();
  f.control.LoadingScheme = false;
}

// The control finishes on the position, run on a window of its own that
// nobody sees (a position it could not finish would leave the window in the
// data phase).
bool PositionControlFinishes(const Form1& f, const PracticePosition& p) {
  ScriptedPlatform unseen;
  const auto trial = std::make_unique<Form1>(unseen);
  trial->Form_Load();
  trial->control.UseTrialPlan = f.control.UseTrialPlan;
  trial->control.UseDetectorMemory = f.control.UseDetectorMemory;
  LoadGame(*trial, p);
  return trial->board.PlayPhase && !trial->control.ControlFailed;
}

void Say(Form1& f, std::initializer_list<std::string> lines, bool clear) {
  if (clear) f.w.BoardClear();
  for (const std::string& line : lines) f.w.BoardAdd(line);
}

}  // namespace

void Form1::mPratica_Click() {
  const Drawn drawn(*this);
  ChoiceRequest q;
  q.title = "Practice";
  q.label = "The method to practise:";
  for (int m = 1; m <= kPracticeMethods; ++m) q.items.push_back(Number(m) + " - " + NameOf(m));
  q.current = practice.method > 0 ? practice.method - 1 : 0;
  const int chosen = platform.ChooseItem(q);
  if (chosen < 0 || chosen >= kPracticeMethods) return;
  StartPractice(chosen + 1);
}

void Form1::mProssima_Click() {
  if (practice.method > 0) StartPractice(practice.method);
}

bool Form1::StartPractice(int method) {
  const Drawn drawn(*this);
  if (method < 1 || method > kPracticeMethods) return false;
  // A game of the user's goes only when the user says so; a practice
  // position gives way to the next without asking.
  if (!PracticeOn() && HasUserWork() &&
      MsgBox("The board holds a game of yours.\r\nPut a practice position in its place?", MsgButtons::YesNo,
             "Practice") != MsgResult::Yes)
    return false;
  practice.method = method;
  w.mProssima.enabled = true;
  platform.Randomize();
  for (int attempt = 0; attempt < 8; ++attempt) {
    const auto seed = static_cast<std::uint64_t>(platform.Rnd() * 9007199254740992.0);
    PracticeRandom random(seed);
    const std::optional<PracticePosition> p = MakePracticePosition(method, random);
    if (!p || !PositionControlFinishes(*this, *p)) continue;
    LoadGame(*this, *p);
    if (!board.PlayPhase) continue;
    practice.active = true;
    practice.position = *p;
    practice.answered = false;
    progress.level = 0;
    SelectOption(p->candidatesShown ? w.Sugge1 : w.Sugge0);
    practice.start = board;
    const bool places = Methods()[method - 1].kind == StepKind::Placement;
    Say(*this, {"- PRACTICE, method " + Number(method) + ":", "  " + NameOf(method) + "."}, true);
    if (places) {
      Say(*this, {"  Find its step, and key the value", "  in its cell."}, false);
    } else {
      Say(*this,
          {"  Find its step: right-click a cell,", "  untick what the step removes and", "  key ESC (or key a value it leaves)."},
          false);
    }
    Say(*this, {"  \"Where ?\" shows the step; F3 gives", "  another position."}, false);
    return true;
  }
  MsgBox("No practice position of this method came out.\r\nPlease try again.", MsgButtons::Ok, "Practice");
  return false;
}

bool Form1::PracticeOn() const {
  if (!practice.active || !board.PlayPhase) return false;
  for (int c = 0; c < kCells; ++c) {
    const int given = board.OriginOf(c) == Origin::Given ? board.Value(c) : 0;
    if (given != practice.position.givens[c]) return false;
  }
  return true;
}

Step Form1::PracticeAdvice(const Step& walkStep) {
  if (!PracticeOn() || practice.answered || !SameBoard(board, practice.start)) return walkStep;
  // The method's own description of the step the walk finds (the walk may
  // find it under an earlier method that gives the same step).
  const Step s = practice.position.step;
  methods.AdviceStep.Clear();
  WriteRecord(methods.AdviceStep, s);
  methods.Progress = true;
  return s;
}

void Form1::DoIt_Click() {
  const Board before = board;
  const Step shown = advice.Shown;
  Applica_click();
  const int cell = shown.cell;
  if (cell < 0 || cell >= kCells || !board.InputEnabled) return;
  if (board.Value(cell) != before.Value(cell) || board.Can[cell].Mask() != before.Can[cell].Mask())
    NoteDoIt(shown);
}

void Form1::NoteUserMove(const Board& before, const PracticeMove& move, bool accepted) {
  bool practiceStep = false;
  if (PracticeOn() && !practice.answered) {
    const int m = practice.method;
    // The practice knows the solution even where the control needed trials
    // (and so accepts any move): a move against it is no good move.
    const int s = practice.position.solution[move.cell];
    const bool agrees = move.IsPlacement() ? move.digit == s : ((move.removed >> s) & 1u) == 0;
    practiceStep = agrees && MoveIsStepOf(before, move, m, practice.position.candidatesShown);
    if (accepted && practiceStep) {
      practice.answered = true;
      Say(*this, {"- PRACTICE: right, that is the step", "  of " + NameOf(m) + ".", "  F3 gives another position."},
          false);
    } else if (accepted && agrees) {
      Say(*this, {"- PRACTICE: a good move, but not the", "  step of " + NameOf(m) + ".",
                  "  Try again, or hold \"Where ?\"."},
          false);
    } else {
      Say(*this, {"- PRACTICE: not the step of", "  " + NameOf(m) + ".", "  Try again, or hold \"Where ?\"."}, false);
    }
  }
  if (!accepted) return;
  CountUserMove(before, move, practiceStep ? practice.method : 0);
}

void Form1::NoteDoIt(const Step& shown) {
  const MethodRow* m = MethodOf(shown.code);
  if (!m || m->number > kProgressMethods) return;
  if (PracticeOn() && !practice.answered && m->number == practice.method) {
    practice.answered = true;
    Say(*this, {"- PRACTICE: \"Do it\" played the step", "  of " + NameOf(m->number) + ".", "  F3 gives another position."},
        false);
  }
  CountStep(m->number, Taken::DoIt);
}

}  // namespace tessora
