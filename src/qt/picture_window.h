// A frameless window shaped from its picture (the start-up and closing
// windows): the picture's pure white is cut out with a window mask, and a
// press of any mouse button anywhere on it drags the window once the mouse
// moves; a press and release without a move is a click.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>

namespace tessora::qt {

// The visible part of a picture: its rectangle without the runs of pure
// white that the core's shape rule finds.
QRegion PictureOutline(const QImage& picture);

class PictureWindowView : public QWidget {
 public:
  explicit PictureWindowView(const QString& name);
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }
  // The user closed the window (Alt+F4, the window manager) before its time.
  std::function<void()> onClosed;
  // A click on the window (any button, released where it was pressed).
  std::function<void()> onClicked;
  // A key pressed on the window, as the program's key code.
  std::function<void(int keyCode)> onKey;
  // What the window looks like over a desktop of the given colour: the
  // picture inside the outline, the desktop elsewhere.
  QImage OnDesktop(const QColor& desktop) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void closeEvent(QCloseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;

 private:
  QImage picture_;
  QPoint pressAt_;      // where the held button went down (global)
  QPoint dragOffset_;
  bool pressed_ = false;   // a button is held
  bool dragging_ = false;  // ... and the window follows the mouse itself
  bool moved_ = false;     // ... and the press became a drag
};

}  // namespace tessora::qt
