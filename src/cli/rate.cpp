// tessora-cli rate: runs every puzzle through the window's own path (Clear
// All, Initial Data, the givens keyed in, Play) and reports the outcome.
#include "rate.h"

#include <algorithm>
#include <atomic>
#include <array>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "control/score.h"
#include "control/solver.h"
#include "files/puzzle_text.h"
#include "files/scheme_format.h"
#include "ui/form1.h"
#include "ui/scripted_platform.h"
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

struct Outcome {
  std::string result, difficulty, solution;
  std::string score;  // the fine score as JSON writes it, "null" unless the scheme has one solution
  bool unique = false;  // the givens have exactly one solution
  int suggestions = 0, trials = 0;
  std::vector<std::string> moves, report;
  long long micros = 0;
};

Outcome RunOne(Form1& f, const std::string& grid, bool withScore) {
  f.Azzera_Click();
  f.DatIniz_Click();
  // The givens, as a user keys them in: a click on each cell that holds one,
  // then its digit (written at once, to the same effect).
  f.EnterGivens(grid);
  auto t0 = std::chrono::steady_clock::now();
  f.Gioca_Click();
  auto t1 = std::chrono::steady_clock::now();
  Outcome o;
  o.micros = std::chrono::duration_cast<std::chrono::microseconds>(t1 - t0).count();
  o.report = f.w.ListCons.items;
  o.trials = f.control.TrialCount;
  const bool duplicate = !o.report.empty() && o.report[0] == "ERROR IN CURRENT DATA!";
  o.score = "null";
  // A score judges a sound puzzle: none without exactly one solution.
  std::array<int, kCells> givens{};
  for (int i = 0; i < kCells; ++i) givens[i] = grid[i] >= '1' && grid[i] <= '9' ? grid[i] - '0' : 0;
  o.unique = CountSolutions(givens, 2) == 1;
  withScore = withScore && o.unique;
  if (duplicate || f.control.ContradictionSeen) {
    o.result = "invalid";
  } else if (f.control.ControlFailed || !f.board.PlayPhase) {
    o.result = "failed";
    // No replay: the score of the trials the control started, if any.
    if (withScore) {
      const TrialStart* trials = f.control.TrialStarted ? &f.control.FirstTrial : nullptr;
      o.score = nlohmann::json(SchemeScore(f.methods.MethodUse, trials)).dump();
    }
  } else {
    o.result = "solved";
    o.difficulty = Trim(f.control.Difficulty);
    if (const std::optional<double> score = withScore ? f.FineScore() : std::nullopt) o.score = nlohmann::json(*score).dump();
    o.suggestions = f.control.ReportedSuggestions;
    const auto& sol = f.control.TrialCount > 0 ? f.board.TrialSolution : f.board.Solution;
    o.solution.reserve(kCells);
    for (const std::string& s : sol) {
      const std::string v = Trim(s);
      if (v.empty()) o.solution += '.';
      else o.solution += v;
    }
    const auto& list = f.control.MoveList;
    const std::size_t count = std::min<std::size_t>(f.control.MoveCount, list.empty() ? 0 : list.size() - 1);
    o.moves.assign(list.begin() + 1, list.begin() + 1 + static_cast<std::ptrdiff_t>(count));
  }
  if (o.result != "solved") o.trials = f.control.TrialCount;
  return o;
}

}  // namespace

int Rate(const std::vector<std::string>& args) {
  bool json = false;
  unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      json = true;
    } else if (a == "-j" || (a.size() > 2 && a.compare(0, 2, "-j") == 0)) {
      const std::string v = a == "-j" ? (i + 1 < args.size() ? args[++i] : "") : a.substr(2);
      std::size_t used = 0;
      long n = 0;
      try {
        n = std::stol(v, &used);
      } catch (...) {
        used = 0;
      }
      if (v.empty() || used != v.size() || n < 1 || n > 1024) {
        std::cerr << "tessora-cli rate: -j needs a number of threads from 1 to 1024\n";
        return 2;
      }
      jobs = static_cast<unsigned>(n);
    } else if (!a.empty() && a[0] == '-' && a != "-") {
      std::cerr << "tessora-cli rate: unknown option " << a << "\n";
      return 2;
    } else {
      files.push_back(a);
    }
  }
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

  // Every thread rates on a window of its own; the puzzles are handed out
  // one at a time and their lines written in input order, a batch at a time.
  struct Worker {
    ScriptedPlatform platform;
    Form1 form{platform};
  };
  jobs = static_cast<unsigned>(std::min<std::size_t>(jobs, std::max<std::size_t>(puzzles.size(), 1)));
  std::vector<std::unique_ptr<Worker>> workers;
  for (unsigned k = 0; k < jobs; ++k) {
    workers.push_back(std::make_unique<Worker>());
    workers.back()->form.Form_Load();
  }
  struct Rated {
    std::string line;
    std::string result, difficulty;
    int trials = 0;
  };
  auto rate = [&](Form1& form, std::size_t index) {
    const Puzzle& p = puzzles[index];
    const Outcome o = RunOne(form, p.grid, json);
    Rated r{std::string(), o.result, o.difficulty, o.trials};
    const int n = static_cast<int>(index) + 1;
    if (json) {
      std::string& line = r.line;
      line = "{\"n\":" + std::to_string(n) + ",\"puzzle\":";
      AppendJson(line, p.grid);
      line += ",\"result\":";
      AppendJson(line, o.result);
      line += ",\"difficulty\":";
      AppendJson(line, o.difficulty);
      line += ",\"score\":" + o.score;
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
      std::snprintf(line, sizeof line, "%4d  %-7s  %-10s  %4d  %6d  %8lld  %s\n", n, o.result.c_str(),
                    o.difficulty.c_str(), o.suggestions, o.trials, o.micros, p.grid.c_str());
      r.line = line;
    }
    return r;
  };

  std::map<std::string, int> byResult, byDifficulty;
  int withTrials = 0;
  auto start = std::chrono::steady_clock::now();
  if (!json) std::cout << "   n  result   difficulty  sugg  trials    micros  puzzle\n";
  const std::size_t batch = 256 * static_cast<std::size_t>(jobs);
  std::vector<Rated> done;
  for (std::size_t first = 0; first < puzzles.size(); first += batch) {
    const std::size_t last = std::min(puzzles.size(), first + batch);
    done.assign(last - first, Rated{});
    std::atomic<std::size_t> next{first};
    auto work = [&](Worker& w) {
      for (std::size_t i; (i = next.fetch_add(1)) < last;) done[i - first] = rate(w.form, i);
    };
    if (jobs == 1) {
      work(*workers[0]);
    } else {
      std::vector<std::thread> threads;
      for (unsigned k = 0; k < jobs; ++k) threads.emplace_back(work, std::ref(*workers[k]));
      for (std::thread& t : threads) t.join();
    }
    for (const Rated& r : done) {
      std::cout << r.line;
      byResult[r.result] += 1;
      if (!r.difficulty.empty()) byDifficulty[r.difficulty] += 1;
      if (r.trials > 0) ++withTrials;
    }
    if (!std::cout) return 1;  // the output cannot be written (reported by the caller): no use going on
  }
  const int n = static_cast<int>(puzzles.size());
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!json) {
    std::ostringstream s;
    s << n << " puzzles:";
    for (const char* r : {"solved", "failed", "invalid"}) s << " " << byResult[r] << " " << r << ",";
    s << " " << withTrials << " with trials;";
    for (const char* d : {"Easy", "Medium", "Difficult", "Diabolic"}) s << " " << byDifficulty[d] << " " << d;
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
