// Reading scripts and puzzle files a line at a time, with a bound on the line.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "util/line_reader.h"

namespace tessora {
namespace {

// Every line the reader gives for `text` with a limit of 8: the line, or
// "<too long>" for one past the limit.
std::vector<std::string> Lines(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  std::string line;
  for (LineRead r; (r = ReadBoundedLine(in, line, 8)) != LineRead::End;) {
    out.push_back(r == LineRead::TooLong ? "<too long>" : line);
    if (r == LineRead::TooLong) {
      EXPECT_TRUE(line.empty());
    }
  }
  return out;
}

TEST(LineReader, LinesUpToTheLimitAndPastIt) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"\n", {""}},
      {"a\n\nb", {"a", "", "b"}},
      {"12345678\n", {"12345678"}},               // exactly the limit
      {"12345678\r\nx", {"12345678\r", "x"}},     // the limit and a CR before the line feed
      {"123456789\nx\n", {"<too long>", "x"}},    // one past the limit
      {"12345678\r9\nx", {"<too long>", "x"}},    // a CR inside a long line
      {std::string(100000, 'z') + "\nlast", {"<too long>", "last"}},
      {"a\n" + std::string(20, 'z'), {"a", "<too long>"}},  // a long last line without line feed
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    EXPECT_EQ(Lines(c.text), c.lines);
  }
}

TEST(LineReader, TheDefaultLimitIs64K) {
  EXPECT_EQ(kMaxInputLineLength, 65536u);
  std::istringstream in(std::string(65536, 'a') + "\n" + std::string(65537, 'b') + "\nc");
  std::string line;
  EXPECT_EQ(ReadBoundedLine(in, line), LineRead::Line);
  EXPECT_EQ(line.size(), 65536u);
  EXPECT_EQ(ReadBoundedLine(in, line), LineRead::TooLong);
  EXPECT_EQ(ReadBoundedLine(in, line), LineRead::Line);
  EXPECT_EQ(line, "c");
  EXPECT_EQ(ReadBoundedLine(in, line), LineRead::End);
  EXPECT_EQ(TooLongLineMessage(), "longer than 65536 characters, skipped");
}

}  // namespace
}  // namespace tessora
