// The golden outcome of "rate": a broad sample of public puzzle collections
// (solved, failed, invalid, with and without trials) and a few grids of our
// own, all kept in rate_sample.txt, are rated by tessora-cli, and every line is
// compared with rate.golden, timings left out. A difference is a change of
// behaviour. After a deliberate one, TESSORA_GOLDEN_UPDATE=1 writes the new
// file (and the commit says why it changed).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(TESSORA_FIXTURES) / "golden";

struct Sample {
  std::string from;  // "top1465.txt:5", or "own:3" for a grid of ours
  std::string grid;
};

// A line whose first 81 characters are a grid, as the rate command reads it.
bool IsGrid(const std::string& line) {
  if (line.size() < 81) return false;
  for (int i = 0; i < 81; ++i) {
    const char ch = line[i];
    if (!((ch >= '0' && ch <= '9') || ch == '.' || ch == ' ')) return false;
  }
  return true;
}

std::vector<Sample> Samples() {
  std::vector<Sample> samples;
  std::ifstream list(kGolden / "rate_sample.txt");
  EXPECT_TRUE(list) << "cannot read rate_sample.txt";
  int own = 0;
  for (std::string line; std::getline(list, line);) {
    if (line.empty() || line[0] == '#') continue;
    EXPECT_TRUE(IsGrid(line)) << "not a grid: " << line;
    // The grid, then where it comes from ("top1465.txt:5"); nothing for one of ours.
    const std::size_t at = line.size() > 81 ? line.find_first_not_of(' ', 81) : std::string::npos;
    const std::string from = at != std::string::npos ? line.substr(at) : "own:" + std::to_string(++own);
    samples.push_back({from, line.substr(0, 81)});
  }
  return samples;
}

// One output line without what changes from run to run: the position and
// the grid give way to where the puzzle comes from, the time of the report
// line and the microseconds are left out.
std::string Normalised(const std::string& line, const Sample& s) {
  static const std::regex head(R"re(^\{"n":\d+,"puzzle":"[^"]*",)re");
  static const std::regex micros(R"re(,"micros":-?\d+\}$)re");
  static const std::regex seconds(R"re(\(in \d+\.\d\d sec\.)re");
  std::string r = std::regex_replace(line, head, "{\"from\":\"" + s.from + "\"," +
                                                     (s.from.rfind("own:", 0) == 0 ? "\"puzzle\":\"" + s.grid + "\"," : ""));
  r = std::regex_replace(r, micros, "}");
  return std::regex_replace(r, seconds, "(in #.## sec.");
}

TEST(GoldenRate, TheSampleRatesAsFrozen) {
  const std::vector<Sample> samples = Samples();
  ASSERT_GE(samples.size(), 1500u);
  const std::string input = ::testing::TempDir() + "golden_rate_" + std::to_string(::getpid()) + ".txt";
  {
    std::ofstream out(input, std::ios::binary);
    for (const Sample& s : samples) out << s.grid << "\n";
  }
  FILE* p = popen((std::string(TESSORA_CLI) + " rate --json " + input + " 2>/dev/null").c_str(), "r");
  ASSERT_TRUE(p);
  std::string out;
  char buf[65536];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  EXPECT_EQ(pclose(p), 0);
  std::remove(input.c_str());

  std::istringstream lines(out);
  std::string got;
  std::size_t i = 0;
  for (std::string line; std::getline(lines, line); ++i) {
    ASSERT_LT(i, samples.size()) << "more lines than puzzles";
    got += Normalised(line, samples[i]) + "\n";
  }
  ASSERT_EQ(i, samples.size());

  const fs::path golden = kGolden / "rate.golden";
  if (std::getenv("TESSORA_GOLDEN_UPDATE")) {
    std::ofstream(golden, std::ios::binary) << got;
    return;
  }
  std::ifstream in(golden, std::ios::binary);
  ASSERT_TRUE(in) << golden << " is missing (TESSORA_GOLDEN_UPDATE=1 writes it)";
  std::istringstream want(std::string(std::istreambuf_iterator<char>(in), {})), have(got);
  std::string a, b;
  for (int line = 1; std::getline(want, a); ++line) {
    ASSERT_TRUE(std::getline(have, b)) << "fewer lines than the golden file, from line " << line;
    ASSERT_EQ(a, b) << "line " << line;
  }
  EXPECT_FALSE(std::getline(have, b)) << "more lines than the golden file";
}

}  // namespace
