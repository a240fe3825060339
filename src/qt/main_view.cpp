#include "main_view.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <map>
#include <set>

#include "about_dialog.h"
#include "accessible.h"
#include "app_setup.h"
#include "board_widgets.h"
#include "key_codes.h"
#include "priority_dialog.h"
#include "qt_platform.h"
#include "style.h"
#include "ui/form1.h"
#include "ui/zoom.h"

namespace tessora::qt {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Buttons that act while held down: pressed and released, never clicked.
const std::set<std::string> kHeldButtons = {"Cons1", "Cons2", "Cons3", "Sugge3b", "Sugge3c", "Sugge3d"};

// The controls Tab reaches after the board, in this order (a disabled or
// hidden one is passed over).
const char* const kTabOrder[] = {"Apri",    "DatIniz", "Gioca",   "Salva",   "Azzera", "Sugge0",   "Sugge1",
                                 "Sugge2",  "Sugge3a", "Sugge3b", "Sugge3c", "Sugge3d", "Sugge6",  "Sugge8",
                                 "Cons1",   "Cons2",   "Cons3",   "Applica", "VaiTenta", "AppTenta", "ListCons"};

bool TakesFocus(const Control& c) {
  switch (c.kind) {
    case Kind::Button:
    case Kind::Option:
    case Kind::Combo:
      return true;
    case Kind::ListBox:
      return c.name == "ListCons";  // the blackboard, for a screen reader to read
    default:
      return false;
  }
}

// The letter of each menu and menu item that Alt (in the menu bar) or the
// letter alone (in an open menu) chooses; unique within its menu.
const std::map<std::string, char> kMnemonics = {
    {"mFile", 'F'},     {"mApri", 'O'},     {"mCrea", 'N'},     {"mAzzer", 'C'},      {"mSalva", 'S'},
    {"mChiudi", 'x'},   {"mEspPdf", 'E'},   {"mAzio", 'V'},     {"mSugge0", 'N'},   {"mSugge1", 'A'},     {"mSugge2", 'O'},
    {"mSugge6", 'C'},   {"mSugge8", 'T'},   {"mSoluz", 'F'},    {"mZoom", 'Z'},       {"mZoom100", '1'},
    {"mZoom125", '2'},  {"mZoom150", '5'},  {"mZoom200", '0'},  {"mStrumenti", 'T'},  {"mApplica", 'A'},
    {"mCanMoss", 'C'},  {"mNuoVal", 'V'},   {"mRicMan", 'R'},   {"mPerSuCom", 'F'},   {"mMosRiso", 'S'},
    {"mRicFla", 'R'},   {"mFunzAva", 'E'},  {"mOpzio", 'P'},    {"mValuta", 'D'},     {"mCreaDoc", 'n'},
    {"mUsaSS", 'S'},    {"mAiuto", 'H'},    {"mGuida", 'G'},    {"mRapida", 'Q'},     {"mInfo", 'A'},
    {"mCreaLiv", 'l'},  {"mLiv(0)", 'E'},   {"mLiv(1)", 'M'},   {"mLiv(2)", 'D'},     {"mLiv(3)", 'b'},     {"mLiv(4)", 'w'},
    {"mModifica", 'E'}, {"mCopia", 'C'},    {"mIncolla", 'P'},  {"mAnnulla", 'U'},
    {"mRecenti", 'R'},  {"mRec(0)", '1'},   {"mRec(1)", '2'},   {"mRec(2)", '3'},     {"mRec(3)", '4'},
    {"mRec(4)", '5'},   {"mRec(5)", '6'},   {"mRec(6)", '7'},   {"mRec(7)", '8'},     {"mTastiera", 'K'},
};

QString MenuText(const Control& c) {
  QString text = Q(c.caption).replace(QLatin1Char('&'), QLatin1String("&&"));
  auto mnemonic = kMnemonics.find(c.name);
  if (mnemonic != kMnemonics.end()) {
    const int at = text.indexOf(QLatin1Char(mnemonic->second));
    if (at >= 0) text.insert(at, QLatin1Char('&'));
  }
  if (!c.shortcut.empty()) text += QLatin1Char('\t') + Q(c.shortcut);  // shown, not registered
  return text;
}

}  // namespace

