// The painting of a step at the "Where ?" level and the figures of "Net", as
// functions of the step and the board.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "advice/painting.h"
#include "test_support.h"

namespace tessora {
namespace {

using test::Harness;
using test::PlaceGivens;
using test::Rows;
using test::SetCan;

// The grid with the digit written in the given cells, every other cell empty.
std::string With(std::string grid, char digit, std::initializer_list<int> cells) {
  for (int c : cells) grid[c] = digit;
  return grid;
}
const std::string kEmpty(81, '.');

// The painting as one character per cell (test::Painting).
std::string Picture(const BoardPaint& p) { return test::Painting(p.cell); }

TEST(WherePainting, NakedSingleShowsOnlyItsCell) {
  Harness h;
  const BoardPaint p = PaintWhere(Placement(Code::CFC, 40, 3), h.form.board);
  std::string expected(81, '.');
  expected[40] = 'B';
  EXPECT_EQ(Picture(p), expected);
  EXPECT_FALSE(p.showCandidates);
}

TEST(WherePainting, LockShowsLineBoxPatternAndTarget) {
  Harness h;
  // Box 18 locks 5 to row A in cells 0 and 2; cell 6 of the row loses it.
  Step s = Elimination(Code::PRQ, 6, 0x0C, 1u << 5, 0);
  s.zone2 = 18;
  s.AddDigit(5);
  s.AddCell(0);
  s.AddCell(2);
  EXPECT_EQ(Picture(PaintWhere(s, h.form.board)), Rows("lglgggBgg"
                                                       " ggg......"
                                                       " ggg......"
                                                       + std::string(54, '.')).substr(0, 81));
}

TEST(WherePainting, FishRectanglesAndMissingParts) {
  Harness h;
  // An X-Wing on rows B and E at columns c and g: the rectangle between them.
  Step x = Elimination(Code::XWN, 65, 0x06, 1u << 4);
  for (int r : {1, 4, 2, 6}) x.AddRange(r);
  for (int c : {11, 15, 38, 42}) x.AddCell(c);
  EXPECT_EQ(Picture(PaintWhere(x, h.form.board)), Rows(".........  ..ggggg..  ..ggggg..  ..ggggg..  ..ggggg.."
                                                       "  .........  .........  ..B......  ........."));
  // A Swordfish: two rectangles.
  Step f = Elimination(Code::SWF, 80, 0x06, 1u << 4);
  for (int r : {0, 0, 1, 2, 2, 2, 6, 7}) f.AddRange(r);
  EXPECT_EQ(Picture(PaintWhere(f, h.form.board)), Rows(".gg......  .........  ......gg.  .........  ........."
                                                       "  .........  .........  .........  ........B"));
  // Parts a step lacks are not painted: too few ranges, no pattern cells,
  // no target; nothing falls back on cell 0.
  Step shortFish = Elimination(Code::XWN, 65, 0x06, 1u << 4);
  shortFish.AddRange(1);
  shortFish.AddRange(4);
  Step noCells = Elimination(Code::CPN, 30, 0x06, 1u << 4, 3);
  Step noTarget = Elimination(Code::HTR, -1, 0x06, 1u << 4);
  noTarget.AddCell(10);
  std::string onlyTarget(81, '.');
  onlyTarget[65] = 'B';
  EXPECT_EQ(Picture(PaintWhere(shortFish, h.form.board)), onlyTarget);
  EXPECT_EQ(Picture(PaintWhere(noCells, h.form.board)),
            Rows("......... ......... ......... gggBggggg") + std::string(45, '.'));
  std::string onlyPattern(81, '.');
  onlyPattern[10] = 'l';
  EXPECT_EQ(Picture(PaintWhere(noTarget, h.form.board)), onlyPattern);
}

TEST(WherePainting, CrossingOfARow) {
  // Row A is empty in a, d, e, g and i; 5 stands in box 1 (Cb), in box 2
  // (Bd) and in column i (Ei); Ag is the one place left for it.
  const std::string grid = With(".12..6.3." + std::string(72, '.'), '5', {19, 12, 44});
  struct Case {
    bool columnHolds;
    std::string picture;
    bool showCandidates;
  };
  const Case cases[] = {
      {true,
       Rows("GGGGGGBGG  gggMgg..g  gMgggg..g  ........g  ........M  ........g  ........g  ........g  ........g"),
       false},
      // Without the 5 of column i, Ai is not excluded by any line: the
      // candidates are shown with the crossing.
      {false,
       Rows("GGGGGGBGG  gggMgg..g  gMgggg..g  ........g  ........g  ........g  ........g  ........g  ........g"),
       true},
  };
  for (const Case& c : cases) {
    Harness h;
    std::string g = grid;
    if (!c.columnHolds) g[44] = '.';
    PlaceGivens(h.form, g);
    const BoardPaint p = PaintWhere(Placement(Code::ZOC, 6, 5, 0), h.form.board);
    EXPECT_EQ(Picture(p), c.picture) << c.columnHolds;
    EXPECT_EQ(p.showCandidates, c.showCandidates) << c.columnHolds;
  }
}

TEST(WherePainting, CrossingOfAColumn) {
  Harness h;
  // Column a: 8 stands in box 4 (Eb) and in rows G (Ge) and H (Hh); Ba is
  // left.
  std::string grid = With(kEmpty, '8', {37, 58, 70});
  grid[0] = '1';
  grid[18] = '2';
  grid[72] = '3';
  PlaceGivens(h.form, grid);
  const BoardPaint p = PaintWhere(Placement(Code::ZOC, 9, 8, 9), h.form.board);
  EXPECT_EQ(Picture(p), Rows("G........  B........  G........  Ggg......  GMg......  Ggg......  GgggMgggg"
                             "  GggggggMg  G........"));
  EXPECT_FALSE(p.showCandidates);
}

TEST(WherePainting, CrossingOfABox) {
  Harness h;
  // Box 1: 7 stands in rows B (Bg) and C (Cf) and in columns b (Fb) and c
  // (Ic), outside the box; Aa is left.
  PlaceGivens(h.form, With(kEmpty, '7', {15, 23, 46, 74}));
  const BoardPaint p = PaintWhere(Placement(Code::ZOB, 0, 7, 18), h.form.board);
  EXPECT_EQ(Picture(p), Rows("BGG......  GGGgggMgg  GGGggMggg  .gg......  .gg......  .Mg......  .gg......"
                             "  .gg......  .gM......"));
}

TEST(NetFigures, CirclesAndLinksToTheRightAndBelow) {
  Harness h;
  Form1& f = h.form;
  PlaceGivens(f, kEmpty);
  // Digit 4 is a candidate in Aa, Ad and Ah (row A) and in Da (column a).
  for (int c = 0; c < kCells; ++c) SetCan(f, c, "12");
  for (int c : {0, 3, 7, 27}) SetCan(f, c, "345");
  SolutionDigits solution, trial;
  solution.Set(3, 4);
  trial.Set(7, 4);  // a cell the control solved by a trial
  solution.Set(27, 5);
  NetView view{f.board, f.w.caN, solution, trial, true, 640, 640};
  const std::vector<Figure> figures = NetFigures(view, 4);
  const CellLabel& a = f.w.caN[0];
  const CellLabel& d = f.w.caN[3];
  const CellLabel& hh = f.w.caN[7];
  const CellLabel& da = f.w.caN[27];
  const int ax = a.left + 320, ay = a.top + 320;
  // Aa: circle, link to Ad, link to Da; Ad: circle, link to Ah; Ah: circle; Da: circle.
  ASSERT_EQ(figures.size(), 7u);
  auto circle = [](const Figure& g, int x, int y, bool filled) {
    EXPECT_EQ(g.type, Figure::Circle);
    EXPECT_EQ(g.x1, x);
    EXPECT_EQ(g.y1, y);
    EXPECT_EQ(g.radius, 80);
    EXPECT_EQ(g.colour, colour::DarkGreen);
    EXPECT_EQ(g.filled, filled);
    EXPECT_EQ(g.widthPx, filled ? 2 : 1);
  };
  auto line = [](const Figure& g, int x1, int y1, int x2, int y2) {
    EXPECT_EQ(g.type, Figure::Segment);
    EXPECT_EQ(g.x1, x1);
    EXPECT_EQ(g.y1, y1);
    EXPECT_EQ(g.x2, x2);
    EXPECT_EQ(g.y2, y2);
    EXPECT_EQ(g.widthPx, 2);
  };
  circle(figures[0], ax, ay, false);
  line(figures[1], ax, ay, d.left + 320, ay);
  line(figures[2], ax, ay, ax, da.top + 320);
  circle(figures[3], d.left + 320, d.top + 320, true);
  line(figures[4], d.left + 320, d.top + 320, hh.left + 320, d.top + 320);
  circle(figures[5], hh.left + 320, hh.top + 320, true);
  circle(figures[6], da.left + 320, da.top + 320, false);
  // With the solution hidden every circle is hollow.
  view.solutionShown = false;
  for (const Figure& g : NetFigures(view, 4)) EXPECT_FALSE(g.filled);
  // No digit chosen, no figure.
  EXPECT_TRUE(NetFigures(view, 0).empty());
}

}  // namespace
}  // namespace tessora
