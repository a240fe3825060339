// tessora-cli run as a user of the command line would run it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>

#include "control/solver.h"
#include "ui/session.h"

namespace {

struct CliRun {
  std::string out;
  std::string err;
  int status = 0;
};

// A file name of its own for this process and run (tests may run in parallel processes).
std::string TempName(const std::string& what) {
  static int runs = 0;
  return ::testing::TempDir() + "cli_" + what + "_" + std::to_string(::getpid()) + "_" + std::to_string(++runs);
}

// Runs the tool with `args`, feeding `input` on standard input; `prefix` is
// shell text put before the command ("cd DIR && NAME=VALUE "), `output` a
// file that takes standard output in place of the run's `out`.
CliRun Cli(const std::string& args, const std::string& input, const std::string& prefix = "",
           const std::string& output = "") {
  const std::string inputPath = TempName("input");
  const std::string errPath = TempName("err");
  std::ofstream(inputPath, std::ios::binary) << input;
  const std::string cmd = prefix + std::string(TESSORA_CLI) + " " + args + " < " + inputPath + " 2>" + errPath +
                          (output.empty() ? "" : " >" + output);
  CliRun r;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf;
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
  int status = pclose(p);
  std::ifstream errFile(errPath, std::ios::binary);
  r.err.assign(std::istreambuf_iterator<char>(errFile), std::istreambuf_iterator<char>());
  std::remove(inputPath.c_str());
  std::remove(errPath.c_str());
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CliOptions, HelpAndVersion) {
  struct Case {
    const char* args;
    const char* expected;
  };
  const Case cases[] = {{"--version", "tessora-cli 2.2\n"},
                        {"--help", "usage: tessora-cli session [SCRIPT]"},
                        {"-h", "  rate      runs each puzzle"}};
  for (const Case& c : cases) {
    CliRun r = Cli(c.args, "");
    EXPECT_EQ(r.status, 0) << c.args;
    EXPECT_TRUE(Has(r.out, c.expected)) << c.args << "\n" << r.out;
  }
  EXPECT_EQ(Cli("--nonsense", "").status, 2);
}

// A command's own --help (or -h, wherever it stands among its arguments)
// gives that command's usage and description, not an error, and runs nothing.
TEST(CliOptions, EachCommandHasItsHelp) {
  struct Case {
    const char* args;
    const char* usage;
    const char* description;
  };
  const Case cases[] = {
      {"rate --help", "usage: tessora-cli rate [--json]", "  rate      runs each puzzle"},
      {"generate -n 3 -h", "       tessora-cli generate --batch DIR", "  generate  creates N schemes"},
      {"print --help", "usage: tessora-cli print SCHEME", "  print     writes the print"},
      {"practice --method 99 --help", "usage: tessora-cli practice --method N", "  practice  prints K"},
      {"session -h", "usage: tessora-cli session [SCRIPT]", "  session   plays the window"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun r = Cli(c.args, "dump\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("usage: tessora-cli ", 0), 0u) << r.out;
    EXPECT_TRUE(Has(r.out, c.usage)) << r.out;
    EXPECT_TRUE(Has(r.out, c.description)) << r.out;
    EXPECT_FALSE(Has(r.out, "  rate      ") && std::string(c.args).rfind("rate", 0) != 0) << r.out;
    EXPECT_TRUE(r.err.empty()) << r.err;
  }
}

TEST(CliSession, GuideThatCannotBeOpenedSendsTheUserToF1) {
  CliRun r = Cli("session", "click mGuida\ndump\nfail guide\nclick mGuida\ndump\n");
  ASSERT_EQ(r.status, 0) << r.out;
  const std::size_t second = r.out.find('\n');
  ASSERT_NE(second, std::string::npos);
  EXPECT_TRUE(Has(r.out.substr(0, second), "\"messages\":[]"));
  EXPECT_TRUE(Has(r.out.substr(second), "\"messages\":[{\"text\":\"Click F1 for the Guide\",\"title\":\"Attention\","
                                        "\"buttons\":\"ok\",\"icon\":true"));
  EXPECT_EQ(Cli("session", "fail nothing\n").status, 1);
}

TEST(CliSession, AboutWindowAndItsButton) {
  CliRun r = Cli("session", "click mInfo\nclick mInfo\ndump\nclick Command1\ndump\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(Has(r.out, "\"form4\":{\"open\":true,\"caption\":\"Information - Tessora\",\"raised\":1"));
  EXPECT_TRUE(Has(r.out, "\"form4\":{\"open\":false"));
  EXPECT_EQ(Cli("session", "click Command1\n").status, 1);  // no window open
}

TEST(CliSession, KeysASchemeAndDumpsTheWindow) {
  CliRun r = Cli("session", "click DatIniz\ntype 53..7....\n# a comment\n\ndump\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(Has(r.out, "\"caption\":\"Tessora - Nuovo1\""));
  EXPECT_TRUE(Has(r.out, "\"blackboard\":[\"- When finished Initial Data\",\"  click 'Play', to start the game.\"]"));
  EXPECT_TRUE(Has(r.out, "\"cells\":[{\"caption\":\"5\",\"font\":\"MS Sans Serif\",\"size\":18,\"ink\":\"0x80000012\""));
  EXPECT_TRUE(Has(r.out, "\"FilledCount\":3,"));
  EXPECT_TRUE(Has(r.out, "\"CurCell\":9,"));
  EXPECT_TRUE(Has(r.out, "\"Gioca\":{\"kind\":\"button\",\"enabled\":true"));
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
}

TEST(CliSession, PlaysAGameFromPlayToAJudgedMove) {
  const std::string scheme =
      "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
  std::string script = "click DatIniz\ntype " + scheme + "\nclick Gioca\ndump\ncellclick 2\nkey 52\ndump\nkey 46\n"
                       "cellclick 3\nkey 49\ndump\n";
  CliRun r = Cli("session", script);
  ASSERT_EQ(r.status, 0) << r.out;
  std::vector<std::string> dumps;
  size_t start = 0;
  for (size_t nl; (nl = r.out.find('\n', start)) != std::string::npos; start = nl + 1)
    dumps.push_back(r.out.substr(start, nl - start));
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_TRUE(Has(dumps[0], "\"SOLVABILITY CONTROL REPORT\""));
  EXPECT_TRUE(Has(dumps[0], "\"YOU CAN PLAY NOW\",\"- click the buttons below for advice.\"]"));
  EXPECT_TRUE(Has(dumps[0], "\"PlayPhase\":true"));
  EXPECT_TRUE(Has(dumps[1], "\"blackboard\":[\"- CORRECT MOVE in Ac.\"]"));
  EXPECT_TRUE(Has(dumps[2], "\"blackboard\":[\"- WRONG MOVE\",\"  Value in Ad NOT accepted!!\"]"));
  EXPECT_TRUE(Has(dumps[2], "\"ErrorCount\":1,"));
  EXPECT_TRUE(Has(dumps[2], "\"caption\":\"1 Error\""));
}

TEST(CliSession, ReportsLinesThatCannotRun) {
  CliRun r = Cli("session", "click Gioca\nfrobnicate\ndump\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Has(r.out, "\"PlayPhase\":false"));
}