MainView::MainView(Form1& form, QtPlatform& platform) : form_(form), platform_(platform) {
  setObjectName(QStringLiteral("MainView"));
  drawnZoom_ = form_.w.zoom;
  drawnArrowKeys_ = form_.w.mTastiera.checked;
  ApplyZoomToApplication(drawnZoom_);
  InstallAccessibleRoles();
  stage_ = new Stage(this);
  surface_ = new tessora::qt::Surface(this, stage_);
  surface_->setFixedSize(Px(form_.w.width), Px(form_.w.height));
  // The board has the keyboard until Tab moves it to a button; a click on it takes it back.
  surface_->setFocusPolicy(Qt::StrongFocus);
  stage_->SetSurface(surface_);
  stage_->smallest = QSize((form_.w.width * Form1::kMinZoom + 750) / 1500, (form_.w.height * Form1::kMinZoom + 750) / 1500);
  setCentralWidget(stage_);

  BuildControls();
  for (int i = 0; i < kCells; ++i) cells_[i] = new CellWidget(this, i, surface_);
  overlay_ = new Overlay(surface_);
  overlay_->setGeometry(surface_->rect());
  BuildMenus();

  platform_.dialogParent = this;
  platform_.onRedraw = [this] { Sync(); };
  platform_.onTick = [this](const std::string& name) {
    if (form_.unloaded) return;
    // A tick may come while a handler lets events run: the game is kept
    // once the outermost event is over.
    const bool outermost = depth_ == 0;
    ++depth_;
    form_.Tick(name);
    if (outermost) form_.KeepGame();
    --depth_;
    Sync();
  };
  platform_.onQuit = [this] {
    if (form3_) form3_->hide();
    if (form4_) form4_->hide();
    hide();
  };
  qApp->installEventFilter(this);

  SetTabOrder();
  Sync();
  if (layout()) layout()->activate();
  resize(sizeHint());
  surface_->setFocus();
}

MainView::~MainView() {
  qApp->removeEventFilter(this);
  platform_.onRedraw = nullptr;
  platform_.onTick = nullptr;
  platform_.onQuit = nullptr;
}

QWidget* MainView::Surface() const { return surface_; }

// ---- building ---------------------------------------------------------------

void MainView::BuildControls() {
  // Every control on the surface first, then into its container.
  for (Control* c : form_.w.Controls()) {
    if (c->kind == Kind::Menu || c->kind == Kind::Separator) continue;
    ControlSlot slot;
    slot.name = c->name;
    slot.widget = CreateControlWidget(*c, surface_);
    if (slot.widget) {
      // Buttons, options, the digit chooser and the blackboard take the
      // keyboard from Tab (never from a click: a click leaves it with the board).
      slot.widget->setFocusPolicy(TakesFocus(*c) ? Qt::TabFocus : Qt::NoFocus);
      widgetsByName_[c->name] = slot.widget;
      WireControl(*c, slot.widget);
    }
    controls_.emplace_back(c, std::move(slot));
  }
  for (auto& [c, slot] : controls_) {
    if (!slot.widget || c->parent.empty()) continue;
    auto it = widgetsByName_.find(c->parent);
    if (it != widgetsByName_.end()) slot.widget->setParent(it->second);
  }
}

void MainView::SetTabOrder() {
  QWidget* previous = surface_;
  for (const char* name : kTabOrder) {
    QWidget* next = ControlWidget(name);
    if (!next) continue;
    QWidget::setTabOrder(previous, next);
    previous = next;
  }
}

