// About and help: the information window, "Entire Guide" and F1.
#include "ui/about.h"

#include "ui/form1.h"

namespace tessora {

AboutWindow::AboutWindow() {
  auto set = [](Control& c, const char* name, Kind kind, const std::string& caption, int l, int t, int w, int h) {
    c.name = name;
    c.kind = kind;
    c.caption = caption;
    c.left = l;
    c.top = t;
    c.width = w;
    c.height = h;
  };
  set(Label1, "Label1", Kind::Label,
      "Free to use, copy and share, for learning\r\nand play. It comes with no warranty.", 360, 240, 3975, 615);
  set(Label2, "Label2", Kind::Label, kProductTitle + " Versione " + kVersion, 360, 1200, 3375, 255);
  set(Label4, "Label4", Kind::Label, "The Tessora developers, December 2026", 360, 1560, 3375, 255);
  set(Command1, "Command1", Kind::Button, "OK", 3840, 1440, 735, 375);
}

int HelpContext(const std::string& control) { return control == "mAiuto" || control == "mGuida" ? kGuideTopic : 0; }

void Form1::mInfo_Click() {
  // One window at a time: a second "About" brings the open one forward.
  if (form4.open) {
    form4.raised += 1;
    return;
  }
  form4 = AboutWindow();
  form4.open = true;
}

void Form1::Form4_Command1_Click() { form4.open = false; }

void Form1::mGuida_Click() {
  // The guide installed with the program opens in the desktop's browser;
  // nothing found in the user's folders is ever run.
  if (!platform.OpenGuide(kGuideFile)) MsgBox("Click F1 for the Guide", MsgButtons::Ok, "Attention", true);
}

void Form1::F1Help(const std::string& highlighted) {
  int topic = 0;
  for (const Control* c = highlighted.empty() ? nullptr : w.Find(highlighted); c; c = w.Find(c->parent)) {
    topic = HelpContext(c->name);
    if (topic || c->parent.empty()) break;
  }
  platform.ShowHelp(kGuideFile, topic);
}

}  // namespace tessora
