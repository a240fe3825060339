#include "style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStyle>
#include <cmath>

namespace tessora::qt {

QColor ToQColor(Colour c, const QPalette& palette) {
  if (c & 0x80000000u) {
    switch (c & 0xFFu) {
      case 0x12: return palette.color(QPalette::ButtonText);  // button text
      case 0x0F: return palette.color(QPalette::Button);      // button face
      case 0x04: return palette.color(QPalette::Base);        // menu
      case 0x05: return palette.color(QPalette::Base);        // window
      case 0x08: return palette.color(QPalette::Text);        // window text
      default: return palette.color(QPalette::Button);
    }
  }
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

namespace {

// The first installed family of the list.
QString Installed(std::initializer_list<const char*> families) {
  const QStringList known = QFontDatabase::families();
  for (const char* f : families)
    if (known.contains(QString::fromLatin1(f), Qt::CaseInsensitive)) return QString::fromLatin1(f);
  return QString::fromLatin1(*families.begin());
}

}  // namespace

QFont ToQFont(const std::string& name, double points, bool bold) {
  static const QString sans = Installed({"Liberation Sans", "DejaVu Sans"});
  static const QString mono = Installed({"Liberation Mono", "DejaVu Sans Mono"});
  static const QString comic = Installed({"Comic Neue", "Liberation Sans", "DejaVu Sans"});
  QString family = sans;
  QFont::StyleHint hint = QFont::SansSerif;
  if (name == font::Mono) {
    family = mono;
    hint = QFont::Monospace;
  } else if (name == font::Comic) {
    family = comic;
  }
  if (points <= 0) points = 8.25;
  QFont f(family);
  f.setStyleHint(hint);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0 * Zoom() / 100.0))));
  f.setBold(bold);
  f.setItalic(false);
  return f;
}

QFont DefaultFont() { return ToQFont(font::Sans, 8.25); }

void SetZoom(int percent) { gZoomPercent = std::clamp(percent, 50, 400); }

QPalette WindowPalette() {
  QPalette p = QApplication::style()->standardPalette();
  return p;
}

}  // namespace tessora::qt
