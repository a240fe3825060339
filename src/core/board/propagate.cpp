// Writing a value: the digit leaves the candidates of the cell's peers.
#include "board/board.h"

namespace tessora {

Propagation Board::Propagate(int cell, int digit) {
  Propagation r;
  if (digit < 1 || digit > 9) return r;  // no candidate text holds it
  const auto bit = static_cast<std::uint16_t>(1u << digit);
  for (const std::uint8_t c : kPeers[cell]) {
    CandText& t = Can[c];
    if (!(t.Mask() & bit)) continue;
    t.Remove(digit);
    if (!t.HasDigits()) {
      r.consistent = false;
      r.emptied = c;
      return r;
    }
  }
  return r;
}

}  // namespace tessora
