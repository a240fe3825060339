// The progress kept between runs (the SQLite store in the data folder), a
// broken store set aside with a message, the chooser of the method to
// practise, and the progress window's chart.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QPainter>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app_setup.h"
#include "program.h"
#include "progress_store.h"
#include "progress_window.h"
#include "qt_platform.h"
#include "ui/form1.h"
#include "ui/scripted_platform.h"

using namespace tessora;
using tessora::qt::ProgressStore;

namespace {

ProgressCounts SomeCounts() {
  ProgressCounts c;
  c.methods[0].game[static_cast<int>(Taken::Unaided)] = 12;
  c.methods[3].game[static_cast<int>(Taken::AfterWhere)] = 2;
  c.methods[12].practice[static_cast<int>(Taken::DoIt)] = 3;
  c.methods[15].practice[static_cast<int>(Taken::AfterMethod)] = 1;
  return c;
}

QByteArray Contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class ProgressTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qt::SetUpApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())); }

  void theCountsSurviveARestart() {
    QTemporaryDir dir;
    {
      ProgressStore store(dir.path());
      const ProgressLoad first = store.Load();
      QVERIFY(first.error.empty());
      QVERIFY(first.setAside.empty());
      QVERIFY(first.counts.Empty());
      std::string error;
      QVERIFY(store.Save(SomeCounts(), error));
      ProgressCounts more = SomeCounts();
      more.methods[4].game[0] = 1;
      QVERIFY(store.Save(more, error));
    }
    ProgressStore again(dir.path());
    const ProgressLoad r = again.Load();
    QVERIFY(r.error.empty());
    ProgressCounts expected = SomeCounts();
    expected.methods[4].game[0] = 1;
    QVERIFY(r.counts == expected);
  }

  void twoRunsAtOnceKeepBothTheirSteps() {
    QTemporaryDir dir;
    ProgressStore a(dir.path()), b(dir.path());
    ProgressCounts ca = a.Load().counts, cb = b.Load().counts;
    ca.methods[2].game[0] += 3;
    cb.methods[2].game[0] += 4;
    cb.methods[7].practice[4] += 1;
    std::string error;
    QVERIFY(a.Save(ca, error));
    QVERIFY(b.Save(cb, error));
    ProgressStore c(dir.path());
    const ProgressCounts kept = c.Load().counts;
    QCOMPARE(kept.methods[2].game[0], 7);
    QCOMPARE(kept.methods[7].practice[4], 1);
  }

  void aBrokenStoreIsSetAsideNeverDeleted_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("sql");
    QTest::newRow("not a database") << QByteArray("these are not the counts\n") << QString();
    QTest::newRow("a database of another program") << QByteArray() << QStringLiteral("CREATE TABLE notes (text TEXT)");
    QTest::newRow("a count that makes no sense")
        << QByteArray()
        << QStringLiteral("CREATE TABLE steps (method INTEGER, context TEXT, taken TEXT, count INTEGER);"
                          "INSERT INTO steps VALUES (4, 'game', 'unaided', -5);PRAGMA user_version = 1");
    QTest::newRow("a method that does not exist")
        << QByteArray()
        << QStringLiteral("CREATE TABLE steps (method INTEGER, context TEXT, taken TEXT, count INTEGER);"
                          "INSERT INTO steps VALUES (17, 'game', 'unaided', 1);PRAGMA user_version = 1");
    QTest::newRow("no table") << QByteArray() << QStringLiteral("PRAGMA user_version = 1");
  }

  void aBrokenStoreIsSetAsideNeverDeleted() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, sql);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/progress.db");
    if (!contents.isEmpty()) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(contents);
    } else {
      {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString& statement : sql.split(QLatin1Char(';')))
          if (!statement.trimmed().isEmpty()) QVERIFY2(q.exec(statement), qPrintable(statement));
        db.close();
      }
      QSqlDatabase::removeDatabase(QStringLiteral("maker"));
    }
    const QByteArray before = Contents(path);

    ProgressStore store(dir.path());
    const ProgressLoad r = store.Load();
    QVERIFY2(r.error.empty(), r.error.c_str());
    QVERIFY(!r.setAside.empty());
    const QString aside = QString::fromStdString(r.setAside);
    QVERIFY(aside.startsWith(path + QStringLiteral(".broken-")));
    QCOMPARE(Contents(aside), before);  // kept as it was
    QVERIFY(r.counts.Empty());
    // A new store took its place and keeps counts.
    std::string error;
    QVERIFY(store.Save(SomeCounts(), error));
    ProgressStore next(dir.path());
    const ProgressLoad again = next.Load();
    QVERIFY(again.setAside.empty());
    QVERIFY(again.counts == SomeCounts());
  }

  void aFolderThatCannotBeMadeIsAnErrorNotACrash() {
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/plain-file");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    ProgressStore store(file + QStringLiteral("/tessora"));
    const ProgressLoad r = store.Load();
    QVERIFY(!r.error.empty());
    std::string error;
    QVERIFY(!store.Save(SomeCounts(), error));
    QVERIFY(!error.empty());
  }

  // The window's own road: a broken store in the data folder is said at the
  // start, and the counts of the run are kept for the next.
  void theProgramSaysABrokenStoreAndKeepsTheCountsOfItsRun() {
    QTemporaryDir dir;
    QFile f(dir.path() + QStringLiteral("/progress.db"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("garbage");
    f.close();
    ScriptedPlatform answers;
    {
      qt::QtPlatform platform;
      platform.storeFolder = dir.path();
      platform.SetAnswerSource(&answers);
      Form1 form(platform);
      form.Form_Load();
      form.LoadProgress();
      QCOMPARE(answers.messages.size(), std::size_t{1});
      QCOMPARE(answers.messages[0].title, std::string("My Progress"));
      QVERIFY(answers.messages[0].text.find("progress.db.broken-") != std::string::npos);
      form.CountStep(13, Taken::AfterValue);
    }
    qt::QtPlatform platform;
    platform.storeFolder = dir.path();
    const ProgressLoad r = platform.LoadProgress();
    QVERIFY(r.setAside.empty());
    QCOMPARE(r.counts.methods[12].game[static_cast<int>(Taken::AfterValue)], 1);
  }

  void theChooserAsksForOneOfTheMethods() {
    qt::QtPlatform platform;
    ChoiceRequest q;
    q.title = "Practice";
    q.label = "The method to practise:";
    q.items = {"01 - At a glance", "02 - Single Cell", "13 - X-Wing Rectangle"};
    q.current = 1;
    QTimer::singleShot(0, [] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QInputDialog*>(w)) {
          QCOMPARE(dialog->textValue(), QStringLiteral("02 - Single Cell"));
          dialog->setTextValue(QStringLiteral("13 - X-Wing Rectangle"));
          dialog->accept();
        }
    });
    QCOMPARE(platform.ChooseItem(q), 2);
    QTimer::singleShot(0, [] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QInputDialog*>(w)) dialog->reject();
    });
    QCOMPARE(platform.ChooseItem(q), -1);
  }

  void theChartDrawsABarPerMethodAndNamesTheMethodToPractise() {
    const ProgressReport report = MakeProgressReport(SomeCounts());
    QCOMPARE(report.suggested, 13);  // all its 3 steps helped
    qt::ProgressWindow window(report);
    auto* practise = window.findChild<QPushButton*>(QStringLiteral("PractiseButton"));
    QVERIFY(practise);
    QCOMPARE(practise->text(), QStringLiteral("Practise X-Wing Rectangle"));
    auto* chart = window.findChild<QWidget*>(QStringLiteral("ProgressChart"));
    QVERIFY(chart);
    QVERIFY(chart->accessibleDescription().contains(QStringLiteral("1 At a glance: 12 steps, 12 found unaided")));
    // The picture: At a glance's game bar is green, full width (it has the most steps).
    QImage image(chart->sizeHint(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter p(&image);
      qt::DrawProgressChart(p, image.rect(), report);
    }
    int green = 0, orange = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        green += c == QColor(0x2E, 0x9D, 0x4A).rgb();
        orange += c == QColor(0xF0, 0xA0, 0x30).rgb();
      }
    QVERIFY(green > 300 * 9);  // the bar of 12 steps, and the legend's mark
    QVERIFY(orange > 12 * 12);
    practise->click();
    QCOMPARE(window.Chosen(), 13);
  }
};

QTEST_MAIN(ProgressTest)
#include "progress_test.moc"
