// The user's progress in the window: every step the user takes is classed by
// its method (the first of the standard order that finds it) and by how it
// was taken (unaided, after "Method ?", "Value ?" or "Where ?" showed it, or
// with "Do it"), in a game or on a practice position; the counts are kept
// through the platform. Help > "My Progress" shows them.
#include "ui/form1.h"

namespace tessora {

namespace {

bool SameBoard(const Board& a, const Board& b) {
  if (a.Values() != b.Values()) return false;
  for (int c = 0; c < kCells; ++c)
    if (a.Can[c].Mask() != b.Can[c].Mask()) return false;
  return true;
}

int LevelOf(int adviceLevel) {
  switch (adviceLevel) {
    case 'q': return 1;
    case 'r': return 2;
    case 's': return 3;
    default: return 0;
  }
}

}  // namespace

void Form1::LoadProgress() {
  if (progress.loaded) return;
  progress.loaded = true;
  const ProgressLoad r = platform.LoadProgress();
  if (!r.error.empty()) {
    progress.storeFailed = true;
    MsgBox("Your progress cannot be read:\r\n" + r.error + "\r\nIt is counted until the program ends.", MsgButtons::Ok,
           "My Progress", true);
    return;
  }
  progress.counts = r.counts;
  if (!r.setAside.empty())
    MsgBox("The record of your progress could not be read.\r\nIt was set aside as\r\n" + r.setAside +
               "\r\nand a new record begins.",
           MsgButtons::Ok, "My Progress", true);
}

void Form1::mProgressi_Click() {
  const Drawn drawn(*this);
  LoadProgress();
  // The window may send the user to practise the method it suggests.
  const int method = platform.ShowProgress(MakeProgressReport(progress.counts));
  if (method >= 1 && method <= kPracticeMethods) StartPractice(method);
}

void Form1::NoteAdvice(const Step& step) {
  const int level = LevelOf(advice.AdviceLevel);
  const Step& a = progress.advised;
  // The same step asked again on the same board keeps the most detailed level.
  if (progress.level > 0 && a.code == step.code && a.cell == step.cell && a.digit == step.digit &&
      a.keep == step.keep && SameBoard(board, progress.advisedOn)) {
    progress.level = std::max(progress.level, level);
    return;
  }
  progress.advised = step;
  progress.advisedOn = board;
  progress.level = level;
}

void Form1::CountUserMove(const Board& before, const PracticeMove& move, int method) {
  if (method == 0) method = MethodOfMove(before, move, w.Sugge1.selected);
  Taken taken = Taken::Unaided;
  if (progress.level > 0 && SameBoard(before, progress.advisedOn)) {
    // The move in the cell the advice was about was found with the help of
    // its level; another step of the method it named, with the method told.
    const MethodRow* advised = MethodOf(progress.advised.code);
    const int number = advised ? advised->number : 0;
    if (number >= 1 && number <= kProgressMethods) {
      if (move.cell == progress.advised.cell && (method == number || method == 0)) {
        method = number;
        taken = progress.level == 1 ? Taken::AfterMethod : progress.level == 2 ? Taken::AfterValue : Taken::AfterWhere;
      } else if (method == number) {
        taken = Taken::AfterMethod;
      }
    }
  }
  progress.level = 0;
  if (method >= 1 && method <= kProgressMethods) CountStep(method, taken);
}

void Form1::CountStep(int method, Taken taken) {
  LoadProgress();
  progress.level = 0;
  MethodProgress& m = progress.counts.methods[method - 1];
  (PracticeOn() ? m.practice : m.game)[static_cast<int>(taken)] += 1;
  if (progress.storeFailed) return;
  std::string error;
  if (platform.SaveProgress(progress.counts, error)) return;
  progress.storeFailed = true;
  MsgBox("Your progress cannot be kept:\r\n" + error + "\r\nIt is counted until the program ends.", MsgButtons::Ok,
         "My Progress", true);
}

}  // namespace tessora
