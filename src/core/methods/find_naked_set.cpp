// Naked Twins (two cells of a zone holding the same two candidates) and
// 3 Candidates Share 3 Cells (three cells whose candidates together are three
// digits): their digits can be removed from the zone's other cells.
#include <bit>

#include "methods/naked_set_common.h"

namespace tessora {
namespace {

// Only the first pair of a zone is examined; when it allows no removal the
// search goes on with the next zone.
void FindNakedTwins(Form1& f) {
  using naked_set::Pattern;
  for (int z = 0; z < kZones; ++z) {
    unsigned m[9];
    naked_set::LoadZone(f, z, m);
    for (int i = 0; i < 8; ++i) {
      if (std::popcount(m[i]) != 2) continue;
      int j = i + 1;
      while (j < 9 && m[j] != m[i]) ++j;
      if (j == 9) continue;
      Pattern p;
      p.positions = (1u << i) | (1u << j);
      naked_set::AppendDigits(p, m[i]);
      if (naked_set::Eliminate(f, z, p, "CPN", true)) return;
      break;
    }
  }
}

}  // namespace

void FindNakedSet(Form1& f, int k) {
  if (k == 2)
    FindNakedTwins(f);
  else if (k == 3)
    naked_set::FindSharedSet(f, 3, "SCI3");
}

}  // namespace tessora
