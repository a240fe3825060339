// "Open" and "Save" with the `.sud` and `.ss` formats: what is written, what is
// read back, the dialogs, and files that are refused without touching the board.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "../../fuzz/scheme_properties.h"
#include "files/scheme_format.h"
#include "test_support.h"

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace tessora {
namespace {

namespace fs = std::filesystem;

// The scheme of the fixtures; its first cell is the one played in the game fixtures.
const std::string kScheme = "070080000084510600000304000000000400000020007000800190305000000040250013710000040";
const std::string kTitle = "Tessora 2.2";  // the caption Clear All leaves

std::string Fixture(const std::string& name) { return std::string(TESSORA_FIXTURES) + "/schemes/" + name; }

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary);
  out << bytes;
}

// A folder of its own for each test, removed afterwards.
struct TempDir {
  fs::path path;
  TempDir() {
    std::random_device rd;
    path = fs::temp_directory_path() / ("tessora-scheme-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(path);
  }
  ~TempDir() {
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path, ec);
  }
  std::string operator/(const std::string& name) const { return (path / name).string(); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(path)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

// The scheme's givens, then cell Aa keyed in play (a correct 1) and the
// candidates that follow from the values.
void PlayedBoard(Form1& f) {
  test::PlaceGivens(f, kScheme);
  f.board.PlayPhase = true;
  f.ShowValue(0, 1, Origin::Keyed);
  test::PlainCandidates(f);
  f.board.FilledCount = f.CountFilled();
  f.DrawCells();
}

std::string Values(const Form1& f) {
  std::string s;
  for (int i = 0; i < kCells; ++i) s += f.Filled(i) ? f.w.caN[i].caption : ".";
  return s;
}

std::string Inks(const Form1& f) {
  std::string s;
  for (int i = 0; i < kCells; ++i)
    s += !f.Filled(i) ? '.' : f.w.caN[i].ink == colour::DarkBlue ? 'b' : f.w.caN[i].ink == colour::ButtonText ? 'g' : '?';
  return s;
}

int CountMessages(const Form1& f, const std::string& title) {
  int n = 0;
  for (const auto& m : f.shownMessages) n += m.request.title == title;
  return n;
}

void Open(test::Harness& h, const std::string& path) {
  h.platform.fileAnswers.push_back(path);
  h.form.Apri_Click();
}

// ---- Save ------------------------------------------------------------------

TEST(SchemeSave, OutsidePlayWritesNineQuotedRowsAndAsksNothing) {
  TempDir dir;
  test::Harness h;
  Form1& f = h.form;
  test::PlaceGivens(f, kScheme);
  h.platform.fileAnswers.push_back(dir / "plain");
  f.Salva_Click();
  EXPECT_EQ(ReadBytes(dir / "plain.sud"), ReadBytes(Fixture("easy.sud")));
  EXPECT_TRUE(f.shownMessages.empty());
  EXPECT_EQ(f.files.SchemeFile, dir / "plain.sud");
  EXPECT_EQ(f.w.caption, "Tessora - Sudoku file=" + (dir / "plain.sud"));
  EXPECT_FALSE(f.files.SavingScheme);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"plain.sud"});  // no temporary file left behind
}

TEST(SchemeSave, InPlayWithOnlyGivensWritesNineRowsWithoutAsking) {
  TempDir dir;
  test::Harness h;
  Form1& f = h.form;
  test::PlaceGivens(f, kScheme);
  test::PlainCandidates(f);
  f.board.PlayPhase = true;
  h.platform.fileAnswers.push_back(dir / "givens.sud");
  f.Salva_Click();
  EXPECT_EQ(ReadBytes(dir / "givens.sud"), ReadBytes(Fixture("easy.sud")));
  EXPECT_TRUE(f.shownMessages.empty());
}

TEST(SchemeSave, CandidatesQuestionDecidesBetween27And18Rows) {
  struct Case {
    MsgResult answer;
    const char* fixture;
  };
  for (const Case& c : {Case{MsgResult::Yes, "game27.sud"}, Case{MsgResult::No, "game18.sud"}}) {
    SCOPED_TRACE(c.fixture);
    TempDir dir;
    test::Harness h;
    Form1& f = h.form;
    PlayedBoard(f);
    h.platform.answers.push_back(c.answer);
    h.platform.fileAnswers.push_back(dir / "game.sud");
    f.Salva_Click();
    ASSERT_EQ(f.shownMessages.size(), 1u);
    EXPECT_EQ(f.shownMessages[0].request.text, "Saving Candidates too ?");
    EXPECT_EQ(f.shownMessages[0].request.title, "Save");
    EXPECT_EQ(f.shownMessages[0].request.buttons, MsgButtons::YesNo);
    EXPECT_EQ(ReadBytes(dir / "game.sud"), ReadBytes(Fixture(c.fixture)));
    EXPECT_FALSE(f.files.SavingScheme);
  }
}

