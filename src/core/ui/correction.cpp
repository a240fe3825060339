// The mouse press on a cell: the candidate correction and the start of a trial.
#include "ui/form1.h"

namespace tessora {

void Form1::caN_MouseDown(int cell, int /*button*/, int /*shiftState*/) {
  w.Applica.enabled = false;
  w.mApplica.enabled = false;
  if (!board.MouseOverBoard) return;
  board.CurCell = cell;
  if (!board.InputEnabled || !board.PlayPhase) return;
  // The correction panel and the trial starts are opened from here.
}

void Form1::CorCan_KeyDown(int /*keyCode*/, int /*shiftState*/) {}

}  // namespace tessora
