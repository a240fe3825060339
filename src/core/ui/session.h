// Scripted play: one command a line drives the window's handlers headless.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tessora {

class Form1;
class ScriptedPlatform;

// The commands a script line may begin with, in the order the help lists them.
const std::vector<std::string>& SessionCommands();

// Runs one script line; false (with a message in `error`) when the line is
// malformed or names something unknown. Blank lines and "#" lines do nothing.
// The message shows the line's control bytes escaped (\x1B), never raw.
bool RunSessionLine(Form1& f, ScriptedPlatform& p, const std::string& line, std::ostream& out,
                    std::string& error);

// Runs a whole script; returns the number of lines that failed (each is
// reported on `err` with its line number).
int RunSession(Form1& f, ScriptedPlatform& p, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tessora
