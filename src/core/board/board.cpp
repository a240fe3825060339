#include "board/board.h"

#include <array>
#include <charconv>

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

void SetNumberTextAny(std::string& s, int n) {
  char buf[16];
  const auto end = std::to_chars(buf, buf + sizeof buf, n).ptr;
  const auto size = static_cast<std::size_t>(end - buf);
  if (s.size() != size || s.compare(0, size, buf, size) != 0) s.assign(buf, size);
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
  // The digits of every mask, written once (a text built a character at a
  // time and copied at once reads back slowly).
  struct Digits {
    char chars[9];
    std::uint8_t size;
  };
  static const std::array<Digits, 512> kDigits = [] {
    std::array<Digits, 512> t{};
    for (unsigned m = 0; m < 512; ++m)
      t[m].size = static_cast<std::uint8_t>(MaskDigitChars(static_cast<std::uint16_t>(m << 1), t[m].chars));
    return t;
  }();
  const Digits& d = kDigits[(mask_ >> 1) & 0x1FF];
  out.assign(d.chars, d.size);
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
