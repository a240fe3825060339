// The board text image: the board written into 9, 18 or 27 text rows.
#include "ui/form1.h"

namespace tessora {

void Form1::TakeBoardText() {
  auto& rows = files.SchemeLines;
  files.SchemeOnly = !files.CandidatesEdited && control.TrialTotal == 0;
  for (int r = 0; r < 9; ++r) {
    std::string& row = rows[r];
    row.clear();
    for (int c = 0; c < 9; ++c) {
      const int cell = 9 * r + c;
      if (Filled(cell)) {
        row += static_cast<char>('0' + Value(cell));
        if (board.OriginOf(cell) == Origin::Keyed) files.SchemeOnly = false;
      } else {
        row += ' ';
      }
    }
  }
  files.SchemeLineCount = 9;
  if (!board.PlayPhase) return;
  MsgResult answer = MsgResult::Yes;
  if (files.SavingScheme) {
    if (files.SchemeOnly) return;
    answer = MsgBox("Saving Candidates too ?", MsgButtons::YesNo, "Save");
  }
  for (int r = 0; r < 9; ++r) {
    std::string& row = rows[9 + r];
    row.clear();
    for (int c = 0; c < 9; ++c) {
      const Origin o = board.OriginOf(9 * r + c);
      row += o == Origin::Keyed ? 'b' : o == Origin::Solver ? 'c' : ' ';
    }
  }
  files.SchemeLineCount = 18;
  if (files.SavingScheme && answer == MsgResult::No) return;
  for (int r = 0; r < 9; ++r) {
    std::string& row = rows[18 + r];
    row.clear();
    for (int c = 0; c < 9; ++c) {
      const int cell = 9 * r + c;
      row += Filled(cell) ? std::string(" ") : board.Can[cell].Digits();
      row += ',';
    }
  }
  files.SchemeLineCount = 27;
  control.SavedFilled = board.FilledCount;
  control.SavedMethodUse = methods.MethodUse;
}

}  // namespace tessora