TEST(SchemeSave, DialogOffersTheDefaultNameTitleAndOneFilter) {
  struct Case {
    std::string schemeFile;
    bool ss;
    std::string defaultName;
  };
  const Case cases[] = {
      {"/home/someone/schemes/my.test.sud", false, "my.sud"},
      {"C:\\Schemes\\my.test.sud", false, "my.sud"},
      {"old\\folder/other.name.ss", false, "other.sud"},
      {"Nuovo3", false, "Nuovo3.sud"},
      {"/home/someone/my.test.sud", true, "my.ss"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.schemeFile);
    test::Harness h;
    Form1& f = h.form;
    test::PlaceGivens(f, kScheme);
    f.files.SchemeFile = c.schemeFile;
    f.w.mUsaSS.checked = c.ss;
    f.Salva_Click();  // no file answer: the dialog is cancelled
    ASSERT_EQ(h.platform.dialogTitles.size(), 1u);
    EXPECT_EQ(h.platform.dialogTitles[0], "Seleziona il file in cui salvare");
    const std::vector<FileFilter> filter = {c.ss ? FileFilter{"Sudoku file *.ss", "*.ss"}
                                                 : FileFilter{"Sudoku file *.sud", "*.sud"}};
    EXPECT_EQ(h.platform.dialogFilters[0], filter);
    EXPECT_EQ(h.platform.dialogDefaultNames[0], c.defaultName);
    // Cancelled: the scheme is named by the default name, nothing else changes.
    EXPECT_EQ(f.files.SchemeFile, c.defaultName);
    EXPECT_EQ(f.w.caption, kTitle);
    EXPECT_FALSE(f.files.SavingScheme);
    EXPECT_TRUE(f.shownMessages.empty());
  }
}

TEST(SchemeSave, UnnamedSchemeIsNamedNewWithTheNextNumber) {
  test::Harness h;
  Form1& f = h.form;
  test::PlaceGivens(f, kScheme);
  f.files.SchemeFile = " ";
  f.files.NewSchemeNo = 4;
  f.Salva_Click();
  EXPECT_EQ(h.platform.dialogDefaultNames.back(), "New5.sud");
  EXPECT_EQ(f.files.NewSchemeNo, 5);
  // The cancelled save named the scheme: the next one keeps the name and the number.
  f.Salva_Click();
  EXPECT_EQ(h.platform.dialogDefaultNames.back(), "New5.sud");
  EXPECT_EQ(f.files.NewSchemeNo, 5);
}

TEST(SchemeSave, AppendsTheExtensionOfTheModeOnlyWhenMissing) {
  struct Case {
    bool ss;
    std::string answer, written;
  };
  const Case cases[] = {
      {false, "a", "a.sud"},
      {false, "b.sud", "b.sud"},
      {false, "c.ss", "c.ss.sud"},
      {true, "d", "d.ss"},
      {true, "e.ss", "e.ss"},
      {true, "f.sud", "f.sud.ss"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    TempDir dir;
    test::Harness h;
    Form1& f = h.form;
    test::PlaceGivens(f, kScheme);
    f.w.mUsaSS.checked = c.ss;
    h.platform.fileAnswers.push_back(dir / c.answer);
    f.Salva_Click();
    EXPECT_EQ(dir.Names(), std::vector<std::string>{c.written});
    EXPECT_EQ(f.files.SchemeFile, dir / c.written);
    EXPECT_EQ(ReadBytes(dir / c.written), ReadBytes(Fixture(c.ss ? "compact.ss" : "easy.sud")));
  }
}

TEST(SchemeSave, SsModeWritesOnlyTheValuesEvenAfterAskingForCandidates) {
  TempDir dir;
  test::Harness h;
  Form1& f = h.form;
  PlayedBoard(f);
  f.w.mUsaSS.checked = true;
  h.platform.fileAnswers.push_back(dir / "played.ss");
  f.Salva_Click();
  EXPECT_EQ(CountMessages(f, "Save"), 1);  // the candidates question
  std::string expected = ReadBytes(Fixture("compact.ss"));
  expected[0] = '1';  // Aa played
  EXPECT_EQ(ReadBytes(dir / "played.ss"), expected);
}

TEST(SchemeSave, FailedWriteKeepsBoardAndOldFile) {
  TempDir dir;
  fs::create_directory(dir.path / "taken.sud");
  WriteBytes(dir.path / "taken.sud" / "inside", "old");
  test::Harness h;
  Form1& f = h.form;
  PlayedBoard(f);
  const std::string values = Values(f), inks = Inks(f), can = test::AllCan(f);
  h.platform.answers.push_back(MsgResult::Yes);
  h.platform.fileAnswers.push_back(dir / "taken.sud");
  f.Salva_Click();
  ASSERT_EQ(f.shownMessages.size(), 2u);
  EXPECT_EQ(f.shownMessages[1].request.title, "Save");
  EXPECT_EQ(f.shownMessages[1].request.buttons, MsgButtons::Ok);
  EXPECT_NE(f.shownMessages[1].request.text.find("taken.sud"), std::string::npos);
  EXPECT_EQ(Values(f), values);
  EXPECT_EQ(Inks(f), inks);
  EXPECT_EQ(test::AllCan(f), can);
  EXPECT_TRUE(fs::is_directory(dir.path / "taken.sud"));
  EXPECT_EQ(ReadBytes(dir.path / "taken.sud" / "inside"), "old");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"taken.sud"});
  EXPECT_FALSE(f.files.SavingScheme);
  EXPECT_EQ(f.files.DefaultSaveName, "New1.sud");
  EXPECT_EQ(f.files.SchemeFile, "New1.sud");  // as after a cancelled dialog
  EXPECT_EQ(f.w.caption, kTitle);
}

