#include "control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "style.h"

namespace tessora::qt {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Captions of buttons and frames: an ampersand is a character, not a mnemonic.
QString Plain(const std::string& s) { return Q(s).replace(QLatin1Char('&'), QLatin1String("&&")); }

QStringList ToLines(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<int>(items.size()));
  for (const auto& s : items) out << Q(s);
  return out;
}

// Labels whose width follows their text.
bool AutoSized(const Control& c) {
  return c.name == "NErr" || c.name.rfind("ri(", 0) == 0 || c.name.rfind("co(", 0) == 0;
}

bool SameLook(const Control& a, const Control& b) {
  return a.caption == b.caption && a.text == b.text && a.tooltip == b.tooltip && a.enabled == b.enabled &&
         a.visible == b.visible && a.checked == b.checked && a.selected == b.selected && a.back == b.back &&
         a.fore == b.fore && a.fontName == b.fontName && a.fontSize == b.fontSize && a.bold == b.bold &&
         a.centred == b.centred && a.left == b.left && a.top == b.top && a.width == b.width &&
         a.height == b.height && a.items == b.items && a.listIndex == b.listIndex;
}

// Sets a colour for the active and inactive groups; the disabled group keeps
// the toolkit's greyed colours (texts) unless `allGroups` (backgrounds).
void SetRole(QPalette& p, QPalette::ColorRole role, const QColor& c, bool allGroups) {
  p.setColor(QPalette::Active, role, c);
  p.setColor(QPalette::Inactive, role, c);
  if (allGroups) p.setColor(QPalette::Disabled, role, c);
}

QPalette PaletteFor(const Control& c) {
  static const QPalette base = WindowPalette();
  QPalette p = base;
  const QColor back = ToQColor(c.back, base);
  const QColor fore = ToQColor(c.fore, base);
  switch (c.kind) {
    case Kind::Button:
      SetRole(p, QPalette::Button, back, true);
      SetRole(p, QPalette::ButtonText, fore, false);
      break;
    case Kind::ListBox:
      SetRole(p, QPalette::Base, back, true);
      SetRole(p, QPalette::Text, fore, false);
      break;
    case Kind::Combo:
      break;
    default:
      SetRole(p, QPalette::Window, back, true);
      SetRole(p, QPalette::WindowText, fore, false);
      break;
  }
  return p;
}

void ApplyItems(QWidget* w, const Control& now, const Control& last, bool force) {
  if (!force && now.items == last.items) return;
  if (auto* list = qobject_cast<QListWidget*>(w)) {
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(ToLines(now.items));
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(ToLines(now.items));
  } else if (auto* pic = dynamic_cast<PictureBox*>(w)) {
    pic->SetLines(now.items);
  }
}

