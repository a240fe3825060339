// tessora-cli: the core headless. "session" plays a script; "rate" and
// "generate" run the control and the generator in batch.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form1.h"
#include "ui/scripted_platform.h"
#include "ui/session.h"
#include "generate.h"
#include "options.h"
#include "practice.h"
#include "print.h"
#include "rate.h"

using namespace tessora;

namespace {

const char kUsage[] =
    "usage: tessora-cli session [SCRIPT]\n"
    "       tessora-cli rate [--json] [-j N] [FILE...]\n"
    "       tessora-cli generate [--difficulty LEVEL [--trials] [--seed S] [--plain]] [-n N] [--json]\n"
    "       tessora-cli generate --batch DIR\n"
    "       tessora-cli print SCHEME | print --pdf FILE SCHEME\n"
    "       tessora-cli practice --method N [-n K] [--json [--stats]] [--seed S]\n"
    "       tessora-cli --help | --version\n";

int Usage() {
  std::cerr << kUsage;
  return 2;
}

// The session's commands, from its own list, wrapped under the help's column.
std::string SessionCommandList() {
  std::string text, line = "           ";
  const std::vector<std::string>& commands = SessionCommands();
  for (std::size_t i = 0; i < commands.size(); ++i) {
    const std::string word = " " + commands[i] + (i + 1 < commands.size() ? "," : "");
    if (line.size() + word.size() > 79) {
      text += line + "\n";
      line = "           ";
    }
    line += word;
  }
  return text + line + "\n";
}

// What each command does, as the help lists it under the usage.
struct CommandHelp {
  const char* name;
  std::string text;
};

std::vector<CommandHelp> CommandHelps() {
  return {
      {"session",
       "  session   plays the window headless from a script (standard input when no\n"
       "            SCRIPT is given), one command a line:\n" +
           SessionCommandList()},
      {"rate",
       "  rate      runs each puzzle of the files (or standard input) through Play and\n"
       "            prints its rating; --json gives one object a line, with the fine\n"
       "            score; -j N rates on N threads (default: one per core); exit\n"
       "            status 1 when no puzzle was read\n"},
      {"generate",
       "  generate  creates N schemes with \"New (create)\"; with --difficulty\n"
       "            easy|medium|difficult|diabolic N schemes aimed at that level (one\n"
       "            solution each, rated so by Play); --trials (diabolic only): schemes\n"
       "            that need a trial; --seed S: the same schemes every run; --plain:\n"
       "            the generator's speed-ups off; --batch DIR writes the ten schemes\n"
       "            of the F11 batch into DIR\n"},
      {"print",
       "  print     writes the print arrangement document of a scheme beside it, or\n"
       "            with --pdf the same sheet as a PDF into FILE, named exactly so;\n"
       "            when the solvability control does not finish it writes nothing\n"
       "            and exits with status 1\n"},
      {"practice",
       "  practice  prints K positions (default 1) where method N (1-16, the numbers of\n"
       "            the priority dialog) gives the next step in the standard order;\n"
       "            --json gives one object a line (--stats adds its time); the same\n"
       "            --seed gives the same positions\n"},
  };
}

const char kExitStatus[] =
    "\nExit status: 0 done; 1 when a command failed (a session line, no puzzle\n"
    "read, no document written) or its output could not be written (a full\n"
    "disk); 2 for bad arguments.\n"
    "See tessora-cli(1) for the details.\n";

int Help() {
  std::cout << "tessora-cli: the Tessora Sudoku tutor without its window.\n\n" << kUsage << "\n";
  for (const CommandHelp& c : CommandHelps()) std::cout << c.text;
  std::cout << kExitStatus;
  return 0;
}

// "tessora-cli rate --help": the usage lines and the description of that
// command alone.
int HelpOf(const std::string& cmd) {
  std::string usage;
  const std::string own = std::string("tessora-cli ") + cmd + " ";
  for (std::size_t at = 0; at < sizeof kUsage - 1;) {
    const std::size_t end = std::string_view(kUsage).find('\n', at);
    const std::string line(kUsage + at, kUsage + end + 1);
    if (line.find(own) != std::string::npos) usage += (usage.empty() ? "usage: " : "       ") + line.substr(7);
    at = end + 1;
  }
  std::cout << usage << "\n";
  for (const CommandHelp& c : CommandHelps())
    if (cmd == c.name) std::cout << c.text;
  std::cout << kExitStatus;
  return 0;
}

// A command's arguments ask for its help: --help or -h among them.
bool AsksForHelp(const std::vector<std::string>& args) {
  for (const std::string& a : args)
    if (a == "--help" || a == "-h") return true;
  return false;
}

int Session(const std::vector<std::string>& all) {
  using cli::Arguments;
  using cli::ParseArguments;
  Arguments parsed;
  std::string error;
  if (!ParseArguments(all, {}, parsed, error) || parsed.operands.size() > 1) {
    if (!error.empty()) std::cerr << "tessora-cli session: " << error << "\n";
    return Usage();
  }
  const std::vector<std::string>& args = parsed.operands;
  ScriptedPlatform platform;
  platform.pdfRenderer = cli::RenderPdfWithModule;  // "Export PDF..." loads the module when used
  Form1 form(platform);
  form.Form_Load();
  int failures = 0;
  if (args.empty()) {
    failures = RunSession(form, platform, std::cin, std::cout, std::cerr);
  } else {
    std::error_code ec;
    if (std::filesystem::is_directory(args[0], ec)) {
      std::cerr << "tessora-cli: " << args[0] << " is a folder, not a script\n";
      return 2;
    }
    std::ifstream in(args[0]);
    if (!in) {
      std::cerr << "tessora-cli: cannot read " << args[0] << "\n";
      return 2;
    }
    failures = RunSession(form, platform, in, std::cout, std::cerr);
  }
  return failures ? 1 : 0;
}

int Run(const std::string& cmd, const std::vector<std::string>& args) {
  if (cmd == "--help" || cmd == "-h" || cmd == "help") return Help();
  if (cmd == "--version") {
    std::cout << "tessora-cli " << kVersion << "\n";
    return 0;
  }
  const bool known = cmd == "session" || cmd == "rate" || cmd == "generate" || cmd == "print" || cmd == "practice";
  if (known && AsksForHelp(args)) return HelpOf(cmd);
  if (cmd == "session") return Session(args);
  if (cmd == "rate") return cli::Rate(args);
  if (cmd == "generate") return cli::Generate(args);
  if (cmd == "print") return cli::Print(args);
  if (cmd == "practice") return cli::Practice(args);
  return Usage();
}

// A command's status once its output has reached standard output: a write
// that failed (a full disk, a closed output) is reported, and a command that
// went well then ends with status 1, never 0 with its output cut.
int WithOutputChecked(int status) {
  errno = 0;
  std::cout.flush();
  const int error = errno;
  if (std::cout && !std::ferror(stdout)) return status;
  std::cerr << "tessora-cli: cannot write to standard output"
            << (error ? std::string(": ") + std::strerror(error) : std::string()) << "\n";
  return status == 0 ? 1 : status;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  std::string cmd = args[0];
  args.erase(args.begin());
  return WithOutputChecked(Run(cmd, args));
}
