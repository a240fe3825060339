#include "files/board_image.h"

namespace tessora {

std::string ValueRow(const Board& board, int r) {
  std::string row;
  for (int c = 9 * r; c < 9 * r + 9; ++c) row += board.Filled(c) ? static_cast<char>('0' + board.Value(c)) : ' ';
  return row;
}

std::string MarkRow(const Board& board, int r) {
  std::string row;
  for (int c = 9 * r; c < 9 * r + 9; ++c) {
    const Origin o = board.OriginOf(c);
    row += o == Origin::Keyed ? 'b' : o == Origin::Solver ? 'c' : ' ';
  }
  return row;
}

std::string CandidateRow(const Board& board, int r) {
  std::string row;
  for (int c = 9 * r; c < 9 * r + 9; ++c) {
    row += board.Filled(c) ? std::string(" ") : board.Can[c].Digits();
    row += ',';
  }
  return row;
}

}  // namespace tessora
