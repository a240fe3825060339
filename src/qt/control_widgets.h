// One Qt widget per control of the core, and the incremental drawing of a
// control's state onto its widget: only what changed since the last drawing
// is touched.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <string>
#include <vector>

#include "ui/window.h"

namespace tessora::qt {

// A control with the copy of its state that was drawn last.
struct ControlSlot {
  std::string name;
  QWidget* widget = nullptr;  // null: the control is not drawn (timers, hidden helpers)
  Control last;
  bool drawn = false;
};

// Creates the widget of a control (no parent given: the caller places it);
// null for the kinds that have no widget.
QWidget* CreateControlWidget(const Control& c, QWidget* parent);

// Draws `now` onto the slot's widget, comparing with the last drawn state
// (and, for what the user can change himself, with the widget's own state).
void ApplyControl(ControlSlot& slot, const Control& now);

// The shape control: a filled circle.
class LightWidget : public QWidget {
 public:
  explicit LightWidget(QWidget* parent = nullptr);
  void SetColour(const QColor& c);
  QColor Colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor colour_;
};

// A picture box: lines printed in a font over a light background.
class PictureBox : public QFrame {
 public:
  explicit PictureBox(QWidget* parent = nullptr);
  void SetLines(const std::vector<std::string>& lines);
  const QStringList& Lines() const { return lines_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QStringList lines_;
};

// A frame with a caption: an etched border with the caption set into its top
// edge, the inside filled with the frame's colour; children are placed from
// its top-left corner.
class CaptionFrame : public QWidget {
 public:
  explicit CaptionFrame(QWidget* parent = nullptr);
  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString caption_;
};

// The digits of the correction panel (CorCanT): each one centred over its
// tick box, the boxes being 195 twips apart.
class DigitRow : public QLabel {
 public:
  explicit DigitRow(QWidget* parent = nullptr);
  static constexpr int kPitch = 195;  // twips

 protected:
  void paintEvent(QPaintEvent*) override;
};

// The "completed" picture of the image control.
class CompletedImage : public QWidget {
 public:
  explicit CompletedImage(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent*) override;
};

// Names of the controls that are never shown.
bool NeverShown(const Control& c);

}  // namespace tessora::qt
