#include "picture_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <vector>

#include "artwork.h"
#include "key_codes.h"
#include "ui/splash.h"

namespace tessora::qt {

QRegion PictureOutline(const QImage& picture) {
  const std::vector<PixelRect> cuts = WhiteRuns(ToPicture(picture));
  if (cuts.empty()) return QRegion(picture.rect());
  // The runs come row by row, left to right: the visible pieces of each row lie between them.
  std::vector<QRect> visible;
  std::size_t i = 0;
  for (int y = 0; y < picture.height(); ++y) {
    int x = 0;
    for (; i < cuts.size() && cuts[i].top == y; ++i) {
      if (cuts[i].left > x) visible.emplace_back(x, y, cuts[i].left - x, 1);
      x = cuts[i].right;
    }
    if (x < picture.width()) visible.emplace_back(x, y, picture.width() - x, 1);
  }
  QRegion region;
  region.setRects(visible.data(), static_cast<int>(visible.size()));
  return region;
}

PictureWindowView::PictureWindowView(const QString& name)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(name);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowTitle(QStringLiteral("Tessora"));
}

void PictureWindowView::SetPicture(const QImage& picture) {
  picture_ = picture;
  setFixedSize(picture.size());
  setMask(PictureOutline(picture));
  update();
}

QImage PictureWindowView::OnDesktop(const QColor& desktop) const {
  QImage out(picture_.size(), QImage::Format_RGB32);
  out.fill(desktop);
  QPainter p(&out);
  p.setClipRegion(mask().isEmpty() ? QRegion(picture_.rect()) : mask());
  p.drawImage(0, 0, picture_);
  return out;
}

void PictureWindowView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, picture_);
}

void PictureWindowView::mousePressEvent(QMouseEvent* e) {
  // Any button: a drag once the mouse moves, a click when it is released first.
  pressed_ = true;
  moved_ = false;
  dragging_ = false;
  pressAt_ = e->globalPosition().toPoint();
}

void PictureWindowView::mouseMoveEvent(QMouseEvent* e) {
  if (!pressed_) return;
  const QPoint at = e->globalPosition().toPoint();
  if (!moved_) {
    if ((at - pressAt_).manhattanLength() < QApplication::startDragDistance()) return;
    moved_ = true;
    // The window system moves the window while the button is held; where it
    // cannot, the window follows the mouse itself.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = pressAt_ - frameGeometry().topLeft();
  }
  if (dragging_) move(at - dragOffset_);
}

void PictureWindowView::mouseReleaseEvent(QMouseEvent*) {
  const bool click = pressed_ && !moved_;
  pressed_ = false;
  dragging_ = false;
  if (click && onClicked) {
    auto clicked = onClicked;
    clicked();
  }
}

void PictureWindowView::keyPressEvent(QKeyEvent* e) {
  if (!onKey) {
    QWidget::keyPressEvent(e);
    return;
  }
  auto key = onKey;
  key(KeyCode(*e));
}

void PictureWindowView::closeEvent(QCloseEvent* e) {
  e->accept();
  if (onClosed) {
    auto closed = onClosed;
    closed();
  }
}

}  // namespace tessora::qt
