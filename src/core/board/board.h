// The board model: cell numbering and names, the zone table, the candidate
// texts and the shared board state (counters, phase flags, solution lists).
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tessora {

constexpr int kCells = 81;
constexpr int kZones = 27;

// Zones 0..8 rows, 9..17 columns, 18..26 boxes (row by row); each lists its
// nine cells in a fixed order that detectors rely on.
struct ZoneTable {
  std::array<std::array<int, 9>, kZones> cells{};
  constexpr ZoneTable() {
    for (int r = 0; r < 9; ++r)
      for (int i = 0; i < 9; ++i) cells[r][i] = 9 * r + i;
    for (int c = 0; c < 9; ++c)
      for (int i = 0; i < 9; ++i) cells[9 + c][i] = c + 9 * i;
    for (int b = 0; b < 9; ++b) {
      int f = 27 * (b / 3) + 3 * (b % 3);
      for (int i = 0; i < 9; ++i) cells[18 + b][i] = f + 9 * (i / 3) + i % 3;
    }
  }
  constexpr const std::array<int, 9>& operator[](int z) const { return cells[z]; }
};

inline constexpr ZoneTable ZoneCells{};

constexpr int RowZone(int cell) { return cell / 9; }
constexpr int ColZone(int cell) { return 9 + cell % 9; }
constexpr int BoxZone(int cell) { return 18 + 3 * (cell / 9 / 3) + (cell % 9) / 3; }

// The row, column and box of every cell as one word: bit r, 9 + c, 18 + b.
inline constexpr std::array<std::uint32_t, kCells> kCellLines = [] {
  std::array<std::uint32_t, kCells> t{};
  for (int c = 0; c < kCells; ++c) t[c] = 1u << RowZone(c) | 1u << ColZone(c) | 1u << BoxZone(c);
  return t;
}();

// "Aa" for cell 0 .. "Ii" for cell 80.
std::string CellName(int cell);
// The text of a number 0..80 ("7", "80"), from a table: cell numbers are
// written often (tooltips, step records).
const std::string& NumberText(int n);
// s = the decimal text of n (as std::to_string writes it), leaving a text
// that already reads so untouched. The usual numbers, 0..99 (cells, counts of
// cells), are compared in place.
void SetNumberTextAny(std::string& s, int n);
inline void SetNumberText(std::string& s, int n) {
  if (n >= 0 && n < 10) {
    const char digit = static_cast<char>('0' + n);
    if (s.size() != 1 || s[0] != digit) s.assign(1, digit);
    return;
  }
  if (n >= 10 && n < 100) {
    const char digits[2] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    if (s.size() != 2 || s[0] != digits[0] || s[1] != digits[1]) s.assign(digits, 2);
    return;
  }
  SetNumberTextAny(s, n);
}

// The text without the blanks at both ends.
std::string Trim(const std::string& s);
// The same, as a view into the text.
inline std::string_view TrimView(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return std::string_view(s.data() + b, e - b);
}
// The first and the last sizeof(Word) of the n characters at p and q agree
// (n between sizeof(Word) and twice that: together they cover all of them).
template <typename Word>
inline bool SameEnds(const char* p, const char* q, std::size_t n) {
  Word x, y, u, v;
  std::memcpy(&x, p, sizeof x);
  std::memcpy(&y, q, sizeof y);
  std::memcpy(&u, p + n - sizeof u, sizeof u);
  std::memcpy(&v, q + n - sizeof v, sizeof v);
  return x == y && u == v;
}
// a == b, with the short texts of the cells and fonts compared in place.
inline bool SameText(const std::string& a, const std::string& b) {
  const std::size_t n = a.size();
  if (n != b.size()) return false;
  const char *p = a.data(), *q = b.data();
  if (n == 1) return p[0] == q[0];
  if (n == 2) return p[0] == q[0] && p[1] == q[1];
  if (n >= 4 && n < 8) return SameEnds<std::uint32_t>(p, q, n);
  if (n >= 8 && n <= 16) return SameEnds<std::uint64_t>(p, q, n);
  return n == 0 || std::memcmp(p, q, n) == 0;
}
// to = from, leaving a text that already reads so untouched.
inline void AssignText(std::string& to, const std::string& from) {
  if (!SameText(to, from)) to = from;
}
// The text without any blank.
std::string NoBlanks(const std::string& s);

// The candidate text of one cell. Held as a set of digits; its text is one
// blank, the digits in ascending order and one blank (" 123456789 "), two
// blanks when no digit is left (the text of a filled cell), or the empty text.
class CandText {
 public:
  CandText() = default;
  static CandText Fresh() { return FromMask(0x3FE); }
  static CandText Filled() { return FromMask(0); }
  static CandText FromMask(std::uint16_t mask) {
    CandText t;
    t.mask_ = mask & 0x3FE;
    t.empty_ = false;
    return t;
  }
  // Parses " 137 ", "137", "  " or ""; false when the text holds anything but
  // blanks and the digits 1..9 in ascending order, each once.
  static bool Parse(std::string_view text, CandText& out);

  bool Has(int d) const { return d >= 1 && d <= 9 && ((mask_ >> d) & 1); }
  // Removes digit d; true when it was there.
  bool Remove(int d) {
    if (!Has(d)) return false;
    mask_ &= static_cast<std::uint16_t>(~(1u << d));
    return true;
  }
  int Count() const { return std::popcount(mask_); }
  std::uint16_t Mask() const { return mask_; }
  bool IsEmptyText() const { return empty_; }
  // The trimmed text holds at least one digit (untrimmed text longer than two).
  bool HasDigits() const { return mask_ != 0; }
  int FirstDigit() const { return mask_ ? std::countr_zero(mask_) : 0; }
  std::string Text() const;     // untrimmed
  std::string Digits() const;   // trimmed
  // Digits() written into `out` in place (no temporary text).
  void DigitsTo(std::string& out) const;
  bool operator==(const CandText& o) const { return mask_ == o.mask_ && empty_ == o.empty_; }

 private:
  std::uint16_t mask_ = 0;  // bit d set when digit d (1..9) is a candidate
  bool empty_ = true;       // the empty text ""
};

// Digits of a mask in ascending order ("137").
std::string MaskDigits(std::uint16_t mask);
// The same digits written into buf (room for nine); returns their number.
inline int MaskDigitChars(std::uint16_t mask, char* buf) {
  int n = 0;
  for (unsigned m = mask & 0x3FEu; m; m &= m - 1) buf[n++] = static_cast<char>('0' + std::countr_zero(m));
  return n;
}

// Flash bookkeeping.
constexpr int kNoDeviation = 99;

// The board's shared state. The cells' values, inks and fonts live in the
// cell labels of the window (a cell is filled when its label's size is 18).
struct BoardState {
  std::array<CandText, kCells> Can{};
  std::array<std::string, kCells> Solution{};
  std::array<std::string, kCells> TrialSolution{};
  std::array<std::string, kCells> CaptionSnapshot{};
  int FilledCount = 0;
  int ErrorCount = 0;
  int CurCell = 0;
  bool DataStarted = false;
  bool PlayPhase = false;
  bool BoardBuilt = false;
  bool InputEnabled = true;
  bool Consistent = true;
  std::string KeyChar;
  // Flash bookkeeping.
  bool FlashTaken = false;
  int DeviationCell = kNoDeviation;
  std::string DeviationText;
  // Geometry, twips.
  int NumRows = 9, NumCols = 9;
  int BoardLeft = 0, BoardTop = 0, GridLeft = 0, GridTop = 0, GridRight = 0, GridBottom = 0;
  int CellWidth = 640, CellHeight = 640;
  // Cursor and marking.
  std::uint32_t CursorBack = 0xFFFFFF;
  int PrevCell = 0;
  int MarkState = 0;
  bool MouseOverBoard = false;
  bool FreezeMouse = false;
};

}  // namespace tessora
