// The guided trials as plain data: every cell's trial text (its trial
// candidates and one line of marks for each phase), the conjugated pairs that
// link cells, the sure moves a trial proves and the tints a step gives the
// cells. The inference rules (advice/trial_pairs.h, advice/trial_all.h) work
// on these alone; the window shows the texts as the cells' captions.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "board/board.h"

namespace tessora {

// The marks of a trial candidate.
namespace mark {
constexpr char Undecided = '_';
constexpr char True = 'v';
constexpr char False = 'f';
}  // namespace mark

// The two phases of a trial: the starting candidate assumed true ('v'), then
// assumed false ('f').
enum class TrialPhase : std::uint8_t { True = 0, False = 1 };
inline char PhaseMark(TrialPhase p) { return p == TrialPhase::True ? mark::True : mark::False; }
inline char Opposite(char m) { return m == mark::True ? mark::False : mark::True; }

// One cell's trial text: its trial candidates (digits in ascending order) and,
// for each phase, one mark per candidate. A cell without trial candidates has
// no trial text, and the rules pass it by.
struct TrialCell {
  std::string cands;
  std::array<std::string, 2> marks;  // [0] the true phase (line 2), [1] the false phase (line 3)

  // The candidates with every mark undecided.
  static TrialCell Fresh(const std::string& digits);
  bool HasText() const { return !cands.empty(); }
  int Size() const { return static_cast<int>(cands.size()); }
  int Digit(int k) const { return cands[k] - '0'; }
  // The position of a digit among the candidates, -1 when it is not one.
  int Position(int digit) const;
  std::string& Line(TrialPhase p) { return marks[static_cast<int>(p)]; }
  const std::string& Line(TrialPhase p) const { return marks[static_cast<int>(p)]; }
  int Count(TrialPhase p, char m) const;
  // The three lines joined by CR LF, as the cell's caption shows them; empty
  // for a cell without trial candidates.
  std::string Text() const;
};

// The trial texts of the board, the cells waiting to be examined and the
// phase under way.
struct TrialBoard {
  std::array<TrialCell, kCells> cells{};
  // A cell whose marks changed and that the next step examines.
  std::array<bool, kCells> changed{};
  TrialPhase phase = TrialPhase::True;

  void Clear() { *this = TrialBoard{}; }
  char Mark(int cell, int k) const { return cells[cell].Line(phase)[k]; }
  // Sets a mark of the current phase and flags the cell for examination.
  void SetMark(int cell, int k, char m) {
    cells[cell].Line(phase)[k] = m;
    changed[cell] = true;
  }
  // Some cell with a trial text still has an undecided mark in this phase.
  bool AnyUndecided() const;
  // The starting candidate assumed true: the first phase begins.
  void Start(int cell, int k);
  // The starting candidate assumed false: the second phase begins.
  void Reverse(int cell, int k);
};

// A conjugated pair: a digit that is a candidate of exactly two empty cells of
// a zone. Its text is ZZ-AA-BB-D (zone, the two cells ascending, the digit).
struct PairRelation {
  int zone = 0;
  int first = 0;
  int second = 0;
  int digit = 0;
  std::string Text() const;
  bool operator==(const PairRelation&) const = default;
};

// A proved move: write the digit ('v') or remove it from the cell's
// candidates ('f').
struct SureMove {
  int cell = 0;
  char mark = mark::True;
  int digit = 0;
  // CC-m-D: the cell in two digits, the mark, the digit.
  std::string Entry() const;
  // The eight characters that list it: row and column letters, " '", the
  // digit, "'=", the mark ("Cb '5'=v").
  std::string Item() const;
  // Cell 0..80, mark 'v' or 'f', digit 1..9.
  bool WellFormed() const;
  bool operator==(const SureMove&) const = default;
};

// The candidates of every empty cell as masks (bit d for digit d; 0 for a
// filled cell), the input of the builders below.
using CandidateMasks = std::array<std::uint16_t, kCells>;

// Trial texts for the trial on conjugated pairs: every empty cell gets those
// of its candidates that form a conjugated pair in its row, its column or its
// box; the other cells get none.
void BuildPairTexts(TrialBoard& trial, const CandidateMasks& can);
// The conjugated pairs of the board, by zone, then digit.
std::vector<PairRelation> BuildPairRelations(const CandidateMasks& can);
// Trial texts for the trial on all candidates: every cell with candidates
// gets all of them.
void BuildAllTexts(TrialBoard& trial, const CandidateMasks& can);

// What a trial step paints: each cell's background, and the cell whose
// examination fired a rule bordered.
enum class TrialTint : std::uint8_t { White, LightGreen, Grey, LightGrey, LightBlue, Pink };
struct TrialPaint {
  std::array<TrialTint, kCells> back{};
  std::array<bool, kCells> border{};
  void Zone(int zone, TrialTint t) {
    for (int c : ZoneCells[zone]) back[c] = t;
  }
};

}  // namespace tessora
