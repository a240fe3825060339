#include "advice/painting.h"

namespace tessora {

namespace {

constexpr Colour kMagenta = colour::Pink;  // light magenta, RGB(255,192,255)

bool ValidZone(int z) { return z >= 0 && z < kZones; }
bool ValidCell(int c) { return c >= 0 && c < kCells; }

struct Painter {
  const Board& board;
  BoardPaint out;

  void Paint(int cell, Colour c) { out.cell[cell].back = c; }
  void Mark(int cell) {
    out.cell[cell].back = kMagenta;
    out.cell[cell].border = true;
  }
  void PaintZone(int z, Colour c) {
    if (!ValidZone(z)) return;
    for (int cell : ZoneCells[z]) Paint(cell, c);
  }
  void BorderZone(int z) {
    for (int cell : ZoneCells[z]) out.cell[cell].border = true;
  }
  bool Holds(int cell, int v) const { return board.Filled(cell) && board.Value(cell) == v; }

  // A rectangle of a fish: the cells at positions p0..p1 of the zones z0..z1.
  void PaintRectangle(int z0, int z1, int p0, int p1) {
    for (int z = z0; z <= z1; ++z) {
      if (!ValidZone(z)) continue;
      for (int p = p0; p <= p1; ++p)
        if (p >= 0 && p < 9) Paint(ZoneCells[z][p], colour::Grey);
    }
  }

  // "At a glance" in a row or a column: the boxes crossing it that hold the
  // value, then the lines through its other empty cells.
  void CrossLine(int zone, int target, int v) {
    if (!ValidZone(zone) || zone >= 18) return;
    const bool isRow = zone < 9;
    int crossCount = 0;
    std::vector<int> empty;
    for (int c : ZoneCells[zone])
      if (!board.Filled(c)) empty.push_back(c);
    const int line = isRow ? zone : zone - 9;
    const int first = isRow ? 18 + 3 * (line / 3) : 18 + line / 3;
    const int step = isRow ? 1 : 3;
    for (int k = 0; k < 3; ++k) {
      const int box = first + k * step;
      bool holds = false;
      for (int c : ZoneCells[box]) holds = holds || Holds(c, v);
      if (!holds) continue;
      PaintZone(box, colour::Grey);
      for (int c : ZoneCells[box])
        if (Holds(c, v)) Mark(c);
      std::erase_if(empty, [&](int c) { return BoxZone(c) == box; });
    }
    for (int c : empty) {
      if (c == target) continue;
      const int cross = isRow ? ColZone(c) : RowZone(c);
      crossCount += 1;
      PaintZone(cross, colour::Grey);
      for (int p : ZoneCells[cross])
        if (Holds(p, v)) {
          Mark(p);
          crossCount -= 1;
        }
    }
    BorderZone(zone);
    out.showCandidates = crossCount > 0;
  }

  // "At a glance" in a box: the rows and then the columns through its
  // diagonal cells, each up to the first cell holding the value.
  void CrossBox(int box, int v) {
    if (!ValidZone(box) || box < 18) return;
    PaintZone(box, colour::Grey);
    std::vector<int> remembered;
    for (bool rows : {true, false})
      for (int pos : {0, 4, 8}) {
        const int c = ZoneCells[box][pos];
        const int line = rows ? RowZone(c) : ColZone(c);
        for (int p : ZoneCells[line])
          if (Holds(p, v)) {
            remembered.push_back(p);
            PaintZone(line, colour::Grey);
            break;
          }
      }
    for (int c : remembered) Mark(c);
    BorderZone(box);
  }
};

// The codes whose pattern cells are shown light grey.
bool ShowsPatternCells(Code code) {
  switch (code) {
    case Code::Xx2a:
    case Code::Xx2b:
    case Code::CPN:
    case Code::PRQ:
    case Code::PRC:
    case Code::TRN:
    case Code::HTR:
    case Code::SCI3:
    case Code::SCI4:
    case Code::QUA:
    case Code::HQU:
      return true;
    default:
      return false;
  }
}

}  // namespace

BoardPaint PaintWhere(const Step& s, const Board& board) {
  Painter p{board, {}};
  p.PaintZone(s.zone, colour::Grey);
  if (s.code == Code::PRQ || s.code == Code::PRC) p.PaintZone(s.zone2, colour::Grey);
  if (s.code == Code::XWN && s.rangeCount >= 4) p.PaintRectangle(s.ranges[0], s.ranges[1], s.ranges[2], s.ranges[3]);
  if (s.code == Code::SWF && s.rangeCount >= 8) {
    p.PaintRectangle(s.ranges[0], s.ranges[1], s.ranges[2], s.ranges[3]);
    p.PaintRectangle(s.ranges[4], s.ranges[5], s.ranges[6], s.ranges[7]);
  }
  if (ShowsPatternCells(s.code))
    for (int i = 0; i < s.cellCount; ++i)
      if (ValidCell(s.cells[i])) p.Paint(s.cells[i], colour::LightGrey);
  if (s.code == Code::ZOC) p.CrossLine(s.zone, s.cell, s.digit);
  if (s.code == Code::ZOB) p.CrossBox(s.zone, s.digit);
  if (ValidCell(s.cell)) {
    p.Paint(s.cell, colour::LightBlue);
    p.out.cell[s.cell].border = true;
  }
  return p.out;
}

std::vector<Figure> NetFigures(const NetView& v, int d) {
  std::vector<Figure> figures;
  if (d < 1 || d > 9) return figures;
  auto marked = [&](int c) { return v.board.Can[c].Has(d); };
  for (int i = 0; i < kCells; ++i) {
    if (!marked(i)) continue;
    const CellLabel& cell = v.labels[i];
    const int x = cell.left + v.cellHeight / 2;
    const int y = cell.top + v.cellWidth / 2;
    const int s = v.solution[i] ? v.solution[i] : v.trialSolution[i];
    const bool filled = v.solutionShown && s == d;
    Figure circle;
    circle.type = Figure::Circle;
    circle.x1 = x;
    circle.y1 = y;
    circle.radius = v.cellWidth / 8;
    circle.colour = colour::DarkGreen;
    circle.widthPx = filled ? 2 : 1;
    circle.filled = filled;
    figures.push_back(circle);
    auto link = [&](int x2, int y2) {
      Figure line;
      line.type = Figure::Segment;
      line.x1 = x;
      line.y1 = y;
      line.x2 = x2;
      line.y2 = y2;
      line.colour = colour::DarkGreen;
      line.widthPx = 2;
      figures.push_back(line);
    };
    for (int j = i + 1; j < kCells && j / 9 == i / 9; ++j)
      if (marked(j)) {
        link(v.labels[j].left + v.cellWidth / 2, y);
        break;
      }
    for (int j = i + 9; j < kCells; j += 9)
      if (marked(j)) {
        link(x, v.labels[j].top + v.cellHeight / 2);
        break;
      }
  }
  return figures;
}

}  // namespace tessora
