#include "ui/progress.h"

#include "methods/registry.h"

namespace tessora {

int MethodProgress::Total() const {
  int n = 0;
  for (int i = 0; i < kTakenKinds; ++i) n += game[i] + practice[i];
  return n;
}

bool ProgressCounts::Empty() const {
  for (const MethodProgress& m : methods)
    if (m.Total()) return false;
  return true;
}

int SuggestedMethod(const ProgressCounts& counts) {
  int best = 0;
  // Shares compared as fractions: helped_a / total_a against helped_b / total_b.
  for (int n = 1; n <= kProgressMethods; ++n) {
    const MethodProgress& m = counts.methods[n - 1];
    if (m.Helped() == 0) continue;
    if (!best) {
      best = n;
      continue;
    }
    const MethodProgress& b = counts.methods[best - 1];
    const long long lhs = 1LL * m.Helped() * b.Total(), rhs = 1LL * b.Helped() * m.Total();
    if (lhs > rhs || (lhs == rhs && m.Helped() > b.Helped())) best = n;
  }
  return best;
}

ProgressReport MakeProgressReport(const ProgressCounts& counts) {
  ProgressReport r;
  r.counts = counts;
  for (int n = 1; n <= kProgressMethods; ++n) r.names[n - 1] = Methods()[n - 1].name;
  r.suggested = SuggestedMethod(counts);
  if (counts.Empty()) {
    r.suggestion = {"No step counted yet: play a game, or practise a method",
                    "(Tools > Practice...), and your progress shows here."};
  } else if (!r.suggested) {
    r.suggestion = {"Every step so far you found without help.",
                    "Practise a method you have not met yet (Tools > Practice...)."};
  } else {
    const MethodProgress& m = counts.methods[r.suggested - 1];
    r.suggestion = {"Practise next: " + std::to_string(r.suggested) + " " + r.names[r.suggested - 1] + " (Tools > Practice...).",
                    "You took " + std::to_string(m.Helped()) + " of its " + std::to_string(m.Total()) +
                        (m.Total() == 1 ? " step" : " steps") + " with help."};
  }
  return r;
}

}  // namespace tessora
