// The one option parser of tessora-cli: every command names its options and
// gets them back with its other arguments, or one message for what is wrong.
#pragma once

#include <map>
#include <span>
#include <string>
#include <vector>

namespace tessora::cli {

struct Option {
  std::string name;         // "--json", "-j"
  bool takesValue = false;  // the next argument (or "-j4", "--pdf=out.pdf") is its value
  const char* value = "";   // what the value is, for the message when it is missing
};

struct Arguments {
  std::map<std::string, std::string> values;  // the options given, with their values ("" for a flag)
  std::vector<std::string> operands;          // every other argument, in order ("-" included)

  bool Has(const std::string& name) const { return values.count(name) != 0; }
  const std::string& Value(const std::string& name) const { return values.at(name); }
};

// Reads `args` against the options of a command; false, with the message in
// `error` ("unknown option --bogus", "-n needs a value"), for anything else
// that starts with "-". An option given twice keeps its last value.
bool ParseArguments(const std::vector<std::string>& args, std::span<const Option> options, Arguments& out,
                    std::string& error);

// A whole number from `low` to `high` written alone (no sign, no blank, no
// trailing text); false otherwise.
bool ParseCount(const std::string& text, long low, long high, long& value);

}  // namespace tessora::cli