// The part of the state that the user can change in the widget himself: it
// always follows the core, whatever the widget did on a click.
void ApplyUserState(QWidget* w, const Control& now) {
  switch (now.kind) {
    case Kind::Option:
    case Kind::CheckBox: {
      auto* b = static_cast<QAbstractButton*>(w);
      const bool on = now.kind == Kind::Option ? now.selected : now.checked;
      if (b->isChecked() != on) {
        const QSignalBlocker block(b);
        b->setChecked(on);
      }
      break;
    }
    case Kind::Combo: {
      auto* combo = static_cast<QComboBox*>(w);
      const int index = combo->findText(Q(now.text), Qt::MatchExactly);
      if (index < 0 && combo->placeholderText() != Q(now.text)) combo->setPlaceholderText(Q(now.text));
      if (combo->currentIndex() != index) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(index);
      }
      break;
    }
    case Kind::ListBox: {
      auto* list = static_cast<QListWidget*>(w);
      const int row = now.listIndex >= 0 && now.listIndex < list->count() ? now.listIndex : -1;
      if (list->currentRow() != row || (row < 0 && !list->selectedItems().isEmpty())) {
        const QSignalBlocker block(list);
        if (row < 0) {
          list->setCurrentRow(-1);
          list->clearSelection();
        } else {
          list->setCurrentRow(row);
        }
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace

bool NeverShown(const Control& c) {
  return c.kind == Kind::Timer || c.kind == Kind::TextBox || c.name == "Poss2" || c.name == "Poss3" ||
         c.name == "CorCan";
}

QWidget* CreateControlWidget(const Control& c, QWidget* parent) {
  if (NeverShown(c)) return nullptr;
  QWidget* w = nullptr;
  switch (c.kind) {
    case Kind::Button:
      w = new QPushButton(parent);
      break;
    case Kind::Option: {
      auto* r = new QRadioButton(parent);
      r->setAutoExclusive(false);  // the core decides which option is selected
      r->setAutoFillBackground(true);
      w = r;
      break;
    }
    case Kind::CheckBox: {
      auto* b = new QCheckBox(parent);
      b->setAutoFillBackground(true);
      w = b;
      break;
    }
    case Kind::Combo: {
      auto* combo = new QComboBox(parent);
      combo->setMaxVisibleItems(9);
      w = combo;
      break;
    }
    case Kind::Label: {
      auto* l = c.name == "CorCanT" ? new DigitRow(parent) : new QLabel(parent);
      l->setTextFormat(Qt::PlainText);
      l->setAutoFillBackground(true);
      w = l;
      break;
    }
    case Kind::Frame:
      if (!c.caption.empty()) {
        w = new CaptionFrame(parent);
      } else {
        auto* f = new QFrame(parent);
        f->setFrameStyle(QFrame::NoFrame);
        w = f;
      }
      w->setAutoFillBackground(true);
      break;
    case Kind::Picture:
      w = new PictureBox(parent);
      break;
    case Kind::Image:
      w = new CompletedImage(parent);
      break;
    case Kind::Shape:
      w = new LightWidget(parent);
      break;
    case Kind::ListBox: {
      auto* list = new QListWidget(parent);
      list->setSelectionMode(c.name == "ListCons" ? QAbstractItemView::NoSelection
                                                  : QAbstractItemView::SingleSelection);
      list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      list->setTextElideMode(Qt::ElideNone);
      list->setUniformItemSizes(true);
      w = list;
      break;
    }
    default:
      return nullptr;
  }
  w->setObjectName(Q(c.name));
  return w;
}

void ApplyControl(ControlSlot& slot, const Control& now) {
  QWidget* w = slot.widget;
  if (!w) return;
  const bool force = !slot.drawn;
  Control& last = slot.last;
  if (!force && SameLook(now, last)) {
    ApplyUserState(w, now);
    return;
  }

  const bool fontChanged =
      force || now.fontName != last.fontName || now.fontSize != last.fontSize || now.bold != last.bold;
  const bool captionChanged = force || now.caption != last.caption;
  if (fontChanged) w->setFont(ToQFont(now.fontName, now.fontSize, now.bold));
  if (force || now.back != last.back || now.fore != last.fore) {
    w->setPalette(PaletteFor(now));
    if (auto* light = dynamic_cast<LightWidget*>(w)) light->SetColour(ToQColor(now.back, WindowPalette()));
  }

  if (captionChanged) {
    switch (now.kind) {
      case Kind::Button:
      case Kind::Option:
      case Kind::CheckBox:
        static_cast<QAbstractButton*>(w)->setText(Plain(now.caption));
        break;
      case Kind::Label:
        static_cast<QLabel*>(w)->setText(Q(now.caption));
        break;
      case Kind::Frame:
        if (auto* f = dynamic_cast<CaptionFrame*>(w)) f->SetCaption(Q(now.caption));
        break;
      default:
        break;
    }
  }
  if (auto* l = qobject_cast<QLabel*>(w); l && (force || now.centred != last.centred))
    l->setAlignment((now.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);

  ApplyItems(w, now, last, force);

  const bool autoSized = now.kind == Kind::Label && AutoSized(now);
  if (force || now.left != last.left || now.top != last.top || now.width != last.width ||
      now.height != last.height || (autoSized && (captionChanged || fontChanged))) {
    QRect r = PxRect(now.left, now.top, now.width, now.height);
    if (autoSized) r.setWidth(std::max(r.width(), w->fontMetrics().horizontalAdvance(Q(now.caption)) + 2));
    w->setGeometry(r);
  }
  if (force || now.enabled != last.enabled) w->setEnabled(now.enabled);
  if (force || now.tooltip != last.tooltip) w->setToolTip(Q(now.tooltip));
  if (force || now.visible != last.visible) w->setVisible(now.visible);

  ApplyUserState(w, now);
  last = now;
  slot.drawn = true;
}

// ---- the shape, the picture boxes and the image ---------------------------

LightWidget::LightWidget(QWidget* parent) : QWidget(parent) {}

void LightWidget::SetColour(const QColor& c) {
  if (c == colour_) return;
  colour_ = c;
  update();
}

void LightWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
  p.setPen(QPen(colour_.darker(170), 1.2 * Zoom() / 100.0));
  p.setBrush(colour_);
  p.drawEllipse(r);
}

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) { setFrameStyle(QFrame::Panel | QFrame::Sunken); }

void PictureBox::SetLines(const std::vector<std::string>& lines) {
  QStringList l = ToLines(lines);
  if (l == lines_) return;
  lines_ = l;
  update();
}

void PictureBox::paintEvent(QPaintEvent* e) {
  {
    QPainter p(this);
    const QRect inner = contentsRect();
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0, QColor(0xFD, 0xFB, 0xF2));
    g.setColorAt(1, QColor(0xF3, 0xEE, 0xDC));
    p.fillRect(inner, g);
    p.setPen(Qt::black);
    p.setFont(font());
    const QFontMetrics fm(font());
    int y = inner.top() + Scaled(2) + fm.ascent();
    for (const QString& line : lines_) {
      p.drawText(inner.left() + Scaled(3), y, line);
      y += fm.height();
    }
  }
  QFrame::paintEvent(e);
}

CaptionFrame::CaptionFrame(QWidget* parent) : QWidget(parent) {}

void CaptionFrame::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void CaptionFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  const QFontMetrics fm(font());
  const int y = fm.height() / 2;
  const QRect box = rect().adjusted(0, y, -2, -2);
  const QColor dark = palette().color(QPalette::Window).darker(150);
  p.setPen(dark);
  p.drawRect(box);
  p.setPen(Qt::white);
  p.drawRect(box.translated(1, 1));
  if (caption_.isEmpty()) return;
  const int textWidth = fm.horizontalAdvance(caption_);
  // The caption sits a little in from the left; where the font, rounded at
  // the window's scale, makes it too wide for that, it moves left so that it
  // still ends inside the frame.
  const int room = box.width() - Scaled(4) - textWidth - Scaled(4);
  const QRect text(std::clamp(room, Scaled(1), Scaled(7)), 0, textWidth + Scaled(4), fm.height());
  p.fillRect(text, palette().color(QPalette::Window));
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  p.drawText(text, Qt::AlignCenter, caption_);
}