TEST(SchemeSave, ReadOnlyFolderKeepsTheOldFile) {
  TempDir dir;
  const fs::path folder = dir.path / "locked";
  fs::create_directory(folder);
  WriteBytes(folder / "old.sud", "old content");
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  {
    std::ofstream probe(folder / "probe");
    if (probe) GTEST_SKIP() << "the folder stays writable for this user (root)";
  }
  test::Harness h;
  Form1& f = h.form;
  test::PlaceGivens(f, kScheme);
  h.platform.fileAnswers.push_back((folder / "old.sud").string());
  f.Salva_Click();
  EXPECT_EQ(CountMessages(f, "Save"), 1);
  EXPECT_EQ(ReadBytes(folder / "old.sud"), "old content");
}

TEST(SchemeWrite, ReplacesTheWholeFileOrNothing) {
  TempDir dir;
  std::string error;
  WriteBytes(dir.path / "s.sud", std::string(500, 'x'));
  ASSERT_TRUE(WriteFileAtomically(dir / "s.sud", "short", error)) << error;
  EXPECT_EQ(ReadBytes(dir.path / "s.sud"), "short");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"s.sud"});

  EXPECT_FALSE(WriteFileAtomically(dir / "no-such-folder/s.sud", "x", error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(WriteFileAtomically(dir.path.string(), "x", error));  // a folder
  EXPECT_FALSE(WriteFileAtomically("", "x", error));
  EXPECT_EQ(ReadBytes(dir.path / "s.sud"), "short");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"s.sud"});
}

// A new file never takes the place of anything at its name: a file, a link
// (even one to nowhere) or a folder; `taken` tells those from other failures.
TEST(SchemeWrite, NewFileNeverReplacesWhatIsThere) {
  TempDir dir;
  std::string error;
  bool taken = true;
  ASSERT_TRUE(WriteNewFileAtomically(dir / "a.sud", "new", error, taken)) << error;
  EXPECT_FALSE(taken);
  EXPECT_EQ(ReadBytes(dir.path / "a.sud"), "new");
  fs::create_symlink(dir.path / "nowhere" / "b.sud", dir.path / "b.sud");
  fs::create_directory(dir.path / "c.sud");
  for (const char* name : {"a.sud", "b.sud", "c.sud"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(WriteNewFileAtomically(dir / name, "other", error, taken));
    EXPECT_TRUE(taken);
  }
  EXPECT_EQ(ReadBytes(dir.path / "a.sud"), "new");
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.path / "b.sud")));
  EXPECT_FALSE(fs::exists(dir.path / "nowhere"));
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.sud", "b.sud", "c.sud"}));  // no temporary file left
  EXPECT_FALSE(WriteNewFileAtomically(dir / "no-such-folder/d.sud", "x", error, taken));
  EXPECT_FALSE(taken);
  EXPECT_FALSE(error.empty());
}

// ---- Open ------------------------------------------------------------------

