// tessora-cli practice: positions where a chosen method gives the next step
// of the walk in the standard order, for a learner to find that step.
#include "practice.h"

#include <chrono>
#include <iostream>
#include <nlohmann/json.hpp>
#include <random>

#include "control/practice.h"
#include "options.h"

namespace tessora::cli {

namespace {

std::string CellText(int cell) { return CellName(cell) + " (" + std::to_string(cell) + ")"; }

}  // namespace

int Practice(const std::vector<std::string>& args) {
  static const Option kOptions[] = {
      {"--method", true, "a method number, 1 to 16"},
      {"-n", true, "a number of positions"},
      {"--seed", true, "a number"},
      {"--json", false},
      {"--stats", false},
  };
  Arguments parsed;
  std::string error;
  if (!ParseArguments(args, kOptions, parsed, error) || !parsed.operands.empty()) {
    if (error.empty()) error = "unexpected argument " + parsed.operands.front();
    std::cerr << "tessora-cli practice: " << error << "\n";
    return 2;
  }
  long method = 0, count = 1, seed = -1;
  if (!parsed.Has("--method")) {
    std::cerr << "tessora-cli practice: --method N is needed (1 to " << kPracticeMethods << ")\n";
    return 2;
  }
  if (!ParseCount(parsed.Value("--method"), 1, kPracticeMethods, method)) {
    std::cerr << "tessora-cli practice: --method needs a method number, 1 to " << kPracticeMethods << "\n";
    return 2;
  }
  if (parsed.Has("-n") && !ParseCount(parsed.Value("-n"), 1, 1000000, count)) {
    std::cerr << "tessora-cli practice: -n needs a number, 1 to 1000000\n";
    return 2;
  }
  if (parsed.Has("--seed") && !ParseCount(parsed.Value("--seed"), 0, 999999999, seed)) {
    std::cerr << "tessora-cli practice: --seed needs a number, 0 to 999999999\n";
    return 2;
  }
  const bool json = parsed.Has("--json"), stats = parsed.Has("--stats");
  if (seed < 0) seed = static_cast<long>(std::random_device{}() % 1000000000u);
  PracticeRandom random(static_cast<std::uint64_t>(seed));
  const MethodRow& row = Methods()[method - 1];
  for (long long i = 0; i < count; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    const std::optional<PracticePosition> p = MakePracticePosition(static_cast<int>(method), random);
    const auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0).count();
    if (!p) {
      std::cerr << "tessora-cli practice: no position of method " << method << " came out\n";
      return 1;
    }
    if (json) {
      nlohmann::ordered_json j;
      j["method"] = method;
      j["name"] = row.name;
      j["puzzle"] = GridText(p->givens);
      j["values"] = GridText(p->values);
      nlohmann::ordered_json cands = nlohmann::ordered_json::array();
      for (int c = 0; c < kCells; ++c) cands.push_back(p->values[c] ? std::string() : MaskDigits(p->candidates[c]));
      j["candidates"] = std::move(cands);
      nlohmann::ordered_json step = nlohmann::ordered_json::object();
      nlohmann::ordered_json list = nlohmann::ordered_json::array();
      for (const PracticeMove& m : p->moves) {
        if (m.IsPlacement()) list.push_back({m.cell, m.digit});
        else list.push_back({m.cell, MaskDigits(m.removed)});
      }
      step[p->step.IsPlacement() ? "place" : "remove"] = std::move(list);
      j["step"] = std::move(step);
      j["solution"] = GridText(p->solution);
      if (stats) {
        // How the position came, for the benchmark: the seven fields above
        // are the position itself.
        j["candidatesShown"] = p->candidatesShown;
        j["fromBank"] = p->fromBank;
        j["micros"] = micros;
      }
      std::cout << j.dump() << "\n";
    } else {
      std::cout << method << " " << row.name << "\n  puzzle " << GridText(p->givens) << "\n  values "
                << GridText(p->values) << "\n  step  ";
      for (std::size_t k = 0; k < p->moves.size(); ++k) {
        const PracticeMove& m = p->moves[k];
        std::cout << (k ? ", " : "");
        if (m.IsPlacement()) std::cout << "write " << m.digit << " in " << CellText(m.cell);
        else std::cout << "remove " << MaskDigits(m.removed) << " from " << CellText(m.cell);
      }
      std::cout << "\n  (" << p->walked << " steps walked, " << p->schemes << (p->schemes == 1 ? " scheme" : " schemes")
                << (p->fromBank ? " from the bank" : "") << ", " << micros << " us)\n";
    }
    if (!std::cout) return 1;
  }
  return 0;
}

}  // namespace tessora::cli
