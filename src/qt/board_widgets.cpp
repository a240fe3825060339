#include "board_widgets.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "key_codes.h"
#include "main_view.h"
#include "style.h"

namespace tessora::qt {

namespace {

bool SameFigure(const Figure& a, const Figure& b) {
  return a.type == b.type && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
         a.radius == b.radius && a.colour == b.colour && a.widthPx == b.widthPx && a.filled == b.filled;
}

}  // namespace

QString ShownText(const QString& caption) {
  // The blanks around a cell's candidate text only pad it; a run of more
  // than five candidates goes on two lines, as the display writes them.
  QString shown = caption.trimmed();
  if (shown.size() > 5 && std::all_of(shown.begin(), shown.end(), [](QChar c) { return c.isDigit(); }))
    shown.insert(5, QLatin1Char(' '));
  return shown;
}

TrialTextLayout LayoutTrialText(const QString& caption, const QFont& font, const QSize& cell) {
  TrialTextLayout l;
  if (!caption.contains(QLatin1String("\r\n"))) return l;
  l.lines = caption.split(QLatin1String("\r\n"));
  const QFontMetricsF fm(font);
  double widest = 0;
  for (const QString& line : l.lines) widest = std::max(widest, fm.horizontalAdvance(line));
  const double room = cell.width() - 2.0;
  if (widest > room && widest > 0) l.scaleX = room / widest;
  // Lines as far apart as the font wants, closer when they would not fit.
  const double height = cell.height() - 2.0;
  const double glyphs = fm.ascent() + fm.descent();
  l.lineStep = std::min(fm.lineSpacing(), (height - glyphs) / std::max<qsizetype>(1, l.lines.size() - 1));
  const double block = l.lineStep * (l.lines.size() - 1) + glyphs;
  l.top = 1.0 + (height - block) / 2 + fm.ascent();
  return l;
}

// ---- cells ----------------------------------------------------------------

CellWidget::CellWidget(MainView* view, int index, QWidget* parent) : QWidget(parent), view_(view), index_(index) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setObjectName(QStringLiteral("caN(%1)").arg(index));
}

void CellWidget::Apply(const CellLabel& c) {
  const bool force = !drawn_;
  bool repaint = false;
  if (force || c.caption != last_.caption) {
    caption_ = QString::fromStdString(c.caption);
    repaint = true;
  }
  if (force || c.font != last_.font || c.size != last_.size) {
    font_ = ToQFont(c.font, c.size);
    repaint = true;
  }
  static const QPalette palette = WindowPalette();
  if (force || c.ink != last_.ink) {
    ink_ = ToQColor(c.ink, palette);
    repaint = true;
  }
  if (force || c.back != last_.back) {
    back_ = ToQColor(c.back, palette);
    repaint = true;
  }
  if (force || c.border != last_.border) {
    border_ = c.border;
    repaint = true;
  }
  if (force || c.left != last_.left || c.top != last_.top)
    setGeometry(PxRect(c.left, c.top, CellLabel::kWidth, CellLabel::kHeight));
  if (force || c.tooltip != last_.tooltip) setToolTip(QString::fromStdString(c.tooltip));
  if (force || c.visible != last_.visible) setVisible(c.visible);
  if (repaint && !force) update();
  last_ = c;
  drawn_ = true;
}

void CellWidget::Invalidate() {
  drawn_ = false;
  update();
}

void CellWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), back_);
  if (border_) {
    const int w = Scaled(1);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const QRect r = rect();
    p.drawRect(QRect(r.left(), r.top(), r.width(), w));
    p.drawRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w));
    p.drawRect(QRect(r.left(), r.top(), w, r.height()));
    p.drawRect(QRect(r.right() - w + 1, r.top(), w, r.height()));
  }
  if (caption_.isEmpty()) return;
  p.setFont(font_);
  p.setPen(ink_);
  const TrialTextLayout trial = TrialLayout();
  if (trial.lines.isEmpty()) {
    p.drawText(rect().adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWordWrap, ShownText(caption_));
    return;
  }
  // A trial text: the marks in columns under the digits.
  const QFontMetricsF fm(font_);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.translate(width() / 2.0, 0);
  p.scale(trial.scaleX, 1);
  double y = trial.top;
  for (const QString& line : trial.lines) {
    p.drawText(QPointF(-fm.horizontalAdvance(line) / 2, y), line);
    y += trial.lineStep;
  }
}