TEST(SchemeOpen, CancelLeavesAClearedBoardWithoutName) {
  for (bool ss : {false, true}) {
    test::Harness h;
    Form1& f = h.form;
    test::PlaceGivens(f, kScheme);
    f.w.mUsaSS.checked = ss;
    f.Apri_Click();
    ASSERT_EQ(h.platform.dialogTitles.size(), 1u);
    EXPECT_EQ(h.platform.dialogTitles[0], "Seleziona il file da aprire");
    std::vector<FileFilter> filters = {{"File sudoku *.sud", "*.sud"}, {"File sudoku *.ss", "*.ss"}};
    if (ss) std::swap(filters[0], filters[1]);
    EXPECT_EQ(h.platform.dialogFilters[0], filters);
    EXPECT_EQ(f.files.SchemeFile, "");
    EXPECT_EQ(f.CountFilled(), 0);
    EXPECT_TRUE(f.w.caN[40].visible);
    EXPECT_EQ(f.w.caption, kTitle);
    EXPECT_TRUE(f.shownMessages.empty());
  }
}

TEST(SchemeOpen, ValueFilesLoadTheSchemeAsGivens) {
  // The same scheme as .sud, as .ss compact, bordered, with a last row without
  // CR LF, with rows past the ninth, and as .sud under another extension.
  const std::string values = [] {
    std::string s = kScheme;
    for (char& ch : s)
      if (ch == '0') ch = '.';
    return s;
  }();
  for (const char* name : {"easy.sud", "compact.ss", "bordered.ss", "last_row_no_crlf.ss", "ten_rows.ss",
                           "scheme.txt"}) {
    SCOPED_TRACE(name);
    test::Harness h;
    Form1& f = h.form;
    Open(h, Fixture(name));
    EXPECT_EQ(CountMessages(f, "Open"), 0);
    EXPECT_EQ(Values(f), values);
    EXPECT_EQ(f.files.SchemeLineCount, 9);
    EXPECT_EQ(f.files.SchemeLines2[0], " 7  8    ");
    EXPECT_EQ(f.files.SchemeLines2[8], "71     4 ");
    EXPECT_EQ(f.files.SchemeLines2[9], "");
    EXPECT_EQ(f.files.LastLine, 8);
    EXPECT_EQ(f.files.SchemeFile, Fixture(name));
    EXPECT_EQ(f.w.caption, "Tessora - Sudoku file=" + Fixture(name));
    EXPECT_FALSE(f.control.LoadingScheme);
  }
}

TEST(SchemeOpen, SsFileWithFewerRowsGetsEmptyRows) {
  const SchemeParse p = ParseSs(ReadBytes(Fixture("six_rows.ss")));
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.scheme.count, 9);
  EXPECT_EQ(p.scheme.rows[5], "   8  19 ");
  for (int k = 6; k < 9; ++k) EXPECT_EQ(p.scheme.rows[k], "         ");
  // Open accepts it and hands it to the control (which judges the scheme itself).
  test::Harness h;
  Open(h, Fixture("six_rows.ss"));
  EXPECT_EQ(CountMessages(h.form, "Open"), 0);
}

TEST(SchemeOpen, SsReaderLetsTheWindowProcessEventsAfterEachLine) {
  test::Harness h;
  const int before = h.platform.doEventsCalls;
  Open(h, Fixture("compact.ss"));
  EXPECT_GE(h.platform.doEventsCalls - before, 11);  // 9 rows and 2 separators
}

TEST(SchemeOpen, SavedGameComesBackWithPlayedValuesAndCandidates) {
  TempDir dir;
  test::Harness saver;
  PlayedBoard(saver.form);
  const std::string values = Values(saver.form);
  saver.platform.answers.push_back(MsgResult::Yes);
  saver.platform.fileAnswers.push_back(dir / "game");
  saver.form.Salva_Click();

  test::Harness h;
  Form1& f = h.form;
  Open(h, dir / "game.sud");
  EXPECT_EQ(CountMessages(f, "Open"), 0);
  EXPECT_EQ(f.files.SchemeLineCount, 27);
  EXPECT_EQ(f.files.LastLine, 26);
  EXPECT_EQ(Values(f), values);
  EXPECT_EQ(f.w.caN[0].ink, colour::DarkBlue);
  EXPECT_EQ(f.w.caN[1].ink, colour::ButtonText);
  // Empty cells get their saved candidates back; filled cells hold the empty text.
  for (int i = 0; i < kCells; ++i) {
    SCOPED_TRACE(i);
    if (f.Filled(i))
      EXPECT_TRUE(f.board.Can[i].IsEmptyText());
    else
      EXPECT_EQ(f.board.Can[i], saver.form.board.Can[i]);
  }
  EXPECT_EQ(f.board.FilledCount, saver.form.CountFilled());
}

