// What a screen reader says of the window: an accessible name, and where it
// helps a description, for every cell and every control, made from the
// window's state (the dump shows them; the Qt view hands them to the
// desktop's accessibility layer).
#pragma once

#include <string>

namespace tessora {

class Form1;
struct Control;

struct AccessibleText {
  std::string name;
  std::string description;
};

// A cell: its row, its column and what it holds, as "row A, column f: 7,
// given" or "row B, column c: empty, candidates 2 4 7"; the description
// tells its marking ("cursor", "marked", ...).
AccessibleText CellAccessible(const Form1& f, int cell);

// A control of the main window, of the priority dialog or of the information
// window: its caption, or a name that says what it is when the caption alone
// does not (the light, the blackboard, the options named "All").
AccessibleText ControlAccessible(const Form1& f, const Control& c);

}  // namespace tessora
