// Naked Twins (two cells of a zone holding the same two candidates) and
// 3 Candidates Share 3 Cells (three cells whose candidates together are three
// digits): their digits can be removed from the zone's other cells.
#include "methods/detectors.h"
#include "methods/naked_set_common.h"

namespace tessora {
namespace {

// Only the first pair of a zone is examined; when it allows no removal the
// search goes on with the next zone.
Step FindNakedTwins(const Board& board, const Scope& scope) {
  using naked_set::Pattern;
  for (int z = 0; z < kZones; ++z) {
    if (!scope.Examines(z)) continue;
    unsigned m[9];
    naked_set::LoadZone(board, z, m);
    const unsigned selected = naked_set::Selected(m, 2, 2);
    if (naked_set::CountOf(selected) < 2) continue;
    // The first pair of positions i < j, in that order, with equal texts of
    // two candidates.
    bool found = false;
    Pattern p;
    for (unsigned wi = selected; wi && !found; wi &= wi - 1) {
      const int i = std::countr_zero(wi);
      for (unsigned wj = wi & (wi - 1); wj; wj &= wj - 1) {
        const int j = std::countr_zero(wj);
        if (m[j] != m[i]) continue;
        p.positions = (1u << i) | (1u << j);
        naked_set::AppendDigits(p, m[i]);
        found = true;
        break;
      }
    }
    if (!found) continue;
    if (const Step s = naked_set::Eliminate(board, z, m, p, Code::CPN); s.Found()) {
      scope.found = z;
      return s;
    }
  }
  return {};
}

}  // namespace

Step FindNakedSet(const Board& board, int k, const Scope& scope) {
  if (k == 2) return FindNakedTwins(board, scope);
  if (k == 3) return naked_set::FindSharedSet(board, 3, Code::SCI3, scope);
  return {};
}

}  // namespace tessora
