// Looks through puzzle files for schemes in which the rarer methods give the
// next step of the walk in the standard order, and checks that they still do
// once the scheme is relabelled and its rows and columns moved: the source of
// the practice bank (src/core/control/practice_bank.txt).
//
//   practice_mine [--methods 12,14,16] [--walks W] [--turns T] [--random N [--first F]] FILE...
//
// Walks each scheme W times (where no method applies, the walk puts a digit
// of the solution into a cell with the fewest candidates, chosen at random).
// A walk that reaches a method gives a bank scheme: the puzzle with the
// digits the walk put in so added as givens (one solution still), so that a
// walk of it meets no such point before the method. Each is walked again T
// times seen another way; one line a finding: method, walks of T that met
// the method again, the bank scheme, file:line and the number of digits added.
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "control/practice.h"
#include "control/solver.h"

using namespace tessora;

namespace {

bool Solve(PracticeScheme& scheme) {
  std::array<int, kCells> grid{}, solution{};
  for (int c = 0; c < kCells; ++c) grid[c] = scheme.givens[c];
  if (CountSolutions(grid, 2, &solution) != 1) return false;
  for (int c = 0; c < kCells; ++c) scheme.solution[c] = static_cast<std::uint8_t>(solution[c]);
  return true;
}

// Per method met in one walk of the scheme, the cells the walk had put a
// solution digit into by then.
std::map<int, std::vector<int>> MethodsIn(const PracticeScheme& scheme, const std::set<int>& wanted,
                                          PracticeRandom& random) {
  std::map<int, std::vector<int>> seen;
  std::vector<int> stuck;
  WalkScheme(
      scheme, true, random,
      [&](const Board& b, const Step& s, int) {
        for (int m : wanted) {
          Step own;
          if (!seen.count(m) && IsNextStepOf(b, s, m, own)) seen[m] = stuck;
        }
        return seen.size() == wanted.size();
      },
      &stuck);
  return seen;
}

}  // namespace

int main(int argc, char** argv) {
  std::set<int> wanted = {10, 12, 13, 14, 15, 16};
  int turns = 6, walks = 1, randomSchemes = 0, firstSeed = 1;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--methods" && i + 1 < argc) {
      wanted.clear();
      std::stringstream in(argv[++i]);
      for (std::string n; std::getline(in, n, ',');) wanted.insert(std::stoi(n));
    } else if (a == "--walks" && i + 1 < argc) {
      walks = std::stoi(argv[++i]);
    } else if (a == "--turns" && i + 1 < argc) {
      turns = std::stoi(argv[++i]);
    } else if (a == "--random" && i + 1 < argc) {
      randomSchemes = std::stoi(argv[++i]);
    } else if (a == "--first" && i + 1 < argc) {
      firstSeed = std::stoi(argv[++i]);
    } else {
      files.push_back(a);
    }
  }
  PracticeRandom random(1);
  auto mine = [&](const PracticeScheme& scheme, const std::string& source) {
    std::set<std::string> printed;
    for (int w = 0; w < walks; ++w) {
      for (const auto& [m, stuck] : MethodsIn(scheme, wanted, random)) {
        PracticeScheme bank = scheme;
        for (int c : stuck) bank.givens[c] = scheme.solution[c];
        const std::string text = GridText(bank.givens);
        if (!printed.insert(std::to_string(m) + text).second) continue;
        int again = 0;
        for (int t = 0; t < turns; ++t) {
          PracticeScheme turned;
          turned.givens = Transformed(bank.givens, random);
          Solve(turned);
          again += MethodsIn(turned, {m}, random).count(m) ? 1 : 0;
        }
        std::cout << m << " " << again << "/" << turns << " " << text << " " << source << " +" << stuck.size()
                  << std::endl;
      }
    }
  };
  for (const std::string& file : files) {
    std::ifstream in(file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      if (line.size() < 81 || line[0] == '#') continue;
      PracticeScheme scheme;
      bool ok = true;
      for (int c = 0; c < kCells; ++c) {
        const char ch = line[c];
        if (ch >= '1' && ch <= '9') scheme.givens[c] = static_cast<std::uint8_t>(ch - '0');
        else if (ch != '.' && ch != '0') ok = false;
      }
      if (ok && Solve(scheme)) mine(scheme, file + ":" + std::to_string(number));
    }
  }
  // Schemes made at random (--random N): scheme k is the one MakeRandomScheme
  // makes from seed k (--first F: k = F, F + 1, ...).
  for (int i = 0; i < randomSchemes; ++i) {
    PracticeRandom own(static_cast<std::uint64_t>(firstSeed + i));
    mine(MakeRandomScheme(own), "random:" + std::to_string(firstSeed + i));
  }
  return 0;
}
