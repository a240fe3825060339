// "New (create)": seed grids, relabelling, symmetric removal, the control
// after every removal, the name, and the F11 batch.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>

#include "control/solver.h"
#include "files/scheme_format.h"
#include "test_support.h"

namespace tessora {
namespace {

using test::Harness;

bool ValidGrid(const std::array<std::string, 9>& rows) {
  for (int z = 0; z < kZones; ++z) {
    std::set<char> seen;
    for (int c : ZoneCells[z]) seen.insert(rows[c / 9][c % 9]);
    if (seen.size() != 9) return false;
  }
  return true;
}

std::array<int, 81> GridOf(const std::array<std::string, 9>& rows) {
  std::array<int, 81> g{};
  for (int c = 0; c < kCells; ++c) g[c] = rows[c / 9][c % 9] == ' ' ? 0 : rows[c / 9][c % 9] - '0';
  return g;
}

TEST(Generator, SeedGridsAreValidAndTheRelabellingIsAPermutation) {
  for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
    Harness h;
    h.platform.FixRandomSeed(seed);
    h.form.BuildSolutionGrid();
    const auto& g = h.form.gen;
    for (int k = 1; k <= 6; ++k) EXPECT_TRUE(ValidGrid(g.SeedGrids[k])) << "seed grid " << k;
    EXPECT_TRUE(ValidGrid(g.SeedGrids[0])) << seed;
    for (const std::string& row : g.SeedGrids[0])
      for (char ch : row) EXPECT_TRUE(ch >= '1' && ch <= '9');
    EXPECT_GE(g.SeedIndex, 1);
    EXPECT_LE(g.SeedIndex, 6);
    EXPECT_GE(g.SymmetryKind, 0);
    EXPECT_LE(g.SymmetryKind, 2);
    // The same letter always became the same digit.
    std::map<char, char> map;
    for (int c = 0; c < kCells; ++c) {
      char letter = g.SeedGrids[g.SeedIndex][c / 9][c % 9];
      char digit = g.SeedGrids[0][c / 9][c % 9];
      auto [it, fresh] = map.emplace(letter, digit);
      EXPECT_EQ(it->second, digit);
    }
    EXPECT_EQ(map.size(), 9u);
  }
}

TEST(Generator, SymmetricPartners) {
  EXPECT_EQ(SymmetricPartner(40, 0), -1);
  EXPECT_EQ(SymmetricPartner(0, 0), 80);
  EXPECT_EQ(SymmetricPartner(12, 0), 68);
  for (int r = 0; r < 9; ++r) EXPECT_EQ(SymmetricPartner(9 * r + 4, 1), -1) << r;
  EXPECT_EQ(SymmetricPartner(9, 1), 17);
  for (int c = 0; c < 9; ++c) EXPECT_EQ(SymmetricPartner(36 + c, 2), -1) << c;
  EXPECT_EQ(SymmetricPartner(2, 2), 74);
  for (int kind = 0; kind < 3; ++kind)
    for (int c = 0; c < kCells; ++c) {
      int p = SymmetricPartner(c, kind);
      if (p >= 0) {
        EXPECT_EQ(SymmetricPartner(p, kind), c);
      }
    }
}

TEST(Generator, CreatedSchemesAreUniqueRatedAndReadyToPlay) {
  const std::regex name("(Eas|Med|Dif|Dia)[0-9]{3}Cr[1-6][0-2]");
  Harness h;
  Form1& f = h.form;
  for (int run = 1; run <= 6; ++run) {
    f.mCrea_click();
    const auto& g = f.gen;
    int givens = 0;
    for (const std::string& row : g.WorkGrid)
      for (char ch : row) givens += ch != ' ';
    EXPECT_GE(givens, 27) << run;
    EXPECT_EQ(CountSolutions(GridOf(g.WorkGrid), 2), 1) << run;
    EXPECT_TRUE(std::regex_match(f.files.SchemeFile, name)) << f.files.SchemeFile;
    EXPECT_EQ(f.files.SchemeFile.substr(3, 3), (run < 10 ? "00" : "0") + std::to_string(run));
    EXPECT_EQ(f.w.caption, "Tessora - " + f.files.SchemeFile);
    // Every protected cell (blanked in the solution copy) is still a given.
    for (int c = 0; c < kCells; ++c)
      if (g.SeedGrids[0][c / 9][c % 9] == ' ') {
        EXPECT_NE(g.WorkGrid[c / 9][c % 9], ' ') << c;
      }
    // The removed cells come in symmetric pairs.
    for (int c = 0; c < kCells; ++c) {
      int p = SymmetricPartner(c, g.SymmetryKind);
      if (p >= 0) {
        EXPECT_EQ(g.WorkGrid[c / 9][c % 9] == ' ', g.WorkGrid[p / 9][p % 9] == ' ') << c;
      }
    }
    // The board shows the scheme in play, exactly its givens.
    EXPECT_TRUE(f.board.PlayPhase);
    EXPECT_FALSE(f.control.Creating);
    EXPECT_EQ(f.board.FilledCount, givens);
    for (int c = 0; c < kCells; ++c) {
      EXPECT_TRUE(f.w.caN[c].visible);
      EXPECT_EQ(f.Filled(c), g.WorkGrid[c / 9][c % 9] != ' ') << c;
    }
    const auto& bb = f.w.ListCons.items;
    ASSERT_FALSE(bb.empty());
    EXPECT_EQ(bb[0], "SOLVABILITY CONTROL REPORT");
    EXPECT_EQ(bb.back(), "- click the buttons below for advice.");
  }
}

TEST(Generator, HardRatingEndsTheCreationEarly) {
  // Whatever the seed, a creation stops at " Difficult"/" Diabolic" or at 54
  // removed cells: never both an easy rating and fewer than 54 removals.
  for (unsigned seed = 20; seed < 26; ++seed) {
    Harness h;
    h.platform.FixRandomSeed(seed);
    h.form.mCrea_click();
    const int removed = h.form.gen.RemovedCount;
    // The rating the creation stopped at: the scheme's control in creation mode.
    h.form.FeedCreatedScheme();
    ASSERT_FALSE(h.form.control.ControlFailed);
    const std::string rating = DifficultyText(h.form.control.Difficulty).substr(1, 3);
    if (removed < 53) {
      EXPECT_TRUE(rating == "Dif" || rating == "Dia" || h.form.gen.ProtectedCount > 0) << seed;
    }
    EXPECT_LE(removed, 54);
  }
}

// The name carries the rating the user is shown, also when the priority order
// makes the creation's own ratings differ from it: with "Naked Twins" above
// "Hidden Single", the creation (which shows all candidates and so walks
// without "At a glance") rates many schemes " Medium" that play " Easy".
TEST(Generator, NameCarriesTheShownRatingUnderAChangedPriorityOrder) {
  int creationRatedOtherwise = 0;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    Harness h;
    Form1& f = h.form;
    h.platform.FixRandomSeed(seed);
    ASSERT_TRUE(f.Click("mOpzio"));
    ASSERT_TRUE(f.Pick("Prio", "05    - Naked Twins"));
    ASSERT_TRUE(f.Click("portaSu"));
    ASSERT_TRUE(f.Click("faiEsci"));
    ASSERT_EQ(f.advice.PriorityList[3], "05    - Naked Twins");
    ASSERT_TRUE(f.Click("mCrea"));
    const std::string shown = DifficultyText(f.control.Difficulty);
    EXPECT_EQ(f.files.SchemeFile.substr(0, 3), shown.substr(1, 3));
    EXPECT_EQ(f.w.caption, "Tessora - " + f.files.SchemeFile);
    const auto& bb = f.w.ListCons.items;
    EXPECT_NE(std::find(bb.begin(), bb.end(), "  Synthetic Assessment=" + shown + "."), bb.end());
    ASSERT_TRUE(f.Click("mValuta"));
    EXPECT_EQ(f.w.ListCons.items[f.w.ListCons.items.size() - 4], "  Synthetic Assessment=" + shown);
    f.FeedCreatedScheme();
    creationRatedOtherwise += DifficultyText(f.control.Difficulty) != shown;
  }
  EXPECT_GT(creationRatedOtherwise, 0);
}

