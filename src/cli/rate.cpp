// tessora-cli rate: runs the solvability control on every puzzle's givens and
// reports its outcome, with the report the window's blackboard would show.
#include "rate.h"

#include <algorithm>
#include <atomic>
#include <array>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "control/report.h"
#include "control/score.h"
#include "control/solver.h"
#include "control/solving.h"
#include "files/puzzle_text.h"
#include "options.h"
#include "files/scheme_format.h"
#include "util/line_reader.h"

namespace tessora::cli {

namespace {

struct Puzzle {
  std::string grid;  // 81 characters, "." for an empty cell
};

bool ReadPuzzles(std::istream& in, const std::string& name, std::vector<Puzzle>& out) {
  PuzzleReader reader;
  std::vector<PuzzleText> found;
  auto take = [&] {
    for (const PuzzleText& t : found) {
      if (t.ok) {
        out.push_back({t.grid});
        continue;
      }
      std::cerr << "tessora-cli: " << name << ": " << t.reason << " Skipped.\n";
    }
    found.clear();
  };
  int number = 0;
  std::string line;
  for (LineRead r; (r = ReadBoundedLine(in, line)) != LineRead::End;) {
    ++number;
    if (r == LineRead::TooLong) {
      reader.SkippedLine(found);
      take();
      std::cerr << "tessora-cli: " << name << ":" << number << ": line " << TooLongLineMessage() << "\n";
      continue;
    }
    reader.Line(line, found);
    take();
  }
  reader.Finish(found);
  take();
  return true;
}

// The JSON text of a string as nlohmann-json writes it. A line a puzzle:
// building a JSON tree for each costs more than rating an easy puzzle, so
// the program's own texts (ASCII by construction) are escaped here; any
// other text goes through the library.
// Per character: 0 written as it is, 1 escaped, 2 not ASCII.
constexpr std::array<std::uint8_t, 256> kKind = [] {
  std::array<std::uint8_t, 256> t{};
  for (int ch = 0; ch < 0x20; ++ch) t[ch] = 1;
  t['"'] = t['\\'] = 1;
  for (int ch = 0x80; ch < 0x100; ++ch) t[ch] = 2;
  return t;
}();

void AppendJson(std::string& out, const std::string& s) {
  const std::size_t start = out.size();
  out += '"';
  // Runs of characters written as they are are copied whole.
  std::size_t run = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char ch = s[i];
    const std::uint8_t kind = kKind[static_cast<unsigned char>(ch)];
    if (kind == 0) continue;
    if (kind == 2) {
      out.resize(start);
      out += nlohmann::json(s).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
      return;
    }
    out.append(s, run, i - run);
    run = i + 1;
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(ch));
        out += buf;
      }
    }
  }
  out.append(s, run, s.size() - run);
  out += '"';
}

void AppendJson(std::string& out, const std::vector<std::string>& texts) {
  out += '[';
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i) out += ',';
    AppendJson(out, texts[i]);
  }
  out += ']';
}

// What became of a puzzle, as the table and the JSON name it.
enum class Verdict { Solved, Failed, Invalid };
constexpr Verdict kVerdicts[] = {Verdict::Solved, Verdict::Failed, Verdict::Invalid};

const char* VerdictWord(Verdict v) {
  switch (v) {
    case Verdict::Solved:
      return "solved";
    case Verdict::Failed:
      return "failed";
    case Verdict::Invalid:
      break;
  }
  return "invalid";
}

struct Outcome {
  Verdict result = Verdict::Invalid;
  std::optional<Rating> difficulty;  // the rating of a solved puzzle
  std::string solution;
  std::optional<double> score;  // the fine score, none unless the scheme has exactly one solution
  bool unique = false;  // the givens have exactly one solution
  int suggestions = 0, trials = 0;
  std::vector<std::string> moves, report;
  long long micros = 0;
};

// The board of a grid's givens (81 characters, a digit for a given).
Board GivensBoard(const std::string& grid) {
  Board board;
  for (int i = 0; i < kCells && i < static_cast<int>(grid.size()); ++i)
    if (grid[i] >= '1' && grid[i] <= '9') board.Place(i, grid[i] - '0', Origin::Given);
  return board;
}

// The givens of a grid as the exact solver takes them.
std::array<int, kCells> GivensGrid(const std::string& grid) {
  std::array<int, kCells> givens{};
  for (int i = 0; i < kCells && i < static_cast<int>(grid.size()); ++i)
    givens[i] = grid[i] >= '1' && grid[i] <= '9' ? grid[i] - '0' : 0;
  return givens;
}

