// tessora-cli generate: "New (create)" on the engine, "New (create) of level"
// with --difficulty, or the F11 batch into a folder.
#include "generate.h"

#include <cctype>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>

#include <nlohmann/json.hpp>
#include <random>

#include "control/generator.h"
#include "control/level_generator.h"
#include "control/solving.h"
#include "files/scheme_format.h"
#include "options.h"

namespace tessora::cli {

namespace {

// Random numbers seeded from the clock, a new sequence at every Randomize.
class ClockRandom : public Random {
 public:
  ClockRandom() { rng_.seed(Now()); }
  void Randomize() override { rng_.seed(Now() ^ rng_()); }
  double Next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

 private:
  static unsigned long long Now() {
    return static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  }
  std::mt19937_64 rng_;
};

// A created scheme and the rating the user is shown for it: that of the
// control played on it once it is made.
struct Created {
  CreatedScheme scheme;
  // None when the control does not finish it.
  std::optional<Rating> rating;

  std::string Name(int number) const {
    return CreatedSchemeName(rating, number, scheme.solution.seedIndex, scheme.solution.symmetry);
  }
};

Created CreateAndRate(Random& random) {
  Created c;
  c.scheme = CreateScheme(random);
  Board board;
  for (int i = 0; i < kCells; ++i)
    if (c.scheme.givens[i]) board.Place(i, c.scheme.givens[i], Origin::Given);
  const ControlOutcome shown = ControlScheme(board);
  if (shown.result == ControlResult::Solved) c.rating = shown.rating;
  return c;
}

// A count the scheme's line ends with: "12 grids", "1 control".
struct Count {
  const char* key;  // its name in the JSON object
  const char* one;  // its word after 1 in the text line
  const char* many;
  long value;
  bool whenZero;  // the text line shows it at 0 too (the JSON object always does)
};

// One generated scheme: its text line, or with --json one object a line.
// False when the output cannot be written.
bool PrintScheme(const std::string& name, const Grid& givens, const std::string& difficulty, int seed, int symmetry,
                 long long micros, std::initializer_list<Count> counts, bool json) {
  std::string puzzle;
  int n = 0;
  for (std::uint8_t v : givens) {
    puzzle += v ? static_cast<char>('0' + v) : '.';
    n += v != 0;
  }
  if (json) {
    nlohmann::ordered_json j;
    j["name"] = name;
    j["puzzle"] = puzzle;
    j["givens"] = n;
    j["difficulty"] = difficulty;
    j["seed"] = seed;
    j["symmetry"] = symmetry;
    j["micros"] = micros;
    for (const Count& c : counts) j[c.key] = c.value;
    std::cout << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
  } else {
    std::cout << name << "  " << puzzle << "  " << n << " givens  " << difficulty << "  seed " << seed
              << "  symmetry " << symmetry << "  " << micros << " us";
    for (const Count& c : counts)
      if (c.value || c.whenZero) std::cout << "  " << c.value << " " << (c.value == 1 ? c.one : c.many);
    std::cout << "\n";
  }
  return static_cast<bool>(std::cout);
}

// The F11 batch into a folder: ten schemes rated above Easy, each written to
// a new file under the next free name; 1 when it stopped early.
int Batch(Random& random, const std::string& folder) {
  int number = 0;
  for (int i = 0; i < kBatchFiles; ++i) {
    // Easy schemes are created again, as often as "New (create) of level" would try.
    int creations = 0;
    Created c;
    do {
      if (creations == kMaxLevelAttempts) {
        std::cerr << "No scheme rated above Easy came out of " << kMaxLevelAttempts
                  << " creations;\r\nthe batch stopped after " << i << " of its " << kBatchFiles
                  << " files, and the last scheme created is on the board.\n";
        return 1;
      }
      ++creations;
      ++number;
      c = CreateAndRate(random);
    } while (c.rating == Rating::Easy);
    std::array<std::string, kSchemeRows> rows{};
    for (int r = 0; r < 9; ++r)
      for (int col = 0; col < 9; ++col) {
        const std::uint8_t v = c.scheme.givens[9 * r + col];
        rows[r] += v ? static_cast<char>('0' + v) : ' ';
      }
    const std::string bytes = FormatSud(rows, 9);
    // A file is never replaced: a name already taken in the folder moves the
    // scheme on to the next number whose name is free.
    for (int tries = 0;; ++tries) {
      const std::string path = folder + "/" + c.Name(number) + ".sud";
      std::string error;
      bool taken = false;
      if (WriteNewFileAtomically(path, bytes, error, taken)) break;
      if (!taken || tries >= kMaxFreeNameTries) {
        std::cerr << "The scheme could not be written to\r\n" << path << "\r\n" << error << "\n";
        return 1;
      }
      ++number;
    }
  }
  return 0;
}

// "New (create) of level": `count` schemes aimed at the level, each with
// one solution and rated as asked by the control Play runs.
int OfLevel(Random& random, SchemeLevel level, const LevelOptions& options, long count, bool json) {
  for (long number = 1; number <= count; ++number) {
    const auto t0 = std::chrono::steady_clock::now();
    const LevelScheme s = CreateSchemeOfLevel(random, level, options);
    const auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0).count();
    if (!s.found) {
      std::cerr << "tessora-cli generate: no scheme of that level came out of " << s.thinnings
                << " thinned grids\n";
      return 1;
    }
    // A random complete grid, not one of the seed grids: seed 0 in the name.
    const std::string name = CreatedSchemeName(s.outcome.rating, static_cast<int>(number), 0, s.symmetry);
    if (!PrintScheme(name, s.givens, RatingWord(s.outcome.rating), 0, s.symmetry, micros,
                     {{"grids", "grid", "grids", s.grids, true},
                      {"thinnings", "thinning", "thinnings", s.thinnings, true},
                      {"controls", "control", "controls", s.controls, true},
                      {"trials", "trial", "trials", s.outcome.trials, false}},
                     json))
      return 1;
  }
  return 0;
}

}  // namespace