// An opened scheme that the control cannot finish stays on the board with
// its name, ready to be corrected or saved.
TEST(SchemeOpen, SchemeTheControlCannotFinishStaysLoaded) {
  TempDir dir;
  const std::string rows[9] = {"8 9   3  ", "   7 1   ", "5        ", " 7     26", "3   9    ",
                               "   1   4 ", " 6 2    4", "    8 5  ", "         "};
  std::string text;
  for (const std::string& r : rows) text += "\"" + r + "\"\r\n";
  WriteBytes(dir.path / "hard.sud", text);
  test::Harness h;
  Form1& f = h.form;
  Open(h, dir / "hard.sud");
  ASSERT_EQ(h.platform.messages.size(), 1u);
  EXPECT_EQ(h.platform.messages[0].text.substr(0, 22), "The Control has failed");
  EXPECT_FALSE(f.board.PlayPhase);
  EXPECT_TRUE(f.board.DataStarted);
  EXPECT_FALSE(f.control.LoadingScheme);
  EXPECT_EQ(f.files.SchemeFile, dir / "hard.sud");
  EXPECT_EQ(f.w.caption, "Tessora - Sudoku file=" + (dir / "hard.sud"));
  EXPECT_EQ(Values(f), "8.9...3.....7.1...5.........7.....263...9.......1...4..6.2....4....8.5...........");
  EXPECT_EQ(Inks(f), "g.g...g.....g.g...g.........g.....ggg...g.......g...g..g.g....g....g.g...........");
  // Save offers the file's own name.
  h.platform.fileAnswers.push_back(dir / "again");
  f.Salva_Click();
  EXPECT_EQ(h.platform.dialogDefaultNames.back(), "hard.sud");
  EXPECT_EQ(ReadBytes(dir.path / "again.sud"), text);
}

TEST(SchemeOpen, GameSavedWithoutCandidatesComesBackAsAPlainScheme) {
  test::Harness h;
  Form1& f = h.form;
  Open(h, Fixture("game18.sud"));
  EXPECT_EQ(CountMessages(f, "Open"), 0);
  EXPECT_EQ(f.files.SchemeLineCount, 18);
  EXPECT_EQ(f.files.LastLine, 9);  // the mark row of Aa is the last non-blank row
  EXPECT_EQ(f.files.SchemeLines2[9], "b        ");
  EXPECT_EQ(f.w.caN[0].caption, "1");
  EXPECT_TRUE(f.Filled(0));
  // Every value is a given: the mark of Aa is not applied, and Delete leaves it.
  for (int i = 0; i < kCells; ++i)
    if (f.Filled(i)) {
      EXPECT_EQ(f.w.caN[i].ink, colour::ButtonText) << i;
    }
  f.caN_Click(0);
  f.KeyDown(key::Delete, 0);
  EXPECT_TRUE(f.Filled(0));
  EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"- Black Values are NOT", "  changeable!"}));
}

// A repeated value shows its two cells in red ink whatever the file's length.
TEST(SchemeOpen, RepeatedValueMarkedRedInEveryFileLength) {
  for (int lines : {9, 18, 27}) {
    SCOPED_TRACE(lines);
    SchemeParse p = ParseSud(ReadBytes(Fixture("game27.sud")));
    ASSERT_TRUE(p.ok) << p.error;
    p.scheme.rows[0][2] = '1';  // a second 1 in row A, at Ac
    p.scheme.rows[18] = " , , ,69, ,269,2359,235,2459,";
    TempDir dir;
    WriteBytes(dir.path / "twice.sud", FormatSud(p.scheme.rows, lines));
    test::Harness h;
    Form1& f = h.form;
    Open(h, dir / "twice.sud");
    EXPECT_EQ(f.w.ListCons.items, (std::vector<std::string>{"ERROR IN CURRENT DATA!", "- correct or reset."}));
    EXPECT_FALSE(f.board.PlayPhase);
    EXPECT_EQ(f.w.caN[0].ink, colour::Red);
    EXPECT_EQ(f.w.caN[2].ink, colour::Red);
    EXPECT_EQ(f.w.caN[2].caption, "1");
  }
}

