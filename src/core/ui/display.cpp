// The board's layout, the cursor that follows the mouse, the double-click
// marking, the candidate display and the redrawing from the board text image.
#include "files/scheme_format.h"
#include "ui/form1.h"

namespace tessora {

namespace {

// An array grown to `size` elements, each new one a copy of element 0 named
// after its place ("liO(3)").
void Grow(std::vector<Control>& array, int size, const std::string& name) {
  for (int i = static_cast<int>(array.size()); i < size; ++i) {
    array.push_back(array[0]);
    array.back().name = name + "(" + std::to_string(i) + ")";
  }
}

}  // namespace

void Form1::LayoutBoard() {
  const int step = 640;
  // Cells; the first column of each box sits clear of the thick line.
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      CellLabel& cell = w.caN[9 * r + c];
      cell.top = board.BoardTop + r * step;
      cell.left = board.BoardLeft + c * step + (c % 3 == 0 ? 10 : 0);
    }
  // Horizontal lines and row headers.
  Grow(w.liO, board.NumRows + 1, "liO");
  Grow(w.ri, board.NumRows + 1, "ri");
  for (int i = 0; i <= board.NumRows; ++i) {
    Control& l = w.liO[i];
    l.x1 = board.GridLeft;
    l.y1 = l.y2 = board.GridTop + i * step;
    l.x2 = board.GridLeft + 9 * step;
    l.borderWidth = i % 3 == 0 ? 3 : 1;
    l.visible = true;
    Control& h = w.ri[i];
    h.caption = std::string(1, static_cast<char>('A' + i));
    h.left = l.x1 - 200;
    h.top = l.y1 + 100;
    h.visible = i < 9;
  }
  board.GridRight = w.liO[board.NumRows].x2;
  board.GridBottom = w.liO[board.NumRows].y2;
  // Vertical lines and column headers.
  Grow(w.liV, board.NumCols + 1, "liV");
  Grow(w.co, board.NumCols + 1, "co");
  for (int j = 0; j <= board.NumCols; ++j) {
    Control& l = w.liV[j];
    l.x1 = l.x2 = board.GridLeft + j * step;
    l.y1 = board.GridTop;
    l.y2 = board.GridTop + 9 * step;
    l.borderWidth = j % 3 == 0 ? 3 : 1;
    l.visible = true;
    Control& h = w.co[j];
    h.caption = std::string(1, static_cast<char>('a' + j));
    h.left = l.x1 + 200;
    h.top = board.GridTop - 200;
    h.visible = j < 9;
  }
  // Status line to the right of the grid, and the advice container under it.
  w.Fatti.left = w.liV[board.NumCols].x1 + 200;
  w.Resto.left = w.Fatti.left + w.Fatti.width;
  w.Semaf.left = w.Resto.left + w.Resto.width + 300;
  w.SemaLab.width = w.Semaf.width - 60;
  w.SemaLab.left = w.Semaf.left + 30;
  w.NErr.left = w.Resto.left + w.Resto.width / 2;
  w.FraCons.left = w.Fatti.left;
  w.FraCons.top = w.Fatti.top + 2 * w.Fatti.height;
  // Solution panels.
  w.APeri.left = board.BoardLeft + 100;
  w.APeri.top = board.BoardTop + 9 * step + 20;
  w.Peri.top = w.APeri.top;
}

void Form1::caN_MouseMove(int k, int /*button*/, int shiftState) {
  w.Applica.enabled = false;
  w.mApplica.enabled = false;
  board.MouseOverBoard = true;
  board.PrevCell = board.CurCell;
  if (!board.InputEnabled || w.VaiTenta.enabled || shiftState != 0) return;
  w.caN[board.CurCell].back = board.CursorBack;
  board.CurCell = k;
  if (k != board.PrevCell) board.CursorBack = w.caN[k].back;
  w.caN[k].back = colour::LightYellow;
}

void Form1::caN_Click(int k) {
  w.Applica.enabled = false;
  w.mApplica.enabled = false;
  board.CurCell = k;
  board.PrevCell = k;
  if (board.InputEnabled) {
    board.CursorBack = colour::White;
    w.caN[k].back = colour::LightYellow;
  }
}