void MainView::WireControl(const Control& c, QWidget* w) {
  const std::string name = c.name;
  switch (c.kind) {
    case Kind::Button:
      if (kHeldButtons.count(name)) {
        heldButtons_[w] = name;
      } else {
        connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this,
                [this, name] { Forward([this, name] { form_.Click(name); }); });
      }
      break;
    case Kind::Option:
    case Kind::CheckBox:
      connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
              [this, name] { Forward([this, name] { form_.Click(name); }); });
      break;
    case Kind::Combo: {
      auto* combo = static_cast<QComboBox*>(w);
      connect(combo, &QComboBox::activated, this, [this, name, combo](int index) {
        const std::string item = combo->itemText(index).toStdString();
        Forward([this, name, item] { form_.Pick(name, item); });
      });
      break;
    }
    default:
      break;
  }
}

void MainView::WireArrayElement(Kind kind, QWidget* w, const std::string& arrayName, std::size_t index) {
  w->setFocusPolicy(Qt::NoFocus);
  if (kind != Kind::Option && kind != Kind::CheckBox) return;
  const std::string name = arrayName + "(" + std::to_string(index) + ")";
  connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
          [this, name] { Forward([this, name] { form_.Click(name); }); });
}

void MainView::BuildMenus() {
  menuBar()->setNativeMenuBar(false);  // part of the window, on every desktop
  const auto& all = form_.w.Controls();
  std::set<std::string> parents;
  for (const Control* c : all)
    if (!c->parent.empty() && (c->kind == Kind::Menu || c->kind == Kind::Separator)) parents.insert(c->parent);
  for (const Control* c : all) {
    if (c->kind != Kind::Menu && c->kind != Kind::Separator) continue;
    const std::string name = c->name;
    QAction* action = nullptr;
    if (c->parent.empty()) {
      QMenu* m = menuBar()->addMenu(MenuText(*c));
      m->setObjectName(Q(name));
      menus_[name] = m;
      action = m->menuAction();
      // The recent files are looked at again as the File menu opens: one gone since is greyed.
      if (c == &form_.w.mFile)
        connect(m, &QMenu::aboutToShow, this, [this] { Forward([this] { form_.ShowRecentFiles(); }); });
    } else {
      auto it = menus_.find(c->parent);
      if (it == menus_.end()) continue;
      QMenu* parentMenu = it->second;
      if (c->kind == Kind::Separator) {
        action = parentMenu->addSeparator();
      } else if (parents.count(name)) {
        QMenu* sub = parentMenu->addMenu(MenuText(*c));
        sub->setObjectName(Q(name));
        menus_[name] = sub;
        action = sub->menuAction();
      } else {
        action = parentMenu->addAction(MenuText(*c));
        connect(action, &QAction::triggered, this, [this, name] { Forward([this, name] { form_.Click(name); }); });
      }
    }
    action->setObjectName(Q(name));
    actions_[name] = action;
    menuSlots_.push_back({c, action, Control{}, false});
  }
}

// ---- drawing ----------------------------------------------------------------

