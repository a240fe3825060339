// The board model (every cell's value, its origin and its candidates), the
// candidate texts, and the game's shared state (counters, phase flags,
// solution lists).
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "board/cells.h"

namespace tessora {

// "Aa" for cell 0 .. "Ii" for cell 80.
std::string CellName(int cell);
// The text without the blanks at both ends.
std::string Trim(const std::string& s);
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
  int Count() const { return DigitCount(mask_); }
  std::uint16_t Mask() const { return mask_; }
  bool IsEmptyText() const { return empty_; }
  // The trimmed text holds at least one digit (untrimmed text longer than two).
  bool HasDigits() const { return mask_ != 0; }
  int FirstDigit() const { return mask_ ? std::countr_zero(mask_) : 0; }
  std::string Text() const;     // untrimmed
  std::string Digits() const;   // trimmed
  bool operator==(const CandText& o) const { return mask_ == o.mask_ && empty_ == o.empty_; }

 private:
  std::uint16_t mask_ = 0;  // bit d set when digit d (1..9) is a candidate
  bool empty_ = true;       // the empty text ""
};

// Digits of a mask in ascending order ("137").
std::string MaskDigits(std::uint16_t mask);

// Flash bookkeeping.
constexpr int kNoDeviation = 99;

// Where a cell's value came from. The window shows it as the value's ink;
// an empty cell has no origin, unless a board text image marked it.
enum class Origin : std::uint8_t {
  None,    // no value, or a value marked wrong (shown in red)
  Given,   // a given of the scheme
  Keyed,   // keyed in by the user in play (a trial move included)
  Solver,  // written by the control while it runs (shown white on white)
};

// What writing a value did to the candidates of the cell's peers.
struct Propagation {
  bool consistent = true;  // no empty cell was left without a candidate
  int emptied = -1;        // the cell left without one (the removal stopped there)
};

// The board model: every cell's value, where it came from and its
// candidates. The detectors, the exact solver and the control's solving loop
// work on it alone; the window draws its 81 labels from it.
class Board {
 public:
  // The candidate text of every cell.
  std::array<CandText, kCells> Can{};

  int Value(int cell) const { return value_[cell]; }
  bool Filled(int cell) const { return value_[cell] != 0; }
  Origin OriginOf(int cell) const { return origin_[cell]; }
  // Every cell's value, 0 for an empty cell.
  const std::array<std::uint8_t, kCells>& Values() const { return value_; }
  // The filled cells.
  CellSet FilledCells() const { return filled_; }

  // Writes a value (1..9) and its origin; the candidates stay as they are.
  void SetValue(int cell, int digit, Origin origin) {
    value_[cell] = static_cast<std::uint8_t>(digit);
    origin_[cell] = origin;
    filled_ |= CellBit(cell);
    changed_ |= CellBit(cell);
  }
  // Empties a cell; `origin` is what an image marked it with, usually none.
  void ClearValue(int cell, Origin origin = Origin::None) {
    value_[cell] = 0;
    origin_[cell] = origin;
    filled_ &= ~CellBit(cell);
    changed_ |= CellBit(cell);
  }
  void SetOrigin(int cell, Origin origin) {
    origin_[cell] = origin;
    changed_ |= CellBit(cell);
  }
  // A placement: the value, no candidates left ("  ").
  void Place(int cell, int digit, Origin origin) {
    SetValue(cell, digit, origin);
    Can[cell] = CandText::Filled();
  }
  // Removes the digit from the candidates of the cell's row, column and box,
  // in that order and each peer once, and stops at the first empty cell left
  // without a candidate. The cell itself is left alone.
  Propagation Propagate(int cell, int digit);

  // The cells whose value or origin changed since the last call.
  CellSet TakeChanged() {
    const CellSet c = changed_;
    changed_ = 0;
    return c;
  }

 private:
  std::array<std::uint8_t, kCells> value_{};
  std::array<Origin, kCells> origin_{};
  CellSet filled_ = 0;
  CellSet changed_ = ~CellSet{0} >> (128 - kCells);
};

// A solution the control found: a digit per cell, 0 where it leaves the cell
// open (the board a trial began from), and whether one is known at all.
struct SolutionDigits {
  bool known = false;
  std::array<std::uint8_t, kCells> digits{};

  int operator[](int cell) const { return digits[cell]; }
  void Clear() { *this = SolutionDigits{}; }
  // One cell's digit (0: open); the solution is known from then on.
  void Set(int cell, int digit) {
    known = true;
    digits[cell] = static_cast<std::uint8_t>(digit);
  }
  // The values of `board`, every cell known (0 where it is empty).
  void Take(const Board& board) {
    known = true;
    for (int c = 0; c < kCells; ++c) digits[c] = static_cast<std::uint8_t>(board.Value(c));
  }
  // The cell as the solution panels list it: its digit, a blank where the
  // solution leaves it open, nothing while no solution is known.
  std::string Text(int cell) const {
    if (!known) return {};
    return std::string(1, digits[cell] ? static_cast<char>('0' + digits[cell]) : ' ');
  }
};

// The board model with the game's counters and flags; the cells' looks
// (captions shown, fonts, backgrounds) belong to the window.
struct BoardState : Board {
  // The solution the control found without trials, or the board its first
  // trial began from; the trial's whole solution when it needed one.
  SolutionDigits Solution;
  SolutionDigits TrialSolution;
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