// The score as JSON writes it: null when there is none.
std::string ScoreJson(const std::optional<double>& score) { return score ? nlohmann::json(*score).dump() : "null"; }

// The score as the table writes it: two decimals as the window shows it, "-"
// when there is none.
std::string ScoreText(const std::optional<double>& score) { return score ? FormatScore(*score) : "-"; }

// The control of one puzzle and its fine score, worked out once for both
// outputs.
Outcome RunOne(const std::string& grid) {
  bool withScore = true;
  const Board givens = GivensBoard(grid);
  auto t0 = std::chrono::steady_clock::now();
  const ControlOutcome c = ControlScheme(givens);
  auto t1 = std::chrono::steady_clock::now();
  Outcome o;
  o.micros = std::chrono::duration_cast<std::chrono::microseconds>(t1 - t0).count();
  o.report = ControlReport(c, std::chrono::duration<double>(t1 - t0).count());
  o.trials = c.trials;
  // A score judges a sound puzzle: none without exactly one solution.
  switch (c.result) {
    case ControlResult::RepeatedValues:
    case ControlResult::Contradiction:
      o.result = Verdict::Invalid;  // no solution
      break;
    case ControlResult::Failed:
      o.result = Verdict::Failed;
      // The window is back in the data phase after a failure, its trial
      // count with it: the line reports none.
      o.trials = 0;
      // The trials could not finish it: the exact solver says how many
      // solutions it has.
      o.unique = CountSolutions(GivensGrid(grid), 2) == 1;
      withScore = withScore && o.unique;
      // No replay: the score of the trials the control started, if any.
      if (withScore) o.score = SchemeScore(c.replay.methodUse, c.loop.trialStarted ? &c.loop.firstTrial : nullptr);
      break;
    case ControlResult::Solved:
      o.result = Verdict::Solved;
      o.unique = c.unique;
      withScore = withScore && o.unique;
      o.difficulty = c.rating;
      if (withScore) o.score = SchemeScore(c.replay.methodUse, c.FirstTrial());
      o.suggestions = c.suggestions;
      o.solution.reserve(kCells);
      for (std::uint8_t v : c.solution) o.solution += static_cast<char>('0' + v);
      for (const ReplayMove& m : c.replay.moves) o.moves.push_back(MoveText(m));
      break;
  }
  return o;
}

}  // namespace