TEST(Generator, F11WritesTenSchemesThatAreNotEasy) {
  Harness h;
  const auto dir = std::filesystem::temp_directory_path() / ("tessora_f11_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  ASSERT_TRUE(h.platform.SetCurrentFolder(dir.string()));
  h.form.KeyDown(key::F11, 0);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    ++files;
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(name.substr(0, 3) == "Eas", false) << name;
    EXPECT_EQ(entry.path().extension(), ".sud");
    std::string bytes, error;
    ASSERT_TRUE(ReadSchemeFile(entry.path().string(), bytes, error)) << error;
    SchemeParse parsed = ParseSud(bytes);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.scheme.count, 9);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 9);
  }
  EXPECT_EQ(files, 10);
  EXPECT_NE(DifficultyText(h.form.control.Difficulty), " Easy");
  EXPECT_TRUE(h.form.board.PlayPhase);  // the last one stays on the board
  std::filesystem::remove_all(dir);
}

// The bytes of every file and link in a folder, by name (a link as "-> target").
std::map<std::string, std::string> FolderBytes(const std::filesystem::path& dir) {
  std::map<std::string, std::string> out;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_symlink()) {
      out[name] = "-> " + std::filesystem::read_symlink(entry.path()).string();
      continue;
    }
    std::ifstream in(entry.path(), std::ios::binary);
    out[name] = std::string(std::istreambuf_iterator<char>(in), {});
  }
  return out;
}

