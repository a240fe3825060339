// The method registry: one row per method, from which the catalogue, the
// priority walk, the control's fixed order, the detector memory, the rating
// and the priority dialog's labels are all derived. Adding a detector is one
// row here and one file in methods/.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "methods/detectors.h"
#include "methods/scope.h"
#include "methods/step.h"

namespace tessora {

enum class StepKind { Placement, Elimination };

// The rating a method's use gives a scheme (methods/registry.cpp, Rate).
enum class Rating { Easy, Medium, Difficult, Diabolic };

// Where the control's solving loop runs a method.
enum class ControlUse {
  None,           // never (the walk only)
  RepeatedFirst,  // first in every pass, applied until nothing is left (Single Cell)
  OnceReady,      // second, once the candidates exist (Single Number)
  BeforeReady,    // second, only until the candidates exist (Hidden Single)
  FixedOrder,     // then in the fixed order (`order`)
  Fallback,       // when nothing else applies (the trials)
};

// The number of methods (rows), the trial included.
inline constexpr int kMethodCount = 17;
// The rows of the method counters (MethodUse), one per method number and a
// few to spare.
inline constexpr int kMethodRows = 21;

struct MethodRow {
  int number;            // 1..17; the method's use counter is MethodUse row number - 1
  const char* group;     // its priority group ("02" holds methods 2 and 3); "" for the trial
  const char* name;      // as the method list names it
  std::array<Code, 2> codes;  // its internal codes (the second Code::None when it has one)
  const char* display;   // the two-letter code of the move list
  StepKind kind;
  Finder find;           // its detector (null for the trial)
  int k;                 // the detector's set size
  UnitKind units;        // the units its scan is narrowed by (None: it reads the whole board)
  ControlUse control;
  int order;             // FixedOrder: its place in the control's fixed order, 1..
  Rating rating;         // what its use rates a scheme
  Rating ratingCreating; // the same while the generator rates its schemes
  bool needsHatching;    // the walk skips it while all candidates are shown (they hide the crossing)
  // How hard a person finds the method, on the scale of the fine score
  // (control/score.h): the score of a scheme whose hardest step it is. The
  // trial has none: a scheme that needs trials is scored by how they went.
  double weight;

  int Counter() const { return number - 1; }
};

// All rows, by method number.
std::span<const MethodRow> Methods();
// The row of a code; null for Code::None.
const MethodRow* MethodOf(Code code);
// The internal code as the step record writes it ("ZOB", "Xx2a"; "" for None).
const char* CodeText(Code code);

// The control's fixed order: the FixedOrder rows by `order`.
const std::vector<const MethodRow*>& ControlOrder();

// The priority groups in standard order, each with its rows in walk order.
struct MethodGroup {
  std::string code;                     // "01", "02", "04" .. "16"
  std::vector<const MethodRow*> rows;   // "02": Single Cell, then Single Number
};
const std::vector<MethodGroup>& MethodGroups();
// The group of a priority code (the first two characters of a list row), or
// null for any other text.
const MethodGroup* GroupOf(std::string_view code);
// The rows of the priority list in standard order: the heading, then one row
// per group ("01    - At a glance", "02/03 - Single Cell/Single Number").
std::vector<std::string> StandardPriorityList();

// The rating of the methods used (counters per MethodUse row) and of the
// number of trials: the highest rating among the methods used, Diabolic
// whenever a trial was needed.
Rating Rate(std::span<const int> methodUse, int trialCount, bool creating);
// The four ratings, easiest first.
inline constexpr std::array<Rating, 4> kRatings{Rating::Easy, Rating::Medium, Rating::Difficult, Rating::Diabolic};
// " Easy", " Medium", " Difficult", " Diabolic": the rating as the window
// writes it (the leading blank is part of it).
const char* RatingText(Rating r);
// "Easy" .. "Diabolic": the same word without its blank.
const char* RatingWord(Rating r);
// The rating as the window shows it, "??" while there is none.
std::string DifficultyText(std::optional<Rating> r);

}  // namespace tessora
