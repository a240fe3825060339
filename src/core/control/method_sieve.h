// A quick look at how hard a scheme is, for the search of schemes of a level:
// which of the textbook techniques (in their full strength, every finding of
// a pass applied at once) fill the grid. It only guides the search: whether a
// scheme is of the level asked is always decided by its control.
#pragma once

#include <array>

namespace tessora {

// The techniques allowed, from the lightest set to the heaviest.
enum class Sieve {
  Singles,   // a cell with one candidate, a digit with one place in a zone
  Basic,     // and locked candidates, naked pairs and triples, hidden pairs
  Advanced,  // and naked quads, hidden triples and quads, X-Wing, Swordfish
};

// The techniques of the set fill the grid (0: empty cell, 1..9: a given); the
// grid must have one solution.
bool SieveSolves(const std::array<int, 81>& grid, Sieve sieve);

// The lightest set that fills the grid, or nothing (returned as false) when
// even the heaviest stops; `level` receives it.
bool LightestSieve(const std::array<int, 81>& grid, Sieve& level);

}  // namespace tessora
