// Swordfish Butterfly: three parallel lines holding a digit on the corners of
// two rectangles that share one corner, a cell of the middle line M that lacks
// the digit (the gap G). M holds the digit at L and R only, the partner line P
// at L and G, the third line T at G and R, P and T on opposite sides of M. The
// digit is then locked in those three lines at L, G and R, and the other cells
// of the three cover zones lose it.
//
// While it searches, the detector tints M's cells under examination (the gap
// pink, the left and right positions light blue, the previous one of each kind
// back to white) and greys the cells of a partner or third line once found.
#include <bit>

#include "methods/detectors.h"
#include "methods/fish_lines.h"

namespace tessora {

namespace {

struct KeptLine {
  int line;            // 0..8 within the pass
  std::uint16_t x;     // positions of empty cells holding the digit ("X")
  std::uint16_t zero;  // positions of empty cells without it ("0")
};

// The search tints of M's cells: the one under examination of each kind; the
// previous one goes back to white when the next is taken.
struct Tinter {
  const Scope& scope;
  int gap = -1, left = -1, right = -1;
  void Take(int& prev, int cell, Tint t) {
    if (prev >= 0) scope.Tint(prev, Tint::White);
    scope.Tint(cell, t);
    prev = cell;
  }
  void Grey(int a, int b, int c) {
    scope.Tint(a, Tint::Grey);
    scope.Tint(b, Tint::Grey);
    scope.Tint(c, Tint::Grey);
  }
};

}  // namespace

// Units: pass and digit, 9 * pass + d - 1. A digit passed over leaves no
// tints either.
Step FindSwordfish(const Board& board, int, const Scope& scope) {
  if (!scope.units) return {};  // nothing to examine: no need to read the board
  const fish::LineMasks lines(board);
  Tinter tint{scope};
  for (int pass = 0; pass < 2; ++pass) {
    for (int d = 1; d <= 9; ++d) {
      if (!scope.Examines(9 * pass + d - 1)) continue;
      // The kept lines: two or three empty cells holding d (a fourth ends the line).
      KeptLine kept[9];
      int n = 0;
      for (unsigned sel = fish::LinesWithTwoOrThree(lines.hold[pass][d], lines.empty[pass]); sel;
           sel &= sel - 1) {
        const int line = std::countr_zero(sel);
        const std::uint16_t empty = lines.empty[pass][line];
        const std::uint16_t x = lines.hold[pass][d][line] & empty;
        kept[n++] = {line, x, static_cast<std::uint16_t>(empty & ~x)};
      }
      if (n < 3) continue;

      // Pruning: a line alone at a position cannot be part of the pattern; drop
      // the one at the lowest such position and look again from position 0.
      std::uint16_t any;
      for (;;) {
        std::uint16_t twice = 0;
        any = 0;
        for (int i = 0; i < n; ++i) {
          twice |= any & kept[i].x;
          any |= kept[i].x;
        }
        const std::uint16_t once = any & ~twice;
        if (!once) break;
        const std::uint16_t p = fish::Bit(std::countr_zero(once));
        int i = 0;
        while (!(kept[i].x & p)) ++i;
        for (--n; i < n; ++i) kept[i] = kept[i + 1];
      }
      if (n < 3) continue;

      // The active positions, ascending; the gap runs from the second to the
      // second-to-last of them.
      int active[9];
      int activeCount = 0;
      for (std::uint16_t a = any; a; a &= a - 1) active[activeCount++] = std::countr_zero(a);

      for (int m = 1; m <= n - 2; ++m) {
        const KeptLine& M = kept[m];
        for (int gi = 1; gi <= activeCount - 2; ++gi) {
          const int G = active[gi];
          if (!(M.zero & fish::Bit(G))) continue;
          tint.Take(tint.gap, fish::CellAt(pass, M.line, G), Tint::Pink);
          for (int L = G - 1; L >= 0; --L) {
            if (!(M.x & fish::Bit(L))) continue;
            tint.Take(tint.left, fish::CellAt(pass, M.line, L), Tint::LightBlue);
            // The partner: nearest line before M holding d at L and G, else nearest after.
            const std::uint16_t lg = fish::Bit(L) | fish::Bit(G);
            int pr = -1;
            for (int i = m - 1; i >= 0 && pr < 0; --i)
              if ((kept[i].x & lg) == lg) pr = i;
            for (int i = m + 1; i < n && pr < 0; ++i)
              if ((kept[i].x & lg) == lg) pr = i;
            if (pr < 0) continue;
            const KeptLine& P = kept[pr];
            tint.Grey(fish::CellAt(pass, M.line, L), fish::CellAt(pass, P.line, L),
                      fish::CellAt(pass, P.line, G));
            bool abandon = false;
            for (int R = G + 1; R <= 8 && !abandon; ++R) {
              if (!(M.x & fish::Bit(R))) continue;
              tint.Take(tint.right, fish::CellAt(pass, M.line, R), Tint::LightBlue);
              const std::uint16_t gr = fish::Bit(G) | fish::Bit(R);
              const std::uint16_t lgr = lg | fish::Bit(R);
              // The third line, on the other side of M, nearest first.
              const int step = pr < m ? 1 : -1;
              for (int t = m + step; t >= 0 && t < n; t += step) {
                const KeptLine& T = kept[t];
                if ((T.x & gr) != gr) continue;
                tint.Grey(fish::CellAt(pass, M.line, R), fish::CellAt(pass, T.line, R),
                          fish::CellAt(pass, T.line, G));
                // No line of the three may hold d outside L, G and R.
                if ((P.x | M.x | T.x) & ~lgr) {
                  abandon = true;
                  break;
                }
                const std::uint16_t onLines = fish::Bit(P.line) | fish::Bit(M.line) | fish::Bit(T.line);
                for (int cover : {L, G, R}) {
                  const std::uint16_t c = lines.CoverCandidates(pass, d, cover) & ~onLines;
                  if (!c) continue;
                  const int target = fish::CellAt(pass, std::countr_zero(c), cover);
                  const bool partnerUpper = pr < t;
                  const KeptLine& upper = partnerUpper ? P : T;
                  const KeptLine& lower = partnerUpper ? T : P;
                  const int cells[7] = {
                      fish::CellAt(pass, M.line, G), fish::CellAt(pass, M.line, L),
                      fish::CellAt(pass, P.line, L), fish::CellAt(pass, P.line, G),
                      fish::CellAt(pass, M.line, R), fish::CellAt(pass, T.line, R),
                      fish::CellAt(pass, T.line, G)};
                  const int ranges[8] = {fish::LineZone(pass, upper.line), fish::LineZone(pass, M.line),
                                         partnerUpper ? L : G, partnerUpper ? G : R,
                                         fish::LineZone(pass, M.line), fish::LineZone(pass, lower.line),
                                         partnerUpper ? G : L, partnerUpper ? R : G};
                  scope.found = 9 * pass + d - 1;
                  return fish::FishStep(board, target, d, Code::SWF, pass, cells, 7, ranges, 8);
                }
              }
            }
          }
        }
      }
    }
  }
  return {};
}

}  // namespace tessora