void CellWidget::mouseMoveEvent(QMouseEvent* e) {
  view_->CellMouseMove(index_, ButtonMask(e->buttons()), ShiftMask(e->modifiers()));
}

void CellWidget::mousePressEvent(QMouseEvent* e) {
  pressed_ = ButtonNumber(e->button());
  if (pressed_) view_->CellMouseDown(index_, pressed_, ShiftMask(e->modifiers()));
}

void CellWidget::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressed_ == 1 && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  pressed_ = 0;
  if (click) view_->CellClick(index_);
}

void CellWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press of a double-click: no mouse-down and no click of its own.
  pressed_ = 0;
  if (e->button() == Qt::LeftButton) {
    view_->CellDblClick(index_);
  } else if (int b = ButtonNumber(e->button())) {
    pressed_ = b;
    view_->CellMouseDown(index_, b, ShiftMask(e->modifiers()));
  }
}

// ---- lines and figures ------------------------------------------------------

Overlay::Overlay(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setObjectName(QStringLiteral("drawing"));
}

bool Overlay::SetLines(const std::vector<Control>& horizontal, const std::vector<Control>& vertical) {
  std::vector<LineShape> lines;
  lines.reserve(horizontal.size() + vertical.size());
  for (const auto* arr : {&horizontal, &vertical})
    for (const Control& l : *arr) lines.push_back({l.x1, l.y1, l.x2, l.y2, l.borderWidth, l.fore, l.visible});
  if (lines == lines_) return false;
  lines_ = std::move(lines);
  update();
  return true;
}

bool Overlay::SetFigures(const std::vector<Figure>& figures) {
  if (figures.size() == figures_.size() &&
      std::equal(figures.begin(), figures.end(), figures_.begin(), SameFigure))
    return false;
  figures_ = figures;
  update();
  return true;
}

void Overlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  static const QPalette palette = WindowPalette();
  // Grid lines: crisp, square ends so that the thick lines meet in full corners.
  for (const LineShape& l : lines_) {
    if (!l.visible) continue;
    p.setPen(QPen(ToQColor(l.colour, palette), Scaled(std::max(1, l.width)), Qt::SolidLine, Qt::SquareCap));
    p.drawLine(Px(l.x1), Px(l.y1), Px(l.x2), Px(l.y2));
  }
  if (figures_.empty()) return;
  p.setRenderHint(QPainter::Antialiasing);
  for (const Figure& g : figures_) {
    const QColor c = ToQColor(g.colour, palette);
    p.setPen(QPen(c, Scaled(std::max(1, g.widthPx))));
    if (g.type == Figure::Circle) {
      p.setBrush(g.filled ? QBrush(c) : QBrush(Qt::NoBrush));
      const double r = PxF(g.radius);
      p.drawEllipse(QPointF(PxF(g.x1), PxF(g.y1)), r, r);
    } else {
      p.drawLine(QPointF(PxF(g.x1), PxF(g.y1)), QPointF(PxF(g.x2), PxF(g.y2)));
    }
  }
}

// ---- the surface ------------------------------------------------------------

Surface::Surface(MainView* view, QWidget* parent) : QWidget(parent), view_(view) {
  setMouseTracking(true);
  setAutoFillBackground(true);
  setObjectName(QStringLiteral("Form1"));
}

Stage::Stage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("stage"));
  setAutoFillBackground(true);
}

void Stage::Centre() {
  if (!surface_) return;
  surface_->move(std::max(0, (width() - surface_->width()) / 2), std::max(0, (height() - surface_->height()) / 2));
}

QSize Stage::sizeHint() const { return surface_ ? surface_->size() : QWidget::sizeHint(); }

QSize Stage::minimumSizeHint() const { return smallest; }

void Stage::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Centre();
}

void Surface::mouseMoveEvent(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  view_->SurfaceMouseMove(ButtonMask(e->buttons()), ShiftMask(e->modifiers()), Twips(at.x()), Twips(at.y()));
}

}  // namespace tessora::qt
