#include "artwork.h"

#include <QFont>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ui/splash.h"

namespace tessora::qt {

namespace {

// One finished grid of the tutor's own, and which of its cells the pictures show.
const char kGrid[] = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
const char kShown[] = "110010000100110000011000010100010001100101001100010001010000110000110010000010011";

const QColor kInk(0x22, 0x2A, 0x35);
const QColor kPlayed(0x00, 0x00, 0xC0);   // the dark blue of values keyed in play
const QColor kCursor(0xFF, 0xFF, 0xC0);   // the light yellow of the cursor cell
const QColor kMarked(0xFF, 0xC0, 0xFF);   // the pink of a double-clicked value
const QColor kNavy(0x1F, 0x4E, 0x8C);
const QColor kNavyDark(0x14, 0x33, 0x5E);
const QColor kTileA(0xF7, 0xEE, 0xD6);
const QColor kTileB(0xDD, 0xE9, 0xF6);
const QColor kEdge(0x4A, 0x3F, 0x2C);

QString SansFamily() {
  const QStringList known = QFontDatabase::families();
  for (const char* f : {"Liberation Sans", "DejaVu Sans"})
    if (known.contains(QString::fromLatin1(f))) return QString::fromLatin1(f);
  return QString();
}

QFont ArtFont(qreal pixels, bool bold) {
  QFont f(SansFamily());
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  f.setBold(bold);
  return f;
}

// The drawing, with its transparency, laid on pure white: a pixel at least
// half covered keeps its colour (never pure white), any other becomes pure
// white. So the outer edge is hard and the shape rule follows it exactly.
QImage OnWhite(const QImage& drawing) {
  QImage out(drawing.size(), QImage::Format_RGB32);
  const QImage src = drawing.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      const QRgb p = in[x];
      if (qAlpha(p) < 128) {
        o[x] = qRgb(255, 255, 255);
      } else {
        const int a = qAlpha(p);
        // The colour seen over white, then kept a shade off pure white.
        const auto over = [a](int c) { return std::min(254, (c * a + 255 * (255 - a)) / 255); };
        o[x] = qRgb(over(qRed(p)), over(qGreen(p)), over(qBlue(p)));
      }
    }
  }
  return out;
}

// One 3 x 3 box of the grid as a tile: box b (0..8) of kGrid, the cells of
// kShown with their digits, one cell in the cursor's yellow or the marking pink.
void DrawTile(QPainter& p, const QRectF& r, int box, qreal s) {
  const QColor face = box % 2 ? kTileB : kTileA;
  const qreal radius = 7 * s;
  QPainterPath outline;
  outline.addRoundedRect(r, radius, radius);
  p.fillPath(outline, face);
  const qreal cell = r.width() / 3;
  const int row0 = box / 3 * 3, col0 = box % 3 * 3;
  for (int i = 0; i < 9; ++i) {
    const int cellIndex = 9 * (row0 + i / 3) + col0 + i % 3;
    const QRectF c(r.left() + cell * (i % 3), r.top() + cell * (i / 3), cell, cell);
    if (box == 4 && i == 4) {
      p.save();
      p.setClipPath(outline);
      p.fillRect(c.adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s), kCursor);
      p.restore();
    } else if (kGrid[cellIndex] == '7' && kShown[cellIndex] == '1') {
      p.save();
      p.setClipPath(outline);
      p.fillRect(c.adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s), kMarked);
      p.restore();
    }
    if (kShown[cellIndex] == '1') {
      p.setPen(box == 2 || box == 6 ? kPlayed : kInk);
      p.setFont(ArtFont(cell * 0.62, false));
      p.drawText(c, Qt::AlignCenter, QString(QLatin1Char(kGrid[cellIndex])));
    }
  }
  p.setPen(QPen(QColor(0x9A, 0x8F, 0x78), std::max<qreal>(1.0, 0.8 * s)));
  for (int k = 1; k < 3; ++k) {
    p.drawLine(QPointF(r.left() + cell * k, r.top() + 3 * s), QPointF(r.left() + cell * k, r.bottom() - 3 * s));
    p.drawLine(QPointF(r.left() + 3 * s, r.top() + cell * k), QPointF(r.right() - 3 * s, r.top() + cell * k));
  }
  p.setPen(QPen(kEdge, 2 * s));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline);
}

// A rounded navy plate with a dark outline; the titles are written on it.
void DrawPlate(QPainter& p, const QRectF& plate, qreal radius, qreal s) {
  QPainterPath shape;
  shape.addRoundedRect(plate, radius, radius);
  QLinearGradient sky(plate.topLeft(), plate.bottomLeft());
  sky.setColorAt(0, kNavy.lighter(118));
  sky.setColorAt(1, kNavyDark);
  p.fillPath(shape, sky);
  p.setPen(QPen(kNavyDark.darker(130), 2 * s));
  p.drawPath(shape);
}

QImage Canvas(int width, int height) {
  QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

}  // namespace

