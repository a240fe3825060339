// Naked Triples and Naked Quads (three or four cells of a zone holding the
// very same candidates) and 4 Candidates Share 4 Cells (four cells whose
// candidates together are four digits).
#include "methods/naked_set_common.h"
#include "methods/scope.h"

namespace tessora {
namespace {

// Three cells with the same three candidates. Only the first such triple of a
// zone is examined; when it allows no removal the search goes on with the
// next zone.
void FindNakedTriple(Form1& f, const Scope& scope) {
  using naked_set::Pattern;
  for (int z = 0; z < kZones; ++z) {
    if (!scope.Examines(z)) continue;
    unsigned m[9];
    naked_set::LoadZone(f, z, m);
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
    if (found && naked_set::Eliminate(f, z, m, p, "TRN", true)) {
      scope.found = z;
      return;
    }
  }
}

// Four cells with the same four candidates. Every such quad is tried in turn.
// The control never runs this method, so an applied step is not counted.
void FindNakedQuad(Form1& f, const Scope& scope) {
  using naked_set::Pattern;
  for (int z = 0; z < kZones; ++z) {
    if (!scope.Examines(z)) continue;
    unsigned m[9];
    naked_set::LoadZone(f, z, m);
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
            if (naked_set::Eliminate(f, z, m, p, "QUA", false)) {
              scope.found = z;
              return;
            }
          }
        }
      }
    }
  }
}

}  // namespace

void FindNakedSetLarge(Form1& f, int k) { FindNakedSetLargeWithin(f, k, Scope{}); }

void FindNakedSetLargeWithin(Form1& f, int k, const Scope& scope) {
  if (k == 3)
    FindNakedTriple(f, scope);
  else if (k == 4)
    naked_set::FindSharedSet(f, 4, "SCI4", scope);
  else if (k == 5)
    FindNakedQuad(f, scope);
}

}  // namespace tessora
