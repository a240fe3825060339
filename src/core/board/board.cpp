#include "board/board.h"

namespace tessora {

std::string CellName(int cell) {
  return {static_cast<char>('A' + cell / 9), static_cast<char>('a' + cell % 9)};
}

const std::string& NumberText(int n) {
  static const std::array<std::string, kCells> texts = [] {
    std::array<std::string, kCells> t;
    for (int i = 0; i < kCells; ++i) t[i] = std::to_string(i);
    return t;
  }();
  return texts[n];
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
  char buf[9];
  return std::string(buf, static_cast<std::size_t>(MaskDigitChars(mask, buf)));
}

std::string CandText::Text() const {
  if (empty_) return std::string();
  char buf[11];
  buf[0] = ' ';
  const int n = MaskDigitChars(mask_, buf + 1);
  buf[n + 1] = ' ';
  return std::string(buf, static_cast<std::size_t>(n + 2));
}

std::string CandText::Digits() const { return MaskDigits(mask_); }

void CandText::DigitsTo(std::string& out) const {
  char buf[9];
  out.assign(buf, static_cast<std::size_t>(MaskDigitChars(mask_, buf)));
}

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
