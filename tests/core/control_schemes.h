// The schemes the speed-up tests of the control run with and without each
// speed-up, from the easiest to ones that need several trials, and how two
// outcomes are told apart. Nothing here sees the window.
#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace tessora::test {

// Schemes from easy to ones that need several trials. The last one once
// showed that hidden twins reduced while the scan goes on open new findings
// in the zones of the reduced cells.
inline std::vector<std::string> Schemes() {
  std::vector<std::string> schemes = {
      "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
      "..9.....5..6.78.9.4.....3....1..74...7.....1...52..8....8.....6.2.39.1..1.....3..",
      "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..",
      "85.....7.....41...3..........1...4.6.7.5...........2..742.6.......8...3..........",
      "4...7......15.6...82691.....62...49......415...........5.2.....7.3.9.5........68.",
  };
  std::ifstream in(std::string(TESSORA_FIXTURES) + "/control/trial_schemes.txt");
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') schemes.push_back(line.substr(0, 81));
  return schemes;
}

// Where two outcomes part, with a little context (the whole dump is long).
inline std::string FirstDifference(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  const std::size_t from = i < 60 ? 0 : i - 60;
  return "at " + std::to_string(i) + ": ..." + a.substr(from, 120) + "\nversus ..." + b.substr(from, 120);
}

}  // namespace tessora::test
