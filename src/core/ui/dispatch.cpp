// Routing of events by control name, for the session scripts and the Qt
// front end: a click only reaches a control the user could click now.
#include <map>
#include <utility>

#include "ui/form1.h"

namespace tessora {

namespace {

using Handler = void (Form1::*)();

const std::map<std::string, Handler>& ClickHandlers() {
  static const std::map<std::string, Handler> table = {
      {"Apri", &Form1::Apri_Click},
      {"mApri", &Form1::Apri_Click},
      {"Salva", &Form1::Salva_Click},
      {"mSalva", &Form1::Salva_Click},
      {"DatIniz", &Form1::DatIniz_Click},
      {"Gioca", &Form1::Gioca_Click},
      {"Azzera", &Form1::Azzera_Click},
      {"mAzzer", &Form1::mAzzer_Click},
      {"mCrea", &Form1::mCrea_click},
      {"mChiudi", &Form1::mChiudi_Click},
      {"mSugge0", &Form1::mSugge0_Click},
      {"mSugge1", &Form1::mSugge1_Click},
      {"mSugge2", &Form1::mSugge2_Click},
      {"mSoluz", &Form1::mSoluz_Click},
      {"mCanMoss", &Form1::mCanMoss_click},
      {"mNuoVal", &Form1::mNuoVal_Click},
      {"mRicMan", &Form1::mRicMan_Click},
      {"mRicFla", &Form1::mRicFla_Click},
      {"mFunzAva", &Form1::mFunzAva_Click},
      {"mTastiera", &Form1::mTastiera_Click},
      {"mOpzio", &Form1::mOpzio_click},
      {"mValuta", &Form1::mValuta_Click},
      {"mUsaSS", &Form1::mUsaSS_Click},
      {"mCreaDoc", &Form1::mCreaDoc_Click},
      {"mEspPdf", &Form1::mEspPdf_Click},
      {"mGuida", &Form1::mGuida_Click},
      {"mInfo", &Form1::mInfo_Click},
      {"mZoom100", &Form1::mZoom100_Click},
      {"mZoom125", &Form1::mZoom125_Click},
      {"mZoom150", &Form1::mZoom150_Click},
      {"mZoom200", &Form1::mZoom200_Click},
      {"Applica", &Form1::DoIt_Click},
      {"mPratica", &Form1::mPratica_Click},
      {"mProssima", &Form1::mProssima_Click},
      {"mProgressi", &Form1::mProgressi_Click},
      {"mApplica", &Form1::mApplica_Click},
      {"mMosRiso", &Form1::mMosRiso_click},
      // The guided trials.
      {"mSugge6", &Form1::mSugge6_Click},
      {"mSugge8", &Form1::mSugge8_Click},
      {"VaiTenta", &Form1::VaiTenta_click},
      {"AppTenta", &Form1::AppTenta_Click},
      {"mCopia", &Form1::mCopia_Click},
      {"mIncolla", &Form1::mIncolla_Click},
      {"mAnnulla", &Form1::mAnnulla_Click},
  };
  return table;
}

// The buttons that act while held: their press and their release.
const std::map<std::string, std::pair<Handler, Handler>>& HeldHandlers() {
  static const std::map<std::string, std::pair<Handler, Handler>> table = {
      {"Cons1", {&Form1::Cons1_MouseDown, &Form1::Cons1_MouseUp}},
      {"Cons2", {&Form1::Cons2_MouseDown, &Form1::Cons2_MouseUp}},
      {"Cons3", {&Form1::Cons3_MouseDown, &Form1::Cons3_MouseUp}},
      {"Sugge3b", {&Form1::Sugge3b_MouseDown, &Form1::Sugge3b_MouseUp}},
      {"Sugge3c", {&Form1::Sugge3c_MouseDown, &Form1::Sugge3c_MouseUp}},
      {"Sugge3d", {&Form1::Sugge3d_MouseDown, &Form1::Sugge3d_MouseUp}},
  };
  return table;
}

const std::map<std::string, Handler>& Form3Handlers() {
  static const std::map<std::string, Handler> table = {
      {"portaSu", &Form1::portaSu_Click},
      {"portaGiu", &Form1::portaGiu_Click},
      {"faiStd", &Form1::faiStd_Click},
      {"faiEsci", &Form1::faiEsci_Click},
  };
  return table;
}

}  // namespace

// A control the user can reach: enabled and visible, and so are its containers
// (for menu items: the menus above it are enabled).
static bool Reachable(MainWindow& w, const Control& c) {
  const bool isMenu = c.kind == Kind::Menu;
  if (!c.enabled || (!isMenu && !c.visible)) return false;
  if (c.parent.empty()) return true;
  const Control* parent = w.Find(c.parent);
  return parent && Reachable(w, *parent);
}

bool Form1::Click(const std::string& name) {
  if (unloaded) return false;
  const Drawn drawn(*this);
  if (form3.open) {
    auto it = Form3Handlers().find(name);
    if (it == Form3Handlers().end()) return false;
    for (Control* c : form3.Controls())
      if (c->name == name && !c->enabled) return false;
    (this->*it->second)();
    return true;
  }
  // The information window is modeless: its button beside the main window's controls.
  if (form4.open && name == "Command1") {
    Form4_Command1_Click();
    return true;
  }
  Control* c = w.Find(name);
  if (!c || !Reachable(w, *c)) return false;
  if (c->kind == Kind::Option) {
    SelectOption(*c);
    return true;
  }
  if (c->kind == Kind::CheckBox) {
    c->checked = !c->checked;  // cM_Click does nothing more
    return true;
  }
  // File > New (create) of level: mLiv(0)..mLiv(4).
  for (int level = 0; level < static_cast<int>(w.mLiv.size()); ++level)
    if (c == &w.mLiv[level]) {
      keep.newGame = true;
      CreateOfLevel(level);
      return true;
    }
  // File > Recent Schemes: mRec(0)..mRec(7).
  for (int i = 0; i < static_cast<int>(w.mRec.size()); ++i)
    if (c == &w.mRec[i]) {
      OpenRecent(i);
      return true;
    }
  if (c == &w.mCrea) keep.newGame = true;
  auto it = ClickHandlers().find(name);
  if (it == ClickHandlers().end()) return false;
  (this->*it->second)();
  return true;
}

bool Form1::Press(const std::string& name) {
  Control* c = w.Find(name);
  if (unloaded || form3.open || !c || !Reachable(w, *c)) return false;
  auto it = HeldHandlers().find(name);
  if (it == HeldHandlers().end()) return false;
  const Drawn drawn(*this);
  (this->*it->second.first)();
  // A press that disabled its own button (advice on a complete board) is
  // over; any other waits for its release.
  heldButton = Reachable(w, *c) ? name : std::string();
  return true;
}

bool Form1::Release(const std::string& name) {
  Control* c = w.Find(name);
  // The button pressed last is released even when a key pressed meanwhile
  // disabled it: what its press showed must go.
  const bool held = !name.empty() && name == heldButton;
  heldButton.clear();
  if (unloaded || form3.open || !c || (!held && !Reachable(w, *c))) return false;
  auto it = HeldHandlers().find(name);
  if (it == HeldHandlers().end()) return false;
  const Drawn drawn(*this);
  (this->*it->second.second)();
  return true;
}

bool Form1::Pick(const std::string& name, const std::string& item) {
  if (unloaded) return false;
  if (form3.open && name == "Prio") {
    const auto& items = form3.Prio.items;
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i] == item || Trim(items[i]) == Trim(item)) {
        form3.Prio.listIndex = static_cast<int>(i);
        Prio_Click();
        return true;
      }
    return false;
  }
  // The digit of "Only if =": one of the combo's own items.
  Control* c = form3.open ? nullptr : w.Find(name);
  if (!c || c->kind != Kind::Combo || !Reachable(w, *c)) return false;
  for (const std::string& it : c->items)
    if (it == item || Trim(it) == Trim(item)) {
      const Drawn drawn(*this);
      c->text = it;
      if (c == &w.Sugge3a) Sugge3a_Click();
      return true;
    }
  return false;
}

