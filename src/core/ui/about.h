// The information window Form4 "Information - Tessora" of Help > "About":
// one instance at a time, modeless, closed by its "OK" button.
#pragma once

#include <string>
#include <vector>

#include "ui/window.h"

namespace tessora {

struct AboutWindow {
  AboutWindow();
  bool open = false;
  int raised = 0;  // how often "About" brought the open window forward
  std::string caption = "Information - Tessora";
  int width = 4680, height = 2100;  // client area, twips
  Control Label1, Label2, Label4, Command1;
  std::vector<Control*> Controls() { return {&Label1, &Label2, &Label4, &Command1}; }
};

// The guide: the page shown by the program's help viewer (F1) and installed
// beside the program for the desktop's browser ("Entire Guide").
inline const std::string kGuideFile = "tessora-guide.html";
// The help topic of the Help menu and of its "Entire Guide" item.
constexpr int kGuideTopic = 1000;

// The help topic that a menu or menu item carries (0: none). F1 on a
// highlighted item opens the guide at the topic of the item or of the nearest
// menu above it, at the start when none carries one.
int HelpContext(const std::string& control);

}  // namespace tessora
