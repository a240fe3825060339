// The observable state of the main window as plain data: every control, every
// cell label, the grid lines, the figures drawn on the window and its caption.
// The Qt front end only draws this; tests and the command-line tool read it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tessora {

// Colours are stored as 0x00BBGGRR; values with the high bit set are system colours.
using Colour = std::uint32_t;

namespace colour {
constexpr Colour White = 0xFFFFFF;
constexpr Colour Black = 0x000000;
constexpr Colour LightYellow = 0xC0FFFF;  // cursor cell
constexpr Colour Pink = 0xFFC0FF;         // same value as the double-clicked cell
constexpr Colour Grey = 0xC0C0C0;         // excluded cell, hatching
constexpr Colour LightGrey = 0xE0E0E0;
constexpr Colour LightBlue = 0xFFC0C0;    // RGB(192,192,255)
constexpr Colour LightGreen = 0xC0FFC0;   // RGB(192,255,192)
constexpr Colour LightOrange = 0x80C0FF;  // RGB(255,192,128)
constexpr Colour Purple = 0x800080;
constexpr Colour Red = 0x0000FF;
constexpr Colour Green = 0x00FF00;
constexpr Colour Yellow = 0x00FFFF;
constexpr Colour DarkGreen = 0x008000;
constexpr Colour DarkBlue = 0xC00000;     // RGB(0,0,192): value keyed in play
constexpr Colour ButtonText = 0x80000012; // system colour: given values
constexpr Colour ButtonFace = 0x8000000F; // system colour: idle button face
constexpr Colour MenuBack = 0x80000004;   // system colour: menu background
constexpr Colour WindowBack = 0x80000005; // system colour: window background
constexpr Colour WindowText = 0x80000008; // system colour: window text
}  // namespace colour

namespace font {
inline const std::string Sans = "MS Sans Serif";
inline const std::string Mono = "Courier New";
inline const std::string Comic = "Comic Sans MS";
}  // namespace font

enum class Kind {
  Button,
  Option,
  CheckBox,
  Combo,
  Label,
  Frame,
  Picture,
  Image,
  Shape,
  ListBox,
  TextBox,
  Timer,
  Menu,       // a menu, a menu item or a submenu
  Separator,  // a menu separator
  Line,
};

const char* KindName(Kind k);

// One control of a window. Only the fields that apply to its kind are used.
struct Control {
  std::string name;
  Kind kind = Kind::Label;
  std::string parent;  // container control or parent menu; empty for the window
  std::string caption;
  std::string text;    // combo and text box text
  std::string tooltip;
  bool enabled = true;
  bool visible = true;
  bool checked = false;   // menu check mark, check box tick
  bool selected = false;  // option button
  Colour back = colour::ButtonFace;
  Colour fore = colour::ButtonText;
  std::string fontName;
  double fontSize = 0;  // 0: the default font of the toolkit
  bool bold = false;
  bool centred = false;
  int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the parent
  int borderWidth = 1;   // lines
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // lines, twips
  int interval = 0;  // timers, ms
  std::string shortcut;  // menus: "F2", "F12"
  std::vector<std::string> items;  // list box lines, combo items, picture box printed lines
  int listIndex = -1;  // selected line of a list box
};

// One cell label caN(i). The cell's state lives here: a value is a caption
// shown at 18 points; the ink tells its origin. The fields read most (caption,
// size, ink, background) come first, within one cache line.
struct CellLabel {
  std::string caption;
  double size = 9;
  Colour ink = colour::Red;
  Colour back = colour::White;
  bool border = false;
  bool visible = false;
  std::string font = font::Mono;
  std::string tooltip;
  int left = 0, top = 0;
  static constexpr int kWidth = 616, kHeight = 616;
};

// A figure drawn straight onto the window (circles and links of the "Net" view).
struct Figure {
  enum Type { Circle, Segment } type = Circle;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips; a circle uses (x1, y1) and radius
  int radius = 0;
  Colour colour = colour::DarkGreen;
  int widthPx = 1;
  bool filled = false;
};

}  // namespace tessora
