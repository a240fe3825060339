// tessora-icons DIR: draws the program's icon into DIR/NxN/apps/ID.png for
// the sizes of the hicolor icon theme (run at build time).
#include <QDir>
#include <QGuiApplication>
#include <iostream>

#include "artwork.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: tessora-icons DIR ICON-NAME\n";
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(size);
    if (!QDir().mkpath(folder) ||
        !tessora::qt::IconPicture(size).save(QStringLiteral("%1/%2.png").arg(folder, name), "PNG")) {
      std::cerr << "tessora-icons: cannot write into " << folder.toStdString() << "\n";
      return 1;
    }
  }
  return 0;
}
