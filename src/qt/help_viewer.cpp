#include "help_viewer.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "style.h"
#include "ui/about.h"

namespace tessora::qt {

namespace {

const char kGuideResource[] = ":/guide/";

}  // namespace

QUrl GuideUrl(int topic) {
  QUrl url(QStringLiteral("qrc:/guide/") + QString::fromStdString(kGuideFile));
  if (topic > 0) url.setFragment(QStringLiteral("topic%1").arg(topic));
  return url;
}

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Tessora Guide"));
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("GuideText"));
  browser_->setOpenExternalLinks(true);
  auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
  back_ = new QPushButton(QStringLiteral("&Back"), this);
  forward_ = new QPushButton(QStringLiteral("&Forward"), this);
  auto* close = new QPushButton(QStringLiteral("C&lose"), this);
  for (QPushButton* b : {contents, back_, forward_, close}) b->setAutoDefault(false);
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(0); });
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(esc, &QShortcut::activated, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_, 1);
}

bool HelpViewer::ShowTopic(int topic) {
  if (!QFile::exists(QString::fromLatin1(kGuideResource) + QString::fromStdString(kGuideFile))) return false;
  // The text at the window's scale; the window as large as that asks for, within the screen.
  QFont text = ToQFont(font::Sans, 10);
  browser_->document()->setDefaultFont(text);
  const QUrl url = GuideUrl(topic);
  browser_->setSource(url);
  if (topic > 0) browser_->scrollToAnchor(url.fragment());
  else browser_->verticalScrollBar()->setValue(0);
  if (!isVisible()) {
    QSize size(Scaled(680), Scaled(620));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
  }
  show();
  raise();
  activateWindow();
  return true;
}

}  // namespace tessora::qt