QImage StartPicture(int percent) {
  const qreal s = percent / 100.0;
  QImage img = Canvas(static_cast<int>(std::lround(271 * s)), static_cast<int>(std::lround(311 * s)));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // The title plate, with a notch under it where the tiles begin.
  const QRectF plate(2 * s, 2 * s, 267 * s, 66 * s);
  DrawPlate(p, plate, 16 * s, s);
  p.setPen(QColor(0xFB, 0xF7, 0xEA));
  p.setFont(ArtFont(33 * s, true));
  p.drawText(QRectF(plate.left(), plate.top() + 3 * s, plate.width(), 40 * s), Qt::AlignCenter,
             QStringLiteral("Tessora"));
  p.setPen(QColor(0xE8, 0xD9, 0x9A));
  p.setFont(ArtFont(12.5 * s, false));
  p.drawText(QRectF(plate.left(), plate.top() + 42 * s, plate.width(), 18 * s), Qt::AlignCenter,
             QStringLiteral("the Sudoku tutor  \u00B7  2.2"));

  // Nine tiles, one per box, with the desktop showing between them.
  const qreal tile = 72 * s, gap = 6 * s;
  const qreal left = (img.width() - (3 * tile + 2 * gap)) / 2;
  const qreal top = 73 * s;
  for (int b = 0; b < 9; ++b) {
    // The tiles of the middle column stand a little lower, like laid stones.
    const qreal lift = b % 3 == 1 ? 0 : -3 * s;
    DrawTile(p, QRectF(left + (tile + gap) * (b % 3), top + (tile + gap) * (b / 3) + lift + 3 * s, tile, tile), b,
             s);
  }
  p.end();
  return OnWhite(img);
}

QImage ClosingPicture(int percent) {
  const qreal s = percent / 100.0;
  QImage img = Canvas(static_cast<int>(std::lround(190 * s)), static_cast<int>(std::lround(115 * s)));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // Three tiles on top: the last row of boxes of the grid.
  const qreal tile = 52 * s, gap = 6 * s;
  const qreal left = (img.width() - (3 * tile + 2 * gap)) / 2;
  for (int k = 0; k < 3; ++k) DrawTile(p, QRectF(left + (tile + gap) * k, 2 * s, tile, tile), 6 + k, s * 0.75);

  // The farewell plate.
  const QRectF plate(4 * s, 60 * s, 182 * s, 52 * s);
  DrawPlate(p, plate, 24 * s, s);
  p.setPen(QColor(0xFB, 0xF7, 0xEA));
  p.setFont(ArtFont(17 * s, true));
  p.drawText(QRectF(plate.left(), plate.top() + 5 * s, plate.width(), 24 * s), Qt::AlignCenter,
             QStringLiteral("See you soon!"));
  p.setPen(QColor(0xE8, 0xD9, 0x9A));
  p.setFont(ArtFont(11 * s, false));
  p.drawText(QRectF(plate.left(), plate.top() + 28 * s, plate.width(), 18 * s), Qt::AlignCenter,
             QStringLiteral("Tessora, the Sudoku tutor"));
  p.end();
  return OnWhite(img);
}

QImage IconPicture(int size) {
  QImage img = Canvas(size, size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size / 256.0;
  const QRectF plate(8 * s, 8 * s, 240 * s, 240 * s);
  QPainterPath plateShape;
  plateShape.addRoundedRect(plate, 44 * s, 44 * s);
  QLinearGradient sky(plate.topLeft(), plate.bottomLeft());
  sky.setColorAt(0, kNavy.lighter(118));
  sky.setColorAt(1, kNavyDark);
  p.fillPath(plateShape, sky);
  // Nine cells as small stones; the middle one is the yellow cursor holding a digit.
  const qreal cell = 62 * s, gap = 10 * s, first = 128 * s - 1.5 * cell - gap;
  for (int i = 0; i < 9; ++i) {
    const QRectF c(first + (cell + gap) * (i % 3), first + (cell + gap) * (i / 3), cell, cell);
    const QColor face = i == 4 ? kCursor : i == 0 || i == 8 ? kMarked : kTileA;
    QPainterPath stone;
    stone.addRoundedRect(c, 12 * s, 12 * s);
    p.fillPath(stone, face);
    if (size >= 32 && (i == 4 || i == 0 || i == 8 || i == 5)) {
      p.setPen(i == 5 ? kPlayed : kInk);
      p.setFont(ArtFont(cell * 0.78, true));
      p.drawText(c, Qt::AlignCenter, QString(QLatin1Char(i == 4 ? '7' : i == 5 ? '3' : '5')));
    }
  }
  p.end();
  return img;
}

Picture ToPicture(const QImage& image) {
  Picture pic;
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  pic.width = rgb.width();
  pic.height = rgb.height();
  pic.pixels.reserve(static_cast<std::size_t>(pic.width) * pic.height);
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) pic.pixels.push_back(line[x] & 0xFFFFFFu);
  }
  return pic;
}

}  // namespace tessora::qt
