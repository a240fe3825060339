#include "progress_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tessora::qt {

namespace {

// The colours of the ways a step was taken, from no help to the most.
const QColor kTakenColours[kTakenKinds] = {QColor(0x2E, 0x9D, 0x4A), QColor(0xA8, 0xD5, 0xF2), QColor(0x4A, 0x86, 0xD4),
                                           QColor(0xF0, 0xA0, 0x30), QColor(0xD4, 0x48, 0x3B)};
const char* const kTakenLabels[kTakenKinds] = {"found unaided", "after Method ?", "after Value ?", "after Where ?",
                                               "with Do it"};

constexpr int kMargin = 12, kLegend = 44, kRow = 27, kBar = 9, kGap = 2, kLabel = 230, kNumber = 64;

int Sum(const std::array<int, kTakenKinds>& a) {
  int n = 0;
  for (int v : a) n += v;
  return n;
}

// One bar: the counts side by side in their colours, practice hatched.
void Bar(QPainter& p, int x, int y, double scale, const std::array<int, kTakenKinds>& counts, bool practice) {
  double at = x;
  for (int k = 0; k < kTakenKinds; ++k) {
    if (!counts[k]) continue;
    const double w = std::max(2.0, counts[k] * scale);
    const QRectF r(at, y, w, kBar);
    p.fillRect(r, kTakenColours[k]);
    if (practice) p.fillRect(r, QBrush(QColor(255, 255, 255, 150), Qt::BDiagPattern));
    at += w;
  }
}

}  // namespace

void DrawProgressChart(QPainter& p, const QRect& area, const ProgressReport& report) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(area, Qt::white);
  QFont font = p.font();
  const QFontMetrics fm(font);
  const int left = area.left() + kMargin, top = area.top() + kMargin;
  const int barLeft = left + kLabel, barWidth = std::max(40, area.width() - kLabel - kNumber - 2 * kMargin);

  // The legend: the colours, and which bar is which.
  int x = left;
  for (int k = 0; k < kTakenKinds; ++k) {
    p.fillRect(QRect(x, top + 3, 12, 12), kTakenColours[k]);
    p.setPen(Qt::black);
    p.drawText(x + 16, top + 13, QString::fromLatin1(kTakenLabels[k]));
    x += 16 + fm.horizontalAdvance(QString::fromLatin1(kTakenLabels[k])) + 14;
  }
  p.setPen(QColor(0x55, 0x55, 0x55));
  p.drawText(left, top + 33,
             QStringLiteral("Upper bar and first number: steps in games; lower bar (hatched) and second: in practice."));

  int most = 1;
  for (const MethodProgress& m : report.counts.methods) most = std::max({most, Sum(m.game), Sum(m.practice)});
  const double scale = static_cast<double>(barWidth) / most;

  for (int n = 1; n <= kProgressMethods; ++n) {
    const MethodProgress& m = report.counts.methods[n - 1];
    const int y = top + kLegend + (n - 1) * kRow;
    const QRect row(area.left() + 4, y - 3, area.width() - 8, kRow - 2);
    if (n == report.suggested) {
      p.fillRect(row, QColor(0xFF, 0xF4, 0xC0));
      p.setPen(QColor(0xC8, 0x9B, 0x00));
      p.drawRect(row.adjusted(0, 0, -1, -1));
    } else if (n % 2 == 0) {
      p.fillRect(row, QColor(0xF6, 0xF6, 0xF6));
    }
    const bool met = m.Total() > 0;
    p.setPen(met ? Qt::black : QColor(0x99, 0x99, 0x99));
    const QString label = QStringLiteral("%1 %2").arg(n, 2, 10, QLatin1Char('0')).arg(QString::fromStdString(report.names[n - 1]));
    p.drawText(QRect(left, y - 3, kLabel - 8, kRow - 2), Qt::AlignVCenter | Qt::AlignLeft,
               fm.elidedText(label, Qt::ElideRight, kLabel - 8));
    // The axis of the bars.
    p.setPen(QColor(0xBB, 0xBB, 0xBB));
    p.drawLine(barLeft - 1, y - 1, barLeft - 1, y + 2 * kBar + kGap + 1);
    Bar(p, barLeft, y, scale, m.game, false);
    Bar(p, barLeft, y + kBar + kGap, scale, m.practice, true);
    p.setPen(met ? Qt::black : QColor(0x99, 0x99, 0x99));
    const QString numbers = met ? QStringLiteral("%1 / %2").arg(Sum(m.game)).arg(Sum(m.practice)) : QStringLiteral("-");
    p.drawText(QRect(barLeft + barWidth + 6, y - 3, kNumber, kRow - 2), Qt::AlignVCenter | Qt::AlignLeft, numbers);
  }
  p.restore();
}

QString ProgressSummary(const ProgressReport& report) {
  QStringList lines;
  for (int n = 1; n <= kProgressMethods; ++n) {
    const MethodProgress& m = report.counts.methods[n - 1];
    if (!m.Total()) continue;
    lines << QStringLiteral("%1 %2: %3 steps, %4 found unaided, %5 with help.")
                 .arg(n)
                 .arg(QString::fromStdString(report.names[n - 1]))
                 .arg(m.Total())
                 .arg(m.Count(Taken::Unaided))
                 .arg(m.Helped());
  }
  for (const std::string& line : report.suggestion) lines << QString::fromStdString(line);
  return lines.join(QLatin1Char('\n'));
}

ProgressChart::ProgressChart(const ProgressReport& report, QWidget* parent) : QWidget(parent), report_(report) {
  setAccessibleName(QStringLiteral("Steps per method"));
  setAccessibleDescription(ProgressSummary(report));
  setMinimumSize(sizeHint());
}

QSize ProgressChart::sizeHint() const { return {720, 2 * kMargin + kLegend + kProgressMethods * kRow}; }

void ProgressChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawProgressChart(p, rect(), report_);
}

ProgressWindow::ProgressWindow(const ProgressReport& report, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("My Progress"));
  setObjectName(QStringLiteral("ProgressWindow"));
  auto* layout = new QVBoxLayout(this);
  auto* chart = new ProgressChart(report, this);
  chart->setObjectName(QStringLiteral("ProgressChart"));
  layout->addWidget(chart, 1);
  QStringList lines;
  for (const std::string& line : report.suggestion) lines << QString::fromStdString(line);
  auto* advice = new QLabel(lines.join(QLatin1Char('\n')), this);
  advice->setObjectName(QStringLiteral("ProgressAdvice"));
  QFont bold = advice->font();
  bold.setBold(report.suggested > 0);
  advice->setFont(bold);
  layout->addWidget(advice);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  if (report.suggested > 0) {
    auto* practise = buttons->addButton(
        QStringLiteral("Practise %1").arg(QString::fromStdString(report.names[report.suggested - 1])),
        QDialogButtonBox::AcceptRole);
    practise->setObjectName(QStringLiteral("PractiseButton"));
    connect(practise, &QPushButton::clicked, this, [this, n = report.suggested] { chosen_ = n; });
  }
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

}  // namespace tessora::qt
