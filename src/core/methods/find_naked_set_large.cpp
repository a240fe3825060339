// Naked Triples and Naked Quads (three or four cells of a zone holding the
// very same candidates) and 4 Candidates Share 4 Cells (four cells whose
// candidates together are four digits).
#include "methods/detectors.h"
#include "methods/naked_set_common.h"

namespace tessora {
namespace {

// Three cells with the same three candidates. Only the first such triple of a
// zone is examined; when it allows no removal the search goes on with the
// next zone.
Step FindNakedTriple(const Board& board, const Scope& scope) {
  using naked_set::Pattern;
  for (int z = 0; z < kZones; ++z) {
    if (!scope.Examines(z)) continue;
    unsigned m[9];
    naked_set::LoadZone(board, z, m);
    const unsigned selected = naked_set::Selected(m, 3, 3);
    if (naked_set::CountOf(selected) < 3) continue;
    int pos[9], n = 0;
    for (unsigned w = selected; w; w &= w - 1) pos[n++] = std::countr_zero(w);
    // The first triple of positions a < b < c, in that order, with equal texts.
    bool found = false;
    Pattern p;
    for (int a = 0; a < n && !found; ++a)
      for (int b = a + 1; b < n && !found; ++b) {
        if (m[pos[b]] != m[pos[a]]) continue;
        for (int c = b + 1; c < n; ++c) {
          if (m[pos[c]] != m[pos[a]]) continue;
          p.positions = (1u << pos[a]) | (1u << pos[b]) | (1u << pos[c]);
          naked_set::AppendDigits(p, m[pos[a]]);
          found = true;
          break;
        }
      }
    if (!found) continue;
    if (const Step s = naked_set::Eliminate(board, z, m, p, Code::TRN); s.Found()) {
      scope.found = z;
      return s;
    }
  }
  return {};
}

// Four cells with the same four candidates. Every such quad is tried in turn.
Step FindNakedQuad(const Board& board, const Scope& scope) {
  using naked_set::Pattern;
  for (int z = 0; z < kZones; ++z) {
    if (!scope.Examines(z)) continue;
    unsigned m[9];
    naked_set::LoadZone(board, z, m);
    const unsigned selected = naked_set::Selected(m, 4, 4);
    if (naked_set::CountOf(selected) < 4) continue;
    int pos[9], n = 0;
    for (unsigned w = selected; w; w &= w - 1) pos[n++] = std::countr_zero(w);
    for (int a = 0; a < n; ++a) {
      const unsigned t = m[pos[a]];
      for (int b = a + 1; b < n; ++b) {
        if (m[pos[b]] != t) continue;
        for (int c = b + 1; c < n; ++c) {
          if (m[pos[c]] != t) continue;
          for (int d = c + 1; d < n; ++d) {
            if (m[pos[d]] != t) continue;
            Pattern p;
            p.positions = (1u << pos[a]) | (1u << pos[b]) | (1u << pos[c]) | (1u << pos[d]);
            naked_set::AppendDigits(p, t);
            if (const Step s = naked_set::Eliminate(board, z, m, p, Code::QUA); s.Found()) {
              scope.found = z;
              return s;
            }
          }
        }
      }
    }
  }
  return {};
}

}  // namespace

Step FindNakedSetLarge(const Board& board, int k, const Scope& scope) {
  if (k == 3) return FindNakedTriple(board, scope);
  if (k == 4) return naked_set::FindSharedSet(board, 4, Code::SCI4, scope);
  if (k == 5) return FindNakedQuad(board, scope);
  return {};
}

}  // namespace tessora
