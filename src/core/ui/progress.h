// The user's progress as plain data: per method, how its steps were taken,
// in games and in practice. The window counts them as the user plays and
// keeps them through the platform (between runs); Help > "My Progress" shows
// them and names the method to practise next.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tessora {

// The methods whose steps are counted: 1..16 of the registry.
inline constexpr int kProgressMethods = 16;

// How a step was taken: found unaided, found after "Method ?", "Value ?" or
// "Where ?" showed the step, or played with "Do it".
enum class Taken { Unaided, AfterMethod, AfterValue, AfterWhere, DoIt };
inline constexpr int kTakenKinds = 5;
// The names the store and the chart use for them.
inline constexpr std::array<const char*, kTakenKinds> kTakenNames = {"unaided", "method", "value", "where", "doit"};

struct MethodProgress {
  std::array<int, kTakenKinds> game{};
  std::array<int, kTakenKinds> practice{};

  int Count(Taken t) const { return game[static_cast<int>(t)] + practice[static_cast<int>(t)]; }
  int Total() const;
  // The steps taken with some help: after advice or with "Do it".
  int Helped() const { return Total() - Count(Taken::Unaided); }
  bool operator==(const MethodProgress&) const = default;
};

struct ProgressCounts {
  std::array<MethodProgress, kProgressMethods> methods{};  // methods[n - 1]: method n
  bool Empty() const;
  bool operator==(const ProgressCounts&) const = default;
};

// What the store gave back when asked for the counts kept between runs.
struct ProgressLoad {
  ProgressCounts counts;
  // The store could not be read and was moved aside to this path (its
  // counts are lost to the program, kept for the user); empty otherwise.
  std::string setAside;
  // The store cannot be used at all (a folder that cannot be written):
  // the reason; the counts are then kept for this run only.
  std::string error;
};

// The method to practise next: the one whose steps most often needed help
// (the largest share of helped steps; of equal shares, the one with more
// helped steps, then the lower number); 0 when no step needed help.
int SuggestedMethod(const ProgressCounts& counts);

// What Help > "My Progress" shows: the counts, each method's name and the
// suggestion as text.
struct ProgressReport {
  ProgressCounts counts;
  std::array<std::string, kProgressMethods> names{};
  int suggested = 0;
  std::vector<std::string> suggestion;  // lines
};
ProgressReport MakeProgressReport(const ProgressCounts& counts);

}  // namespace tessora
