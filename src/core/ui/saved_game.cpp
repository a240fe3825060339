// The program's start path and the game kept between runs: after every event
// the game in progress goes to the user's data when it changed; at the start
// it comes back as it was, through Play on its givens as Open plays a scheme.
#include "ui/saved_game.h"

#include <algorithm>
#include <utility>

#include "control/solver.h"
#include "control/solving.h"
#include "files/board_image.h"
#include "files/game_format.h"
#include "ui/form1.h"

namespace tessora {

namespace {

char At(const std::array<std::string, kSchemeRows>& rows, int row, int col) {
  return col < static_cast<int>(rows[row].size()) ? rows[row][col] : ' ';
}

// An 81-character grid ("." for an empty cell) as an array of values.
std::array<int, kCells> GridValues(const std::string& grid) {
  std::array<int, kCells> values{};
  for (int c = 0; c < kCells; ++c) values[c] = grid[c] == '.' ? 0 : grid[c] - '0';
  return values;
}

// The candidate fields of a candidate row, one per cell of the row.
std::array<CandText, 9> CandidateFields(const std::string& row) {
  std::array<CandText, 9> fields;
  std::size_t pos = 0;
  for (int j = 0; j < 9; ++j) {
    const std::size_t comma = row.find(',', pos);
    if (comma == std::string::npos) break;
    CandText t;
    if (CandText::Parse(row.substr(pos, comma - pos), t) && t.HasDigits()) fields[j] = t;
    else fields[j] = CandText::Filled();  // no candidate left
    pos = comma + 1;
  }
  return fields;
}

}  // namespace

void Form1::StartUp() {
  const Drawn drawn(*this);
  files.RecentFiles = platform.RecentFiles();
  ShowRecentFiles();
  keep = KeepState{};
  keep.enabled = true;

  std::string bytes, reason;
  const DataRead read = platform.ReadUserData(kSavedGameFile, bytes, reason);
  if (read == DataRead::Missing) return;
  if (read == DataRead::Read) {
    const SavedGameParse parsed = ParseSavedGame(bytes);
    if (parsed.ok && ResumeGame(parsed.game, reason)) return;
    if (!parsed.ok) reason = parsed.error;
  }
  // A game that cannot come back is set aside, never deleted, and the
  // program starts with an empty board.
  std::string aside, error;
  const std::string head = "The game kept from the last run cannot be brought back:\r\n" + reason + "\r\n";
  if (platform.SetAsideUserData(kSavedGameFile, aside, error)) {
    MsgBox(head + "Its file is set aside as\r\n" + aside + "\r\nand the program starts with an empty board.",
           MsgButtons::Ok, "Saved Game");
  } else {
    // It stays where it is: no game of this run may be written over it.
    keep.enabled = false;
    MsgBox(head + "Nor can its file be set aside: " + error +
               "\r\nIt is left as it is, and no game is kept in this run.",
           MsgButtons::Ok, "Saved Game");
  }
}

bool Form1::CaptureGame(SavedGame& g) const {
  // Nothing to keep on an empty board, nor once the game is finished.
  if (!board.DataStarted) return false;
  if (board.PlayPhase && IsSolvedBoard(board)) return false;
  g = SavedGame{};
  // Data the control refused in play (a contradiction among them) come back
  // as data to correct.
  g.play = board.PlayPhase && !control.ControlFailed;
  g.schemeFile = files.SchemeFile;
  g.caption = w.caption;
  g.schemeNumber = files.NewSchemeNo;
  for (int r = 0; r < 9; ++r) {
    g.board[r] = ValueRow(board, r);
    g.board[9 + r] = MarkRow(board, r);
    g.board[18 + r] = CandidateRow(board, r);
  }
  for (int c = 0; c < kCells; ++c)
    if (Filled(c) && board.OriginOf(c) == Origin::None) g.wrong.push_back(c);
  for (int r = 0; r < 9; ++r) {
    // The values the control last ran on, as Play took them from the board.
    std::string row = g.play ? files.SchemeLines2[r] : std::string();
    row.resize(9, ' ');
    for (char& ch : row)
      if (ch < '1' || ch > '9') ch = ' ';
    g.data[r] = row;
  }
  g.cursor = board.CurCell;
  g.errorCount = board.ErrorCount;
  g.errors = w.NErr.caption;
  g.blocked = board.PlayPhase && !board.InputEnabled && !w.CorCanF.visible;
  g.allCandidates = w.Sugge1.selected;
  g.candidatesEdited = files.CandidatesEdited;
  g.flashTaken = board.FlashTaken;
  g.flash = files.FlashLines;
  g.deviationCell = board.DeviationCell;
  g.deviationText = board.DeviationText;
  if (g.play) {
    g.methodUse.assign(methods.MethodUse.begin(), methods.MethodUse.end());
    g.suggestions = methods.SuggestionCount;
  }
  for (int c = 0; c < kCells; ++c)
    if (edit.PlayedValue[c] && Filled(c)) g.played.emplace_back(c, edit.PlayedAt[c]);
  g.playClock = edit.PlayClock;
  if (g.blocked) g.blackboard = w.ListCons.items;
  return true;
}

void Form1::KeepGame() {
  // Closing the window keeps the game for the next run; a handler still at
  // work (a tick while the control runs) has no game to show yet.
  if (!keep.enabled || unloaded || methods.Checking || control.Replaying || control.Creating ||
      control.LoadingScheme)
    return;
  // A practice position is no game of the user's: the game kept before it
  // stays for the next run, which would otherwise bring the position back
  // as an ordinary game without its method.
  if (PracticeOn()) return;
  SavedGame g;
  std::string text, game;
  if (CaptureGame(g)) {
    text = FormatSavedGame(g);
    // The cursor is written with the game, but moving it alone is no change.
    g.cursor = 0;
    game = FormatSavedGame(g);
  }
  if (std::exchange(keep.newGame, false)) keep.dropped = game;
  if (!game.empty() && game == keep.dropped) game.clear();
  if (game == keep.written || (!game.empty() && game == keep.failed)) return;
  std::string error;
  const bool done = game.empty() ? platform.RemoveUserData(kSavedGameFile, error)
                                 : platform.WriteUserData(kSavedGameFile, text, error);
  if (done) {
    keep.written = game;
    keep.failed.clear();
    keep.failureTold = false;
    return;
  }
  keep.failed = game;
  if (keep.failureTold) return;
  keep.failureTold = true;
  MsgBox("The game in progress cannot be kept for the next run:\r\n" + error +
             "\r\nThe game on the board is unchanged; the program tries again at the next move.",
         MsgButtons::Ok, "Saved Game");
}

bool Form1::ResumeGame(const SavedGame& g, std::string& error) {
  const Drawn drawn(*this);
  // Everything is checked before the board is touched.
  std::string givens(kCells, '.'), data(kCells, '.');
  std::array<Origin, kCells> origin{};
  for (int c = 0; c < kCells; ++c) {
    const int r = c / 9, col = c % 9;
    const char value = At(g.board, r, col), mark = At(g.board, 9 + r, col);
    const bool wrong = std::find(g.wrong.begin(), g.wrong.end(), c) != g.wrong.end();
    origin[c] = wrong ? Origin::None : mark == 'b' ? Origin::Keyed : mark == 'c' ? Origin::Solver
                : value != ' ' ? Origin::Given : Origin::None;
    if (value != ' ' && origin[c] == Origin::Given) givens[c] = value;
    if (g.data[r][col] != ' ') data[c] = g.data[r][col];
  }
  if (g.play) {
    if (CheckGivens(GridValues(givens)).fault != GivensCheck::Fault::None || !ControlFinishes(givens)) {
      error = "its givens are not a scheme that Play can finish.";
      return false;
    }
    for (int c = 0; c < kCells; ++c)
      if (givens[c] != '.' && data[c] != givens[c]) {
        error = "the values the control last ran on leave out a given.";
        return false;
      }
  }

  Azzera_Click();
  if (g.play) {
    // Play on the givens, as Open plays a scheme read from a file: the
    // control's report, the solution, the move list and the rating.
    for (int r = 0; r < 9; ++r) {
      std::string row;
      for (int c = 9 * r; c < 9 * r + 9; ++c) row += givens[c] == '.' ? ' ' : givens[c];
      files.SchemeLines[r] = row;
    }
    files.SchemeLineCount = 9;
    ShowBoardText();
    control.LoadingScheme = true;
    for (int k = 0; k < kSchemeRows; ++k) files.SchemeLines2[k] = k < 9 ? files.SchemeLines[k] : std::string();
    files.LastLine = 8;
    while (files.LastLine >= 0 && Trim(files.SchemeLines[files.LastLine]).empty()) --files.LastLine;
    DatIniz_Click();
    Gioca_Click();
    control.LoadingScheme = false;
    if (!board.PlayPhase || control.ControlFailed) {
      Azzera_Click();
      error = "Play did not finish its scheme.";
      return false;
    }
    const std::vector<std::string> report = w.ListCons.items;
    // When the control last ran on more values than the givens (after a
    // deletion in play), it runs on them again as it did then, so the
    // solution it judges the moves by is the same.
    if (data != givens && CheckGivens(GridValues(data)).fault == GivensCheck::Fault::None &&
        ControlFinishes(data)) {
      for (int c = 0; c < kCells; ++c)
        if (data[c] != '.' && givens[c] == '.') {
          ShowValue(c, data[c] - '0', Origin::Keyed);
          board.Can[c] = CandText::Filled();
        }
      board.FilledCount = CountFilled();
      RecountCandidates();
      control.AfterCancel = true;
      Gioca_Click();
      control.AfterCancel = false;
    }
    // The board as it was: values, inks and candidates.
    for (int r = 0; r < 9; ++r) {
      const std::array<CandText, 9> candidates = CandidateFields(g.board[18 + r]);
      for (int col = 0; col < 9; ++col) {
        const int c = 9 * r + col;
        CellLabel& l = w.caN[c];
        l.back = colour::White;
        l.border = false;
        const char value = At(g.board, r, col);
        // An empty cell keeps the look the control left it in.
        if (Filled(c)) ShowEmpty(c);
        if (value != ' ') {
          ShowValue(c, value - '0', origin[c]);
          board.Can[c] = CandText::Filled();
        } else {
          board.ClearValue(c, origin[c]);
          board.Can[c] = candidates[col];
        }
      }
    }
    board.FilledCount = CountFilled();
    w.Fatti.caption = std::to_string(board.FilledCount);
    files.CandidatesEdited = g.candidatesEdited;
    board.ErrorCount = g.errorCount;
    w.NErr.caption = g.errors;
    files.FlashLines = g.flash;
    board.FlashTaken = g.flashTaken;
    w.mRicFla.enabled = g.flashTaken;
    if (g.flashTaken) control.TrialTotal = 99;  // as taking the flash left it
    board.DeviationCell = g.deviationCell;
    board.DeviationText = g.deviationText;
    // The counters of the rating as they were (a deletion in play, Verifiy
    // Solvability and "Do it" count on from the control's).
    if (g.methodUse.size() == methods.MethodUse.size())
      std::copy(g.methodUse.begin(), g.methodUse.end(), methods.MethodUse.begin());
    methods.SuggestionCount = g.suggestions;
    DrawCells();
    TakeCaptionSnapshot();
    if (g.allCandidates) {
      SelectOption(w.Sugge1);
    } else {
      ClearEmptyCaptions();
    }
    w.BoardClear();
    w.BoardAdd(kResumedLine);
    for (const std::string& line : g.blocked ? g.blackboard : report) w.BoardAdd(line);
    if (g.blocked) {
      // The contradiction as it stood: input blocked, the red light, the
      // suspects grey, the deviating cell purple, no advice.
      board.InputEnabled = false;
      board.Consistent = false;
      SetLight(colour::Red, "ERR");
      for (int c : g.wrong) w.caN[c].back = colour::Grey;
      if (board.DeviationCell != kNoDeviation) w.caN[board.DeviationCell].back = colour::Purple;
      for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3, &w.Applica}) b->enabled = false;
    }
  } else {
    // Keying the initial data: the values as they were keyed.
    control.LoadingScheme = true;
    DatIniz_Click();
    control.LoadingScheme = false;
    for (int c = 0; c < kCells; ++c) {
      const char value = At(g.board, c / 9, c % 9);
      if (value == ' ') continue;
      ShowValue(c, value - '0', origin[c]);
      board.Can[c] = CandText::Filled();
    }
    board.FilledCount = CountFilled();
    w.Fatti.caption = std::to_string(board.FilledCount);
    if (board.FilledCount > 0)
      for (Control* b : {&w.Cons1, &w.Cons2, &w.Cons3}) b->enabled = true;
    board.ErrorCount = g.errorCount;
    w.NErr.caption = g.errors;
    DrawCells();
    ClearMarks();
    TakeCaptionSnapshot();
    ClearEmptyCaptions();
    w.ListCons.items.insert(w.ListCons.items.begin(), kResumedLine);
  }
  // Undo Move takes the values back in the order they were played.
  edit = EditState{};
  for (const auto& [c, at] : g.played)
    if (Filled(c)) {
      edit.PlayedValue[c] = static_cast<std::uint8_t>(Value(c));
      edit.PlayedAt[c] = at;
    }
  edit.PlayClock = g.playClock;
  // The cursor where it was.
  board.CurCell = g.cursor;
  board.PrevCell = g.cursor;
  board.CursorBack = w.caN[g.cursor].back;
  // A value keyed as initial data moves the cursor on, and shows it; in play
  // every move leaves the board tidy, the cursor unmarked until the mouse comes.
  if (!g.play && board.FilledCount > 0) w.caN[g.cursor].back = colour::LightYellow;
  files.SchemeFile = g.schemeFile;
  files.NewSchemeNo = std::max(files.NewSchemeNo, g.schemeNumber);
  w.caption = g.caption;
  RepaintPanels();
  return true;
}

}  // namespace tessora