void MainView::Sync() {
  if (syncing_) return;
  syncing_ = true;
  form_.DrawCells();
  MainWindow& w = form_.w;
  if (w.caption != drawnCaption_) {
    setWindowTitle(Q(w.caption));
    drawnCaption_ = w.caption;
  }
  bool imageWasShown = false;
  for (auto& [c, slot] : controls_) {
    if (c == &w.ImaCompl) imageWasShown = slot.drawn && slot.last.visible;
    ApplyControl(slot, *c);
  }
  for (int i = 0; i < kCells; ++i) cells_[i]->Apply(w.caN[i]);
  // A held button shows pressed while its key or the mouse holds it.
  for (const auto& [widget, name] : heldButtons_) {
    auto* button = static_cast<QPushButton*>(widget);
    const bool down = form_.heldButton == name;
    if (button->isDown() != down && (down || name != heldNow_)) button->setDown(down);
  }

  const std::size_t widgetsBefore = ri_.size() + co_.size();
  SyncArray(ri_, w.ri, surface_);
  SyncArray(co_, w.co, surface_);
  SyncArray(cM_, w.cM, ControlWidget("CorCanF"));
  SyncArray(cv1_, w.cv1, ControlWidget("CorVF"));
  // The completed picture lies over the board when it shows; the lines and figures above all.
  if (w.ImaCompl.visible && !imageWasShown)
    if (QWidget* image = ControlWidget("ImaCompl")) image->raise();
  if (ri_.size() + co_.size() > widgetsBefore || (w.ImaCompl.visible && !imageWasShown)) overlay_->raise();
  // The correction panel and the trial chooser float over the cells and the
  // grid lines while they show.
  for (const char* name : {"CorCanF", "CorVF"}) {
    QWidget* panel = ControlWidget(name);
    if (panel && panel->isVisible() && surface_->children().constLast() != panel) panel->raise();
  }
  overlay_->SetLines(w.liO, w.liV);
  overlay_->SetFigures(w.drawing);

  SyncMenus();
  SyncForm3();
  SyncForm4();
  SyncAccessible();
  syncing_ = false;
  if (w.zoom != drawnZoom_) {
    drawnZoom_ = w.zoom;
    ApplyZoom();
    if (onZoomChanged) onZoomChanged(w.zoom);
  }
  if (w.mTastiera.checked != drawnArrowKeys_) {
    drawnArrowKeys_ = w.mTastiera.checked;
    if (onOptionsChanged) onOptionsChanged();
  }
}

void MainView::SyncAccessible() {
  for (auto& [c, slot] : controls_) SetAccessible(slot.widget, ControlAccessible(form_, *c));
  const std::pair<std::vector<ControlSlot>*, std::vector<Control>*> arrays[] = {
      {&ri_, &form_.w.ri}, {&co_, &form_.w.co}, {&cM_, &form_.w.cM}, {&cv1_, &form_.w.cv1}};
  for (const auto& [drawn, controls] : arrays)
    for (std::size_t i = 0; i < drawn->size() && i < controls->size(); ++i)
      SetAccessible((*drawn)[i].widget, ControlAccessible(form_, (*controls)[i]));
  for (int i = 0; i < kCells; ++i) SetAccessible(cells_[i], CellAccessible(form_, i));
  // The cursor cell is where the board's keyboard focus is, for a screen reader.
  const int cursor = form_.board.CurCell;
  if (cursor != drawnCursor_) {
    drawnCursor_ = cursor;
    if (QAccessible::isActive() && surface_->hasFocus() && cursor >= 0 && cursor < kCells) {
      QAccessibleEvent focus(cells_[cursor], QAccessible::Focus);
      QAccessible::updateAccessibility(&focus);
    }
  }
}

void MainView::ApplyZoom() {
  ApplyZoomToApplication(form_.w.zoom);
  // Everything is drawn again at the new scale: positions, sizes and fonts.
  for (auto& [c, slot] : controls_) slot.drawn = false;
  for (auto* arr : {&ri_, &co_, &cM_, &cv1_})
    for (ControlSlot& slot : *arr) slot.drawn = false;
  for (CellWidget* cell : cells_) cell->Invalidate();
  for (MenuSlot& m : menuSlots_) m.drawn = false;
  menuBar()->setFont(DefaultFont());
  for (auto& [name, menu] : menus_) menu->setFont(DefaultFont());
  surface_->setFixedSize(Px(form_.w.width), Px(form_.w.height));
  overlay_->setGeometry(surface_->rect());
  overlay_->Invalidate();
  if (form3_) form3_->Rescale();
  if (form4_) form4_->Rescale();
  const bool wasSyncing = syncing_;
  syncing_ = false;
  Sync();
  syncing_ = wasSyncing;
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  stage_->updateGeometry();
  stage_->Centre();
  if (layout()) layout()->activate();
  // A scale chosen (View > Zoom, the zoom's keys) sizes the window to it; a
  // scale that follows the window's size leaves the window as it is.
  if (!fitting_) resize(sizeHint());
}