bool Form1::Tick(const std::string& name) {
  if (unloaded) return false;
  const Drawn drawn(*this);
  if (name == "TempEr" && w.TempEr.enabled) {
    TempEr_Timer();
    return true;
  }
  if (name == "TempCons" && w.TempCons.enabled) {
    TempCons_Timer();
    return true;
  }
  return false;
}

void Form1::KeyDown(int keyCode, int shiftState) {
  if (unloaded || form3.open) return;
  const Drawn drawn(*this);
  if (keyCode == key::F1) {
    F1Help("");
    return;
  }
  if (shiftState == shift::Ctrl && (keyCode == 'O' || keyCode == 'S' || keyCode == 'Q')) {
    Click(keyCode == 'O' ? "mApri" : keyCode == 'S' ? "mSalva" : "mChiudi");
    return;
  }
  // The Edit menu's shortcuts.
  if (shiftState == shift::Ctrl && (keyCode == 'C' || keyCode == 'V' || keyCode == 'Z')) {
    Click(keyCode == 'C' ? "mCopia" : keyCode == 'V' ? "mIncolla" : "mAnnulla");
    return;
  }
  // The zoom's keys: Ctrl with plus, minus or 0 (plus is Shift with "=" on many keyboards).
  if ((shiftState & ~shift::Shift) == shift::Ctrl) {
    if (keyCode == key::Plus || keyCode == key::KeypadPlus || keyCode == key::Minus || keyCode == key::KeypadMinus) {
      ZoomStep(keyCode == key::Plus || keyCode == key::KeypadPlus ? 1 : -1);
      return;
    }
    if (shiftState == shift::Ctrl && (keyCode == key::Zero || keyCode == key::KeypadZero)) {
      ZoomStep(0);
      return;
    }
  }
  // The keys that hold the advice and view buttons.
  if (PressByKey(keyCode, shiftState)) return;
  if (keyCode == key::F11) keep.newGame = true;
  Form_KeyDown(keyCode, shiftState);
  if (shiftState != 0) return;
  if (keyCode == key::F2) Click("mApplica");
  else if (keyCode == key::F3) Click("mProssima");
  else if (keyCode == key::F12) Click("mSoluz");
}

}  // namespace tessora