DigitRow::DigitRow(QWidget* parent) : QLabel(parent) {}

void DigitRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  const QString digits = text();
  const double pitch = PxF(kPitch);
  for (int i = 0; i < digits.size(); ++i)
    p.drawText(QRectF(i * pitch, 0, pitch, height()), Qt::AlignCenter, digits.mid(i, 1));
}

CompletedImage::CompletedImage(QWidget* parent) : QWidget(parent) {}

void CompletedImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal z = Zoom() / 100.0;
  const QRectF r = QRectF(rect()).adjusted(1.5 * z, 1.5 * z, -1.5 * z, -1.5 * z);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(0x5C, 0xC8, 0x5C));
  g.setColorAt(1, QColor(0x1E, 0x8A, 0x3A));
  p.setPen(QPen(QColor(0x14, 0x5A, 0x26), 2 * z));
  p.setBrush(g);
  p.drawRoundedRect(r, 12 * z, 12 * z);

  // A small board of nine boxes, all filled, on the left.
  const qreal side = r.height() * 0.56;
  const QRectF board(r.left() + 12 * z, r.center().y() - side / 2 - 8 * z, side, side);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawRect(board);
  p.setPen(QPen(QColor(0x14, 0x5A, 0x26), z));
  for (int i = 1; i < 3; ++i) {
    const qreal x = board.left() + board.width() * i / 3, y = board.top() + board.height() * i / 3;
    p.drawLine(QPointF(x, board.top()), QPointF(x, board.bottom()));
    p.drawLine(QPointF(board.left(), y), QPointF(board.right(), y));
  }
  // The tick over it.
  QPainterPath tick;
  tick.moveTo(board.left() + side * 0.18, board.top() + side * 0.52);
  tick.lineTo(board.left() + side * 0.42, board.top() + side * 0.78);
  tick.lineTo(board.left() + side * 0.95, board.top() + side * 0.12);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0xD9, 0x2B, 0x2B), 5 * z, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);

  // The words.
  QFont f = ToQFont(font::Sans, 11, true);
  p.setFont(f);
  p.setPen(Qt::white);
  const QRectF text(board.right() + 6 * z, r.top() + 6 * z, r.right() - board.right() - 10 * z, r.height() - 30 * z);
  p.drawText(text, Qt::AlignCenter, QStringLiteral("SUDOKU\nSOLVED"));
  QFont small = ToQFont(font::Sans, 8.25, true);
  p.setFont(small);
  p.setPen(QColor(0xE8, 0xFF, 0xE8));
  p.drawText(QRectF(r.left(), r.bottom() - 22 * z, r.width(), 18 * z), Qt::AlignCenter, QStringLiteral("COMPLETED!"));
}

}  // namespace tessora::qt
