// The positions of the lock detectors' tests: Box Locks Candidate
// (FindBoxLock, "PRQ") and Row/Col. Locks Candidate (FindLineLock, "PRC"),
// with the step each must find, and positions where they find nothing. The
// engine's tests check the steps; the window's one-detector run checks its
// record and what it applies on the same positions.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "board_support.h"

namespace tessora::test::locks {

#define ROW_ ". . . . . . . . . "

// A step the detector must find in its picture.
struct LockCase {
  const char* name;
  Finder detector;
  const char* picture;
  StepParts step;
  // The target cell's candidates after the applied step (one digit a call).
  const char* after;
};

// A box lock or a line lock: the target keeps `keep`, loses the locked digit.
inline StepParts Lock(Code code, int cell, const char* keep, int zone, int box, const char* digit,
                      std::vector<int> cells) {
  return Eliminated(code, cell, keep, digit, zone, digit, std::move(cells), box);
}

inline const std::vector<LockCase>& LockCases() {
  static const std::vector<LockCase> cases = {
      // Box 0 holds 4 only in Aa and Ac (row A): the first cell of row A outside
      // the box that holds 4 (Af before Ah) loses it.
      {"BoxRowFirstCellOfRow", &FindBoxLock, "14 . 45 . . 348 . 49 . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
       Lock(Code::PRQ, 5, "38", 0, 18, "4", {0, 2}), "38"},
      // Three cells of column a in box 0 hold 6: Fa loses it.
      {"BoxColumnThreeCells", &FindBoxLock,
       "67 . . . . . . . . "
       "16 . . . . . . . . "
       "26 . . . . . . . . " ROW_ ROW_
       "569 . . . . . . . . " ROW_ ROW_
       "6 . . . . . . . . ",
       Lock(Code::PRQ, 45, "59", 9, 18, "6", {0, 9, 18}), "59"},
      // Box 0 (9 locked in row B) comes before box 1 (1 locked in row A).
      {"BoxesInOrder", &FindBoxLock,
       ". . . 12 13 . . . 15 "
       "89 79 . . . 39 . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
       Lock(Code::PRQ, 14, "3", 1, 18, "9", {9, 10}), "3"},
      // In one box the digits go in ascending order: 2 (column a, target Da)
      // before 5 (row A, target Ah).
      {"BoxDigitsAscending", &FindBoxLock,
       "25 5 . . . . . 59 . "
       "2 . . . . . . . . " ROW_
       "28 . . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_,
       Lock(Code::PRQ, 27, "8", 9, 18, "2", {0, 9}), "8"},
      // Row A holds 7 only in Aa and Ab (box 0): the first cell of the box
      // outside the row, in box order, loses it (Bb before Ca).
      {"LineRowFirstCellOfBox", &FindLineLock,
       "7 78 . . . . . . . "
       ". 57 . . . . . . . "
       "37 . . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
       Lock(Code::PRC, 10, "5", 0, 18, "7", {0, 1}), "5"},
      // Column a locks 3 into box 0, but every row is examined before the
      // columns: row I locks 2 into box 6 and Hb loses it.
      {"LineRowsBeforeColumns", &FindLineLock,
       "3 . . . . 3 . . . "
       "3 . 34 . . . 3 . . " ROW_ ROW_ ROW_ ROW_ ROW_
       ". 28 . . . . . . . "
       "2 2 . . . . . . . ",
       Lock(Code::PRC, 64, "8", 8, 24, "2", {72, 73}), "8"},
      // The same without row I: column a locks 3 into box 0 and Bc loses it.
      {"LineColumn", &FindLineLock,
       "3 . . . . 3 . . . "
       "3 . 34 . . . 3 . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_,
       Lock(Code::PRC, 11, "4", 9, 18, "3", {0, 9}), "4"},
      // Three cells of row E hold 9, all in box 4: Db loses it.
      {"LineThreeCells", &FindLineLock,
       ROW_ ROW_ ROW_
       ". . . . 19 . . . . "
       ". . . 9 9 9 . . . "
       ". . . . . 9 . . . " ROW_ ROW_ ROW_,
       Lock(Code::PRC, 31, "1", 4, 22, "9", {39, 40, 41}), "1"},
  };
  return cases;
}

// Positions in which the detector finds nothing.
struct NoLockCase {
  const char* name;
  Finder detector;
  const char* picture;
};

inline const std::vector<NoLockCase>& NoLockCases() {
  static const std::vector<NoLockCase> cases = {
      // 4 in one cell of box 0 (a hidden single, not a lock), also in row A.
      {"BoxDigitInOneCell", &FindBoxLock, "4 . . . . 4 . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
      // 4 in four cells of box 0, three of them in row A: not examined.
      {"BoxDigitInFourCells", &FindBoxLock,
       "4 4 4 . . 4 . . . "
       ". 4 . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
      // 4 in two cells of box 0 that share neither row nor column.
      {"BoxCellsInNoLine", &FindBoxLock,
       "4 . . . . 4 . . . "
       ". 4 . . . . . . . " ROW_
       "4 . . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_},
      // Row A locks 7 into box 0, but in the box 7 also lies in row B: no box lock.
      {"BoxIgnoresLineLock", &FindBoxLock,
       "7 78 . . . . . . . "
       ". 57 . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
      // A box lock with nothing left to remove in its row.
      {"BoxLockNothingToRemove", &FindBoxLock, "4 4 . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
      // 5 in one cell of row A and of column a.
      {"LineDigitInOneCell", &FindLineLock,
       "5 . . . . . . . . "
       ". 5 . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
      // Row A holds 5 in two boxes.
      {"LineDigitInTwoBoxes", &FindLineLock,
       "5 . . . 5 . . . . "
       ". 5 . . . . . . . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
      // Box 0 locks 4 into row A; row A holds 4 in three boxes: no line lock.
      {"LineIgnoresBoxLock", &FindLineLock, "14 . 45 . . 348 . 49 . " ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_ ROW_},
  };
  return cases;
}

// Failures and test lists name the case instead of dumping its bytes.
inline void PrintTo(const LockCase& c, std::ostream* os) { *os << c.name; }
inline void PrintTo(const NoLockCase& c, std::ostream* os) { *os << c.name; }

}  // namespace tessora::test::locks