TEST(CliRate, JsonLinePerPuzzleAndExitStatus) {
  const std::string input =
      "# two puzzles\n"
      "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79 extra text\n"
      "\n"
      "55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n";
  CliRun r = Cli("rate --json", input);
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(Has(r.out, "{\"n\":1,\"puzzle\":\"53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\",\"result\":\"solved\""));
  EXPECT_TRUE(Has(r.out, "\"solution\":\"534678912672195348198342567859761423426853791713924856961537284287419635345286179\""));
  EXPECT_TRUE(Has(r.out, "{\"n\":2,"));
  EXPECT_TRUE(Has(r.out, "\"result\":\"invalid\""));
  EXPECT_EQ(Cli("rate /no/such/file", "").status, 2);
  EXPECT_EQ(Cli("rate --bogus", "").status, 2);
}

// A score judges a sound puzzle: only a scheme with exactly one solution has
// one, and every line says whether the scheme has.
TEST(CliRate, ScoreOnlyForASchemeWithOneSolution) {
  const std::string dots(63, '.');
  const std::string input =
      "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n"  // one solution
      "12345678.........9" + dots + "\n" +                                                  // none
      std::string(81, '.') + "\n" +                                                         // very many
      "53467891267219534819834256785976.42.42685.79.713924856961537284287419635345286179\n"  // two
      "55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n"   // a digit twice
      "..53.....8......2..7..1.5..4....53...1..7...6..32...8..6.5....9..4....3......97..\n";  // one, control fails
  CliRun r = Cli("rate --json", input);
  ASSERT_EQ(r.status, 0);
  std::istringstream lines(r.out);
  std::vector<nlohmann::json> rated;
  for (std::string line; std::getline(lines, line);) rated.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(rated.size(), 6u);
  EXPECT_TRUE(rated[0]["unique"].get<bool>());
  EXPECT_TRUE(rated[0]["score"].is_number());
  // The control cannot finish it, yet it has one solution: its trials score it.
  EXPECT_EQ(rated[5]["result"], "failed");
  EXPECT_TRUE(rated[5]["unique"].get<bool>());
  EXPECT_GE(rated[5]["score"].get<double>(), 5.0);
  rated.pop_back();
  for (std::size_t i = 1; i < rated.size(); ++i) {
    EXPECT_FALSE(rated[i]["unique"].get<bool>()) << i;
    EXPECT_TRUE(rated[i]["score"].is_null()) << i;
  }
  EXPECT_EQ(rated[3]["result"], "solved");  // played as a keyed scheme is, but not scored
}

// The table shows the fine score too, the same number as the JSON line
// (two decimals, "-" for none), worked out once for either output.
TEST(CliRate, TableAndJsonGiveTheSameScore) {
  const std::string input =
      "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n"   // Easy
      ".89...34....9..6.8....4.9..91...7....7.3....652...6.......3.4.....1..2.9.31...87.\n"   // Difficult
      "8.2...7.1..7.2.4....6...3....9...2...6.....4.3.4...5.64..9.5..8.5.1.7.2.....3....\n"   // trials
      ".......4...2..4..1.7..5..9...3..7....4..6....6..1..8...2....1..85.9...6.....8...3\n"   // trials
      "53467891267219534819834256785976.42.42685.79.713924856961537284287419635345286179\n";  // two solutions
  CliRun json = Cli("rate --json", input);
  CliRun table = Cli("rate", input);
  ASSERT_EQ(json.status, 0);
  ASSERT_EQ(table.status, 0);
  std::istringstream jsonLines(json.out), tableLines(table.out);
  std::string header;
  std::getline(tableLines, header);
  const std::size_t at = header.find(" score");
  ASSERT_NE(at, std::string::npos) << header;
  int scored = 0;
  for (std::string j, t; std::getline(jsonLines, j);) {
    ASSERT_TRUE(std::getline(tableLines, t));
    const nlohmann::json line = nlohmann::json::parse(j);
    // The column is right-aligned under its heading.
    std::string cell = t.substr(at, 6);
    cell.erase(0, cell.find_first_not_of(' '));
    if (line["score"].is_null()) {
      EXPECT_EQ(cell, "-") << t;
    } else {
      char expected[32];
      std::snprintf(expected, sizeof expected, "%.2f", line["score"].get<double>());
      EXPECT_EQ(cell, expected) << t;
      ++scored;
    }
  }
  EXPECT_EQ(scored, 4);
}

