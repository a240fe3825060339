// The rows of the board text image, made from the board model: nine value
// rows, nine mark rows and nine candidate rows.
#pragma once

#include <string>

#include "board/board.h"

namespace tessora {

// Row r (0..8) of the values: a digit for a filled cell, a blank for an empty one.
std::string ValueRow(const Board& board, int r);
// Row r of the marks: "b" a cell keyed in play, "c" one the control placed, else a blank.
std::string MarkRow(const Board& board, int r);
// Row r of the candidates: per cell its candidate digits (a blank for a
// filled cell), each field ended by a comma.
std::string CandidateRow(const Board& board, int r);

}  // namespace tessora
