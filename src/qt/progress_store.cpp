#include "progress_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <atomic>

namespace tessora::qt {

namespace {

// The layout of the file: one row per method, context and way the steps
// were taken. user_version tells the layout's version.
constexpr int kVersion = 1;
const char* const kContexts[2] = {"game", "practice"};

int TakenIndex(const QString& name) {
  for (int k = 0; k < kTakenKinds; ++k)
    if (name == QLatin1String(kTakenNames[k])) return k;
  return -1;
}

int& Cell(ProgressCounts& c, int method, int context, int taken) {
  MethodProgress& m = c.methods[method - 1];
  return (context == 0 ? m.game : m.practice)[taken];
}

int CellOf(const ProgressCounts& c, int method, int context, int taken) {
  const MethodProgress& m = c.methods[method - 1];
  return (context == 0 ? m.game : m.practice)[taken];
}

}  // namespace

ProgressStore::ProgressStore(const QString& folder) : folder_(folder) {
  static std::atomic<int> stores{0};
  connection_ = QStringLiteral("tessora-progress-%1").arg(++stores);
}

ProgressStore::~ProgressStore() { Close(); }

QString ProgressStore::DefaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tessora");
}

bool ProgressStore::Open(QString& error) {
  if (open_) return true;
  if (!QDir().mkpath(folder_)) {
    error = QStringLiteral("the folder %1 cannot be made").arg(folder_);
    return false;
  }
  if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
    error = QStringLiteral("Qt's SQLite driver is missing (Debian package libqt6sql6-sqlite)");
    return false;
  }
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(Path());
    if (!db.open()) {
      error = db.lastError().text();
      db = QSqlDatabase();
      QSqlDatabase::removeDatabase(connection_);
      return false;
    }
  }
  open_ = true;
  return true;
}

void ProgressStore::Close() {
  if (!open_) return;
  {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    db.close();
  }
  QSqlDatabase::removeDatabase(connection_);
  open_ = false;
  prepared_ = false;
}

bool ProgressStore::Prepare(QString& error) {
  if (prepared_) return true;
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  QSqlQuery q(db);
  // A file that is not a database fails here ("file is not a database").
  if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
    error = q.lastError().text();
    return false;
  }
  const int version = q.value(0).toInt();
  if (version == 0) {
    // New, or a database of someone else's: only an empty one is made ours.
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next()) {
      error = q.lastError().text();
      return false;
    }
    if (q.value(0).toInt() != 0) {
      error = QStringLiteral("the file holds other tables");
      return false;
    }
    if (!db.transaction() ||
        !q.exec(QStringLiteral("CREATE TABLE steps (method INTEGER NOT NULL, context TEXT NOT NULL, "
                               "taken TEXT NOT NULL, count INTEGER NOT NULL, "
                               "PRIMARY KEY (method, context, taken))")) ||
        !q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kVersion)) || !db.commit()) {
      error = q.lastError().text();
      db.rollback();
      return false;
    }
    prepared_ = true;
    return true;
  }
  if (version != kVersion) {
    error = QStringLiteral("the file has layout %1, this program reads layout %2").arg(version).arg(kVersion);
    return false;
  }
  if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next() || q.value(0).toString() != QLatin1String("ok")) {
    error = QStringLiteral("the file is damaged");
    return false;
  }
  prepared_ = true;
  return true;
}

bool ProgressStore::Read(ProgressCounts& counts, QString& error) {
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  if (!q.exec(QStringLiteral("SELECT method, context, taken, count FROM steps"))) {
    error = q.lastError().text();
    return false;
  }
  counts = {};
  while (q.next()) {
    bool okMethod = false, okCount = false;
    const int method = q.value(0).toInt(&okMethod);
    const QString context = q.value(1).toString();
    const int taken = TakenIndex(q.value(2).toString());
    const qlonglong count = q.value(3).toLongLong(&okCount);
    const int c = context == QLatin1String(kContexts[0]) ? 0 : context == QLatin1String(kContexts[1]) ? 1 : -1;
    if (!okMethod || !okCount || method < 1 || method > kProgressMethods || c < 0 || taken < 0 || count < 0 ||
        count > 1000000000) {
      error = QStringLiteral("a row of the file makes no sense");
      return false;
    }
    Cell(counts, method, c, taken) = static_cast<int>(count);
  }
  return true;
}

QString ProgressStore::SetAside() {
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString aside = Path() + QStringLiteral(".broken-") + stamp;
  for (int n = 2; QFileInfo::exists(aside); ++n)
    aside = Path() + QStringLiteral(".broken-%1-%2").arg(stamp).arg(n);
  if (!QFile::rename(Path(), aside)) return QString();
  // A journal left beside it goes with it.
  for (const char* tail : {"-journal", "-wal", "-shm"})
    if (QFileInfo::exists(Path() + QLatin1String(tail))) QFile::rename(Path() + QLatin1String(tail), aside + QLatin1String(tail));
  return aside;
}

ProgressLoad ProgressStore::Load() {
  ProgressLoad r;
  QString error;
  if (!Open(error)) {
    r.error = error.toStdString();
    return r;
  }
  if (Prepare(error) && Read(r.counts, error)) {
    saved_ = r.counts;
    return r;
  }
  // Not ours to read: moved aside, and a new store begun in its place.
  Close();
  const QString aside = SetAside();
  if (aside.isEmpty()) {
    r.error = QStringLiteral("%1 cannot be read (%2) nor moved aside").arg(Path(), error).toStdString();
    return r;
  }
  r.setAside = aside.toStdString();
  r.counts = {};
  saved_ = {};
  QString again;
  if (!Open(again) || !Prepare(again)) r.error = again.toStdString();
  return r;
}

bool ProgressStore::Save(const ProgressCounts& counts, std::string& error) {
  QString why;
  if (!Open(why) || !Prepare(why)) {
    error = why.toStdString();
    return false;
  }
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  QSqlQuery q(db);
  if (!db.transaction()) {
    error = db.lastError().text().toStdString();
    return false;
  }
  // What each count gained since the file was last read or written is added
  // to the file's own, so a second run at the same time loses nothing.
  q.prepare(QStringLiteral("INSERT INTO steps (method, context, taken, count) VALUES (?, ?, ?, ?) "
                           "ON CONFLICT (method, context, taken) DO UPDATE SET count = count + excluded.count"));
  for (int method = 1; method <= kProgressMethods; ++method)
    for (int c = 0; c < 2; ++c)
      for (int taken = 0; taken < kTakenKinds; ++taken) {
        const int gained = CellOf(counts, method, c, taken) - CellOf(saved_, method, c, taken);
        if (gained == 0) continue;
        q.addBindValue(method);
        q.addBindValue(QLatin1String(kContexts[c]));
        q.addBindValue(QLatin1String(kTakenNames[taken]));
        q.addBindValue(gained);
        if (!q.exec()) {
          error = q.lastError().text().toStdString();
          db.rollback();
          return false;
        }
      }
  if (!db.commit()) {
    error = db.lastError().text().toStdString();
    db.rollback();
    return false;
  }
  saved_ = counts;
  return true;
}

}  // namespace tessora::qt
