// Puzzles as people write them down and copy them from the web: a line of
// 81 cells, the same with blanks or line breaks in between, or a grid of
// nine rows with or without "|", "-" and "+" borders (the `.ss` layouts
// among them). "Paste Scheme" reads one puzzle this way, `tessora-cli rate`
// a whole collection.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/scheme_format.h"

namespace tessora {

// What a run of lines turned out to be: a puzzle, or lines that hold none.
struct PuzzleText {
  bool ok = false;
  std::string grid;   // a puzzle: 81 characters, "1".."9" or "." for an empty cell
  int firstLine = 0;  // the lines it came from, counted from 1
  int lastLine = 0;
  std::string reason;  // lines that hold no puzzle: why, in one sentence
};

// Reads a text line by line and tells each puzzle as soon as its last cell is
// read. A cell is a digit 1-9, or ".", "0" or "_" for an empty cell.
// - Blank lines, lines starting with "#" and border lines (made of "-", "+",
//   "=", "*" and "|" only) are passed over. In a collection a blank or "#"
//   line also ends a puzzle being read (a puzzle left incomplete is then
//   reported, and the next one starts afresh); in a single pasted scheme
//   blank lines may separate its bands.
// - A line whose cells, blanks and "|" left out, are exactly 81 is a puzzle.
// - A line whose first 81 characters are cells or blanks (a blank standing
//   for an empty cell), followed by a blank or the end of the line, is a
//   puzzle; the rest of the line is not read (a rating or a name often
//   follows).
// - Any other line adds its cells to the puzzle being read: blanks and "|"
//   separate them, except in a `.ss` value row ("53.|.7.|...", with or
//   without a border), where a blank is an empty cell as the `.ss` reader has
//   it, and in a `.sud` value row (a double-quoted field of up to nine digits
//   and blanks). The puzzle is complete when 81 cells are read at the end of
//   a line. A line that would take it past 81 starts a new one, and the lines
//   before it are reported as holding no puzzle.
// - A line holding anything else is reported, with the lines before it that
//   had not yet made a puzzle.
class PuzzleReader {
 public:
  explicit PuzzleReader(bool collection = true) : collection_(collection) {}
  // The next line, without its line feed (a CR at its end is dropped).
  // Whatever the line completes is added to `out`.
  void Line(std::string_view line, std::vector<PuzzleText>& out);
  // A line that was not read (too long to be held): it ends the puzzle being read.
  void SkippedLine(std::vector<PuzzleText>& out);
  // The end of the text: a puzzle left incomplete is reported.
  void Finish(std::vector<PuzzleText>& out);

 private:
  void Refuse(int first, int last, std::string reason, std::vector<PuzzleText>& out);
  void RefusePending(std::vector<PuzzleText>& out);
  void Emit(const std::string& grid, int first, std::vector<PuzzleText>& out);

  bool collection_;
  std::string cells_;  // the cells of the puzzle being read
  int first_ = 0;      // its first line
  int last_ = 0;       // its last line so far
  int number_ = 0;     // lines read
};

// The scheme of a pasted text: the text must hold exactly one puzzle, read as
// PuzzleReader reads it, and nothing else but blank, comment and border
// lines. On success the scheme has nine value rows (a blank for an empty cell).
SchemeParse ParsePastedScheme(std::string_view text);

}  // namespace tessora
