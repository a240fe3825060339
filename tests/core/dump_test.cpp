// The state dump is valid JSON whatever the texts of the window hold: a file
// name that is not UTF-8 gets U+FFFD for each byte that is not, everything
// else comes through unchanged.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <unistd.h>

#include "test_support.h"
#include "ui/dump.h"

namespace tessora {
namespace {

namespace fs = std::filesystem;

TEST(Dump, ValidJsonForAnyFileName) {
  struct Case {
    std::string name;  // the file's name as bytes
    std::string shown; // as the dump shows it
  } cases[] = {
      {"plain.sud", "plain.sud"},
      {"caf\xe9.sud", "caf\xef\xbf\xbd.sud"},                       // Latin-1 e acute
      {"\xff\xfe.sud", "\xef\xbf\xbd\xef\xbf\xbd.sud"},             // bytes never valid in UTF-8
      {"cut\xc3.sud", "cut\xef\xbf\xbd.sud"},                       // a sequence cut short
      {"caf\xc3\xa9.sud", "caf\xc3\xa9.sud"},                       // UTF-8 stays as it is
      {"quote\"back\\slash.sud", "quote\"back\\slash.sud"},
      {"tab\tline\nbell\x07.sud", "tab\tline\nbell\x07.sud"},
  };
  std::string dirTemplate = (fs::temp_directory_path() / "tessora-dump-XXXXXX").string();
  ASSERT_TRUE(::mkdtemp(dirTemplate.data()));
  const std::string dir = dirTemplate;
  for (const Case& c : cases) {
    test::Harness h;
    Form1& f = h.form;
    test::KeyScheme(f, "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    f.Click("Gioca");
    h.platform.fileAnswers.push_back(dir + "/" + c.name);
    f.Click("Salva");
    ASSERT_EQ(f.files.SchemeFile, dir + "/" + c.name);
    const std::string dump = DumpState(f);
    nlohmann::json parsed;
    ASSERT_NO_THROW(parsed = nlohmann::json::parse(dump)) << c.name;
    EXPECT_EQ(parsed["vars"]["SchemeFile"], dir + "/" + c.shown);
    EXPECT_EQ(parsed["caption"], "Tessora - Sudoku file=" + dir + "/" + c.shown);
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tessora
