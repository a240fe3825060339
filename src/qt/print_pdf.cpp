#include "print_pdf.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <vector>

namespace tessora::qt {

namespace {

using namespace sheet;

constexpr int kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;

QFont SheetFont(const char* family, int points, bool bold = false) {
  QFont font(QString::fromLatin1(family));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

struct ColumnLine {
  QString text;
  bool bold = false;
};

// The paragraphs of the six-column section broken into the lines of a column,
// at word boundaries as a word processor breaks them.
std::vector<ColumnLine> BreakIntoColumnLines(const std::vector<PrintLine>& paragraphs, QPaintDevice* device) {
  std::vector<ColumnLine> lines;
  for (const PrintLine& paragraph : paragraphs) {
    const QString text = QString::fromStdString(paragraph.text);
    QTextLayout layout(text, SheetFont(kTextFont, kListPoints, paragraph.bold), device);
    layout.beginLayout();
    const std::size_t first = lines.size();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(kColumnWidth);
      lines.push_back({text.mid(line.textStart(), line.textLength()), paragraph.bold});
    }
    layout.endLayout();
    if (lines.size() == first) lines.push_back({QString(), paragraph.bold});  // an empty paragraph
  }
  return lines;
}

// The heading and the column letters, the grid with its digits, row letters
// and lines; returns the height used.
double DrawUpperPart(QPainter& p, const PrintPage& page, QPaintDevice* device) {
  const QFont text = SheetFont(kTextFont, kHeadingPoints);
  const QFontMetricsF textMetrics(text, device);
  const double plainHeight = QFontMetricsF(SheetFont(kPlainFont, kPlainPoints), device).lineSpacing();
  const QColor red(255, 0, 0);

  double y = 0;
  p.setFont(text);
  p.setPen(Qt::black);
  p.drawText(QPointF(0, y + textMetrics.ascent()), QString::fromStdString(page.heading));
  y += textMetrics.lineSpacing() + plainHeight;

  p.setPen(red);
  for (int c = 0; c < 9; ++c)
    p.drawText(QRectF(c * kCellSize, y, kCellSize, textMetrics.lineSpacing()), Qt::AlignHCenter | Qt::AlignTop,
               QString(QChar(kColumnLetters[c])));
  // The frame's width stands above the first row, as in the word processor.
  y += textMetrics.lineSpacing() + kOuterLine;

  const double top = y;
  for (int r = 0; r < 9; ++r)
    p.drawText(QRectF(kGridSize, top + r * kCellSize, kRowLetterWidth, kCellSize), Qt::AlignCenter,
               QString(QChar(kRowLetters[r])));
  p.setFont(SheetFont(kDigitFont, kDigitPoints));
  p.setPen(Qt::black);
  for (int cell = 0; cell < 81 && cell < static_cast<int>(page.grid.size()); ++cell) {
    if (page.grid[cell] == ' ') continue;
    const QRectF box((cell % 9) * kCellSize, top + (cell / 9) * kCellSize, kCellSize, kCellSize);
    p.drawText(box, Qt::AlignCenter, QString::fromUtf8(&page.grid[cell], 1));
  }

  // Dotted lines between the cells, heavy lines between the boxes, the frame.
  for (int k = 1; k < 9; ++k) {
    const bool box = k % 3 == 0;
    p.setPen(QPen(Qt::black, box ? kBoxLine : kDotLine, box ? Qt::SolidLine : Qt::DotLine, Qt::FlatCap));
    p.drawLine(QPointF(k * kCellSize, top), QPointF(k * kCellSize, top + kGridSize));
    p.drawLine(QPointF(0, top + k * kCellSize), QPointF(kGridSize, top + k * kCellSize));
  }
  p.setPen(QPen(Qt::black, kOuterLine, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0, top, kGridSize, kGridSize));

  return top + kGridSize + 2 * plainHeight;
}

// Qt's PDF writer gives the page box in whole points, 547 x 677 for the
// 547.2 x 676.8 points of the sheet. The box is set right in the finished file
// by a text of the same length, so that the file's cross-reference offsets
// hold; the drawing was moved down by the rounding, so it keeps its place from
// the top edge. A file in another form is left as it is.
void SetExactPageBox(QByteArray& pdf, QSize rounded) {
  const auto box = [](double width, double height) {
    return "/MediaBox [0 0 " + QByteArray::number(width, 'f', 6) + ' ' + QByteArray::number(height, 'f', 6) + ']';
  };
  const QByteArray from = box(rounded.width(), rounded.height());
  const QByteArray to = box(kPageWidth / kTwipsPerPoint, kPageHeight / kTwipsPerPoint);
  if (from.size() == to.size()) pdf.replace(from, to);
}

}  // namespace

bool RenderPrintPdf(const PrintPage& page, std::string& pdf, std::string& error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setCreator(QStringLiteral("Tessora"));
  writer.setTitle(QString::fromStdString(page.heading));
  writer.setResolution(kTwipsPerInch);  // one unit of the painter is a twip
  const auto inches = [](int twips) { return static_cast<double>(twips) / kTwipsPerInch; };
  const QPageSize size(QSizeF(inches(kPageWidth), inches(kPageHeight)), QPageSize::Inch,
                       QStringLiteral("Tessora sheet"), QPageSize::ExactMatch);
  const QMarginsF margins(inches(kMarginLeft), inches(kMarginTop), inches(kMarginRight), inches(kMarginBottom));
  if (!writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Inch))) {
    error = "The PDF writer does not take the sheet's page size.";
    return false;
  }
  QPainter p;
  if (!p.begin(&writer)) {
    error = "The PDF writer could not start.";
    return false;
  }
  p.setRenderHint(QPainter::TextAntialiasing);
  const QSize rounded = writer.pageLayout().fullRectPoints().size();
  p.translate(0, (rounded.height() - kPageHeight / kTwipsPerPoint) * kTwipsPerPoint);

  // The six columns fill one after the other down to the bottom margin; a
  // move list too long for them goes on in six columns on a further page.
  const double columnsTop = DrawUpperPart(p, page, &writer);
  const QFont regular = SheetFont(kTextFont, kListPoints), bold = SheetFont(kTextFont, kListPoints, true);
  const QFontMetricsF metrics(regular, &writer);
  const double bottom = kPageHeight - kMarginTop - kMarginBottom;
  double top = columnsTop, y = columnsTop;
  int column = 0;
  p.setPen(Qt::black);
  for (const ColumnLine& line : BreakIntoColumnLines(page.lines, &writer)) {
    if (y + metrics.lineSpacing() > bottom && y > top) {
      y = top;
      if (++column == kTextColumns) {
        writer.newPage();
        column = 0;
        top = y = 0;
      }
    }
    p.setFont(line.bold ? bold : regular);
    p.drawText(QPointF(column * (kColumnWidth + kColumnSpacing), y + metrics.ascent()), line.text);
    y += metrics.lineSpacing();
  }
  if (!p.end()) {
    error = "The PDF writer could not finish the document.";
    return false;
  }
  SetExactPageBox(bytes, rounded);
  pdf.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return true;
}

}  // namespace tessora::qt
