// The script language of sessions: the list of its commands and the messages
// of lines that cannot run.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "test_support.h"
#include "ui/session.h"

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

}  // namespace
}  // namespace tessora
