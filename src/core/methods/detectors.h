// The detectors: each looks at the board (within the scope it is given) and
// returns the first step its method finds, or a step whose code is None. None
// of them changes the board; applying a step is the caller's (the control's
// solving loop, the replay, "Do it"). One file per detector; the registry
// (methods/registry.h) lists them.
#pragma once

#include <array>
#include <cstdint>

#include "board/board.h"
#include "methods/scope.h"
#include "methods/step.h"

namespace tessora {

// Every detector has this signature; k is the set size of the families and
// is ignored by the others.
using Finder = Step (*)(const Board& board, int k, const Scope& scope);

// "At a glance" over the values 1..9 (ZOB, ZOC, or USO when the free cell is
// also the zone's only empty cell). It reads only the values.
Step FindAtGlance(const Board& board, int k = 0, const Scope& scope = {});
// A zone with one empty cell (USO), rows, columns, boxes in order.
Step FillLoneCells(const Board& board, int k = 0, const Scope& scope = {});
// The first cell 0..80 with one candidate (CFC).
Step NakedSingle(const Board& board, int k = 0, const Scope& scope = {});
// Hidden sets of size k = 1..4 (Xx1, Xx2a/Xx2b, HTR, HQU).
Step FindHiddenSet(const Board& board, int k, const Scope& scope = {});
// Naked Twins (k = 2, CPN) and 3 Candidates Share 3 Cells (k = 3, SCI3).
Step FindNakedSet(const Board& board, int k, const Scope& scope = {});
// Naked Triples (k = 3, TRN), 4 Candidates Share 4 Cells (k = 4, SCI4) and
// Naked Quads (k = 5, QUA).
Step FindNakedSetLarge(const Board& board, int k, const Scope& scope = {});
// Box Locks Candidate (PRQ) and Row/Col. Locks Candidate (PRC).
Step FindBoxLock(const Board& board, int k = 0, const Scope& scope = {});
Step FindLineLock(const Board& board, int k = 0, const Scope& scope = {});
// X-Wing Rectangle (XWN) and Swordfish Butterfly (SWF).
Step FindXWing(const Board& board, int k = 0, const Scope& scope = {});
Step FindSwordfish(const Board& board, int k = 0, const Scope& scope = {});

// Hidden sets as the control applies them: a hidden single is placed whatever
// k is (the call ends there and hands it back, for the caller to place);
// hidden twins are reduced, every one met in one call; a hidden triple or
// quad is reduced and, with stopAtFirst, ends the call. The reductions are
// made on the board's candidates.
struct HiddenReduction {
  Step single;          // the hidden single that ended the call, if any
  int reductions = 0;   // candidate texts reduced
  CellSet reduced = 0;  // the cells reduced
};
HiddenReduction ReduceHiddenSets(Board& board, int k, const Scope& scope, bool stopAtFirst);

// The first of 81 candidate masks that holds exactly one digit, or -1; the
// naked-single scan of a caller that read the masks (four at a time).
int FirstSingleCandidateCell(const std::array<std::uint16_t, kCells>& masks);

// Candidate bookkeeping. RecountCandidates gives every empty cell the digits
// no value of its row, column and box holds (a cell whose zones hold all
// nine keeps one of them: PruneFromZone stops once one candidate is left)
// and every filled cell none.
void RecountCandidates(Board& board);
void PruneFromZone(Board& board, int cell, int zone);

}  // namespace tessora
