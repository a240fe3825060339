// The main window on screen: drawn from the core's window state and
// forwarding every event to the core's handlers. It holds no logic of its own.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "control_widgets.h"
#include "ui/window.h"

class QAction;
class QKeyEvent;
class QMenu;

namespace tessora {
class Form1;
}

namespace tessora::qt {

class QtPlatform;
class PriorityDialog;
class AboutDialog;
class CellWidget;
class Overlay;
class Stage;
class Surface;

class MainView : public QMainWindow {
 public:
  MainView(Form1& form, QtPlatform& platform);
  ~MainView() override;

  // Draws the core's state, touching only the widgets whose state changed.
  void Sync();

  // Runs a core handler for a user event, then draws. Events arriving while a
  // handler runs are dropped (processing inside a handler excludes user input,
  // so this happens only through nested dialogs).
  void Forward(const std::function<void()>& handler);
  bool HandlerRunning() const { return depth_ > 0; }

  Form1& form() { return form_; }
  // Widgets by control name, for tests and screenshots.
  QWidget* ControlWidget(const std::string& name) const;
  CellWidget* Cell(int index) const { return cells_[index]; }
  QAction* MenuAction(const std::string& name) const;
  QMenu* Menu(const std::string& name) const;
  PriorityDialog* Form3() const { return form3_; }
  AboutDialog* Form4() const { return form4_; }
  // Called after the view has changed its scale (View > Zoom, the zoom's
  // keys, the window resized).
  std::function<void(int)> onZoomChanged;
  // Called when an option kept between runs changed (Tools > "Arrow Keys in Play").
  std::function<void()> onOptionsChanged;
  // The scale that fits the window as it is now: the zoom follows a window
  // the user resized. Runs on its own after a resize; tests call it at once.
  void FitToWindow();
  QWidget* Surface() const;
  // The layer with the grid lines and the figures drawn on the window.
  Overlay* Drawing() const { return overlay_; }

  // Events of the parts of the window.
  void CellMouseMove(int cell, int buttons, int shiftState);
  void CellMouseDown(int cell, int button, int shiftState);
  void CellClick(int cell);
  void CellDblClick(int cell);
  void SurfaceMouseMove(int buttons, int shiftState, int xTwips, int yTwips);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void SyncArray(std::vector<ControlSlot>& elements, std::vector<Control>& controls, QWidget* parent);
  void SyncMenus();
  void SyncForm3();
  void SyncForm4();
  void ApplyZoom();
  bool HandleMenuKey(QMenu* menu, QEvent* event);
  void WireControl(const Control& c, QWidget* w);
  void WireArrayElement(Kind kind, QWidget* w, const std::string& arrayName, std::size_t index);
  bool HandleKey(QObject* watched, QEvent* event);
  // A key while a control has the keyboard focus: taken here (Space or Enter
  // on a button or an option), left to the control (the digit chooser's
  // arrows), or for the core as any key.
  enum class FocusKey { Core, Widget, Taken };
  FocusKey HandleFocusedControl(QKeyEvent* key);
  bool HandleHeldButton(QObject* watched, QEvent* event);
  // A held button or key let go of when the window loses the keyboard.
  void ReleaseHeldKeys();
  void SetTabOrder();
  void SyncAccessible();

  Form1& form_;
  QtPlatform& platform_;
  tessora::qt::Surface* surface_ = nullptr;
  Stage* stage_ = nullptr;
  Overlay* overlay_ = nullptr;
  CellWidget* cells_[81] = {};
  std::vector<std::pair<const Control*, ControlSlot>> controls_;
  std::map<std::string, QWidget*> widgetsByName_;
  std::vector<ControlSlot> ri_, co_, cM_, cv1_;
  struct MenuSlot {
    const Control* control;
    QAction* action;
    Control last;
    bool drawn = false;
  };
  std::vector<MenuSlot> menuSlots_;
  std::map<std::string, QMenu*> menus_;
  std::map<std::string, QAction*> actions_;
  std::map<QObject*, std::string> heldButtons_;  // buttons that act while held
  std::string heldNow_;                           // the held button pressed now
  PriorityDialog* form3_ = nullptr;
  AboutDialog* form4_ = nullptr;
  std::string keyHeld_;                           // the focused held button Space or Enter holds
  int drawnRaise_ = 0;
  int drawnZoom_ = 100;
  bool drawnArrowKeys_ = false;
  int drawnCursor_ = -1;
  bool fitting_ = false;      // the scale follows the window's size: the window keeps it
  bool fitPending_ = false;
  std::string drawnCaption_;
  int depth_ = 0;
  bool syncing_ = false;
};

}  // namespace tessora::qt
