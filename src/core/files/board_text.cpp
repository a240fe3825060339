// The board text image: the board written into 9, 18 or 27 text rows.
#include "ui/form1.h"

namespace tessora {

void Form1::TakeBoardText() { TakeBoardText(board); }

void Form1::TakeBoardText(const Board& b) {
  auto& rows = files.SchemeLines;
  files.SchemeOnly = !files.CandidatesEdited && control.TrialTotal == 0;
  for (int r = 0; r < 9; ++r) {
    std::string& row = rows[r];
    row.clear();
    for (int c = 0; c < 9; ++c) {
      const int cell = 9 * r + c;
      if (b.Filled(cell)) {
        row += static_cast<char>('0' + b.Value(cell));
        if (b.OriginOf(cell) == Origin::Keyed) files.SchemeOnly = false;
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
      const Origin o = b.OriginOf(9 * r + c);
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
      row += b.Filled(cell) ? std::string(" ") : b.Can[cell].Digits();
      row += ',';
    }
  }
  files.SchemeLineCount = 27;
  control.SavedFilled = board.FilledCount;
  control.SavedMethodUse = methods.MethodUse;
}

}  // namespace tessora
