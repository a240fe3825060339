// The candidate views "None", "All" and "Only if =", their View menu mirrors,
// "Enable Advanced Functions" and the way out of a trial view.
#include "ui/form1.h"

namespace tessora {

namespace {

// The text holds nothing but blanks (or nothing at all).
bool AllBlanks(const std::string& s) {
  for (char ch : s)
    if (ch != ' ') return false;
  return true;
}

// What the three candidate views share: the correction panel goes, input is
// allowed, a trial view ends, and the option's own menu item gets the mark.
void CommonViewPart(Form1& f, Control& ownItem) {
  f.RemoveCorrectionButtons();
  f.board.InputEnabled = true;
  if (f.w.mSugge6.checked || f.w.mSugge8.checked) f.EndTrialView();
  for (Control* m : {&f.w.mSugge0, &f.w.mSugge1, &f.w.mSugge2, &f.w.mSugge6, &f.w.mSugge8})
    m->checked = m == &ownItem;
}

void WhiteNoBorder(Form1& f) {
  for (auto& c : f.w.caN) {
    c.back = colour::White;
    c.border = false;
  }
}

void DisableDigitButtons(Form1& f, bool includingCombo) {
  if (includingCombo) f.w.Sugge3a.enabled = false;
  for (Control* b : {&f.w.Sugge3b, &f.w.Sugge3c, &f.w.Sugge3d}) b->enabled = false;
}

// Filled cells show their snapshot captions, empty cells nothing.
void SnapshotCaptions(Form1& f) {
  for (int i = 0; i < kCells; ++i) {
    if (f.Filled(i)) f.ShowCaption(i, f.board.CaptionSnapshot[i]);
    else f.w.caN[i].caption.clear();
  }
}

// A menu mirror: toggles its option and runs the option's action.
void Mirror(Form1& f, Control& option, void (Form1::*action)()) {
  if (option.selected) f.DeselectOption(option);
  else f.SelectOption(option);
  (f.*action)();
}

}  // namespace

void Form1::RemoveCorrectionButtons() {
  w.cM.resize(1);
  w.CorCanF.visible = false;
}

void Form1::Sugge0_Click() {
  WhiteNoBorder(*this);
  CommonViewPart(*this, w.mSugge0);
  DisableDigitButtons(*this, true);
  SnapshotCaptions(*this);
  RepaintPanels();
}

void Form1::Sugge1_Click() {
  WhiteNoBorder(*this);
  CommonViewPart(*this, w.mSugge1);
  ShowCandidates();
  // A filled cell that shows nothing shows its snapshot caption again.
  for (int i = 0; i < kCells; ++i)
    if (Filled(i) && AllBlanks(ShownCaption(i))) ShowCaption(i, board.CaptionSnapshot[i]);
  DisableDigitButtons(*this, true);
  RepaintPanels();
}

void Form1::Sugge2_Click() {
  w.BoardClear();
  w.BoardAdd("READY FOR SUGGESTIONS");
  for (auto& c : w.caN) c.back = colour::White;
  CommonViewPart(*this, w.mSugge2);
  w.Sugge3a.enabled = true;
  DisableDigitButtons(*this, false);
  SnapshotCaptions(*this);
  RepaintPanels();
}

void Form1::mSugge0_Click() { Mirror(*this, w.Sugge0, &Form1::Sugge0_Click); }
void Form1::mSugge1_Click() { Mirror(*this, w.Sugge1, &Form1::Sugge1_Click); }
void Form1::mSugge2_Click() { Mirror(*this, w.Sugge2, &Form1::Sugge2_Click); }

void Form1::mFunzAva_Click() {
  const bool on = !w.mFunzAva.checked;
  w.mFunzAva.checked = on;
  w.mSugge1.enabled = true;
  for (Control* m : {&w.mSugge2, &w.mSugge6, &w.mSugge8}) m->enabled = on;
  w.Sugge0.enabled = true;
  w.Sugge1.enabled = true;
  for (Control* o : {&w.Sugge2, &w.Sugge5, &w.Sugge6, &w.Sugge8}) o->enabled = on;
  DisableDigitButtons(*this, true);
  w.VaiTenta.enabled = false;
  w.VaiTenta.back = colour::ButtonFace;
  w.AppTenta.enabled = false;
}

void Form1::EndTrialView() {
  for (int i = 0; i < kCells; ++i) {
    if (Filled(i)) {
      ShowCaption(i, board.CaptionSnapshot[i]);
    } else {
      w.caN[i].caption.clear();
      w.caN[i].border = false;
    }
  }
  w.CorVF.visible = false;
  w.cv1.resize(1);
  trials.TrialOptionCount = 0;
  w.BoardClear();
  w.BoardAdd("READY FOR SUGGESTIONS");
  for (auto& c : w.caN) c.back = colour::White;
  board.InputEnabled = true;
  w.VaiTenta.enabled = false;
  w.VaiTenta.back = colour::ButtonFace;
  w.AppTenta.enabled = false;
  // The menu's "Do it" goes with the trial's: only a step still shown by the
  // advice keeps it.
  w.mApplica.enabled = w.Applica.enabled;
  for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3}) b->enabled = true;
}

}  // namespace tessora