struct TempFolder {
  std::filesystem::path path;
  explicit TempFolder(const std::string& name)
      : path(std::filesystem::temp_directory_path() / (name + "_" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
  }
  ~TempFolder() { std::filesystem::remove_all(path); }
};

// A batch takes the next free name for each file: batches that would make the
// same names (the same random sequence) into one folder leave every file that
// was there as it was, a link included, and add ten new ones each time.
TEST(Generator, F11NeverReplacesAFile) {
  TempFolder first("tessora_f11_first"), shared("tessora_f11_shared");
  {
    Harness h;
    ASSERT_TRUE(h.platform.SetCurrentFolder(first.path.string()));
    h.form.KeyDown(key::F11, 0);
  }
  const std::map<std::string, std::string> names = FolderBytes(first.path);
  ASSERT_EQ(names.size(), 10u);
  // Two of those names are taken in the shared folder: a file of the user's and a dangling link.
  auto it = names.begin();
  const std::string mine = it->first, link = (++it)->first;
  { std::ofstream(shared.path / mine) << "the user's own file\n"; }
  std::filesystem::create_symlink(shared.path / "nowhere" / "x.sud", shared.path / link);
  std::map<std::string, std::string> before = FolderBytes(shared.path);
  for (int batch = 1; batch <= 2; ++batch) {
    SCOPED_TRACE(batch);
    Harness h;
    ASSERT_TRUE(h.platform.SetCurrentFolder(shared.path.string()));
    h.form.KeyDown(key::F11, 0);
    EXPECT_TRUE(h.platform.messages.empty());
    const std::map<std::string, std::string> after = FolderBytes(shared.path);
    EXPECT_EQ(after.size(), before.size() + 10);
    for (const auto& [name, bytes] : before) {
      ASSERT_TRUE(after.count(name)) << name;
      EXPECT_EQ(after.at(name), bytes) << name;
    }
    // The scheme left on the board is named as its file, and the file holds it.
    const std::string last = h.form.files.SchemeFile + ".sud";
    ASSERT_TRUE(after.count(last) && !before.count(last)) << last;
    EXPECT_EQ(h.form.w.caption, "Tessora - " + h.form.files.SchemeFile);
    std::array<std::string, kSchemeRows> rows{};
    for (int r = 0; r < 9; ++r) rows[r] = h.form.gen.WorkGrid[r];
    EXPECT_EQ(after.at(last), FormatSud(rows, 9));
    before = after;
  }
  EXPECT_EQ(before.size(), 22u);
  EXPECT_FALSE(std::filesystem::exists(shared.path / "nowhere"));
}

// The batch creates a scheme again while it is Easy, at most as often as
// "New (create) of level" would; then it says so and stops, keeping the files
// it wrote. With one creation a scheme, the first Easy one stops it.
TEST(Generator, F11StopsAtTheCreationLimit) {
  EXPECT_EQ(Harness().form.creationLimit, kMaxLevelAttempts);
  bool stoppedMidway = false;
  for (unsigned seed = 1; seed <= 20 && !stoppedMidway; ++seed) {
    SCOPED_TRACE(seed);
    TempFolder dir("tessora_f11_limit");
    Harness h;
    Form1& f = h.form;
    h.platform.FixRandomSeed(seed);
    f.creationLimit = 1;
    ASSERT_TRUE(h.platform.SetCurrentFolder(dir.path.string()));
    f.KeyDown(key::F11, 0);
    const std::map<std::string, std::string> files = FolderBytes(dir.path);
    if (files.size() == 10) {
      EXPECT_TRUE(h.platform.messages.empty());
      continue;
    }
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].title, "New (create)");
    EXPECT_EQ(h.platform.messages[0].text,
              "No scheme rated above Easy came out of 1 creations;\r\nthe batch stopped after " +
                  std::to_string(files.size()) + " of its 10 files, and the last scheme created is on the board.");
    EXPECT_EQ(DifficultyText(f.control.Difficulty), " Easy");
    EXPECT_TRUE(f.board.PlayPhase);
    EXPECT_EQ(f.files.NewSchemeNo, static_cast<int>(files.size()) + 1);  // one creation a scheme
    for (const auto& [name, bytes] : files) EXPECT_NE(name.substr(0, 3), "Eas") << name;
    stoppedMidway = !files.empty();
  }
  EXPECT_TRUE(stoppedMidway);  // some seed wrote files before an Easy scheme stopped it
}

}  // namespace
}  // namespace tessora