TEST(CliRate, TableWithASummaryLine) {
  CliRun r = Cli("rate", "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n");
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(Has(r.out, "1 puzzles: 1 solved, 0 failed, 0 invalid, 0 with trials;"));
}

}  // namespace

namespace {
TEST(CliRate, ReadsSchemeFiles) {
  const std::string dir = TESSORA_FIXTURES "/schemes/";
  CliRun r = Cli("rate --json " + dir + "easy.sud " + dir + "compact.ss " + dir + "bordered.ss", "");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
  EXPECT_TRUE(Has(r.out, "{\"n\":3,"));
  EXPECT_EQ(Cli("rate " + dir + "binary.sud", "").status, 2);
}
}  // namespace

namespace {

// A folder of its own holding a copy of a fixture scheme.
struct SchemeCopy {
  std::filesystem::path dir, scheme;
  explicit SchemeCopy(const std::string& name) {
    dir = std::filesystem::path(::testing::TempDir()) / ("cli-print-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    scheme = dir / "easy.sud";
    std::filesystem::copy_file(TESSORA_FIXTURES "/schemes/easy.sud", scheme);
  }
  ~SchemeCopy() { std::filesystem::remove_all(dir); }
  std::string Read(const std::string& name) const {
    std::ifstream in(dir / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST(CliPrint, WritesTheDocumentBesideTheScheme) {
  SchemeCopy copy("doc");
  CliRun r = Cli("print " + copy.scheme.string(), "");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, (copy.dir / "easy.doc").string() + "\n");
  const std::string doc = copy.Read("easy.doc");
  EXPECT_EQ(doc.rfind("{\\rtf1", 0), 0u);
  EXPECT_TRUE(Has(doc, "\\b MOVES\\par"));
  EXPECT_TRUE(Has(doc, " XX-Q: 'Ac' =3\\par"));  // the first move of this scheme
}

TEST(CliPrint, PdfOfTheSameSheetOrAClearRefusal) {
  SchemeCopy copy("pdf");
  const std::string out = (copy.dir / "sheet.pdf").string();
  CliRun r = Cli("print --pdf " + out + " " + copy.scheme.string(), "");
#ifdef TESSORA_HAS_PDF
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, out + "\n");
  const std::string pdf = copy.Read("sheet.pdf");
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_TRUE(Has(pdf, "/MediaBox [0 0 547.200000 676.800000]"));
#else
  // Built without Qt: no PDF, and a status that says the request cannot be met.
  EXPECT_EQ(r.status, 2);
  EXPECT_FALSE(std::filesystem::exists(out));
#endif
}

TEST(CliPrint, BadArgumentsAndSchemesThatCannotBeOpened) {
  EXPECT_EQ(Cli("print", "").status, 2);
  EXPECT_EQ(Cli("print a b", "").status, 2);
  EXPECT_EQ(Cli("print --pdf x.pdf", "").status, 2);
  EXPECT_EQ(Cli("print /no/such/scheme.sud", "").status, 1);
  EXPECT_EQ(Cli("print " TESSORA_FIXTURES "/schemes/binary.sud", "").status, 1);
}

const std::string kEasyGrid = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// A folder is a bad argument for both commands: a message and exit status 2.
TEST(CliArguments, FolderIsRefused) {
  const std::string dir = ::testing::TempDir();
  for (const char* command : {"rate", "rate --json", "session"}) {
    SCOPED_TRACE(command);
    CliRun r = Cli(std::string(command) + " " + dir, "");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Has(r.err, "is a folder")) << r.err;
    EXPECT_EQ(r.out.find("\"n\":"), std::string::npos);
  }
}

// A line past 64 KB is reported by its number and skipped; the report does
// not repeat the line.
TEST(CliSession, LineLongerThan64KIsReportedAndSkipped) {
  CliRun r = Cli("session", "click DatIniz\n" + std::string(70000, 'x') + "\ndump\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "line 2: longer than 65536 characters, skipped\n");
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
  EXPECT_TRUE(Has(r.out, "\"DataStarted\":true"));
}

TEST(CliRate, LineLongerThan64KIsReportedAndSkipped) {
  // The long line begins with a puzzle, and a line of exactly 64 KB is still read.
  const std::string input = kEasyGrid + std::string(70000, ' ') + "\n" + kEasyGrid +
                            std::string(65536 - 81, ' ') + "\n";
  CliRun r = Cli("rate --json", input);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "tessora-cli: stdin:1: line longer than 65536 characters, skipped\n");
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
  EXPECT_TRUE(Has(r.out, "{\"n\":1,\"puzzle\":\"" + kEasyGrid + "\",\"result\":\"solved\""));
}

// A .sud file whose lines end in a lone CR reads as one with CR LF.
TEST(CliRate, SchemeFileWithLoneCrLineEnds) {
  std::ifstream in(TESSORA_FIXTURES "/schemes/easy.sud", std::ios::binary);
  std::string text(std::istreambuf_iterator<char>(in), {});
  std::string cr;
  for (char ch : text)
    if (ch != '\n') cr += ch;
  const std::string path = TempName("cr") + ".sud";
  std::ofstream(path, std::ios::binary) << cr;
  CliRun a = Cli("rate --json " + path, "");
  CliRun b = Cli("rate --json " + std::string(TESSORA_FIXTURES "/schemes/easy.sud"), "");
  std::remove(path.c_str());
  ASSERT_EQ(a.status, 0) << a.err;
  auto puzzle = [](const std::string& out) { return out.substr(0, out.find("\"result\"")); };
  EXPECT_EQ(puzzle(a.out), puzzle(b.out));
  EXPECT_TRUE(Has(a.out, "\"result\":\"solved\""));
}

// rate writes its JSON lines itself (for speed); each must be exactly what
// the JSON library writes for the object it holds.
TEST(CliRate, JsonLinesAreWhatTheLibraryWrites) {
  const std::string input =
      "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n"
      "55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n"
      "8.9...3.....7.1...5.........7.....263...9.......1...4..6.2....4....8.5...........\n"
      "..98...7..32....4.4....983...31........46..2.6.......1.5..7...23........9.86.2...\n"
      "534678912672195348198342567859761423426853791713924856961537284287419635345286179\n";
  CliRun r = Cli("rate --json", input);
  ASSERT_EQ(r.status, 0);
  std::istringstream lines(r.out);
  int n = 0;
  for (std::string line; std::getline(lines, line); ++n) {
    nlohmann::ordered_json parsed;
    ASSERT_NO_THROW(parsed = nlohmann::ordered_json::parse(line)) << line;
    EXPECT_EQ(parsed.dump(), line);
  }
  EXPECT_EQ(n, 5);
}
}  // namespace

namespace {

// A text file read as "Paste Scheme" reads: a bordered grid, a line with
// blanks between the cells, and a broken grid that is reported and skipped.
TEST(CliRate, ReadsGridsInTheLayoutsOfPastedText) {
  const std::string grid =
      "+-------+-------+-------+\n"
      "| 5 3 . | . 7 . | . . . |\n"
      "| 6 . . | 1 9 5 | . . . |\n"
      "| . 9 8 | . . . | . 6 . |\n"
      "+-------+-------+-------+\n"
      "| 8 . . | . 6 . | . . 3 |\n"
      "| 4 . . | 8 . 3 | . . 1 |\n"
      "| 7 . . | . 2 . | . . 6 |\n"
      "+-------+-------+-------+\n"
      "| . 6 . | . . . | 2 8 . |\n"
      "| . . . | 4 1 9 | . . 5 |\n"
      "| . . . | . 8 . | . 7 9 |\n"
      "+-------+-------+-------+\n";
  std::string spaced;
  for (char ch : kEasyGrid) spaced += std::string(spaced.empty() ? "" : " ") + ch;
  const std::string input = grid + "\n53..7....\n6..195...\n\n" + spaced + "\n";
  CliRun r = Cli("rate --json", input);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "tessora-cli: stdin: Lines 15-16 hold 18 cells; a scheme has 81. Skipped.\n");
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2);
  EXPECT_TRUE(Has(r.out, "{\"n\":1,\"puzzle\":\"" + kEasyGrid + "\",\"result\":\"solved\""));
  EXPECT_TRUE(Has(r.out, "{\"n\":2,\"puzzle\":\"" + kEasyGrid + "\",\"result\":\"solved\""));
}

}  // namespace

