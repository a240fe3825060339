// Naked Triples and Naked Quads (three or four cells of a zone holding the
// very same candidates) and 4 Candidates Share 4 Cells (four cells whose
// candidates together are four digits).
#include <bit>

#include "methods/naked_set_common.h"

namespace tessora {
namespace {

// Three cells with the same three candidates. Only the first such triple of a
// zone is examined; when it allows no removal the search goes on with the
// next zone.
void FindNakedTriple(Form1& f) {
  using naked_set::Pattern;
  for (int z = 0; z < kZones; ++z) {
    unsigned m[9];
    naked_set::LoadZone(f, z, m);
    for (int a = 0; a < 7; ++a) {
      if (std::popcount(m[a]) != 3) continue;
      for (int b = a + 1; b < 8; ++b) {
        if (m[b] != m[a]) continue;
        for (int c = b + 1; c < 9; ++c) {
          if (m[c] != m[a]) continue;
          Pattern p;
          p.positions = (1u << a) | (1u << b) | (1u << c);
          naked_set::AppendDigits(p, m[a]);
          if (naked_set::Eliminate(f, z, p, "TRN", true)) return;
          goto next_zone;
        }
      }
    }
  next_zone:;
  }
}

// Four cells with the same four candidates. Every such quad is tried in turn.
// The control never runs this method, so an applied step is not counted.
void FindNakedQuad(Form1& f) {
  using naked_set::Pattern;
  for (int z = 0; z < kZones; ++z) {
    unsigned m[9];
    naked_set::LoadZone(f, z, m);
    for (int a = 0; a < 6; ++a) {
      if (std::popcount(m[a]) != 4) continue;
      for (int b = a + 1; b < 7; ++b) {
        if (m[b] != m[a]) continue;
        for (int c = b + 1; c < 8; ++c) {
          if (m[c] != m[a]) continue;
          for (int d = c + 1; d < 9; ++d) {
            if (m[d] != m[a]) continue;
            Pattern p;
            p.positions = (1u << a) | (1u << b) | (1u << c) | (1u << d);
            naked_set::AppendDigits(p, m[a]);
            if (naked_set::Eliminate(f, z, p, "QUA", false)) return;
          }
        }
      }
    }
  }
}

}  // namespace

void FindNakedSetLarge(Form1& f, int k) {
  if (k == 3)
    FindNakedTriple(f);
  else if (k == 4)
    naked_set::FindSharedSet(f, 4, "SCI4");
  else if (k == 5)
    FindNakedQuad(f);
}

}  // namespace tessora