int Rate(const std::vector<std::string>& args) {
  static const Option kOptions[] = {{"--json"}, {"-j", true, "a number of threads from 1 to 1024"}};
  Arguments parsed;
  std::string error;
  if (!ParseArguments(args, kOptions, parsed, error)) {
    std::cerr << "tessora-cli rate: " << error << "\n";
    return 2;
  }
  const bool json = parsed.Has("--json");
  unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
  if (parsed.Has("-j")) {
    long n = 0;
    if (!ParseCount(parsed.Value("-j"), 1, 1024, n)) {
      std::cerr << "tessora-cli rate: -j needs a number of threads from 1 to 1024\n";
      return 2;
    }
    jobs = static_cast<unsigned>(n);
  }
  const std::vector<std::string>& files = parsed.operands;
  std::vector<Puzzle> puzzles;
  if (files.empty()) {
    ReadPuzzles(std::cin, "stdin", puzzles);
  } else {
    for (const std::string& name : files) {
      if (name == "-") {
        ReadPuzzles(std::cin, "stdin", puzzles);
        continue;
      }
      std::string lower = name;
      for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      const bool sud = lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".sud") == 0;
      if (sud || IsSsPath(name)) {
        // A scheme file holds one scheme: its value rows are the givens.
        std::string bytes, error;
        if (!ReadSchemeFile(name, bytes, error)) {
          std::cerr << "tessora-cli rate: cannot read " << name << ": " << error << "\n";
          return 2;
        }
        SchemeParse parsed = sud ? ParseSud(bytes) : ParseSs(bytes);
        if (!parsed.ok) {
          std::cerr << "tessora-cli rate: " << name << ": " << parsed.error << "\n";
          return 2;
        }
        std::string grid;
        for (int r = 0; r < 9; ++r)
          for (int c = 0; c < 9; ++c) {
            const std::string& row = parsed.scheme.rows[r];
            const char ch = c < static_cast<int>(row.size()) ? row[c] : ' ';
            grid.push_back(ch >= '1' && ch <= '9' ? ch : '.');
          }
        puzzles.push_back({grid});
        continue;
      }
      std::error_code ec;
      if (std::filesystem::is_directory(name, ec)) {
        std::cerr << "tessora-cli rate: " << name << " is a folder, not a puzzle file\n";
        return 2;
      }
      std::ifstream in(name, std::ios::binary);
      if (!in) {
        std::cerr << "tessora-cli rate: cannot read " << name << "\n";
        return 2;
      }
      ReadPuzzles(in, name, puzzles);
    }
  }

  // The puzzles are handed out to the threads one at a time and their lines
  // written in input order, a batch at a time.
  jobs = static_cast<unsigned>(std::min<std::size_t>(jobs, std::max<std::size_t>(puzzles.size(), 1)));
  struct Rated {
    std::string line;
    Verdict result = Verdict::Invalid;
    std::optional<Rating> difficulty;
    int trials = 0;
  };
  auto rate = [&](std::size_t index) {
    const Puzzle& p = puzzles[index];
    const Outcome o = RunOne(p.grid);
    Rated r{std::string(), o.result, o.difficulty, o.trials};
    const int n = static_cast<int>(index) + 1;
    const std::string difficulty = o.difficulty ? RatingWord(*o.difficulty) : std::string();
    if (json) {
      std::string& line = r.line;
      line = "{\"n\":" + std::to_string(n) + ",\"puzzle\":";
      AppendJson(line, p.grid);
      line += ",\"result\":";
      AppendJson(line, VerdictWord(o.result));
      line += ",\"difficulty\":";
      AppendJson(line, difficulty);
      line += ",\"score\":" + ScoreJson(o.score);
      line += o.unique ? ",\"unique\":true" : ",\"unique\":false";
      line += ",\"suggestions\":" + std::to_string(o.suggestions) + ",\"trials\":" + std::to_string(o.trials);
      line += ",\"solution\":";
      AppendJson(line, o.solution);
      line += ",\"moves\":";
      AppendJson(line, o.moves);
      line += ",\"report\":";
      AppendJson(line, o.report);
      line += ",\"micros\":" + std::to_string(o.micros) + "}\n";
    } else {
      char line[160];
      std::snprintf(line, sizeof line, "%4d  %-7s  %-10s  %6s  %4d  %6d  %8lld  %s\n", n, VerdictWord(o.result),
                    difficulty.c_str(), ScoreText(o.score).c_str(), o.suggestions, o.trials, o.micros,
                    p.grid.c_str());
      r.line = line;
    }
    return r;
  };

  std::array<int, std::size(kVerdicts)> byResult{};
  std::array<int, std::size(kRatings)> byDifficulty{};
  int withTrials = 0;
  auto start = std::chrono::steady_clock::now();
  if (!json) std::cout << "   n  result   difficulty   score  sugg  trials    micros  puzzle\n";
  const std::size_t batch = 256 * static_cast<std::size_t>(jobs);
  std::vector<Rated> done;
  for (std::size_t first = 0; first < puzzles.size(); first += batch) {
    const std::size_t last = std::min(puzzles.size(), first + batch);
    done.assign(last - first, Rated{});
    std::atomic<std::size_t> next{first};
    auto work = [&] {
      for (std::size_t i; (i = next.fetch_add(1)) < last;) done[i - first] = rate(i);
    };
    if (jobs == 1) {
      work();
    } else {
      std::vector<std::thread> threads;
      for (unsigned k = 0; k < jobs; ++k) threads.emplace_back(work);
      for (std::thread& t : threads) t.join();
    }
    for (const Rated& r : done) {
      std::cout << r.line;
      byResult[static_cast<std::size_t>(r.result)] += 1;
      if (r.difficulty) byDifficulty[static_cast<std::size_t>(*r.difficulty)] += 1;
      if (r.trials > 0) ++withTrials;
    }
    if (!std::cout) return 1;  // the output cannot be written (reported by the caller): no use going on
  }
  const int n = static_cast<int>(puzzles.size());
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!json) {
    std::ostringstream s;
    s << n << " puzzles:";
    for (Verdict v : kVerdicts) s << " " << byResult[static_cast<std::size_t>(v)] << " " << VerdictWord(v) << ",";
    s << " " << withTrials << " with trials;";
    for (Rating r : kRatings) s << " " << byDifficulty[static_cast<std::size_t>(r)] << " " << RatingWord(r);
    char rate[64];
    std::snprintf(rate, sizeof rate, "; %.1f puzzles/s", seconds > 0 ? n / seconds : 0.0);
    std::cout << s.str() << rate << "\n";
  }
  if (puzzles.empty()) {
    std::cerr << "tessora-cli rate: no puzzle was read\n";
    return 1;
  }
  return 0;
}

}  // namespace tessora::cli