namespace {

// The output of rate without its timings: the "micros" and the report's
// time line of every JSON line, the micros column of the table and the time in its summary line.
std::string WithoutTimings(const std::string& out) {
  std::istringstream in(out);
  std::string kept;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("{", 0) == 0) {
      line = std::regex_replace(line, std::regex("\"micros\":[0-9]+"), "\"micros\":0");
      line = std::regex_replace(line, std::regex("\\(in [0-9.]+ sec\\."), "(in - sec.");
    }
    else if (line.find(" puzzles: ") != std::string::npos) line = line.substr(0, line.find(';'));
    // The micros column: the 8 characters after the score (6), sugg (4) and trials (6).
    else if (line.size() > 57 && line.rfind("   n", 0) != 0) line.replace(49, 8, 8, ' ');
    kept += line + "\n";
  }
  return kept;
}

TEST(CliRate, ThreadsGiveTheSameLinesInInputOrder) {
  // Solved, failed, with trials and without, invalid data and a broken line.
  std::string input = "55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n"
                      "not a puzzle\n";
  std::ifstream puzzles(TESSORA_FIXTURES "/puzzles/threads.txt");
  ASSERT_TRUE(puzzles) << "cannot read threads.txt";
  input += std::string(std::istreambuf_iterator<char>(puzzles), {});
  for (const char* mode : {"rate --json", "rate"}) {
    SCOPED_TRACE(mode);
    const CliRun one = Cli(std::string(mode) + " -j 1", input);
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_TRUE(Has(one.out, "\"result\":\"failed\"") || std::string(mode) == "rate");
    for (const char* jobs : {" -j 4", " -j3", ""}) {
      const CliRun many = Cli(std::string(mode) + jobs, input);
      EXPECT_EQ(many.status, 0);
      EXPECT_EQ(WithoutTimings(many.out), WithoutTimings(one.out)) << jobs;
      EXPECT_EQ(many.err, one.err) << jobs;
    }
  }
  for (const char* bad : {"-j 0", "-j x", "-j", "-j 2k", "-j -3"}) {
    const CliRun r = Cli(std::string("rate ") + bad, input);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_TRUE(Has(r.err, "-j needs a number of threads")) << bad << ": " << r.err;
  }
}

TEST(CliGenerate, DifficultyOnDemand) {
  const CliRun r = Cli("generate --difficulty difficult -n 2 --json", "");
  ASSERT_EQ(r.status, 0) << r.err;
  std::istringstream lines(r.out);
  int n = 0;
  for (std::string line; std::getline(lines, line); ++n) {
    const auto j = nlohmann::json::parse(line);
    EXPECT_EQ(j["difficulty"], "Difficult") << line;
    EXPECT_GE(j["grids"].get<int>(), 1);
    EXPECT_EQ(j["trials"].get<int>(), 0);
    EXPECT_EQ(j["name"].get<std::string>().substr(0, 6), n == 0 ? "Dif001" : "Dif002");
  }
  EXPECT_EQ(n, 2);
  for (const char* bad : {"generate --difficulty hard", "generate --difficulty easy --batch /no/such/folder",
                          "generate --difficulty difficult --trials", "generate --trials", "generate --plain",
                          "generate --seed 3", "generate --difficulty easy --seed x"}) {
    const CliRun b = Cli(bad, "");
    EXPECT_EQ(b.status, 2) << bad;
    EXPECT_FALSE(b.err.empty()) << bad;
  }
}

