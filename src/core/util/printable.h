// Text that came from outside (a script line, a name typed by the user) made
// safe to print on a terminal.
#pragma once

#include <string>
#include <string_view>

namespace tessora {

// `text` with its control characters (C0, DEL and the C1 range) and every
// byte that is not part of a UTF-8 character written as \xNN, so that
// printing it cannot move the cursor, retitle the terminal or the like.
// Other characters, accented letters among them, stay as they are.
std::string PrintableText(std::string_view text);

}  // namespace tessora