void MainView::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (fitPending_ || !isVisible()) return;
  fitPending_ = true;
  // Once the resizing settles: a drag sends many sizes, the last one counts.
  QTimer::singleShot(0, this, [this] {
    fitPending_ = false;
    FitToWindow();
  });
}

void MainView::FitToWindow() {
  if (form_.unloaded || depth_ > 0) return;
  // The room the window gives the board and its panels, the menu bar above
  // them growing with the scale as they do.
  const int zoom = form_.w.zoom;
  const int menu = menuBar()->isVisible() ? menuBar()->height() : 0;
  const QSize room = stage_->size();
  const bool fits = surface_->width() <= room.width() && surface_->height() <= room.height();
  const int fit = FitZoom(room.width(), room.height() + menu, form_.w.width, form_.w.height, menu * 100 / zoom,
                          Form1::kMinZoom, Form1::kMaxZoom);
  if (fit == zoom || (fits && fit < zoom)) return;
  fitting_ = true;
  Forward([this, fit] { form_.ZoomTo(fit); });
  fitting_ = false;
}

void MainView::SyncForm4() {
  AboutWindow& state = form_.form4;
  if (state.open && !form_.unloaded) {
    if (!form4_) form4_ = new AboutDialog(this);
    form4_->Sync(state);
    if (!form4_->isVisible()) {
      form4_->show();
      drawnRaise_ = state.raised;
    } else if (state.raised != drawnRaise_) {
      // "About" again: the same window comes forward.
      drawnRaise_ = state.raised;
      form4_->raise();
      form4_->activateWindow();
    }
  } else if (form4_ && form4_->isVisible()) {
    form4_->hide();
  }
}

void MainView::SyncArray(std::vector<ControlSlot>& elements, std::vector<Control>& controls, QWidget* parent) {
  if (!parent) parent = surface_;
  while (elements.size() > controls.size()) {
    // The widget may be the one whose click is being handled: it goes later.
    if (QWidget* gone = elements.back().widget) {
      gone->hide();
      gone->deleteLater();
    }
    elements.pop_back();
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (i == elements.size()) {
      ControlSlot slot;
      slot.name = controls[i].name;
      slot.widget = CreateControlWidget(controls[i], parent);
      if (slot.widget) {
        std::string array = controls[i].name.substr(0, controls[i].name.find('('));
        if (array.empty() || array == controls[i].name) array = slot.name;
        WireArrayElement(controls[i].kind, slot.widget, array, i);
      }
      elements.push_back(std::move(slot));
    }
    ApplyControl(elements[i], controls[i]);
  }
}

void MainView::SyncMenus() {
  for (MenuSlot& m : menuSlots_) {
    const Control& c = *m.control;
    const bool force = !m.drawn;
    if (force || c.caption != m.last.caption || c.shortcut != m.last.shortcut) {
      if (c.kind != Kind::Separator) m.action->setText(MenuText(c));
    }
    if (force || c.enabled != m.last.enabled) m.action->setEnabled(c.enabled);
    if (force || c.visible != m.last.visible) m.action->setVisible(c.visible);
    // A check mark only where there is one (an unchecked checkable item draws an empty box).
    if (c.kind == Kind::Menu && (m.action->isCheckable() != c.checked || m.action->isChecked() != c.checked)) {
      m.action->setCheckable(c.checked);
      m.action->setChecked(c.checked);
    }
    if (force || c.caption != m.last.caption || c.shortcut != m.last.shortcut || c.enabled != m.last.enabled ||
        c.visible != m.last.visible || c.checked != m.last.checked) {
      m.last = c;
      m.drawn = true;
    }
  }
}

