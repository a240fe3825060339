// The two scheme file formats as plain text functions, free of the window:
// `.sud` (9, 18 or 27 double-quoted rows of the board text image) and `.ss`
// (a 9 x 9 picture of the values with "|" and "-----------" separators, also
// read with a border). The readers check the whole text before anything is
// handed on, so a caller either gets a complete scheme or a reason why not.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "files/files.h"

namespace tessora {

// A scheme file is a few hundred bytes; anything past this is not one.
constexpr std::size_t kMaxSchemeFileBytes = 64 * 1024;
// The longest line a reader examines (a candidate row is at most 92 characters).
constexpr std::size_t kMaxSchemeLineLength = 256;

// Rows of the board text image read from a file.
struct SchemeText {
  std::array<std::string, kSchemeRows> rows{};
  int count = 0;  // rows in use: 9, 18 or 27
};

struct SchemeParse {
  bool ok = false;
  SchemeText scheme;  // complete only when ok
  std::string error;  // why the text is not a scheme (one line, for a message box)
};

// Reads a `.sud` text: one double-quoted row per line (CR LF, LF or a lone CR), 9, 18 or
// 27 lines; blank lines at the end are ignored. Value rows hold the digits 1-9
// and blanks, mark rows "b", "c" and blanks (both padded to 9 characters), and
// candidate rows 9 comma-ended fields, each empty, blank or ascending digits;
// a cell holding a value has a blank field.
SchemeParse ParseSud(std::string_view text);

// Reads a `.ss` text: lines cut at CR LF (a lone LF also ends a line), trimmed;
// "-----------", "*-----------*" and "|---+---+---|" are skipped; a line that
// begins with "|" loses its first and last characters; every other line is a
// row of 11 characters whose characters 1-3, 5-7 and 9-11 are the cells ("."
// or a blank for an empty cell), or an empty line for an empty row. Reading
// stops after nine rows; missing rows are empty. The result always has 9 rows.
// `afterLine` runs after each line examined (the window processes its events there).
SchemeParse ParseSs(std::string_view text, const std::function<void()>& afterLine = {});

// The lines of a text: each ends at LF, with a CR before the LF dropped; with
// `loneCr` a CR not followed by LF ends a line too (the line end of older
// systems). A last piece without a line end is a line too.
std::vector<std::string_view> SplitLines(std::string_view text, bool loneCr = false);

// The separator lines of a `.ss` text: "-----------", "*-----------*" and
// "|---+---+---|" (the line trimmed).
bool IsSsSeparator(std::string_view line);

// One value row of a `.ss` text, the line trimmed: 11 characters, or 13 with a
// "|" at each end, whose characters 1-3, 5-7 and 9-11 are the nine cells
// (characters 4 and 8 are not examined). `row` receives the cells with every
// "." turned into a blank; false when the line is not that long. The cells
// themselves are not checked.
bool SsRowCells(std::string_view line, std::string& row);

// The `.sud` text of rows 0..count-1: each row in double quotes, then CR LF.
std::string FormatSud(const std::array<std::string, kSchemeRows>& rows, int count);

// The `.ss` text of the value rows 0..8: blanks become ".", "|" after the third
// and the sixth cell, "-----------" after the third and the sixth row, every
// line ended by CR LF, and one empty line at the end.
std::string FormatSs(const std::array<std::string, kSchemeRows>& rows);

// Reads a whole scheme file. False, with a reason in `error`, when the path
// does not name a readable regular file of at most kMaxSchemeFileBytes.
bool ReadSchemeFile(const std::string& path, std::string& bytes, std::string& error);

// Writes `bytes` to a new temporary file in the target's folder and renames it
// over the target, so the target holds either its old content or the whole new
// one. False, with a reason in `error`, when anything fails; the temporary file
// is then removed and the target is untouched.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error);
// The same for a new file: a file (or link) already at `path` is never
// replaced; `taken` then tells that the name was the reason.
bool WriteNewFileAtomically(const std::string& path, const std::string& bytes, std::string& error, bool& taken);

// Moves a finished file to a new name, never over a file that is there: 0,
// or EEXIST when the name is taken, or another errno.
int MoveToFreeName(const std::string& from, const std::string& to);

// The name a scheme is saved under by default: the part of `schemeFile` after
// its last "/" or "\", cut before its first ".".
std::string SchemeBaseName(const std::string& schemeFile);

// True when the last three characters of the path, lowercased, are ".ss".
bool IsSsPath(const std::string& path);

// The board a text image shows: its nine value rows, then the mark rows when
// `count` (the rows in use: 9, 18 or 27) is above 9 and the candidate rows
// when it is above 18; missing rows are empty. A value row's character c is cell c of the row
// (any character but a digit 1-9, or a missing one: empty). With mark rows, "b" marks a value
// keyed in play and "c" one the control placed (a mark on an empty cell is
// kept as its origin); without them every value is a given. With candidate
// rows each row holds its nine cells' fields, each ended by a comma; a field
// that is no candidate text, or names none, leaves the cell without
// candidates, and the fields missing at a row's end too; with fewer rows no
// cell has candidates.
Board DecodeBoardText(std::span<const std::string> rows, int count);

}  // namespace tessora