int Generate(const std::vector<std::string>& args) {
  static const Option kOptions[] = {
      {"--json"}, {"-n", true, "a positive number"}, {"--batch", true, "a folder"},
      {"--difficulty", true, "easy, medium, difficult or diabolic"}, {"--trials"}, {"--plain"},
      {"--seed", true, "a number"}};
  Arguments parsed;
  std::string error;
  if (!ParseArguments(args, kOptions, parsed, error) ||
      (!parsed.operands.empty() && (error = "unknown argument " + parsed.operands[0], true))) {
    std::cerr << "tessora-cli generate: " << error << "\n";
    return 2;
  }
  const bool json = parsed.Has("--json");
  long count = 1;
  if (parsed.Has("-n") && !ParseCount(parsed.Value("-n"), 1, 999999999, count)) {
    std::cerr << "tessora-cli generate: -n needs a positive number\n";
    return 2;
  }
  std::optional<Rating> level;  // --difficulty: the rating's word in small letters
  if (parsed.Has("--difficulty")) {
    for (Rating r : kRatings) {
      std::string word = RatingWord(r);
      for (char& ch : word) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      if (parsed.Value("--difficulty") == word) level = r;
    }
    if (!level) {
      std::cerr << "tessora-cli generate: --difficulty needs easy, medium, difficult or diabolic\n";
      return 2;
    }
  }
  const bool trials = parsed.Has("--trials");
  if (trials && level != Rating::Diabolic) {
    std::cerr << "tessora-cli generate: --trials goes with --difficulty diabolic only\n";
    return 2;
  }
  if (parsed.Has("--plain") && !level) {
    std::cerr << "tessora-cli generate: --plain goes with --difficulty only\n";
    return 2;
  }
  long seed = -1;
  if (parsed.Has("--seed") && !ParseCount(parsed.Value("--seed"), 0, 999999999, seed)) {
    std::cerr << "tessora-cli generate: --seed needs a number\n";
    return 2;
  }
  if (seed >= 0 && !level) {
    std::cerr << "tessora-cli generate: --seed goes with --difficulty only\n";
    return 2;
  }
  const std::string batchDir = parsed.Has("--batch") ? parsed.Value("--batch") : std::string();
  if (parsed.Has("--batch") && batchDir.empty()) {
    std::cerr << "tessora-cli generate: --batch needs a folder\n";
    return 2;
  }
  if (!batchDir.empty() && level) {
    std::cerr << "tessora-cli generate: --batch and --difficulty do not go together\n";
    return 2;
  }

  ClockRandom random;
  if (!batchDir.empty()) {
    std::error_code ec;
    if (!std::filesystem::is_directory(batchDir, ec)) {
      std::cerr << "tessora-cli generate: " << batchDir << " is not a folder\n";
      return 2;
    }
    return Batch(random, batchDir);
  }

  if (level) {
    LevelOptions options;
    if (parsed.Has("--plain")) {
      options.singlesFirst = false;
      options.uniqueByDifference = false;
      options.uniqueByUnavoidable = false;
      options.stopAtTrial = false;
    }
    const SchemeLevel asked = trials ? SchemeLevel::DiabolicWithTrials : static_cast<SchemeLevel>(static_cast<int>(*level));
    if (seed >= 0) {
      SeededRandom seeded(static_cast<std::uint64_t>(seed));
      return OfLevel(seeded, asked, options, count, json);
    }
    return OfLevel(random, asked, options, count, json);
  }

  // "New (create)": the schemes are numbered as the window numbers them, from 1.
  for (int number = 1; number <= count; ++number) {
    const auto t0 = std::chrono::steady_clock::now();
    const Created c = CreateAndRate(random);
    const auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0).count();
    // The output cannot be written (reported by the caller): no use going on.
    if (!PrintScheme(c.Name(number), c.scheme.givens, c.rating ? RatingWord(*c.rating) : "??",
                     c.scheme.solution.seedIndex, c.scheme.solution.symmetry, micros, {}, json))
      return 1;
  }
  return 0;
}

}  // namespace tessora::cli