void MainView::SyncForm3() {
  if (form_.form3.open && !form_.unloaded) {
    if (!form3_) form3_ = new PriorityDialog(this);
    form3_->Sync(form_.form3);
    if (!form3_->isVisible()) {
      form3_->setWindowModality(Qt::ApplicationModal);
      form3_->show();
    }
  } else if (form3_ && form3_->isVisible()) {
    form3_->Sync(form_.form3);
    form3_->hide();
  }
}

// ---- events -------------------------------------------------------------------

void MainView::Forward(const std::function<void()>& handler) {
  if (depth_ > 0 || form_.unloaded) return;
  ++depth_;
  handler();
  // After every event the game in progress is kept (once the start path ran).
  form_.KeepGame();
  --depth_;
  Sync();
}

void MainView::CellMouseMove(int cell, int buttons, int shiftState) {
  Forward([&] { form_.caN_MouseMove(cell, buttons, shiftState); });
}

void MainView::CellMouseDown(int cell, int button, int shiftState) {
  Forward([&] { form_.caN_MouseDown(cell, button, shiftState); });
}

void MainView::CellClick(int cell) {
  Forward([&] { form_.caN_Click(cell); });
}

void MainView::CellDblClick(int cell) {
  Forward([&] { form_.caN_DblClick(cell); });
}

void MainView::SurfaceMouseMove(int buttons, int shiftState, int xTwips, int yTwips) {
  Forward([&] { form_.Form_MouseMove(buttons, shiftState, xTwips, yTwips); });
}

void MainView::closeEvent(QCloseEvent* event) {
  if (!form_.unloaded) {
    if (depth_ > 0) {  // a handler is still running: the window closes after it
      event->ignore();
      return;
    }
    Forward([this] { form_.form_unload(); });
  }
  event->accept();
}

bool MainView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return HandleKey(watched, event);
    case QEvent::WindowDeactivate:
      // A key held down while the window loses the keyboard never comes up here.
      if (watched == this) ReleaseHeldKeys();
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
      return HandleHeldButton(watched, event);
    default:
      return false;
  }
}

bool MainView::HandleKey(QObject* watched, QEvent* event) {
  if (auto* menu = qobject_cast<QMenu*>(watched)) return HandleMenuKey(menu, event);
  // The window sees every key before its controls, and its controls see
  // none, but Tab, which moves the keyboard between the board and the
  // controls, and Space or Enter on the control that has it.
  if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
  if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && modifiers == Qt::NoModifier) return false;
  switch (HandleFocusedControl(key)) {
    case FocusKey::Taken: return true;
    case FocusKey::Widget: return false;
    case FocusKey::Core: break;
  }
  const int code = KeyCode(*key);
  const int shiftState = ShiftMask(key->modifiers());
  if (event->type() == QEvent::KeyPress) {
    if (code) Forward([this, code, shiftState] { form_.KeyDown(code, shiftState); });
    // Esc gives the keyboard back to the board.
    if (key->key() == Qt::Key_Escape && !surface_->hasFocus()) surface_->setFocus(Qt::OtherFocusReason);
  } else if (!key->isAutoRepeat() && code) {
    // A key held down repeats its press alone: its release comes once, when it is let go.
    Forward([this, code, shiftState] { form_.KeyUp(code, shiftState); });
  }
  return true;
}

