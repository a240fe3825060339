// The information window "Information - Tessora" (Form4), drawn from the
// core's state: modeless, one at a time; "OK" and the close box unload it.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "control_widgets.h"

class QPushButton;

namespace tessora {
struct AboutWindow;
}

namespace tessora::qt {

class MainView;

class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(MainView* view);
  void Sync(AboutWindow& state);
  void Rescale();
  QWidget* Control(const std::string& name) const;

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  MainView* view_;
  std::vector<ControlSlot> slots_;
  QString drawnCaption_;
};

}  // namespace tessora::qt
