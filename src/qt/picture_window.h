// A frameless window shaped from its picture (the start-up and closing
// windows): the picture's pure white is cut out with a window mask, and a
// press of any mouse button anywhere on it drags the window.
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
  // What the window looks like over a desktop of the given colour: the
  // picture inside the outline, the desktop elsewhere.
  QImage OnDesktop(const QColor& desktop) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void closeEvent(QCloseEvent*) override;

 private:
  QImage picture_;
  QPoint dragOffset_;
  bool dragging_ = false;
};

}  // namespace tessora::qt
