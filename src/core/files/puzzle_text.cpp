#include "files/puzzle_text.h"

#include <cstdio>

namespace tessora {

namespace {

constexpr std::size_t kGrid = 81;

// A cell: its digit, "." for an empty cell, 0 for any other character.
char CellOf(char ch) {
  if (ch >= '1' && ch <= '9') return ch;
  if (ch == '.' || ch == '0' || ch == '_') return '.';
  return 0;
}

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

std::string_view Trimmed(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool IsBorderLine(std::string_view t) {
  for (char ch : t)
    if (!IsBlank(ch) && ch != '-' && ch != '+' && ch != '=' && ch != '*' && ch != '|') return false;
  return true;
}

// A `.ss` value row by its shape: "|" at the separators' places.
bool IsSsShaped(std::string_view t) {
  if (t.size() == 11) return t[3] == '|' && t[7] == '|';
  return t.size() == 13 && t[0] == '|' && t[4] == '|' && t[8] == '|' && t[12] == '|';
}

// A `.sud` value row: a double-quoted field of up to nine digits and blanks.
bool SudValueRow(std::string_view t, std::string& cells) {
  if (t.size() < 2 || t.front() != '"' || t.back() != '"' || t.size() > 11) return false;
  cells.clear();
  for (char ch : t.substr(1, t.size() - 2)) {
    if (ch != ' ' && (ch < '1' || ch > '9')) return false;
    cells += ch == ' ' ? '.' : ch;
  }
  cells.resize(9, '.');
  return true;
}

// A grid at the start of a line: the first 81 characters are cells or blanks
// (a blank for an empty cell), followed by the end of the line or by a blank
// before anything else, with two cells side by side somewhere (cells that a
// blank separates throughout are cells written with blanks in between, not
// empty cells).
bool LeadingGrid(std::string_view line, std::string& grid) {
  if (line.size() < kGrid || (line.size() > kGrid && !IsBlank(line[kGrid]))) return false;
  grid.clear();
  bool adjacent = false;
  char previous = 0;
  for (std::size_t i = 0; i < kGrid; ++i) {
    const char ch = line[i];
    const char cell = ch == ' ' ? '.' : CellOf(ch);
    if (!cell) return false;
    adjacent |= ch != ' ' && previous != 0 && previous != ' ';
    previous = ch;
    grid += cell;
  }
  return adjacent;
}

std::string Lines(int first, int last) {
  return first == last ? "Line " + std::to_string(first) + " holds"
                       : "Lines " + std::to_string(first) + "-" + std::to_string(last) + " hold";
}

std::string CountReason(int first, int last, std::size_t cells) {
  return Lines(first, last) + " " + std::to_string(cells) + (cells == 1 ? " cell" : " cells") +
         "; a scheme has 81.";
}

std::string Shown(char ch) {
  const auto u = static_cast<unsigned char>(ch);
  if (u > 0x20 && u < 0x7F) return std::string("\"") + ch + "\"";
  char buf[16];
  std::snprintf(buf, sizeof buf, "the byte 0x%02X", u);
  return buf;
}

}  // namespace

void PuzzleReader::Refuse(int first, int last, std::string reason, std::vector<PuzzleText>& out) {
  PuzzleText t;
  t.firstLine = first;
  t.lastLine = last;
  t.reason = std::move(reason);
  out.push_back(std::move(t));
}

void PuzzleReader::RefusePending(std::vector<PuzzleText>& out) {
  if (cells_.empty()) return;
  Refuse(first_, last_, CountReason(first_, last_, cells_.size()), out);
  cells_.clear();
}

void PuzzleReader::Emit(const std::string& grid, int first, std::vector<PuzzleText>& out) {
  PuzzleText t;
  t.ok = true;
  t.grid = grid;
  t.firstLine = first;
  t.lastLine = number_;
  out.push_back(std::move(t));
}

void PuzzleReader::SkippedLine(std::vector<PuzzleText>& out) {
  ++number_;
  RefusePending(out);
}

void PuzzleReader::Finish(std::vector<PuzzleText>& out) { RefusePending(out); }

void PuzzleReader::Line(std::string_view line, std::vector<PuzzleText>& out) {
  ++number_;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::string_view t = Trimmed(line);
  if (t.empty() || t.front() == '#') {
    if (collection_) RefusePending(out);
    return;
  }
  if (IsBorderLine(t)) return;

  // The cells of the line, read by its layout.
  std::string cells;
  if (IsSsShaped(t)) {
    std::string row;
    SsRowCells(t, row);
    for (char ch : row) cells += ch == ' ' ? '.' : ch;
  } else if (!SudValueRow(t, cells)) {
    cells.clear();
    for (char ch : t)
      if (!IsBlank(ch) && ch != '|') cells += ch;
  }
  bool allCells = true;
  char bad = 0;
  for (char& ch : cells) {
    const char cell = CellOf(ch);
    if (!cell && allCells) bad = ch;
    allCells = allCells && cell;
    if (cell) ch = cell;
  }

  // A whole puzzle on one line.
  std::string grid;
  if ((allCells && cells.size() == kGrid) || LeadingGrid(line, grid)) {
    RefusePending(out);
    Emit(cells.size() == kGrid && allCells ? cells : grid, number_, out);
    return;
  }
  if (!allCells) {
    const int first = cells_.empty() ? number_ : first_;
    cells_.clear();
    Refuse(first, number_,
           "Line " + std::to_string(number_) + " holds " + Shown(bad) +
               ", which is neither a digit 1-9 nor \".\", \"0\" or \"_\" for an empty cell.",
           out);
    return;
  }
  if (cells_.size() + cells.size() > kGrid) RefusePending(out);
  if (cells.size() > kGrid) {
    Refuse(number_, number_, CountReason(number_, number_, cells.size()), out);
    return;
  }
  if (cells_.empty()) first_ = number_;
  cells_ += cells;
  last_ = number_;
  if (cells_.size() == kGrid) {
    Emit(cells_, first_, out);
    cells_.clear();
  }
}

SchemeParse ParsePastedScheme(std::string_view text) {
  SchemeParse result;
  if (text.size() > kMaxSchemeFileBytes) {
    result.error = "The text is far too long to be a scheme.";
    return result;
  }
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  if (Trimmed(text).find_first_not_of("\r\n \t") == std::string_view::npos) {
    result.error = "The text is empty.";
    return result;
  }
  PuzzleReader reader(false);
  std::vector<PuzzleText> found;
  for (std::string_view line : SplitLines(text, true)) reader.Line(line, found);
  reader.Finish(found);
  int puzzles = 0;
  const PuzzleText* puzzle = nullptr;
  for (const PuzzleText& t : found) {
    if (!t.ok) {
      result.error = t.reason;
      return result;
    }
    ++puzzles;
    puzzle = &t;
  }
  if (puzzles == 0) {
    result.error = "The text holds no cell of a scheme.";
    return result;
  }
  if (puzzles > 1) {
    result.error = "The text holds " + std::to_string(puzzles) + " schemes; copy one at a time.";
    return result;
  }
  for (int r = 0; r < 9; ++r) {
    std::string row = puzzle->grid.substr(9 * r, 9);
    for (char& ch : row)
      if (ch == '.') ch = ' ';
    result.scheme.rows[r] = std::move(row);
  }
  result.scheme.count = 9;
  result.ok = true;
  return result;
}

}  // namespace tessora