// --trials: Diabolic schemes the control finishes only with a trial. A seed
// repeats the same schemes, and --plain (the speed-ups off) makes the same ones.
TEST(CliGenerate, TrialsSeedAndPlain) {
  auto puzzles = [](const std::string& out, std::vector<int>* trials = nullptr) {
    std::vector<std::string> v;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
      const auto j = nlohmann::json::parse(line);
      v.push_back(j["puzzle"].get<std::string>() + " " + j["difficulty"].get<std::string>());
      if (trials) trials->push_back(j["trials"].get<int>());
    }
    return v;
  };
  std::vector<int> trials;
  const CliRun t = Cli("generate --difficulty diabolic --trials -n 3 --seed 7 --json", "");
  ASSERT_EQ(t.status, 0) << t.err;
  const auto withTrials = puzzles(t.out, &trials);
  ASSERT_EQ(withTrials.size(), 3u);
  for (std::size_t i = 0; i < trials.size(); ++i) {
    EXPECT_GT(trials[i], 0) << withTrials[i];
    EXPECT_TRUE(Has(withTrials[i], " Diabolic")) << withTrials[i];
  }
  EXPECT_EQ(puzzles(Cli("generate --difficulty diabolic --trials -n 3 --seed 7 --json", "").out), withTrials);
  EXPECT_EQ(puzzles(Cli("generate --difficulty diabolic --trials -n 3 --seed 7 --json --plain", "").out),
            withTrials);
  // Plain Diabolic, whose speed-ups include the control stopping at its first trial.
  const auto diabolic = puzzles(Cli("generate --difficulty diabolic -n 2 --seed 7 --json", "").out);
  ASSERT_EQ(diabolic.size(), 2u);
  EXPECT_EQ(puzzles(Cli("generate --difficulty diabolic -n 2 --seed 7 --json --plain", "").out), diabolic);
  const CliRun text = Cli("generate --difficulty diabolic --trials --seed 7", "");
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_TRUE(Has(text.out, "Dia001Cr0")) << text.out;
  EXPECT_TRUE(Has(text.out, " trial")) << text.out;
}

TEST(CliSession, ClipboardTextWithLineBreaksIsPastedAndDumped) {
  const std::string grid = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
  std::string rows;
  for (int r = 0; r < 9; ++r) rows += grid.substr(9 * r, 9) + (r < 8 ? "\\n" : "");
  const CliRun r = Cli("session", "clipboard " + rows + "\nclick mIncolla\ndump\nclick mCopia\ndump\n");
  ASSERT_EQ(r.status, 0) << r.err;
  std::istringstream lines(r.out);
  std::string first, second;
  std::getline(lines, first);
  std::getline(lines, second);
  const auto pasted = nlohmann::json::parse(first), copied = nlohmann::json::parse(second);
  std::string expected;
  for (int r2 = 0; r2 < 9; ++r2) expected += grid.substr(9 * r2, 9) + (r2 < 8 ? "\n" : "");
  EXPECT_EQ(pasted["clipboard"], expected);
  EXPECT_EQ(pasted["blackboard"][0], "SOLVABILITY CONTROL REPORT");
  EXPECT_EQ(copied["clipboard"], grid);
}

}  // namespace