MainView::FocusKey MainView::HandleFocusedControl(QKeyEvent* key) {
  QWidget* focus = QApplication::focusWidget();
  if (!focus || focus == surface_ || focus->window() != this) return FocusKey::Core;
  const bool press = key->type() == QEvent::KeyPress;
  const int k = key->key();
  // The digit chooser takes the keys that choose in it.
  if (auto* combo = qobject_cast<QComboBox*>(focus)) {
    if (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_PageUp || k == Qt::Key_PageDown || k == Qt::Key_Home ||
        k == Qt::Key_End)
      return FocusKey::Widget;
    if ((k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
      if (press && !key->isAutoRepeat()) combo->showPopup();
      return FocusKey::Taken;
    }
    return FocusKey::Core;
  }
  const bool activate = (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) &&
                        (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  auto* button = qobject_cast<QAbstractButton*>(focus);
  if (!button) return FocusKey::Core;
  auto held = heldButtons_.find(focus);
  if (held != heldButtons_.end()) {
    // A held button: Space or Enter down presses it, up releases it.
    const std::string name = held->second;
    if (press && activate) {
      if (!key->isAutoRepeat() && keyHeld_.empty() && button->isEnabled() && depth_ == 0) {
        keyHeld_ = name;
        Forward([this, name] { form_.Press(name); });
      }
      return FocusKey::Taken;
    }
    if (!press && keyHeld_ == name && !key->isAutoRepeat() && (activate || k == Qt::Key_Space)) {
      keyHeld_.clear();
      Forward([this, name] { form_.Release(name); });
      return FocusKey::Taken;
    }
    return activate ? FocusKey::Taken : FocusKey::Core;
  }
  if (!activate) return FocusKey::Core;
  // A button or an option: a click, when the key goes down.
  if (press && !key->isAutoRepeat() && button->isEnabled()) button->click();
  return FocusKey::Taken;
}

void MainView::ReleaseHeldKeys() {
  if (!keyHeld_.empty()) {
    const std::string name = keyHeld_;
    keyHeld_.clear();
    Forward([this, name] { form_.Release(name); });
  }
  if (const int code = form_.heldKey) Forward([this, code] { form_.KeyUp(code, 0); });
}

bool MainView::HandleMenuKey(QMenu* menu, QEvent* event) {
  // F1 in an open menu of this window: the guide at the highlighted item's topic.
  if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) return false;
  if (menus_.find(menu->objectName().toStdString()) == menus_.end()) return false;
  const QAction* active = menu->activeAction();
  const std::string highlighted =
      (active && !active->objectName().isEmpty() ? active->objectName() : menu->objectName()).toStdString();
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  Forward([this, highlighted] { form_.F1Help(highlighted); });
  return true;
}

bool MainView::HandleHeldButton(QObject* watched, QEvent* event) {
  auto it = heldButtons_.find(watched);
  if (event->type() == QEvent::MouseButtonRelease) {
    if (heldNow_.empty()) return false;
    const std::string name = heldNow_;
    heldNow_.clear();
    if (auto* button = qobject_cast<QPushButton*>(ControlWidget(name))) button->setDown(false);
    Forward([this, name] { form_.Release(name); });
    return it != heldButtons_.end();
  }
  if (it == heldButtons_.end()) return false;
  auto* button = static_cast<QPushButton*>(watched);
  if (!button->isEnabled() || depth_ > 0) return true;
  const std::string name = it->second;
  button->setDown(true);
  heldNow_ = name;
  Forward([this, name] { form_.Press(name); });
  return true;
}

// ---- access -------------------------------------------------------------------

QWidget* MainView::ControlWidget(const std::string& name) const {
  auto it = widgetsByName_.find(name);
  if (it != widgetsByName_.end()) return it->second;
  // Array elements: "cM(2)", "cv1(0)", "ri(3)", "co(4)".
  const auto open = name.find('(');
  if (open == std::string::npos) return nullptr;
  const std::string base = name.substr(0, open);
  const std::size_t index = std::strtoul(name.c_str() + open + 1, nullptr, 10);
  const std::vector<ControlSlot>* arr = base == "ri" ? &ri_ : base == "co" ? &co_ : base == "cM" ? &cM_
                                        : base == "cv1" ? &cv1_ : nullptr;
  return arr && index < arr->size() ? (*arr)[index].widget : nullptr;
}

QAction* MainView::MenuAction(const std::string& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainView::Menu(const std::string& name) const {
  auto it = menus_.find(name);
  return it == menus_.end() ? nullptr : it->second;
}

}  // namespace tessora::qt
