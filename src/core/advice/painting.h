// How the board is painted to show a step at the "Where ?" level, and the
// figures of the "Net" view: each a function of the step (or the digit) and
// the board, so that it can be checked without a window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "board/board.h"
#include "methods/step.h"
#include "ui/window.h"

namespace tessora {

struct CellPaint {
  Colour back = colour::White;
  bool border = false;
  bool operator==(const CellPaint&) const = default;
};

struct BoardPaint {
  std::array<CellPaint, kCells> cell{};
  // The crossing of a row or column leaves some empty cell of it that no
  // line holding the value excludes: the candidates are shown as well.
  bool showCandidates = false;
};

// The cells that show a step, starting from a white board without borders,
// a later colour over an earlier one: the step's zone grey; the box of a
// lock grey; the rectangles of a fish grey; the pattern's cells light grey;
// for "At a glance" the crossing (the lines and boxes that exclude the other
// cells grey, the cells holding the value light magenta with a border, the
// zone bordered); the target light blue with a border. Parts a step lacks
// (no zone, no cells, too few fish ranges) are not painted.
BoardPaint PaintWhere(const Step& step, const Board& board);

// The "Net" view of digit d: a circle around the centre of every cell that
// has d as a candidate (filled and drawn thicker when the solution is shown
// and the solution's digit there is d), and a line from it to the next such
// cell to its right in its row and to the next one below in its column.
// Cell positions are the labels' (twips); the solution is `solution`, or
// `trialSolution` where that leaves the cell open.
struct NetView {
  const Board& board;
  const std::array<CellLabel, kCells>& labels;
  const SolutionDigits& solution;
  const SolutionDigits& trialSolution;
  bool solutionShown = false;
  int cellWidth = 640, cellHeight = 640;
};
std::vector<Figure> NetFigures(const NetView& view, int d);

}  // namespace tessora