namespace {

std::string ReadSource(const std::string& path) {
  std::ifstream in(std::string(TESSORA_SOURCE_DIR) + "/" + path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The session's commands as --help lists them: the words after "one command a
// line:" up to the next command's paragraph.
std::vector<std::string> HelpSessionCommands(const std::string& help) {
  std::vector<std::string> words;
  const std::size_t from = help.find("one command a line:");
  const std::size_t to = help.find("\n  rate ", from);
  if (from == std::string::npos || to == std::string::npos) return words;
  std::istringstream list(help.substr(from + 19, to - from - 19));
  for (std::string w; list >> w;) words.push_back(w.back() == ',' ? w.substr(0, w.size() - 1) : w);
  return words;
}

// The help, the manual page and the README describe every command of the
// session, and the help lists no other.
TEST(CliSession, HelpManualAndReadmeListEveryCommand) {
  const std::vector<std::string>& commands = tessora::SessionCommands();
  const CliRun help = Cli("--help", "");
  ASSERT_EQ(help.status, 0);
  EXPECT_EQ(HelpSessionCommands(help.out), commands) << help.out;

  // The manual's session section: an entry (.B, .BI or .BR line) for each command.
  const std::string man = ReadSource("docs/man/tessora-cli.1");
  const std::size_t from = man.find(".SS session"), to = man.find(".SS ", from + 1);
  ASSERT_NE(from, std::string::npos);
  const std::string section = man.substr(from, to - from);
  // The README's table of session commands: a row that names it in code.
  const std::string readme = ReadSource("README.md");
  for (const std::string& command : commands) {
    SCOPED_TRACE(command);
    const std::regex entry("(^|\\n)\\.B[IR]? (" + command + "|.*\" " + command + ")( |\\n)");
    EXPECT_TRUE(std::regex_search(section, entry)) << "tessora-cli.1 has no entry for it";
    const std::regex row("\\n\\|[^\\n]*`" + command + "[ `]");
    EXPECT_TRUE(std::regex_search(readme, row)) << "README.md has no row for it";
  }
}

}  // namespace

namespace {

// A script line with a terminal's control sequence in it is reported with
// the sequence escaped: nothing raw reaches the terminal.
TEST(CliSession, MessagesShowControlBytesEscaped) {
  const CliRun r = Cli("session", "click \x1B]0;x\x07\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "line 1: click \\x1B]0;x\\x07: not available now\n");
}

}  // namespace

namespace {

// Output that cannot be written (a full disk) is an error of every command:
// a message and status 1, whether it fails at once or at the final flush.
TEST(CliOutput, FullDiskIsReported) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "this system has no /dev/full";
  std::ifstream many(TESSORA_FIXTURES "/puzzles/threads.txt");
  const std::string puzzles(std::istreambuf_iterator<char>(many), {});
  SchemeCopy copy("full");
  const struct {
    std::string args, input;
  } cases[] = {
      {"rate --json", kEasyGrid + "\n"},
      {"rate --json -j 2", puzzles},
      {"rate", puzzles},
      {"generate -n 2", ""},
      {"generate --json", ""},
      {"session", "dump\n"},
      {"practice --method 5 -n 3 --json --seed 1", ""},
      {"print " + copy.scheme.string(), ""},
      {"--help", ""},
      {"--version", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun r = Cli(c.args, c.input, "", "/dev/full");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Has(r.err, "tessora-cli: cannot write to standard output")) << r.err;
  }
}

// rate that read no puzzle has done nothing it was asked to: status 1.
TEST(CliRate, NoPuzzleReadIsAFailure) {
  const std::string empty = TempName("empty") + ".txt";
  std::ofstream(empty) << "# nothing but a comment\n";
  for (const char* mode : {"rate", "rate --json"})
    for (const std::string& input : {std::string("hello\n"), std::string(), std::string("\n# a comment\n")}) {
      SCOPED_TRACE(std::string(mode) + " <<< " + input);
      const CliRun r = Cli(mode, input);
      EXPECT_EQ(r.status, 1);
      EXPECT_TRUE(Has(r.err, "tessora-cli rate: no puzzle was read\n")) << r.err;
      const CliRun file = Cli(std::string(mode) + " " + empty, "");
      EXPECT_EQ(file.status, 1);
    }
  std::remove(empty.c_str());
  EXPECT_EQ(Cli("rate", kEasyGrid + "\nhello\n").status, 0);  // one puzzle is enough
}

}  // namespace

namespace {

// A .sud file of the givens of an 81-character grid, in `dir`.
std::string WriteSud(const std::filesystem::path& dir, const std::string& name, const std::string& grid) {
  std::string text;
  for (int r = 0; r < 9; ++r) {
    std::string row = grid.substr(9 * r, 9);
    std::replace(row.begin(), row.end(), '.', ' ');
    text += "\"" + row + "\"\r\n";
  }
  std::ofstream((dir / name).string(), std::ios::binary) << text;
  return (dir / name).string();
}

std::vector<std::string> Files(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

#ifdef TESSORA_HAS_PDF
// The PDF goes into the file the user named, whatever its extension; a
// relative name is taken from the current folder, not the scheme's.
TEST(CliPrint, PdfIsWrittenUnderTheNameGiven) {
  SchemeCopy copy("pdfname");
  std::filesystem::create_directory(copy.dir / "sub");
  std::filesystem::rename(copy.scheme, copy.dir / "sub" / "easy.sud");
  for (const char* name : {"out.txt", "sheet", "sheet.PDF"}) {
    SCOPED_TRACE(name);
    const CliRun r = Cli(std::string("print --pdf ") + name + " sub/easy.sud", "", "cd " + copy.dir.string() + " && ");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, (copy.dir / name).string() + "\n");
    EXPECT_EQ(copy.Read(name).rfind("%PDF-", 0), 0u);
  }
  EXPECT_EQ(Files(copy.dir), (std::vector<std::string>{"out.txt", "sheet", "sheet.PDF", "sub"}));
  EXPECT_EQ(Files(copy.dir / "sub"), std::vector<std::string>{"easy.sud"});
}
#endif

// A --pdf name that is no file's to write is a bad argument: status 2 and
// nothing written, the scheme least of all.
TEST(CliPrint, PdfNameThatIsNoFileIsRefused) {
  SchemeCopy copy("pdfbad");
  const std::string scheme = copy.Read("easy.sud");
  const std::string in = "cd " + copy.dir.string() + " && ";
  const struct {
    std::string name, says;
  } cases[] = {
      {"''", "--pdf needs the name of the file to write"},
      {"' '", "--pdf needs the name of the file to write"},
      {".", ". is a folder"},
      {"..", ".. is a folder"},
      {copy.dir.string(), " is a folder"},
      {"nowhere/", "nowhere/ is a folder"},
      {"easy.sud", "easy.sud is the scheme itself"},
      {"./easy.sud", "./easy.sud is the scheme itself"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CliRun r = Cli("print --pdf " + c.name + " easy.sud", "", in);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Has(r.err, c.says)) << r.err;
    EXPECT_EQ(r.out, "");
  }
  EXPECT_EQ(Files(copy.dir), std::vector<std::string>{"easy.sud"});
  EXPECT_EQ(copy.Read("easy.sud"), scheme);
}

// A scheme the solvability control cannot finish has no moves for the sheet:
// print says so and writes nothing, with status 1.
TEST(CliPrint, SchemeTheControlCannotFinishGivesNoDocument) {
  SchemeCopy copy("unfinished");
  const struct {
    const char* name;
    const char* grid;
    const char* says;
  } cases[] = {
      // Single-level trials do not reach its solution.
      {"hard.sud", "..53.....8......2..7..1.5..4....53...1..7...6..32...8..6.5....9..4....3......97..",
       "The Control has failed"},
      {"twice.sud", "55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
       "ERROR IN CURRENT DATA!"},
      {"none.sud", "123......456......78.......................................................9.....",
       "The Control has failed"},
  };
  for (const auto& c : cases) {
    const std::string scheme = WriteSud(copy.dir, c.name, c.grid);
    std::vector<std::string> runs = {"print " + scheme};
#ifdef TESSORA_HAS_PDF
    runs.push_back("print --pdf " + (copy.dir / "sheet.pdf").string() + " " + scheme);
#endif
    for (const std::string& args : runs) {
      SCOPED_TRACE(args);
      const CliRun r = Cli(args, "");
      EXPECT_EQ(r.status, 1);
      EXPECT_TRUE(Has(r.err, "tessora-cli print: the solvability control did not finish on " + scheme)) << r.err;
      EXPECT_TRUE(Has(r.err, c.says)) << r.err;
      EXPECT_TRUE(Has(r.err, "no document written")) << r.err;
      EXPECT_EQ(r.out, "");
    }
  }
  EXPECT_EQ(Files(copy.dir), (std::vector<std::string>{"easy.sud", "hard.sud", "none.sud", "twice.sud"}));
}

// Play, stop without Exit, start again: the second run's `start` brings the
// game back as the first left it. A session without `start` touches no data.
TEST(CliSession, StartBringsBackTheGameOfTheLastRun) {
  const std::string data = TempName("data");
  const std::string env = "XDG_DATA_HOME=" + data + " ";
  const std::string easy = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
  const CliRun first = Cli("session", "start\nclick DatIniz\ntype " + easy +
                                          "\nclick Gioca\ncellclick 2\nkey 52\ncellclick 3\nkey 49\ndump\n", env);
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_TRUE(std::filesystem::exists(data + "/tessora/saved-game.txt"));
  const CliRun second = Cli("session", "start\ndump\n", env);
  ASSERT_EQ(second.status, 0) << second.err;
  const auto before = nlohmann::json::parse(first.out), after = nlohmann::json::parse(second.out);
  for (int c = 0; c < 81; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(after["cells"][c]["caption"], before["cells"][c]["caption"]);
    EXPECT_EQ(after["cells"][c]["ink"], before["cells"][c]["ink"]);
    EXPECT_EQ(after["cells"][c]["accessibleName"], before["cells"][c]["accessibleName"]);
  }
  EXPECT_EQ(after["can"], before["can"]);
  EXPECT_EQ(after["solution"], before["solution"]);
  EXPECT_EQ(after["vars"]["PlayPhase"], true);
  EXPECT_EQ(after["vars"]["ErrorCount"], 1);
  EXPECT_EQ(after["blackboard"][0], "- GAME RESUMED from the last run.");
  EXPECT_EQ(after["messages"].size(), 0u);

  const std::string untouched = TempName("untouched");
  const CliRun plain = Cli("session", "click DatIniz\ntype " + easy + "\nclick Gioca\n", "XDG_DATA_HOME=" + untouched + " ");
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_FALSE(std::filesystem::exists(untouched));
  std::filesystem::remove_all(data);
}

#ifdef TESSORA_HAS_PDF
// The PDF module comes from the tool's own folder only. When the tool's own
// path cannot be read, a module in the current folder is not taken: PDF
// output is unavailable (status 2) and nothing is written.
TEST(CliPrint, PdfModuleIsNeverTakenFromTheCurrentFolder) {
  SchemeCopy copy("module");
  std::filesystem::copy_file(TESSORA_PDF_MODULE_FILE, copy.dir / "libtessora_pdf.so");
  const std::string in = "cd " + copy.dir.string() + " && ";
  const CliRun hidden = Cli("print --pdf sheet.pdf easy.sud", "", in + "LD_PRELOAD=" TESSORA_NO_SELF_PATH " ");
  EXPECT_EQ(hidden.status, 2);
  EXPECT_TRUE(Has(hidden.err, "PDF output is unavailable")) << hidden.err;
  EXPECT_FALSE(std::filesystem::exists(copy.dir / "sheet.pdf"));
  // A session's "Export PDF..." says the same in its message box.
  const CliRun session = Cli("session", "file " + copy.scheme.string() + "\nclick Apri\nfile sheet.pdf\nclick mEspPdf\ndump\n",
                             in + "LD_PRELOAD=" TESSORA_NO_SELF_PATH " ");
  EXPECT_TRUE(Has(session.out, "PDF output is unavailable")) << session.err;
  EXPECT_FALSE(std::filesystem::exists(copy.dir / "sheet.pdf"));
  // With its own path the tool finds the module beside it.
  const CliRun seen = Cli("print --pdf sheet.pdf easy.sud", "", in);
  EXPECT_EQ(seen.status, 0) << seen.err;
  EXPECT_TRUE(std::filesystem::exists(copy.dir / "sheet.pdf"));
}
#endif

}  // namespace

namespace {

// tessora-cli practice: its arguments, its JSON lines and their seed.
TEST(CliPractice, BadArgumentsAreRefusedWithStatusTwo) {
  for (const char* args : {"practice", "practice --method 0", "practice --method 17", "practice --method x",
                           "practice --method 3 -n 0", "practice --method 3 --seed -1", "practice --method 3 --what",
                           "practice --method", "practice --method 3 extra", "practice --method 3 -n 1x"}) {
    SCOPED_TRACE(args);
    const CliRun r = Cli(args, "");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_TRUE(Has(r.err, "tessora-cli practice: ")) << r.err;
  }
}

TEST(CliPractice, JsonLinesHoldThePositionAndTheSameSeedGivesTheSameLines) {
  const CliRun a = Cli("practice --method 8 -n 3 --json --seed 42", "");
  const CliRun b = Cli("practice --method 8 -n 3 --json --seed 42", "");
  ASSERT_EQ(a.status, 0) << a.err;
  std::istringstream ina(a.out), inb(b.out);
  std::string la, lb;
  int lines = 0;
  while (std::getline(ina, la) && std::getline(inb, lb)) {
    ++lines;
    EXPECT_EQ(la, lb);
    const auto ja = nlohmann::ordered_json::parse(la);
    std::vector<std::string> keys;
    for (const auto& item : ja.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"method", "name", "puzzle", "values", "candidates", "step", "solution"}));
    EXPECT_EQ(ja["method"], 8);
    EXPECT_EQ(ja["name"], "Row/Col. Locks Candidate");
    const std::string puzzle = ja["puzzle"], values = ja["values"], solution = ja["solution"];
    ASSERT_EQ(puzzle.size(), 81u);
    ASSERT_EQ(values.size(), 81u);
    ASSERT_EQ(solution.size(), 81u);
    ASSERT_EQ(ja["candidates"].size(), 81u);
    for (int c = 0; c < 81; ++c) {
      if (puzzle[c] != '.') {
        EXPECT_EQ(values[c], puzzle[c]);
      }
      if (values[c] != '.') {
        EXPECT_EQ(values[c], solution[c]);
        EXPECT_EQ(ja["candidates"][c], "");
      } else {
        const std::string cands = ja["candidates"][c];
        EXPECT_NE(cands.find(solution[c]), std::string::npos) << "cell " << c;
      }
    }
    ASSERT_TRUE(ja["step"].contains("remove"));
    for (const auto& move : ja["step"]["remove"]) {
      const int cell = move[0];
      const std::string digits = move[1];
      EXPECT_EQ(digits.find(solution[cell]), std::string::npos);
      EXPECT_EQ(values[cell], '.');
      for (char d : digits) EXPECT_NE(std::string(ja["candidates"][cell]).find(d), std::string::npos);
    }
  }
  EXPECT_EQ(lines, 3);
  // Another seed, other positions.
  const CliRun c = Cli("practice --method 8 --json --seed 43", "");
  EXPECT_NE(nlohmann::json::parse(c.out)["values"], nlohmann::json::parse(a.out.substr(0, a.out.find('\n')))["values"]);
}

