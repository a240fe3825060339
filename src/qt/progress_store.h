// The user's progress kept between runs: a small SQLite database,
// progress.db in the program's data folder ($XDG_DATA_HOME/tessora). Every
// save is one transaction, so the file is always whole; a file that cannot be
// read as the progress is moved aside (never deleted) and a new one begun.
#pragma once

#include <QString>
#include <string>

#include "ui/progress.h"

namespace tessora::qt {

class ProgressStore {
 public:
  // The store in `folder` (made when missing).
  explicit ProgressStore(const QString& folder);
  ~ProgressStore();
  ProgressStore(const ProgressStore&) = delete;
  ProgressStore& operator=(const ProgressStore&) = delete;

  // $XDG_DATA_HOME/tessora (~/.local/share/tessora by default).
  static QString DefaultFolder();
  QString Path() const { return folder_ + QStringLiteral("/progress.db"); }

  // The counts kept. A file that is no progress store of ours (not a
  // database, damaged, missing its table, holding counts that make no sense)
  // is renamed progress.db.broken-DATE-TIME and a new store begun; a store
  // that cannot be opened or made at all gives an error and no counts.
  ProgressLoad Load();
  // Adds what the counts gained since the last load or save (so that two
  // runs at once both keep theirs); false, with the reason, when it cannot.
  bool Save(const ProgressCounts& counts, std::string& error);

 private:
  bool Open(QString& error);
  void Close();
  // Makes the table when the file is new; false when the file is not ours.
  bool Prepare(QString& error);
  bool Read(ProgressCounts& counts, QString& error);
  QString SetAside();

  QString folder_;
  QString connection_;
  bool open_ = false;
  bool prepared_ = false;  // the open file was found ours (or made so)
  ProgressCounts saved_;  // the counts the file held after the last load or save
};

}  // namespace tessora::qt
