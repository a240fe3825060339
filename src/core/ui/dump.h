// The whole observable state of the window as one line of JSON.
#pragma once

#include <string>

namespace tessora {

class Form1;

// Colours as the program stores them: "0xC0FFFF", "0xFF", "0x80000012".
std::string ColourText(unsigned int c);

// The state as one JSON object; the message boxes listed are those shown
// since the previous dump, which this call forgets.
std::string DumpState(Form1& f);

}  // namespace tessora