TEST(CliPractice, APlacingMethodGivesAPlaceStepAndTheTextSaysIt) {
  const CliRun j = Cli("practice --method 1 --json --seed 3", "");
  ASSERT_EQ(j.status, 0);
  const auto line = nlohmann::json::parse(j.out);
  ASSERT_TRUE(line["step"].contains("place"));
  ASSERT_EQ(line["step"]["place"].size(), 1u);
  const int cell = line["step"]["place"][0][0], digit = line["step"]["place"][0][1];
  EXPECT_EQ(std::string(line["solution"])[cell], '0' + digit);
  // --stats adds how the position came: candidates hidden for a glance, and its time.
  const auto stats = nlohmann::json::parse(Cli("practice --method 1 --json --stats --seed 3", "").out);
  EXPECT_EQ(stats["candidatesShown"], false);
  EXPECT_TRUE(stats["micros"].is_number());
  EXPECT_EQ(stats["puzzle"], line["puzzle"]);
  const CliRun t = Cli("practice --method 1 --seed 3", "");
  ASSERT_EQ(t.status, 0);
  EXPECT_TRUE(Has(t.out, "1 At a glance\n  puzzle " + std::string(line["puzzle"]))) << t.out;
  EXPECT_TRUE(Has(t.out, "step  write " + std::to_string(digit) + " in ")) << t.out;
}

}  // namespace

