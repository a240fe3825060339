#include "board/board.h"

#include <bit>

namespace tessora {

std::string CellName(int cell) {
  return {static_cast<char>('A' + cell / 9), static_cast<char>('a' + cell % 9)};
}

std::string Trim(const std::string& s) {
  std::size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return std::string();
  std::size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

std::string NoBlanks(const std::string& s) {
  std::string r;
  for (char ch : s)
    if (ch != ' ') r.push_back(ch);
  return r;
}

std::string MaskDigits(std::uint16_t mask) {
  char digits[9];
  int n = 0;
  for (unsigned m = mask & 0x3FEu; m; m &= m - 1) digits[n++] = static_cast<char>('0' + std::countr_zero(m));
  return std::string(digits, static_cast<std::size_t>(n));
}

std::string CandText::Text() const {
  if (empty_) return std::string();
  return " " + Digits() + " ";
}

std::string CandText::Digits() const { return MaskDigits(mask_); }

bool CandText::Parse(std::string_view text, CandText& out) {
  if (text.empty()) {
    out = CandText();
    return true;
  }
  std::uint16_t mask = 0;
  int last = 0;
  bool seenDigit = false, afterDigits = false;
  for (char ch : text) {
    if (ch == ' ') {
      if (seenDigit) afterDigits = true;
      continue;
    }
    if (ch < '1' || ch > '9' || afterDigits) return false;
    int d = ch - '0';
    if (d <= last) return false;
    last = d;
    mask |= static_cast<std::uint16_t>(1u << d);
    seenDigit = true;
  }
  out = FromMask(mask);
  return true;
}

}  // namespace tessora
