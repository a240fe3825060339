// The board's layout, the cursor that follows the mouse, the double-click
// marking, the candidate display and the redrawing from the board text image.
#include <array>
#include <charconv>
#include <cstring>

#include "ui/cell_scan.h"
#include "ui/form1.h"

namespace tessora {

namespace {

// The arrays whose elements the layout names.
enum LaidOutArray { kLiO, kRi, kLiV, kCo };

// The name of element i of a control array: "liO(3)" (left as it is when it
// already reads so, as it does after the first layout). The names of the
// elements a layout creates are written once.
void ArrayName(std::string& name, LaidOutArray array, int i) {
  static const char* const kArrays[4] = {"liO", "ri", "liV", "co"};
  static const std::array<std::array<std::string, 10>, 4> kNames = [] {
    std::array<std::array<std::string, 10>, 4> t{};
    for (int a = 0; a < 4; ++a)
      for (int j = 0; j < 10; ++j) t[a][j] = std::string(kArrays[a]) + "(" + std::to_string(j) + ")";
    return t;
  }();
  if (i >= 0 && i < 10) {
    AssignText(name, kNames[array][i]);
    return;
  }
  char buf[32];
  std::size_t n = std::strlen(kArrays[array]);
  std::memcpy(buf, kArrays[array], n);
  buf[n++] = '(';
  char* end = std::to_chars(buf + n, buf + sizeof buf - 1, i).ptr;
  *end++ = ')';
  n = static_cast<std::size_t>(end - buf);
  if (name.size() != n || name.compare(0, n, buf, n) != 0) name.assign(buf, n);
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
  w.liO.resize(board.NumRows + 1, w.liO[0]);
  w.ri.resize(board.NumRows + 1, w.ri[0]);
  for (int i = 0; i <= board.NumRows; ++i) {
    Control& l = w.liO[i];
    ArrayName(l.name, kLiO, i);
    l.x1 = board.GridLeft;
    l.y1 = l.y2 = board.GridTop + i * step;
    l.x2 = board.GridLeft + 9 * step;
    l.borderWidth = i % 3 == 0 ? 3 : 1;
    l.visible = true;
    Control& h = w.ri[i];
    ArrayName(h.name, kRi, i);
    if (h.caption.size() != 1 || h.caption[0] != 'A' + i) h.caption.assign(1, static_cast<char>('A' + i));
    h.left = l.x1 - 200;
    h.top = l.y1 + 100;
    h.visible = i < 9;
  }
  board.GridRight = w.liO[board.NumRows].x2;
  board.GridBottom = w.liO[board.NumRows].y2;
  // Vertical lines and column headers.
  w.liV.resize(board.NumCols + 1, w.liV[0]);
  w.co.resize(board.NumCols + 1, w.co[0]);
  for (int j = 0; j <= board.NumCols; ++j) {
    Control& l = w.liV[j];
    ArrayName(l.name, kLiV, j);
    l.x1 = l.x2 = board.GridLeft + j * step;
    l.y1 = board.GridTop;
    l.y2 = board.GridTop + 9 * step;
    l.borderWidth = j % 3 == 0 ? 3 : 1;
    l.visible = true;
    Control& h = w.co[j];
    ArrayName(h.name, kCo, j);
    if (h.caption.size() != 1 || h.caption[0] != 'a' + j) h.caption.assign(1, static_cast<char>('a' + j));
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
  ForEachCell(~FilledCells(*this) & kAllCells, [&](int i) {
    CellLabel& c = w.caN[i];
    CandidateCaptionTo(i, c.caption);
    AssignText(c.font, font::Mono);
    c.size = 9;
  });
}

void Form1::ShowBoardText() {
  const auto& rows = files.SchemeLines;
  board.Can.fill(CandText());
  // Every cell in one pass, straight into its final style: a value in the
  // large font with the given ink, an empty cell in the empty-cell style,
  // the ink then taken from the colour rows when the image holds them.
  int filled = 0;
  for (int r = 0; r < 9; ++r) {
    const std::string& values = rows[r];
    const std::string* marks = files.SchemeLineCount > 9 ? &rows[9 + r] : nullptr;
    for (int c = 0; c < 9; ++c) {
      CellLabel& l = w.caN[9 * r + c];
      const char ch = c < static_cast<int>(values.size()) ? values[c] : ' ';
      Colour ink;
      if (ch != ' ') {
        l.caption.assign(1, ch);
        AssignText(l.font, font::Sans);
        l.size = 18;
        ink = colour::ButtonText;
        ++filled;
      } else {
        l.caption.clear();
        AssignText(l.font, font::Mono);
        l.size = 9;
        ink = colour::Red;
      }
      if (marks && c < static_cast<int>(marks->size())) {
        if ((*marks)[c] == 'b') ink = colour::DarkBlue;
        else if ((*marks)[c] == 'c') ink = colour::White;
      }
      l.ink = ink;
      l.back = colour::White;
    }
  }
  if (files.SchemeLineCount > 18)
    for (int r = 18; r < 27; ++r) {
      const std::string_view row = rows[r];
      std::size_t pos = 0;
      for (int j = 0; j < 9; ++j) {
        std::size_t comma = row.find(',', pos);
        if (comma == std::string_view::npos) break;
        CandText t;
        if (CandText::Parse(row.substr(pos, comma - pos), t) && t.HasDigits())
          board.Can[9 * (r - 18) + j] = t;
        pos = comma + 1;
      }
    }
  board.FilledCount = filled;
  if (control.TrialMode) {
    methods.SuggestionCount = control.SavedSuggestions;
    board.FilledCount = control.SavedFilled;
    methods.MethodUse = control.SavedMethodUse;
  }
}

}  // namespace tessora

namespace tessora {

void Form1::mRicMan_Click() {
  RecountCandidates(*this);
  SelectOption(w.Sugge1);
  for (int i = 0; i < kCells; ++i) {
    if (Filled(i)) continue;
    CellLabel& c = w.caN[i];
    CandidateCaptionTo(i, c.caption);
    c.font = font::Mono;
    c.size = 9;
    c.ink = colour::Red;
  }
  w.BoardClear();
  w.BoardAdd("CANDIDATES HAVE BEEN RECOUNTED");
  for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3}) b->enabled = true;
}

}  // namespace tessora
