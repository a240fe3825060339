// The golden outcome of whole sessions: every screen script and the long
// sessions of tests/fixtures/golden/sessions are played headless and their
// dumps compared byte for byte with the frozen ones. A difference is a change
// of behaviour. After a deliberate one, TESSORA_GOLDEN_UPDATE=1 writes the
// new dumps (and the commit says why they changed).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "test_support.h"
#include "ui/session.h"

namespace tessora {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(TESSORA_FIXTURES) / "golden";

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
}

struct Script {
  std::string name;    // the golden file's name
  fs::path path;
  bool dumpAtEnd;      // screen scripts hold no dump of their own
};

std::vector<Script> Scripts() {
  std::vector<Script> scripts;
  for (const auto& e : fs::directory_iterator(fs::path(TESSORA_SOURCE_DIR) / "scripts" / "screens"))
    if (e.path().extension() == ".txt") scripts.push_back({"screen_" + e.path().stem().string(), e.path(), true});
  for (const auto& e : fs::directory_iterator(kGolden / "sessions"))
    if (e.path().extension() == ".txt") scripts.push_back({"session_" + e.path().stem().string(), e.path(), false});
  std::sort(scripts.begin(), scripts.end(), [](const Script& a, const Script& b) { return a.name < b.name; });
  return scripts;
}

// A session's output as the golden files keep it: every dump written with one
// field a line (its fields in their own order), so that a changed behaviour
// shows as the field that changed; any other line as it is.
std::string OneFieldPerLine(const std::string& output) {
  std::istringstream in(output);
  std::string out;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.front() == '{') {
      const nlohmann::ordered_json dump = nlohmann::ordered_json::parse(line, nullptr, false);
      if (!dump.is_discarded()) {
        out += dump.dump(1) + "\n";
        continue;
      }
    }
    out += line + "\n";
  }
  return out;
}

// Plays a script in a folder of its own (saved files land there) on a fixed
// clock and random sequence; the folder's name is written as $DIR.
std::string Play(const Script& s) {
  std::string dirTemplate = (fs::temp_directory_path() / "tessora-golden-XXXXXX").string();
  const std::string dir = ::mkdtemp(dirTemplate.data()) ? dirTemplate : std::string();
  EXPECT_FALSE(dir.empty());
  fs::current_path(dir);
  std::string out, errors;
  {
    test::Harness h;
    std::istringstream in(ReadAll(s.path) + (s.dumpAtEnd ? "\ndump\n" : ""));
    std::ostringstream o, e;
    RunSession(h.form, h.platform, in, o, e);
    out = o.str();
    errors = e.str();
  }
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(dir);
  ReplaceAll(out, dir, "$DIR");
  return OneFieldPerLine(out) + (errors.empty() ? "" : "errors:\n" + errors);
}

// The first line where two outcomes part, cut around the first different character.
std::string FirstDifference(const std::string& want, const std::string& got) {
  std::istringstream a(want), b(got);
  std::string x, y;
  for (int line = 1;; ++line) {
    const bool more = static_cast<bool>(std::getline(a, x)), moreGot = static_cast<bool>(std::getline(b, y));
    if (!more && !moreGot) return "no difference";
    if (x == y) continue;
    std::size_t i = 0;
    while (i < x.size() && i < y.size() && x[i] == y[i]) ++i;
    const std::size_t from = i < 80 ? 0 : i - 80;
    return "line " + std::to_string(line) + ", character " + std::to_string(i) + "\n  want ..." +
           x.substr(from, 200) + "\n  got  ..." + y.substr(from, 200);
  }
}

TEST(GoldenSessions, EveryScriptPlaysAsFrozen) {
  const bool update = std::getenv("TESSORA_GOLDEN_UPDATE") != nullptr;
  const std::vector<Script> scripts = Scripts();
  ASSERT_GE(scripts.size(), 12u);
  for (const Script& s : scripts) {
    const std::string got = Play(s);
    const fs::path golden = kGolden / (s.name + ".golden");
    if (update) {
      std::ofstream(golden, std::ios::binary) << got;
      continue;
    }
    ASSERT_TRUE(fs::exists(golden)) << golden << " is missing (TESSORA_GOLDEN_UPDATE=1 writes it)";
    const std::string want = ReadAll(golden);
    EXPECT_TRUE(want == got) << s.name << ": " << FirstDifference(want, got);
  }
}

}  // namespace
}  // namespace tessora
