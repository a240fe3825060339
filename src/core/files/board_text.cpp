// The board text image: the board written into 9, 18 or 27 text rows.
#include "files/board_image.h"
#include "ui/form1.h"

namespace tessora {

void Form1::TakeBoardText() { TakeBoardText(board); }

void Form1::TakeBoardText(const Board& b) {
  auto& rows = files.SchemeLines;
  files.SchemeOnly = !files.CandidatesEdited && control.TrialTotal == 0;
  for (int r = 0; r < 9; ++r) rows[r] = ValueRow(b, r);
  for (int cell = 0; cell < kCells; ++cell)
    if (b.Filled(cell) && b.OriginOf(cell) == Origin::Keyed) files.SchemeOnly = false;
  files.SchemeLineCount = 9;
  if (!board.PlayPhase) return;
  MsgResult answer = MsgResult::Yes;
  if (files.SavingScheme) {
    if (files.SchemeOnly) return;
    answer = MsgBox("Saving Candidates too ?", MsgButtons::YesNo, "Save");
  }
  for (int r = 0; r < 9; ++r) rows[9 + r] = MarkRow(b, r);
  files.SchemeLineCount = 18;
  if (files.SavingScheme && answer == MsgResult::No) return;
  for (int r = 0; r < 9; ++r) rows[18 + r] = CandidateRow(b, r);
  files.SchemeLineCount = 27;
  control.SavedFilled = board.FilledCount;
  control.SavedMethodUse = methods.MethodUse;
}

}  // namespace tessora
