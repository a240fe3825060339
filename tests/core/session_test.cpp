// The script language of sessions: the list of its commands and the messages
// of lines that cannot run.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "test_support.h"
#include "ui/session.h"
#include "util/printable.h"

namespace tessora {
namespace {

// Every listed command reaches a handler of its own (here without its
// arguments, or with the arguments it needs), and nothing else runs.
TEST(SessionCommands, EveryListedCommandRunsAndNoOther) {
  test::Harness h;
  std::ostringstream out;
  for (const std::string& command : SessionCommands()) {
    SCOPED_TRACE(command);
    std::string error;
    RunSessionLine(h.form, h.platform, command, out, error);
    EXPECT_EQ(error.find("unknown command"), std::string::npos) << error;
    EXPECT_EQ(error.find("not handled"), std::string::npos) << error;
  }
  for (const char* line : {"frobnicate", "Click Gioca", "dumps", "clicked Gioca"}) {
    std::string error;
    EXPECT_FALSE(RunSessionLine(h.form, h.platform, line, out, error)) << line;
    EXPECT_EQ(error.rfind("unknown command '", 0), 0u) << error;
  }
}

// What a terminal would act on is escaped; text, accented or not, is kept.
TEST(PrintableText, EscapesControlsAndBrokenUtf8) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {
      {"click Gioca", "click Gioca"},
      {"\x1B]0;x\x07", "\\x1B]0;x\\x07"},             // a terminal title sequence
      {"a\tb\rc\nd\x7F", "a\\x09b\\x0Dc\\x0Ad\\x7F"},  // C0 and DEL
      {"caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80"},
      {"\xC2\x9B" "31m", "\\xC2\\x9B31m"},  // a C1 control (CSI)
      {"\x9B" "31m", "\\x9B31m"},              // the same as one raw byte
      {"\xC3", "\\xC3"},                       // cut short
      // Overlong, a surrogate, past U+10FFFF.
      {"\xC0\xAF \xED\xA0\x80 \xF4\x90\x80\x80", "\\xC0\\xAF \\xED\\xA0\\x80 \\xF4\\x90\\x80\\x80"},
      {std::string("a\0b", 3), "a\\x00b"},
  };
  for (const Case& c : cases) EXPECT_EQ(PrintableText(c.in), c.out) << c.in;
}

// A line that cannot run is reported with its control bytes escaped.
TEST(SessionCommands, MessagesShowControlBytesEscaped) {
  test::Harness h;
  std::istringstream in("click \x1B]0;x\x07\n\x1B[2Jdump\ntype 12\x1B\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunSession(h.form, h.platform, in, out, err), 3);
  EXPECT_EQ(err.str(),
            "line 1: click \\x1B]0;x\\x07: not available now\n"
            "line 2: unknown command '\\x1B[2Jdump'\n"
            "line 3: type: cannot type '\\x1B'\n");
}

}  // namespace
}  // namespace tessora