TEST(SchemeOpen, ShowLoadedTextRedrawsFromTheLoadedCopy) {
  test::Harness h;
  Form1& f = h.form;
  const SchemeParse p = ParseSud(ReadBytes(Fixture("game27.sud")));
  ASSERT_TRUE(p.ok) << p.error;
  f.files.SchemeLines2 = p.scheme.rows;
  f.files.SchemeLineCount = 27;
  f.methods.MethodUse[3] = 7;
  f.ShowLoadedText();
  EXPECT_EQ(f.w.caN[0].caption, "1");
  EXPECT_EQ(f.w.caN[0].ink, colour::DarkBlue);
  EXPECT_EQ(f.w.caN[1].font, font::Sans);
  EXPECT_EQ(f.w.caN[1].ink, colour::ButtonText);
  EXPECT_EQ(f.w.caN[2].font, font::Mono);
  EXPECT_EQ(f.board.Can[2].Digits(), "2369");
  EXPECT_EQ(f.board.Can[80].Digits(), "25689");
  EXPECT_TRUE(f.board.Can[1].IsEmptyText());
  EXPECT_EQ(f.board.FilledCount, 26);
  EXPECT_EQ(f.methods.MethodUse[3], 7);  // the method counters are not touched

  f.control.TrialMode = true;
  f.control.SavedFilled = 50;
  f.control.SavedSuggestions = 12;
  f.ShowLoadedText();
  EXPECT_EQ(f.board.FilledCount, 50);
  EXPECT_EQ(f.methods.SuggestionCount, 12);
}

// Files that are not schemes: a message titled "Open", and the board stays as
// Clear All left it.
TEST(SchemeOpen, RefusedFilesLoadNothing) {
  TempDir dir;
  const std::string good = ReadBytes(Fixture("easy.sud"));
  const std::string game = ReadBytes(Fixture("game27.sud"));
  auto replaceLine = [](const std::string& text, int line, const std::string& with) {
    std::size_t b = 0;
    for (int i = 0; i < line; ++i) b = text.find("\r\n", b) + 2;
    return text.substr(0, b) + with + text.substr(text.find("\r\n", b));
  };
  struct Case {
    std::string name;     // a fixture, or a file made here from `content`
    std::string content;  // empty: the fixture itself
    bool make = true;
  };
  const std::vector<Case> cases = {
      {Fixture("too_many_lines.sud"), "", false},
      {Fixture("unquoted.sud"), "", false},
      {Fixture("zero_value.sud"), "", false},
      {Fixture("descending_candidates.sud"), "", false},
      {Fixture("bad_row.ss"), "", false},
      {Fixture("binary.sud"), "", false},
      {dir / "missing.sud", "", false},
      {dir.path.string(), "", false},  // a folder
      {"empty.sud", "\r\n  \r\n"},
      {"zero_bytes.ss", ""},
      {"twelve_lines.sud", good + "\"b        \"\r\n\"         \"\r\n\"         \"\r\n"},
      {"letter.sud", replaceLine(good, 2, "\"   3a4   \"")},
      {"long_value.sud", replaceLine(good, 2, "\"   3 4    \"")},
      {"two_fields.sud", replaceLine(good, 2, "\"   \" \"3 4   \"")},
      {"inner_quote.sud", replaceLine(good, 2, "\"   3\"4   \"")},
      {"bad_mark.sud", replaceLine(game, 9, "\"x        \"")},
      {"eight_fields.sud", replaceLine(game, 18, "\" , ,2369,69, ,269,2359,235,\"")},
      {"ten_fields.sud", replaceLine(game, 18, "\" , ,2369,69, ,269,2359,235,2459, ,\"")},
      {"repeated_digit.sud", replaceLine(game, 18, "\" , ,2339,69, ,269,2359,235,2459,\"")},
      {"candidates_on_value.sud", replaceLine(game, 18, "\"5, ,2369,69, ,269,2359,235,2459,\"")},
      {"long_line.sud", replaceLine(good, 4, "\"" + std::string(5000, ' ') + "\"")},
      {"huge.sud", std::string(200000, ' ') + good},
      {"nul.ss", std::string("5..|...|...\r\n\0\r\n", 17)},
      {"zero.ss", "50.|...|...\r\n"},
      {"letters.ss", "5a.|...|...\r\n"},
      {"short_row.ss", "5........\r\n"},
      {"long_row.ss", "5..|...|....\r\n"},
      {"bar_only.ss", "|\r\n"},
      {"separators.ss", "-----------\r\n*-----------*\r\n"},
      {"long_line.ss", std::string(3000, '.') + "\r\n"},
      {"tab.ss", "5..|.\t.|...\r\n"},
  };
  for (const Case& c : cases) {
    const std::string path = c.make ? dir / c.name : c.name;
    SCOPED_TRACE(path);
    if (c.make) WriteBytes(path, c.content);
    test::Harness h;
    Form1& f = h.form;
    Open(h, path);
    ASSERT_EQ(f.shownMessages.size(), 1u);
    EXPECT_EQ(f.shownMessages[0].request.title, "Open");
    EXPECT_EQ(f.shownMessages[0].request.buttons, MsgButtons::Ok);
    EXPECT_NE(f.shownMessages[0].request.text.find(path), std::string::npos);
    EXPECT_EQ(f.CountFilled(), 0);
    EXPECT_EQ(f.files.SchemeLineCount, 0);
    EXPECT_EQ(f.files.SchemeLines, decltype(f.files.SchemeLines){});
    EXPECT_EQ(f.files.SchemeLines2, decltype(f.files.SchemeLines2){});
    EXPECT_EQ(f.files.SchemeFile, "");
    EXPECT_EQ(f.w.caption, kTitle);
    EXPECT_FALSE(f.board.DataStarted);
    EXPECT_FALSE(f.control.LoadingScheme);
    EXPECT_TRUE(f.w.Apri.enabled);
  }
}

