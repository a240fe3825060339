// The controls of the main window Form1 and of the priority dialog Form3, as
// plain data, with a registry that finds any control by its name.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "board/board.h"
#include "ui/window.h"

namespace tessora {

struct MainWindow {
  MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  std::string caption;
  int width = 0, height = 0;  // client area, twips
  int zoom = 100;             // percent: the scale the view draws at (View > Zoom)

  // Command buttons.
  Control Apri, DatIniz, Gioca, Salva, Azzera;
  // Status line.
  Control Fatti, Resto, NErr, Semaf, SemaLab;
  // Advice container with the blackboard, the advice and trial buttons and the panels.
  Control FraCons, ListCons, Cons0, Cons1, Cons2, Cons3, Applica;
  Control Tenta0, VaiTenta, AppTenta;
  Control CorCanF, CorCanT, CorCan, CorVF;
  // Candidate views.
  Control SuggeFrame, Sugge0, Sugge1, Sugge2, Sugge3a, Sugge3b, Sugge3c, Sugge3d, Sugge5, Sugge6, Sugge8;
  // Pictures and hidden helpers.
  Control ImaCompl, Peri, APeri, Poss2, Poss3;
  Control TempEr, TempCons;
  // Menus.
  Control mFile, mApri, mCrea, mAzzer, mSalva, mEspPdf, msp1, mChiudi;
  // File > "Recent Schemes" and its items mRec(0)..mRec(7), the latest first.
  Control mRecenti;
  std::vector<Control> mRec;
  static constexpr int kRecentFiles = 8;
  // File > "New (create) of level" and its items mLiv(0)..mLiv(4), Easy to
  // Diabolic, then "Diabolic, with trials".
  Control mCreaLiv;
  std::vector<Control> mLiv;
  // The Edit menu.
  Control mModifica, mCopia, mIncolla, msp13, mAnnulla;
  Control mAzio, mSugge0, mSugge1, mSugge2, mSugge6, mSugge8, msp2, mSoluz;
  Control msp12, mZoom, mZoom100, mZoom125, mZoom150, mZoom200;
  Control mStrumenti, mApplica, msp3, mCanMoss, mNuoVal, mRicMan, msp4, mPerSuCom, mMosRiso, mRicFla,
      msp9, mFunzAva, mTastiera, mOpzio, mValuta, msp14, mPratica, mProssima, msp11, mCreaDoc, msp5, mUsaSS;
  Control mAiuto, mGuida, mRapida, mProgressi, msp8, mInfo;
  std::vector<Control> mRapidaLines;  // the lines of the "Quick Guide" submenu

  // Control arrays; element 0 is designed, the others are created at run time.
  std::array<CellLabel, kCells> caN{};
  std::vector<Control> ri, co, liO, liV, cM, cv1;

  // Figures drawn straight onto the window.
  std::vector<Figure> drawing;

  // All controls in creation order (menus in menu order), arrays excluded.
  const std::vector<Control*>& Controls() const { return order_; }
  // The option buttons among them, in the same order.
  const std::vector<Control*>& Options() const { return options_; }
  // A control by name: "Apri", "mSoluz", or an array element "cM(2)", "cv1(0)", "ri(3)".
  Control* Find(const std::string& name);

  // Blackboard helpers: one message at a time.
  void BoardClear() { ListCons.items.clear(); }
  void BoardAdd(const std::string& line) { ListCons.items.push_back(line); }
  // A line made for the board (a literal, a text put together) moves in.
  void BoardAdd(std::string&& line) { ListCons.items.push_back(std::move(line)); }

 private:
  Control& Add(Control& c, const std::string& name, Kind kind, const std::string& parent,
               const std::string& caption);
  std::vector<Control*> order_;
  std::vector<Control*> options_;
  std::map<std::string, Control*> byName_;
};

// The priority dialog "Handling Advice Priority".
struct PriorityWindow {
  PriorityWindow();
  bool open = false;
  std::string caption = "Handling Advice Priority";
  int width = 4320, height = 5205;
  Control Prio, portaSu, portaGiu, faiStd, faiEsci;
  std::vector<Control*> Controls() { return {&Prio, &portaSu, &portaGiu, &faiStd, &faiEsci}; }
};

}  // namespace tessora
