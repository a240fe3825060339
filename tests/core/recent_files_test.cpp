// File > "Recent Schemes": the files opened or saved last, the latest first,
// eight at most, a file no longer there greyed, kept by the platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace tessora {
namespace {

namespace fs = std::filesystem;

struct Folder {
  std::string path = test::TestDataFolder() + "-schemes";
  Folder() { fs::create_directories(path); }
  // A copy of the easy scheme under a name of its own.
  std::string Scheme(const std::string& name) const {
    const std::string p = path + "/" + name;
    fs::copy_file(std::string(TESSORA_FIXTURES) + "/schemes/easy.sud", p, fs::copy_options::overwrite_existing);
    return p;
  }
};

void Open(Form1& f, const std::string& path) {
  if (f.board.DataStarted) f.Click("Azzera");
  static_cast<ScriptedPlatform&>(f.platform).fileAnswers.push_back(path);
  ASSERT_TRUE(f.Click("Apri"));
  ASSERT_TRUE(f.board.PlayPhase) << path;
}

std::vector<std::string> Shown(Form1& f) {
  std::vector<std::string> items;
  for (const Control& c : f.w.mRec)
    if (c.visible) items.push_back(c.caption);
  return items;
}

TEST(RecentFiles, LatestFirstOnceEachEightAtMost) {
  test::Harness h;
  Form1& f = h.form;
  const Folder folder;
  EXPECT_FALSE(f.w.mRecenti.enabled);
  EXPECT_TRUE(Shown(f).empty());
  std::vector<std::string> files;
  for (int i = 0; i < 10; ++i) files.push_back(folder.Scheme("s" + std::to_string(i) + ".sud"));
  Open(f, files[0]);
  Open(f, files[1]);
  EXPECT_TRUE(f.w.mRecenti.enabled);
  EXPECT_EQ(Shown(f), (std::vector<std::string>{"1 " + files[1], "2 " + files[0]}));
  // Opened again, a file moves to the top, once.
  Open(f, files[0]);
  EXPECT_EQ(Shown(f), (std::vector<std::string>{"1 " + files[0], "2 " + files[1]}));
  for (int i = 2; i < 10; ++i) Open(f, files[i]);
  ASSERT_EQ(f.files.RecentFiles.size(), 8u);
  EXPECT_EQ(f.files.RecentFiles.front(), files[9]);
  EXPECT_EQ(f.files.RecentFiles.back(), files[2]);
  EXPECT_EQ(h.platform.recentFiles, f.files.RecentFiles);
  // A save counts too.
  h.platform.fileAnswers.push_back(folder.path + "/saved.sud");
  ASSERT_TRUE(f.Click("Salva"));
  EXPECT_EQ(f.files.RecentFiles.front(), folder.path + "/saved.sud");
  // A file that cannot be opened is no recent file; nor a cancelled dialog.
  f.Click("Azzera");
  h.platform.fileAnswers.push_back(folder.path + "/missing.sud");
  f.Click("Apri");
  h.platform.fileAnswers.push_back("");
  f.Click("Apri");
  EXPECT_EQ(f.files.RecentFiles.front(), folder.path + "/saved.sud");
}

TEST(RecentFiles, AFileNoLongerThereIsGreyedAndLeavesTheBoardAlone) {
  test::Harness h;
  Form1& f = h.form;
  const Folder folder;
  const std::string a = folder.Scheme("a.sud"), b = folder.Scheme("b.sud");
  Open(f, a);
  Open(f, b);
  fs::remove(a);
  // Still shown enabled until the menu is looked at again.
  ASSERT_TRUE(f.w.mRec[1].enabled);
  const std::string game = f.w.caption;
  ASSERT_TRUE(f.Click("mRec(1)"));
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_NE(h.platform.messages[0].text.find("no longer there"), std::string::npos);
  EXPECT_EQ(f.w.caption, game);
  EXPECT_TRUE(f.board.PlayPhase);
  EXPECT_FALSE(f.w.mRec[1].enabled);
  EXPECT_TRUE(f.w.mRec[1].visible);
  EXPECT_FALSE(f.Click("mRec(1)"));
  // The one still there opens as Open opens it.
  ASSERT_TRUE(f.Click("mRec(0)"));
  EXPECT_EQ(f.w.caption, "Tessora - Sudoku file=" + b);
  EXPECT_TRUE(f.board.PlayPhase);
  // Come back, it is enabled the next time the menu is drawn.
  folder.Scheme("a.sud");
  f.ShowRecentFiles();
  EXPECT_TRUE(f.w.mRec[1].enabled);
}

// The list comes from the platform at the start path, as the desktop kept it.
TEST(RecentFiles, TheStartPathReadsTheKeptList) {
  test::Harness h;
  const Folder folder;
  const std::string a = folder.Scheme("a.sud");
  h.platform.recentFiles = {a, folder.path + "/gone.sud"};
  h.form.StartUp();
  EXPECT_EQ(Shown(h.form), (std::vector<std::string>{"1 " + a, "2 " + folder.path + "/gone.sud"}));
  EXPECT_TRUE(h.form.w.mRec[0].enabled);
  EXPECT_FALSE(h.form.w.mRec[1].enabled);
  EXPECT_FALSE(h.form.w.mRec[2].visible);
}

}  // namespace
}  // namespace tessora