// ---- the formats without the window -----------------------------------------

TEST(SchemeFormat, SsReaderAcceptsBothLineEndsAndStopsAfterNineRows) {
  const std::string crlf = ReadBytes(Fixture("compact.ss"));
  std::string lf;
  for (char ch : crlf)
    if (ch != '\r') lf += ch;
  int examined = 0;
  const SchemeParse a = ParseSs(crlf, [&] { ++examined; });
  const SchemeParse b = ParseSs(lf);
  ASSERT_TRUE(a.ok) << a.error;
  ASSERT_TRUE(b.ok) << b.error;
  EXPECT_EQ(a.scheme.rows, b.scheme.rows);
  EXPECT_EQ(examined, 11);
  EXPECT_EQ(FormatSs(a.scheme.rows), crlf);
  examined = 0;
  const SchemeParse bordered = ParseSs(ReadBytes(Fixture("bordered.ss")), [&] { ++examined; });
  EXPECT_EQ(examined, 12);  // the bottom border is not reached
  EXPECT_EQ(bordered.scheme.rows, a.scheme.rows);
}

TEST(SchemeFormat, SudReaderAcceptsLfAndIgnoresBlankLinesAtTheEnd) {
  const std::string crlf = ReadBytes(Fixture("game27.sud"));
  std::string lf, cr;
  for (char ch : crlf) {
    if (ch != '\r') lf += ch;
    if (ch != '\n') cr += ch;
  }
  const SchemeParse a = ParseSud(crlf);
  const SchemeParse b = ParseSud(lf + "\n  \r\n\n");
  const SchemeParse c = ParseSud(cr + "\r");  // lone CR line ends, as older systems write them
  ASSERT_TRUE(a.ok) << a.error;
  ASSERT_TRUE(b.ok) << b.error;
  ASSERT_TRUE(c.ok) << c.error;
  EXPECT_EQ(a.scheme.rows, b.scheme.rows);
  EXPECT_EQ(a.scheme.rows, c.scheme.rows);
  EXPECT_EQ(c.scheme.count, 27);
  EXPECT_EQ(a.scheme.count, 27);
  EXPECT_EQ(FormatSud(a.scheme.rows, a.scheme.count), crlf);
}

TEST(SchemeFormat, SudLineCountMessage) {
  const std::string row = "\"1        \"";
  EXPECT_EQ(ParseSud(row).error, "The file holds 1 line; a scheme file holds 9, 18 or 27.");
  EXPECT_EQ(ParseSud(row + "\r\n" + row + "\r\n").error, "The file holds 2 lines; a scheme file holds 9, 18 or 27.");
  EXPECT_EQ(ParseSud(row + "\r" + row).error, "The file holds 2 lines; a scheme file holds 9, 18 or 27.");
}

TEST(SchemeFormat, NamesAndKinds) {
  EXPECT_EQ(SchemeBaseName("/a.b/c/my.test.sud"), "my");
  EXPECT_EQ(SchemeBaseName("D:\\x.y\\z.sud"), "z");
  EXPECT_EQ(SchemeBaseName("plain"), "plain");
  EXPECT_TRUE(IsSsPath("/x/y.SS"));
  EXPECT_TRUE(IsSsPath("a.ss"));
  EXPECT_FALSE(IsSsPath("a.sud"));
  EXPECT_FALSE(IsSsPath("ss"));
  EXPECT_FALSE(IsSsPath("a.ss.txt"));
}

