// The priority dialog "Handling Advice Priority", drawn from the core's Form3
// state; its list and buttons go to the core's handlers.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "control_widgets.h"

class QListWidget;
class QPushButton;

namespace tessora {
struct PriorityWindow;
}

namespace tessora::qt {

class MainView;

class PriorityDialog : public QDialog {
 public:
  explicit PriorityDialog(MainView* view);
  // Draws the dialog's state, touching only what changed.
  void Sync(PriorityWindow& state);
  // Sizes and fonts again at the view's current scale.
  void Rescale();

  QListWidget* List() const;
  QPushButton* Button(const std::string& name) const;

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  MainView* view_;
  std::vector<ControlSlot> slots_;
  QString drawnCaption_;
};

}  // namespace tessora::qt
