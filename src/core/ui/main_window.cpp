#include "ui/main_window.h"

#include "methods/registry.h"

namespace tessora {

const char* KindName(Kind k) {
  switch (k) {
    case Kind::Button: return "button";
    case Kind::Option: return "option";
    case Kind::CheckBox: return "checkbox";
    case Kind::Combo: return "combo";
    case Kind::Label: return "label";
    case Kind::Frame: return "frame";
    case Kind::Picture: return "picture";
    case Kind::Image: return "image";
    case Kind::Shape: return "shape";
    case Kind::ListBox: return "listbox";
    case Kind::TextBox: return "textbox";
    case Kind::Timer: return "timer";
    case Kind::Menu: return "menu";
    case Kind::Separator: return "separator";
    case Kind::Line: return "line";
  }
  return "?";
}

namespace {

void Place(Control& c, int left, int top, int width, int height) {
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
}

const char* const kQuickGuide[22] = {
    "1 - To build a Sudoku: click on \"Initial data\", write all known",
    "     Values into their Cells, and click \"Play\" when finished",
    "2 - Write missing Values, supported by \"Show",
    "     Candidates\" and with the Tessora's aid",
    "     (Candidates are automatically updated)",
    "3 - Possible effects on the Cells:",
    "     . mouse, space o small arrows can move the yellow Cell",
    "     . the yellow Cell accepts 1-9 keyed Values (if they are right)",
    "     . to cancel some Candidates in a Cell: ",
    "       right click in the Cell, remove their V sign, and use",
    "       the ESC key when finished",
    "     . when double clicking on a Cell showing a certain Value: ",
    "       if it has white backgound, all those with same Value become pink,",
    "       if it is pink already, all those excluded by that Value become grey",
    "     . double click on an empty Cell (or ESC key): ",
    "       cancels all colored backgrounds",
    "4 - Trial Mode:",
    "     . from 'Tools' menu clic 'Enable Advanced Functions'",
    "       (if disabled) and select \"Conjugated Pairs\" or \"All\"",
    "     . click on the starting Cell and follow the instructons",
    "       on the blackboard (ESC to abort)",
    "5 - More functions: see the Entire Guide)",
};

}  // namespace

Control& MainWindow::Add(Control& c, const std::string& name, Kind kind, const std::string& parent,
                         const std::string& caption) {
  c.name = name;
  c.kind = kind;
  c.parent = parent;
  c.caption = caption;
  order_.push_back(&c);
  if (kind == Kind::Option) options_.push_back(&c);
  byName_[name] = &c;
  return c;
}

MainWindow::MainWindow() {
  width = 12120;
  height = 8160;

  // Command buttons.
  Place(Add(Apri, "Apri", Kind::Button, "", "Open"), 120, 240, 1335, 375);
  Place(Add(DatIniz, "DatIniz", Kind::Button, "", "Initial Data"), 120, 720, 1335, 375);
  Place(Add(Gioca, "Gioca", Kind::Button, "", "Play"), 120, 1200, 1335, 375);
  Place(Add(Salva, "Salva", Kind::Button, "", "Save"), 120, 4800, 1335, 375);
  Place(Add(Azzera, "Azzera", Kind::Button, "", "Clear All"), 120, 5280, 1335, 375);

  // Candidate views.
  Place(Add(SuggeFrame, "SuggeFrame", Kind::Frame, "", "Show Candidates"), 120, 1680, 1455, 3015);
  Place(Add(Sugge0, "Sugge0", Kind::Option, "SuggeFrame", "None"), 100, 240, 1215, 255);
  Place(Add(Sugge1, "Sugge1", Kind::Option, "SuggeFrame", "All"), 100, 480, 1215, 255);
  Place(Add(Sugge2, "Sugge2", Kind::Option, "SuggeFrame", "Only if ="), 100, 720, 1215, 255);
  Place(Add(Sugge3a, "Sugge3a", Kind::Combo, "SuggeFrame", ""), 960, 720, 495, 315);
  Sugge3a.text = "Scelta Candidato";
  Place(Add(Sugge3b, "Sugge3b", Kind::Button, "SuggeFrame", "Instance"), 480, 1080, 855, 280);
  Place(Add(Sugge3c, "Sugge3c", Kind::Button, "SuggeFrame", "Net"), 480, 1440, 855, 280);
  Place(Add(Sugge3d, "Sugge3d", Kind::Button, "SuggeFrame", "Exclusion"), 480, 1800, 855, 280);
  Place(Add(Sugge5, "Sugge5", Kind::Label, "SuggeFrame", "Trial Mode:"), 120, 2160, 1215, 255);
  Place(Add(Sugge6, "Sugge6", Kind::Option, "SuggeFrame", "Conj.Pairs"), 80, 2400, 1340, 255);
  Place(Add(Sugge8, "Sugge8", Kind::Option, "SuggeFrame", "All"), 80, 2640, 1000, 255);

  // Status line; the left edges are set by the board layout of Clear All.
  Place(Add(Fatti, "Fatti", Kind::Label, "", "0"), 0, 240, 615, 375);
  Fatti.fontName = font::Sans;
  Fatti.fontSize = 18;
  Fatti.centred = true;
  Fatti.back = colour::MenuBack;
  Place(Add(Resto, "Resto", Kind::Label, "", "cells of 81"), 0, 240, 1935, 375);
  Resto.fontName = font::Sans;
  Resto.fontSize = 18;
  Resto.centred = true;
  Place(Add(Semaf, "Semaf", Kind::Shape, "", ""), 0, 240, 615, 615);
  Semaf.back = colour::Green;
  Place(Add(SemaLab, "SemaLab", Kind::Label, "", "GO!"), 0, 480, 615, 180);
  SemaLab.fontName = font::Sans;
  SemaLab.fontSize = 8.25;
  SemaLab.bold = true;
  SemaLab.centred = true;
  SemaLab.back = colour::Green;
  Place(Add(NErr, "NErr", Kind::Label, "", ""), 0, 720, 480, 195);
  NErr.fore = colour::Red;

  // Advice container: the blackboard and the panels below it.
  Place(Add(FraCons, "FraCons", Kind::Frame, "", ""), 0, 0, 3975, 5055);
  Place(Add(ListCons, "ListCons", Kind::ListBox, "FraCons", ""), 0, 0, 3975, 1695);
  ListCons.back = colour::Black;
  ListCons.fore = colour::White;
  ListCons.fontName = font::Comic;
  ListCons.fontSize = 9.75;
  ListCons.bold = true;
  Place(Add(Cons0, "Cons0", Kind::Label, "FraCons", "ADVICE"), 0, 1800, 3975, 255);
  Cons0.bold = true;
  Cons0.centred = true;
  Place(Add(Cons1, "Cons1", Kind::Button, "FraCons", "Method ?"), 0, 2100, 1275, 375);
  Place(Add(Cons2, "Cons2", Kind::Button, "FraCons", "Value ?"), 1350, 2100, 1275, 375);
  Place(Add(Cons3, "Cons3", Kind::Button, "FraCons", "Where ?"), 2700, 2100, 1275, 375);
  Cons3.tooltip = "\"Tieni premuto\"";
  Place(Add(Applica, "Applica", Kind::Button, "FraCons", "Do it"), 1350, 2550, 1275, 375);
  Place(Add(Tenta0, "Tenta0", Kind::Label, "FraCons", "TRIAL"), 0, 3060, 3975, 255);
  Tenta0.bold = true;
  Tenta0.centred = true;
  Place(Add(VaiTenta, "VaiTenta", Kind::Button, "FraCons", "Continue"), 600, 3360, 1275, 375);
  Place(Add(AppTenta, "AppTenta", Kind::Button, "FraCons", "Do it"), 2100, 3360, 1275, 375);
  // The correction panel and the trial chooser float over the board beside
  // the cell they belong to: they are the window's own, placed as they open.
  Place(Add(CorCanF, "CorCanF", Kind::Frame, "", ""), 0, 3840, 3975, 600);
  CorCanF.back = 0xC0E0FF;  // RGB(255,224,192)
  Place(Add(CorCanT, "CorCanT", Kind::Label, "CorCanF", ""), 20, 0, 3900, 255);
  CorCanT.fontName = font::Mono;
  CorCanT.fore = colour::Red;
  CorCanT.back = 0xC0E0FF;
  CorCanT.tooltip = "Togli qualche V";
  Place(Add(CorCan, "CorCan", Kind::TextBox, "CorCanF", ""), 2000, 300, 900, 255);
  CorCan.visible = false;
  Place(Add(CorVF, "CorVF", Kind::Frame, "", ""), 0, 4500, 400, 555);
  CorVF.back = colour::LightGreen;
  CorVF.visible = false;

  // Pictures and hidden helpers.
  // Under the board, right of the solution panel APeri: at the old place (left 240,
  // top 3600) the picture covered the board's first column and the Save button.
  Place(Add(ImaCompl, "ImaCompl", Kind::Image, "", ""), 4560, 6240, 2295, 1485);
  ImaCompl.visible = false;
  Place(Add(Peri, "Peri", Kind::Picture, "", ""), 120, 5760, 1860, 1935);
  Peri.fontName = font::Mono;
  Peri.fontSize = 8.25;
  Peri.visible = false;
  Place(Add(APeri, "APeri", Kind::Picture, "", ""), 0, 0, 1860, 1935);
  APeri.fontName = font::Mono;
  APeri.fontSize = 8.25;
  APeri.visible = false;  // it holds the trial solution: shown only with Peri
  Add(Poss2, "Poss2", Kind::ListBox, "", "").visible = false;
  Add(Poss3, "Poss3", Kind::ListBox, "", "").visible = false;
  Add(TempEr, "TempEr", Kind::Timer, "", "").interval = 1000;
  TempEr.enabled = false;
  Add(TempCons, "TempCons", Kind::Timer, "", "").interval = 500;
  TempCons.enabled = false;

  // Menu bar.
  Add(mFile, "mFile", Kind::Menu, "", "File");
  Add(mApri, "mApri", Kind::Menu, "mFile", "Open").shortcut = "Ctrl+O";
  Add(mRecenti, "mRecenti", Kind::Menu, "mFile", "Recent Schemes").enabled = false;
  mRec.resize(kRecentFiles);
  for (int i = 0; i < kRecentFiles; ++i) {
    Control& item = Add(mRec[i], "mRec(" + std::to_string(i) + ")", Kind::Menu, "mRecenti", "");
    item.enabled = false;
    item.visible = false;
  }
  Add(mCrea, "mCrea", Kind::Menu, "mFile", "New (create)");
  Add(mCreaLiv, "mCreaLiv", Kind::Menu, "mFile", "New (create) of level");
  mLiv.resize(5);
  for (int i = 0; i < 5; ++i)
    Add(mLiv[i], "mLiv(" + std::to_string(i) + ")", Kind::Menu, "mCreaLiv",
        i < 4 ? std::string(RatingWord(kRatings[i])) : std::string("Diabolic, with trials"));
  Add(mAzzer, "mAzzer", Kind::Menu, "mFile", "Clear All");
  Add(mSalva, "mSalva", Kind::Menu, "mFile", "Save").shortcut = "Ctrl+S";
  Add(mEspPdf, "mEspPdf", Kind::Menu, "mFile", "Export PDF...");
  Add(msp1, "msp1", Kind::Separator, "mFile", "-");
  Add(mChiudi, "mChiudi", Kind::Menu, "mFile", "Exit").shortcut = "Ctrl+Q";
  Add(mModifica, "mModifica", Kind::Menu, "", "Edit");
  Add(mCopia, "mCopia", Kind::Menu, "mModifica", "Copy Scheme").shortcut = "Ctrl+C";
  Add(mIncolla, "mIncolla", Kind::Menu, "mModifica", "Paste Scheme").shortcut = "Ctrl+V";
  Add(msp13, "msp13", Kind::Separator, "mModifica", "-");
  Add(mAnnulla, "mAnnulla", Kind::Menu, "mModifica", "Undo Move").shortcut = "Ctrl+Z";
  mAnnulla.enabled = false;
  Add(mAzio, "mAzio", Kind::Menu, "", "View");
  Add(mSugge0, "mSugge0", Kind::Menu, "mAzio", "No Candidates");
  Add(mSugge1, "mSugge1", Kind::Menu, "mAzio", "All Candidates");
  Add(mSugge2, "mSugge2", Kind::Menu, "mAzio", "Only if =");
  Add(mSugge6, "mSugge6", Kind::Menu, "mAzio", "Trials on Conjugated Pairs");
  Add(mSugge8, "mSugge8", Kind::Menu, "mAzio", "Trials on All Candidates");
  Add(msp2, "msp2", Kind::Separator, "mAzio", "-");
  Add(mSoluz, "mSoluz", Kind::Menu, "mAzio", "Final Solution").shortcut = "F12";
  mSoluz.enabled = false;
  Add(msp12, "msp12", Kind::Separator, "mAzio", "-");
  Add(mZoom, "mZoom", Kind::Menu, "mAzio", "Zoom");
  Add(mZoom100, "mZoom100", Kind::Menu, "mZoom", "100 %").checked = true;
  Add(mZoom125, "mZoom125", Kind::Menu, "mZoom", "125 %");
  Add(mZoom150, "mZoom150", Kind::Menu, "mZoom", "150 %");
  Add(mZoom200, "mZoom200", Kind::Menu, "mZoom", "200 %");
  Add(mStrumenti, "mStrumenti", Kind::Menu, "", "Tools");
  Add(mApplica, "mApplica", Kind::Menu, "mStrumenti", "Apply Suggestion or Trial").shortcut = "F2";
  mApplica.enabled = false;
  Add(msp3, "msp3", Kind::Separator, "mStrumenti", "-");
  Add(mCanMoss, "mCanMoss", Kind::Menu, "mStrumenti", "Clear Moves (blue cells)").enabled = false;
  Add(mNuoVal, "mNuoVal", Kind::Menu, "mStrumenti", "Verifiy Solvability").enabled = false;
  Add(mRicMan, "mRicMan", Kind::Menu, "mStrumenti", "Redo Candidates").enabled = false;
  Add(msp4, "msp4", Kind::Separator, "mStrumenti", "-");
  Add(mPerSuCom, "mPerSuCom", Kind::Menu, "mStrumenti", "For Sudoku with Trials:").enabled = false;
  Add(mMosRiso, "mMosRiso", Kind::Menu, "mPerSuCom", "Show Resolving Move").enabled = false;
  Add(mRicFla, "mRicFla", Kind::Menu, "mPerSuCom", "Reload Flash (before Error)").enabled = false;
  Add(msp9, "msp9", Kind::Separator, "mStrumenti", "-");
  Add(mFunzAva, "mFunzAva", Kind::Menu, "mStrumenti", "Enable Advanced Functions");
  Add(mTastiera, "mTastiera", Kind::Menu, "mStrumenti", "Arrow Keys in Play");
  Add(mOpzio, "mOpzio", Kind::Menu, "mStrumenti", "Advice's Priority...");
  Add(mValuta, "mValuta", Kind::Menu, "mStrumenti", "Difficulty Level").enabled = false;
  Add(msp14, "msp14", Kind::Separator, "mStrumenti", "-");
  Add(mPratica, "mPratica", Kind::Menu, "mStrumenti", "Practice...");
  Add(mProssima, "mProssima", Kind::Menu, "mStrumenti", "Next Position").shortcut = "F3";
  mProssima.enabled = false;
  Add(msp11, "msp11", Kind::Separator, "mStrumenti", "-");
  Add(mCreaDoc, "mCreaDoc", Kind::Menu, "mStrumenti", "Arrange for Printing (*.doc file)");
  Add(msp5, "msp5", Kind::Separator, "mStrumenti", "-");
  Add(mUsaSS, "mUsaSS", Kind::Menu, "mStrumenti", "Save as *.ss File");
  Add(mAiuto, "mAiuto", Kind::Menu, "", "Help");
  Add(mGuida, "mGuida", Kind::Menu, "mAiuto", "Entire Guide (F1)");
  Add(mRapida, "mRapida", Kind::Menu, "mAiuto", "Quick Guide");
  mRapidaLines.resize(22);
  for (int i = 0; i < 22; ++i)
    Add(mRapidaLines[i], "mRapida(" + std::to_string(i) + ")", Kind::Menu, "mRapida", kQuickGuide[i]);
  Add(mProgressi, "mProgressi", Kind::Menu, "mAiuto", "My Progress");
  Add(msp8, "msp8", Kind::Separator, "mAiuto", "-");
  Add(mInfo, "mInfo", Kind::Menu, "mAiuto", "About");

  // Designed elements 0 of the arrays.
  ri.resize(1);
  co.resize(1);
  liO.resize(1);
  liV.resize(1);
  cM.resize(1);
  cv1.resize(1);
  for (auto* arr : {&ri, &co}) {
    Control& c = (*arr)[0];
    c.kind = Kind::Label;
    c.width = 105;
    c.height = 195;
    c.fore = colour::DarkGreen;
    c.back = colour::ButtonFace;
    c.centred = arr == &co;
  }
  ri[0].name = "ri(0)";
  co[0].name = "co(0)";
  liO[0].name = "liO(0)";
  liV[0].name = "liV(0)";
  liO[0].kind = liV[0].kind = Kind::Line;
  liO[0].fore = liV[0].fore = colour::Black;
  cM[0].name = "cM(0)";
  cM[0].kind = Kind::CheckBox;
  cM[0].parent = "CorCanF";
  Place(cM[0], 20, 300, 195, 195);
  cM[0].back = colour::WindowBack;
  cM[0].fore = colour::WindowText;
  cv1[0].name = "cv1(0)";
  cv1[0].kind = Kind::Option;
  cv1[0].parent = "CorVF";
  Place(cv1[0], 0, 120, 400, 255);
  cv1[0].back = colour::LightGreen;
  cv1[0].visible = false;

  for (int i = 0; i < kCells; ++i) caN[i].tooltip = std::to_string(i);
}

Control* MainWindow::Find(const std::string& name) {
  auto it = byName_.find(name);
  if (it != byName_.end()) return it->second;
  auto open = name.find('(');
  if (open == std::string::npos || name.back() != ')') return nullptr;
  std::string base = name.substr(0, open);
  int index = -1;
  try {
    index = std::stoi(name.substr(open + 1));
  } catch (...) {
    return nullptr;
  }
  std::vector<Control>* arr = nullptr;
  if (base == "ri") arr = &ri;
  else if (base == "co") arr = &co;
  else if (base == "liO") arr = &liO;
  else if (base == "liV") arr = &liV;
  else if (base == "cM") arr = &cM;
  else if (base == "cv1") arr = &cv1;
  if (!arr || index < 0 || index >= static_cast<int>(arr->size())) return nullptr;
  return &(*arr)[index];
}

PriorityWindow::PriorityWindow() {
  auto set = [](Control& c, const char* name, Kind kind, const char* caption, int l, int t, int w, int h) {
    c.name = name;
    c.kind = kind;
    c.caption = caption;
    Place(c, l, t, w, h);
  };
  set(Prio, "Prio", Kind::ListBox, "", 360, 240, 3375, 4140);
  Prio.fontName = font::Sans;
  Prio.back = colour::WindowBack;
  Prio.fore = colour::WindowText;
  set(portaSu, "portaSu", Kind::Button, "^", 3840, 1800, 375, 375);
  set(portaGiu, "portaGiu", Kind::Button, "v", 3840, 2280, 375, 375);
  set(faiStd, "faiStd", Kind::Button, "Standard", 360, 4680, 975, 375);
  set(faiEsci, "faiEsci", Kind::Button, "OK", 2760, 4680, 975, 375);
}

}  // namespace tessora
