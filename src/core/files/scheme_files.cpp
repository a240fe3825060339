// "Open" and "Save": the board text image to and from `.sud` and `.ss` files.
#include <algorithm>
#include <vector>

#include "files/scheme_format.h"
#include "ui/form1.h"

namespace tessora {

namespace {

void ShowFileCaption(Form1& f, const std::string& path) {
  f.w.caption = kProductTitle + " - Sudoku file=" + path;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

void Form1::EnterWorkFolder() {
  if (files.WorkFolder.empty()) files.WorkFolder = platform.CurrentFolder();
  platform.SetCurrentFolder(files.WorkFolder);
}

void Form1::Salva_Click() {
  files.SavingScheme = true;
  TakeBoardText();
  EnterWorkFolder();

  std::string base;
  if (!Trim(files.SchemeFile).empty()) {
    base = SchemeBaseName(files.SchemeFile);
  } else {
    files.NewSchemeNo += 1;
    base = "New" + std::to_string(files.NewSchemeNo);
  }
  const bool ss = w.mUsaSS.checked;
  const std::string extension = ss ? ".ss" : ".sud";
  files.DefaultSaveName = base + extension;
  files.SchemeFile = files.DefaultSaveName;
  const FileFilter filter = ss ? FileFilter{"Sudoku file *.ss", "*.ss"} : FileFilter{"Sudoku file *.sud", "*.sud"};
  std::string path =
      platform.AskSaveFile("Seleziona il file in cui salvare", {filter}, files.WorkFolder, files.DefaultSaveName);
  if (Trim(path).empty()) {
    files.SavingScheme = false;
    return;
  }
  if (!EndsWith(path, extension)) path += extension;

  const std::string text = ss ? FormatSs(files.SchemeLines) : FormatSud(files.SchemeLines, files.SchemeLineCount);
  std::string error;
  if (!WriteFileAtomically(path, text, error)) {
    // Nothing was replaced: the board and any file already there stay as they were.
    MsgBox("The scheme could not be saved in\r\n" + path + "\r\n" + error +
               "\r\nAny file already there is unchanged.",
           MsgButtons::Ok, "Save");
    files.SavingScheme = false;
    return;
  }
  files.SchemeFile = path;
  ShowFileCaption(*this, path);
  NoteRecentFile(path);
  files.SavingScheme = false;
}

void Form1::OpenScheme(bool ask, const std::string& chosen) {
  const Drawn drawn(*this);
  Azzera_Click();
  EnterWorkFolder();
  if (!control.Creating)
    for (auto& c : w.caN) c.visible = true;

  std::vector<FileFilter> filters = {{"File sudoku *.sud", "*.sud"}, {"File sudoku *.ss", "*.ss"}};
  if (w.mUsaSS.checked) std::swap(filters[0], filters[1]);
  files.SchemeFile = ask ? platform.AskOpenFile("Seleziona il file da aprire", filters, files.WorkFolder) : chosen;
  if (Trim(files.SchemeFile).empty()) {
    files.SchemeFile.clear();
    return;
  }
  const std::string path = files.SchemeFile;

  // The whole file is read and checked before the board is touched.
  SchemeParse parsed;
  std::string bytes;
  if (ReadSchemeFile(path, bytes, parsed.error))
    parsed = IsSsPath(path) ? ParseSs(bytes, [this] { DoEvents(); }) : ParseSud(bytes);
  if (!parsed.ok) {
    // Nothing is loaded: the board stays cleared, and the scheme has no name,
    // as after a cancelled dialog.
    files.SchemeFile.clear();
    MsgBox("The scheme file\r\n" + path + "\r\ncannot be opened.\r\n" + parsed.error, MsgButtons::Ok, "Open");
    return;
  }

  const int n = parsed.scheme.count;
  for (int k = 0; k < kSchemeRows; ++k) files.SchemeLines[k] = k < n ? parsed.scheme.rows[k] : std::string();
  files.SchemeLineCount = n;
  // A file whose last non-blank row comes before the candidate rows is a
  // plain scheme: every value shows as a given, the mark rows are not applied.
  int lastLine = n - 1;
  while (lastLine >= 0 && Trim(files.SchemeLines[lastLine]).empty()) --lastLine;
  if (lastLine < 18) files.SchemeLineCount = std::min(n, 9);
  ShowBoardText();
  files.SchemeLineCount = n;
  ShowFileCaption(*this, path);
  NoteRecentFile(path);
  control.LoadingScheme = true;
  for (int k = 0; k < kSchemeRows; ++k) files.SchemeLines2[k] = k < n ? files.SchemeLines[k] : std::string();
  files.LastLine = n - 1;
  while (files.LastLine >= 0 && Trim(files.SchemeLines[files.LastLine]).empty()) --files.LastLine;
  DatIniz_Click();
  Gioca_Click();
  // A game comes back with its played values and candidates, unless the
  // control refused the data: the repeated values it marked stay in sight.
  if (files.LastLine >= 18 && board.PlayPhase) ShowLoadedText();
  control.LoadingScheme = false;
}

void Form1::ShowLoadedText() {
  const Board loaded = DecodeBoardText(files.SchemeLines2, files.SchemeLineCount);
  for (int i = 0; i < kCells; ++i) {
    ShowEmpty(i);
    w.caN[i].back = colour::White;
    if (loaded.Filled(i)) ShowValue(i, loaded.Value(i), loaded.OriginOf(i));
    else board.SetOrigin(i, loaded.OriginOf(i));
  }
  board.Can = loaded.Can;
  board.FilledCount = CountFilled();
  if (control.TrialMode) {
    methods.SuggestionCount = control.SavedSuggestions;
    board.FilledCount = control.SavedFilled;
  }
  DrawCells();
}

}  // namespace tessora