// Every file of the fuzzer's seed corpus keeps the readers' properties, so the
// corpus is replayed on every test run, fuzzer build or not.
TEST(SchemeFormat, FuzzCorpusKeepsTheProperties) {
  const fs::path corpus = fs::path(TESSORA_FIXTURES).parent_path().parent_path() / "fuzz" / "corpus";
  int files = 0;
  for (const auto& e : fs::directory_iterator(corpus)) {
    if (!e.is_regular_file()) continue;
    ++files;
    SCOPED_TRACE(e.path().string());
    EXPECT_EQ(fuzz::CheckSchemeProperties(ReadBytes(e.path())), "");
  }
  EXPECT_GE(files, 12);
  for (const auto& e : fs::directory_iterator(fs::path(TESSORA_FIXTURES) / "schemes")) {
    if (!e.is_regular_file()) continue;
    SCOPED_TRACE(e.path().string());
    EXPECT_EQ(fuzz::CheckSchemeProperties(ReadBytes(e.path())), "");
  }
}

}  // namespace
}  // namespace tessora

namespace tessora {
namespace {

// The one decoder of the board text image (Open, a saved game's return, the
// flash, the created scheme): a table of images and the cell each shows.
TEST(BoardTextDecoder, EdgeCasesOfTheImage) {
  struct Case {
    const char* what;
    int count;
    std::vector<std::string> rows;  // the rest empty
    int cell;
    int value;
    Origin origin;
    const char* can;  // the cell's candidate text
  };
  const std::string digits = "123456789";
  const std::vector<std::string> marks(9, std::string(9, ' '));
  const Case cases[] = {
      {"a digit is a given", 9, {digits}, 4, 5, Origin::Given, ""},
      {"a blank is empty", 9, {"12 4"}, 2, 0, Origin::None, ""},
      {"a short row leaves its last cells empty", 9, {"12"}, 8, 0, Origin::None, ""},
      {"a character not 1-9 is no value", 9, {"0?.x"}, 1, 0, Origin::None, ""},
      {"the ninth row is read with fewer rows in use", 8, {"", "", "", "", "", "", "", "", "7"}, 72, 7,
       Origin::Given, ""},
      {"marks are not applied with nine rows in use", 9, {"5", "", "", "", "", "", "", "", "", "b"}, 0, 5,
       Origin::Given, ""},
      {"b marks a value keyed in play", 18, {"5", "", "", "", "", "", "", "", "", "b"}, 0, 5, Origin::Keyed, ""},
      {"c marks a value the control placed", 18, {"5", "", "", "", "", "", "", "", "", "c"}, 0, 5, Origin::Solver,
       ""},
      {"a mark on an empty cell stays its origin", 18, {"", "", "", "", "", "", "", "", "", " c"}, 1, 0,
       Origin::Solver, ""},
      {"another mark is none", 18, {"5", "", "", "", "", "", "", "", "", "x"}, 0, 5, Origin::Given, ""},
  };
  for (const Case& c : cases) {
    std::array<std::string, kSchemeRows> rows{};
    for (std::size_t r = 0; r < c.rows.size(); ++r) rows[r] = c.rows[r];
    const Board b = DecodeBoardText(rows, c.count);
    EXPECT_EQ(b.Value(c.cell), c.value) << c.what;
    EXPECT_EQ(b.OriginOf(c.cell), c.origin) << c.what;
    EXPECT_EQ(b.Can[c.cell].Text(), c.can) << c.what;
  }
}

TEST(BoardTextDecoder, CandidateFieldsRowByRow) {
  std::array<std::string, kSchemeRows> rows{};
  rows[0] = "1";
  rows[18] = " ,23,x,,  ,987,4";  // cell 6's field has no comma: it and the rest are empty
  rows[19] = "5,6,7,8,9,1,2,3,4,";
  rows[20] = "12,";  // a row's missing fields leave its cells without candidates
  const Board b = DecodeBoardText(rows, 27);
  const char* const want[] = {"", " 23 ", "", "", "", "", "", "", ""};
  for (int c = 0; c < 9; ++c) EXPECT_EQ(b.Can[c].HasDigits(), *want[c] != 0) << c;
  EXPECT_TRUE(b.Can[1].Has(2) && b.Can[1].Has(3) && !b.Can[1].Has(1));
  EXPECT_FALSE(b.Can[5].HasDigits());  // descending digits are no candidate text
  for (int c = 0; c < 9; ++c) EXPECT_TRUE(b.Can[9 + c].Has(c < 5 ? c + 5 : c - 4)) << c;
  EXPECT_TRUE(b.Can[18].Has(1) && b.Can[18].Has(2));
  for (int c = 19; c < 27; ++c) EXPECT_FALSE(b.Can[c].HasDigits()) << c;
  // Fewer rows in use: no candidates at all.
  EXPECT_FALSE(DecodeBoardText(rows, 18).Can[10].HasDigits());
}

}  // namespace
}  // namespace tessora
