// The board's widgets: the cell labels, the layer that draws the grid lines
// and the figures over the board, and the window's surface.
#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "ui/window.h"

namespace tessora::qt {

class MainView;

// How a trial text (three lines of equal length: the trial candidates, then
// the marks of each phase) is laid out in a cell: the lines stacked as close
// as the cell's height needs, each centred, and narrowed together when the
// longest is wider than the cell, so that every mark stays under its digit.
struct TrialTextLayout {
  QStringList lines;     // empty: the caption is not a trial text
  double scaleX = 1;     // horizontal scale of the text
  double lineStep = 0;   // pixels from one baseline to the next
  double top = 0;        // the first line's baseline
};
TrialTextLayout LayoutTrialText(const QString& caption, const QFont& font, const QSize& cell);
// What a cell draws of a caption that is no trial text: the text without the
// blanks around it, a run of more than five digits broken after the fifth.
QString ShownText(const QString& caption);

// One cell label caN(i): background, optional single border, caption centred
// (wrapped onto two lines when it does not fit), tooltip.
class CellWidget : public QWidget {
 public:
  CellWidget(MainView* view, int index, QWidget* parent);
  // Draws the cell's state; only a change repaints.
  void Apply(const CellLabel& cell);
  // The next Apply draws everything again (after a change of scale).
  void Invalidate();

  QString Caption() const { return caption_; }
  // The layout of the caption when it is a trial text.
  TrialTextLayout TrialLayout() const { return LayoutTrialText(caption_, font_, size()); }
  QFont CaptionFont() const { return font_; }
  QColor Background() const { return back_; }
  QColor Ink() const { return ink_; }
  bool Bordered() const { return border_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;

 private:
  MainView* view_;
  int index_;
  CellLabel last_;
  bool drawn_ = false;
  QString caption_;
  QColor back_, ink_;
  bool border_ = false;
  QFont font_;
  int pressed_ = 0;  // the button pressed on this cell, for the click
};

// Transparent to the mouse; draws the grid lines liO, liV and the figures of
// the window's drawing surface above the cells.
class Overlay : public QWidget {
 public:
  explicit Overlay(QWidget* parent);
  // Each returns true when something changed (and schedules a repaint).
  bool SetLines(const std::vector<Control>& horizontal, const std::vector<Control>& vertical);
  bool SetFigures(const std::vector<Figure>& figures);
  const std::vector<Figure>& Figures() const { return figures_; }
  void Invalidate() { update(); }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  struct LineShape {
    int x1, y1, x2, y2, width;
    Colour colour;
    bool visible;
    bool operator==(const LineShape&) const = default;
  };
  std::vector<LineShape> lines_;
  std::vector<Figure> figures_;
};

// The window's client area: the parent of every control; the mouse moving
// over it (outside the controls) is the window's own mouse-move event. It
// holds the keyboard focus for the board: the keys it gets go to the core.
class Surface : public QWidget {
 public:
  Surface(MainView* view, QWidget* parent);

 protected:
  void mouseMoveEvent(QMouseEvent*) override;

 private:
  MainView* view_;
};

// The main window's central area: the surface at the size of its scale,
// centred when the window is larger than it.
class Stage : public QWidget {
 public:
  explicit Stage(QWidget* parent);
  void SetSurface(QWidget* surface) { surface_ = surface; }
  // The surface centred again (after its size changed).
  void Centre();
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // The size of the surface at the smallest scale, the least room the window gives it.
  QSize smallest;

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  QWidget* surface_ = nullptr;
};

}  // namespace tessora::qt
