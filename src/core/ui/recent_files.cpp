// File > "Recent Schemes": the last scheme files opened or saved, the latest
// first, as the platform keeps them between runs.
#include <algorithm>

#include "ui/form1.h"

namespace tessora {

namespace {

bool Absolute(const std::string& path) { return !path.empty() && path[0] == '/'; }

}  // namespace

void Form1::NoteRecentFile(const std::string& path) {
  if (Trim(path).empty()) return;
  // Named from the folder the name was given in, so that it opens from anywhere.
  std::string full = path;
  if (!Absolute(full)) {
    const std::string folder = platform.CurrentFolder();
    if (!folder.empty()) full = folder + (folder.back() == '/' ? "" : "/") + full;
  }
  auto& list = files.RecentFiles;
  list.erase(std::remove(list.begin(), list.end(), full), list.end());
  list.insert(list.begin(), full);
  if (list.size() > static_cast<std::size_t>(MainWindow::kRecentFiles)) list.resize(MainWindow::kRecentFiles);
  platform.KeepRecentFiles(list);
  ShowRecentFiles();
}

void Form1::ShowRecentFiles() {
  auto& list = files.RecentFiles;
  if (list.size() > static_cast<std::size_t>(MainWindow::kRecentFiles)) list.resize(MainWindow::kRecentFiles);
  for (int i = 0; i < MainWindow::kRecentFiles; ++i) {
    Control& item = w.mRec[i];
    const bool used = i < static_cast<int>(list.size());
    item.caption = used ? std::to_string(i + 1) + " " + list[i] : std::string();
    item.visible = used;
    item.enabled = used && platform.FileExists(list[i]);
  }
  w.mRecenti.enabled = !list.empty();
}

void Form1::OpenRecent(int index) {
  const Drawn drawn(*this);
  if (index < 0 || index >= static_cast<int>(files.RecentFiles.size())) return;
  const std::string path = files.RecentFiles[index];
  if (!platform.FileExists(path)) {
    // Gone since the menu was drawn: the board stays as it is.
    ShowRecentFiles();
    MsgBox("The scheme file\r\n" + path + "\r\nis no longer there.", MsgButtons::Ok, "Recent Schemes");
    return;
  }
  OpenScheme(false, path);
}

}  // namespace tessora
