// The one option parser of tessora-cli (options.h).
#include "options.h"

namespace tessora::cli {

bool ParseArguments(const std::vector<std::string>& args, std::span<const Option> options, Arguments& out,
                    std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() < 2 || a[0] != '-') {
      out.operands.push_back(a);  // a file, or "-" for standard input
      continue;
    }
    const Option* found = nullptr;
    std::string value;
    bool attached = false;
    for (const Option& o : options) {
      if (a == o.name) {
        found = &o;
        break;
      }
      // "--pdf=FILE", and a short option's value written on it ("-j4").
      const bool longForm = o.name.size() > 2 && a.compare(0, o.name.size() + 1, o.name + "=") == 0;
      const bool shortForm = o.name.size() == 2 && a.size() > 2 && a.compare(0, 2, o.name) == 0;
      if (o.takesValue && (longForm || shortForm)) {
        found = &o;
        value = a.substr(o.name.size() + (longForm ? 1 : 0));
        attached = true;
        break;
      }
    }
    if (!found) {
      error = "unknown option " + a;
      return false;
    }
    if (found->takesValue && !attached) {
      if (i + 1 >= args.size()) {
        error = found->name + " needs " + (*found->value ? found->value : "a value");
        return false;
      }
      value = args[++i];
    }
    out.values[found->name] = value;
  }
  return true;
}

bool ParseCount(const std::string& text, long low, long high, long& value) {
  if (text.empty() || text.size() > 9) return false;
  long v = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return false;
    v = 10 * v + (ch - '0');
  }
  if (v < low || v > high) return false;
  value = v;
  return true;
}

}  // namespace tessora::cli
