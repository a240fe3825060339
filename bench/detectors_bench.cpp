// Speed of every detector on a few fixed positions with plain candidates
// (each empty cell holds the digits that no value of its row, column and box
// excludes). The detectors run as the priority walk runs them, with Checking
// and RecordOnly set, so the board never changes and every iteration does the
// same work. Each benchmark's label tells whether the detector finds a step
// on that position ("found") or scans it all in vain ("none").
//
//   cmake -S . -B build-bench -DTESSORA_BUILD_QT=OFF -DTESSORA_BUILD_TESTS=OFF
//         -DTESSORA_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release
//   cmake --build build-bench --target detectors_bench -j2
//   build-bench/bench/detectors_bench [--benchmark_filter=XWing]
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

#include "ui/form1.h"
#include "ui/scripted_platform.h"

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

struct DetectorCase {
  const char* name;
  Detector detector;
  int k;
};

constexpr std::array<DetectorCase, 18> kDetectors = {{
    {"FindAtGlance", FindAtGlance, 0},
    {"FillLoneCells", FillLoneCells, 0},
    {"CrossBoxes", CrossBoxes, 0},
    {"NakedSingleRecord", NakedSingleRecord, 0},
    {"NakedSingleApply", NakedSingleApply, 0},
    {"FindHiddenSet/1", FindHiddenSet, 1},
    {"FindHiddenSet/2", FindHiddenSet, 2},
    {"FindHiddenSet/3", FindHiddenSet, 3},
    {"FindHiddenSet/4", FindHiddenSet, 4},
    {"FindBoxLock", FindBoxLock, 0},
    {"FindLineLock", FindLineLock, 0},
    {"FindNakedSet/2", FindNakedSet, 2},
    {"FindNakedSet/3", FindNakedSet, 3},
    {"FindNakedSetLarge/3", FindNakedSetLarge, 3},
    {"FindNakedSetLarge/4", FindNakedSetLarge, 4},
    {"FindNakedSetLarge/5", FindNakedSetLarge, 5},
    {"FindXWing", FindXWing, 0},
    {"FindSwordfish", FindSwordfish, 0},
}};

// A loaded main window showing one position with plain candidates, the
// detector flags set as the priority walk sets them.
struct Board {
  ScriptedPlatform platform;
  Form1 form{platform};

  explicit Board(const char* grid) {
    platform.clock = [] { return 36000.0; };
    form.Form_Load();
    for (int c = 0; c < kCells; ++c) {
      form.w.caN[c].visible = true;
      const char ch = grid[c];
      if (ch >= '1' && ch <= '9') {
        form.ShowValue(c, ch - '0', colour::ButtonText);
      } else {
        form.ShowEmpty(c);
      }
    }
    form.board.FilledCount = form.CountFilled();
    for (int c = 0; c < kCells; ++c) {
      if (form.Filled(c)) {
        form.board.Can[c] = CandText::Filled();
        continue;
      }
      std::uint16_t mask = 0x3FE;
      for (int z : {RowZone(c), ColZone(c), BoxZone(c)})
        for (int p : ZoneCells[z])
          if (form.Filled(p)) mask &= static_cast<std::uint16_t>(~(1u << form.Value(p)));
      form.board.Can[c] = CandText::FromMask(mask);
    }
    form.methods.Checking = true;
    form.methods.RecordOnly = true;
    form.methods.GlanceFrom = 1;
    form.methods.GlanceTo = 9;
  }
};

void RunDetector(benchmark::State& state, const Position& pos, const DetectorCase& dc) {
  auto board = std::make_unique<Board>(pos.grid);
  Form1& f = board->form;
  f.methods.Progress = false;
  dc.detector(f, dc.k);
  state.SetLabel(f.methods.Progress ? "found" : "none");

  if (dc.detector == NakedSingleApply) {
    // The control's naked-single scan places its digit whatever the flags:
    // every iteration puts the board back (the candidate texts, the counters
    // and the placed cell's label), and that restoring is part of the time.
    const Board fresh(pos.grid);
    const auto can = fresh.form.board.Can;
    int single = -1;
    for (int c = 0; c < kCells && single < 0; ++c)
      if (can[c].Count() == 1) single = c;
    const CellLabel label = fresh.form.w.caN[single < 0 ? 0 : single];
    for (auto _ : state) {
      f.methods.Progress = false;
      dc.detector(f, dc.k);
      benchmark::DoNotOptimize(f.methods.Progress);
      f.board.Can = can;
      f.board.FilledCount = fresh.form.board.FilledCount;
      f.board.Consistent = true;
      f.methods.SuggestionCount = 0;
      if (single >= 0) f.w.caN[single] = label;
    }
    return;
  }

  for (auto _ : state) {
    f.methods.Progress = false;
    dc.detector(f, dc.k);
    benchmark::DoNotOptimize(f.methods.Progress);
    benchmark::ClobberMemory();
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const DetectorCase& dc : kDetectors)
    for (const Position& pos : kPositions)
      benchmark::RegisterBenchmark((std::string(dc.name) + "/" + pos.name).c_str(),
                                   [&pos, &dc](benchmark::State& s) { RunDetector(s, pos, dc); });
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