namespace {

// Every method's JSON line, from one fixed seed: the puzzle has one solution,
// the line's solution is it, the values and candidates agree with it, and the
// step (a placement for the singles, removals for the others) does too.
TEST(CliPractice, EveryMethodsLineAgreesWithThePuzzlesOneSolution) {
  for (int method = 1; method <= 16; ++method) {
    SCOPED_TRACE("method " + std::to_string(method));
    const CliRun r = Cli("practice --method " + std::to_string(method) + " --json --seed 11", "");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["method"], method);
    const std::string puzzle = j["puzzle"], values = j["values"], solution = j["solution"];
    ASSERT_EQ(puzzle.size(), 81u);
    std::array<int, 81> grid{}, solved{};
    for (int c = 0; c < 81; ++c) grid[c] = puzzle[c] == '.' ? 0 : puzzle[c] - '0';
    ASSERT_EQ(tessora::CountSolutions(grid, 2, &solved), 1);
    for (int c = 0; c < 81; ++c) {
      ASSERT_EQ(solution[c], '0' + solved[c]) << "cell " << c;
      const std::string cands = j["candidates"][c];
      if (values[c] != '.') {
        EXPECT_EQ(values[c], solution[c]) << "cell " << c;
        EXPECT_EQ(cands, "") << "cell " << c;
      } else {
        EXPECT_NE(cands.find(solution[c]), std::string::npos) << "cell " << c;
      }
    }
    const bool places = method <= 4;
    ASSERT_EQ(j["step"].size(), 1u);
    ASSERT_TRUE(j["step"].contains(places ? "place" : "remove")) << j["step"].dump();
    for (const auto& move : j["step"][places ? "place" : "remove"]) {
      const int cell = move[0];
      ASSERT_EQ(values[cell], '.');
      if (places) {
        EXPECT_EQ('0' + static_cast<int>(move[1]), solution[cell]);
      } else {
        const std::string digits = move[1], cands = j["candidates"][cell];
        EXPECT_FALSE(digits.empty());
        EXPECT_EQ(digits.find(solution[cell]), std::string::npos) << "removes the solution from " << cell;
        for (char d : digits) EXPECT_NE(cands.find(d), std::string::npos) << "cell " << cell;
      }
    }
  }
}

}  // namespace