void Form1::Form_MouseMove(int /*button*/, int /*shiftState*/, int x, int y) {
  if (board.FreezeMouse) return;
  board.MouseOverBoard = x >= 2000 && x <= 7400 && y >= 210 && y <= 5600;
}

void Form1::caN_DblClick(int k) {
  board.CurCell = k;
  board.PrevCell = k;
  if (!Filled(k)) {
    ClearMarks();
    return;
  }
  const std::string v = w.caN[k].caption;
  int value = Value(k);
  if (board.MarkState != 0 && board.MarkState != value) return;
  if (!w.caN[k].border) {
    // First double-click: every cell showing the value turns pink.
    for (auto& c : w.caN)
      if (c.caption == v) {
        c.border = true;
        c.back = colour::Pink;
      }
    board.MarkState = value;
    board.CursorBack = colour::Pink;
    return;
  }
  // Second double-click: the cells the value excludes turn grey.
  for (int z : {RowZone(k), ColZone(k)})
    for (int c : ZoneCells[z]) w.caN[c].back = colour::Grey;
  w.caN[k].back = colour::Grey;
  for (int c : ZoneCells[BoxZone(k)]) w.caN[c].back = colour::Grey;
  board.CursorBack = colour::Pink;
  for (int i = 0; i < kCells; ++i) {
    if (!Filled(i)) continue;
    CellLabel& c = w.caN[i];
    if (c.caption == v) {
      c.border = true;
      c.back = colour::Pink;
    } else {
      c.back = colour::Grey;
    }
  }
}

void Form1::ClearMarks() {
  for (auto& c : w.caN) {
    c.back = colour::White;
    c.border = false;
  }
  board.CursorBack = colour::White;
}

void Form1::ShowCandidates() {
  if (!(advice.AdviceLevel == 's' || w.Sugge1.selected || w.Sugge6.selected || w.Sugge8.selected)) return;
  for (int i = 0; i < kCells; ++i) {
    if (Filled(i)) continue;
    CellLabel& c = w.caN[i];
    c.caption = CandidateCaption(i);
    c.font = font::Mono;
    c.size = 9;
  }
}

void Form1::ClearEmptyCaptions() {
  for (int i = 0; i < kCells; ++i)
    if (!Filled(i)) w.caN[i].caption.clear();
}

void Form1::ShowBoardText() {
  const Board shown = DecodeBoardText(files.SchemeLines, files.SchemeLineCount);
  for (int cell = 0; cell < kCells; ++cell) {
    if (shown.Filled(cell)) {
      ShowValue(cell, shown.Value(cell), shown.OriginOf(cell));
    } else {
      // A mark on an empty cell inks it all the same.
      ShowEmpty(cell);
      board.SetOrigin(cell, shown.OriginOf(cell));
    }
    w.caN[cell].back = colour::White;
  }
  board.Can = shown.Can;
  board.FilledCount = CountFilled();
  if (control.TrialMode) {
    methods.SuggestionCount = control.SavedSuggestions;
    board.FilledCount = control.SavedFilled;
    methods.MethodUse = control.SavedMethodUse;
  }
  DrawCells();
}

}  // namespace tessora

namespace tessora {

void Form1::RecountCandidates() {
  tessora::RecountCandidates(board);
  // Switching to "All" shows the candidates in the empty cells.
  SelectOption(w.Sugge1);
}

void Form1::mRicMan_Click() {
  const Drawn drawn(*this);
  DisableDoIt();
  RecountCandidates();
  SelectOption(w.Sugge1);
  for (int i = 0; i < kCells; ++i) {
    if (Filled(i)) continue;
    CellLabel& c = w.caN[i];
    c.caption = CandidateCaption(i);
    c.font = font::Mono;
    c.size = 9;
    board.SetOrigin(i, Origin::None);
  }
  w.BoardClear();
  w.BoardAdd("CANDIDATES HAVE BEEN RECOUNTED");
  for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3}) b->enabled = true;
}

}  // namespace tessora
