// The scheme generator's rules: the six seed grids a new scheme is made from
// (letters a..i, relabelled with digits at random) and the symmetries its
// cells are removed by.
#pragma once

namespace tessora {

constexpr int kSeedGridCount = 6;

// The nine rows of seed grid `index` (0..5), as letters a..i.
const char* const* SeedGrid(int index);

// The cell removed together with `cell` under a symmetry kind (0 central,
// 1 left-right, 2 top-bottom), or -1 for a cell that is its own partner.
int SymmetricPartner(int cell, int kind);

}  // namespace tessora
