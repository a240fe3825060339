#include "about_dialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "main_view.h"
#include "style.h"
#include "ui/form1.h"

namespace tessora::qt {

AboutDialog::AboutDialog(MainView* view) : QDialog(view), view_(view) {
  setObjectName(QStringLiteral("Form4"));
  setModal(false);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  AboutWindow& state = view_->form().form4;
  setFixedSize(Px(state.width), Px(state.height));
  for (tessora::Control* c : state.Controls()) {
    ControlSlot slot;
    slot.name = c->name;
    slot.widget = CreateControlWidget(*c, this);
    if (auto* label = qobject_cast<QLabel*>(slot.widget)) label->setAutoFillBackground(false);
    if (auto* button = qobject_cast<QPushButton*>(slot.widget)) {
      button->setDefault(true);
      connect(button, &QPushButton::clicked, this,
              [this] { view_->Forward([this] { view_->form().Click("Command1"); }); });
    }
    slots_.push_back(std::move(slot));
  }
  Sync(state);
}

void AboutDialog::Sync(AboutWindow& state) {
  const QString caption = QString::fromStdString(state.caption);
  if (caption != drawnCaption_) {
    setWindowTitle(caption);
    drawnCaption_ = caption;
  }
  const auto controls = state.Controls();
  for (std::size_t i = 0; i < controls.size() && i < slots_.size(); ++i) ApplyControl(slots_[i], *controls[i]);
}

void AboutDialog::Rescale() {
  AboutWindow& state = view_->form().form4;
  setFixedSize(Px(state.width), Px(state.height));
  for (ControlSlot& slot : slots_) slot.drawn = false;
  Sync(state);
}

QWidget* AboutDialog::Control(const std::string& name) const {
  for (const auto& s : slots_)
    if (s.name == name) return s.widget;
  return nullptr;
}

// Esc and the close box are the "OK" button.
void AboutDialog::reject() {
  view_->Forward([this] { view_->form().Click("Command1"); });
}

void AboutDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}

}  // namespace tessora::qt
