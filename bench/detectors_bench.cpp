// Speed of every detector of the method registry on a few fixed positions
// with plain candidates (each empty cell holds the digits that no value of
// its row, column and box excludes), and of the cross view of one value. A
// detector changes nothing, so every iteration does the same work. Each
// benchmark's label tells whether the detector finds a step on that position
// ("found") or scans it all in vain ("none").
//
//   cmake -S . -B build-bench -DTESSORA_BUILD_QT=OFF -DTESSORA_BUILD_TESTS=OFF
//         -DTESSORA_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release
//   cmake --build build-bench --target detectors_bench -j2
//   build-bench/bench/detectors_bench [--benchmark_filter=X-Wing]
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "methods/detectors.h"
#include "methods/glance.h"
#include "methods/registry.h"

namespace {

using namespace tessora;

struct Position {
  const char* name;
  const char* grid;  // 81 characters, '.' or '0' for an empty cell
};

// Six positions made from schemes generated for the project (minimal, with
// one solution): an easy scheme; two that the control solves only with
// trials; one it solves with an X-Wing and no trial; two schemes a few singles
// into play (one single, seven). The third and fourth hold an X-Wing, the last
// two a Swordfish butterfly, in their plain candidates.
constexpr std::array<Position, 6> kPositions = {{
    {"easy", ".2.84...3.3......58.1.5........7......46.5...9.82..7...7..96.8.3......5.......13."},
    {"diabolic", "3..7....5.9...8.3.1..3......6.5..4.8824...1..........9...1.....2...7.56...1..62.."},
    {"diabolic_xwing", "4...7......15.6...82.91.....62...49......415...........5.2.....7.3.9.5........68."},
    {"xwing", ".1....36...56......6.92..8..9...1...2.7.9....4......3.......517.7...6..9...8....."},
    {"swordfish_a", ".3....81......5..4..53..2...92....6.......5....1..4...2..9...5..47.8..9...95....3"},
    {"swordfish_b", "3...47.2....39618....2.54..9..4.8..65.......4..47.13....85.........2...323...9.4."},
}};

Board PlainBoard(const char* grid) {
  Board b;
  for (int c = 0; c < kCells; ++c)
    if (grid[c] >= '1' && grid[c] <= '9') b.Place(c, grid[c] - '0', Origin::Given);
  RecountCandidates(b);
  return b;
}

void RunMethod(benchmark::State& state, const Position& pos, const MethodRow& m) {
  const Board board = PlainBoard(pos.grid);
  state.SetLabel(m.find(board, m.k, {}).Found() ? "found" : "none");
  for (auto _ : state) benchmark::DoNotOptimize(m.find(board, m.k, {}));
}

void RunCrossBoxes(benchmark::State& state, const Position& pos) {
  const Board board = PlainBoard(pos.grid);
  for (auto _ : state)
    for (int v = 1; v <= 9; ++v) benchmark::DoNotOptimize(CrossBoxes(board, v));
}

}  // namespace

int main(int argc, char** argv) {
  for (const MethodRow& m : Methods()) {
    if (!m.find) continue;
    for (const Position& pos : kPositions)
      benchmark::RegisterBenchmark((std::string(m.name) + "/" + pos.name).c_str(),
                                   [&pos, &m](benchmark::State& s) { RunMethod(s, pos, m); });
  }
  for (const Position& pos : kPositions)
    benchmark::RegisterBenchmark((std::string("CrossBoxes/") + pos.name).c_str(),
                                 [&pos](benchmark::State& s) { RunCrossBoxes(s, pos); });
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
