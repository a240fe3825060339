#include "priority_dialog.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>

#include "main_view.h"
#include "style.h"
#include "ui/form1.h"

namespace tessora::qt {

PriorityDialog::PriorityDialog(MainView* view) : QDialog(view), view_(view) {
  setObjectName(QStringLiteral("Form3"));
  PriorityWindow& state = view_->form().form3;
  setFixedSize(Px(state.width), Px(state.height));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  for (Control* c : state.Controls()) {
    ControlSlot slot;
    slot.name = c->name;
    slot.widget = CreateControlWidget(*c, this);
    const std::string name = c->name;
    if (auto* list = qobject_cast<QListWidget*>(slot.widget)) {
      // A row chosen by the mouse or the arrow keys; the drawing itself sets rows with signals blocked.
      auto pick = [this, name](QListWidgetItem* item) {
        if (!item) return;
        const std::string text = item->text().toStdString();
        view_->Forward([this, name, text] { view_->form().Pick(name, text); });
      };
      connect(list, &QListWidget::itemClicked, this, pick);
      connect(list, &QListWidget::currentItemChanged, this,
              [pick](QListWidgetItem* now, QListWidgetItem*) { pick(now); });
    } else if (auto* button = qobject_cast<QPushButton*>(slot.widget)) {
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this,
              [this, name] { view_->Forward([this, name] { view_->form().Click(name); }); });
    }
    slots_.push_back(std::move(slot));
  }
  Sync(state);
}

void PriorityDialog::Rescale() {
  setFixedSize(Px(view_->form().form3.width), Px(view_->form().form3.height));
  for (ControlSlot& slot : slots_) slot.drawn = false;
  Sync(view_->form().form3);
}

void PriorityDialog::Sync(PriorityWindow& state) {
  const QString caption = QString::fromStdString(state.caption);
  if (caption != drawnCaption_) {
    setWindowTitle(caption);
    drawnCaption_ = caption;
  }
  const auto controls = state.Controls();
  for (std::size_t i = 0; i < controls.size() && i < slots_.size(); ++i) ApplyControl(slots_[i], *controls[i]);
}

QListWidget* PriorityDialog::List() const {
  for (const auto& s : slots_)
    if (auto* l = qobject_cast<QListWidget*>(s.widget)) return l;
  return nullptr;
}

QPushButton* PriorityDialog::Button(const std::string& name) const {
  for (const auto& s : slots_)
    if (s.name == name) return qobject_cast<QPushButton*>(s.widget);
  return nullptr;
}

// Esc and the close box are the "OK" button: the dialog has no cancel.
void PriorityDialog::reject() {
  view_->Forward([this] { view_->form().Click("faiEsci"); });
}

void PriorityDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}

}  // namespace tessora::qt
