// Reading a text one line at a time with a bound on the line's length, so
// that a huge line (a file that is not what it claims to be) is passed over
// without being held in memory.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

namespace tessora {

// The longest line a script or a puzzle file may hold.
constexpr std::size_t kMaxInputLineLength = 64 * 1024;

enum class LineRead {
  Line,     // `line` holds the next line
  TooLong,  // the next line was longer than the limit: it was read past, `line` is empty
  End,      // no line left
};

// Reads the next line: the characters up to a line feed, without the line
// feed (a carriage return before it stays, and is not counted against the
// limit). A line longer than `limit` characters is consumed but not kept: at
// most `limit` + 1 characters of it are ever held.
LineRead ReadBoundedLine(std::istream& in, std::string& line, std::size_t limit = kMaxInputLineLength);

// What a report says of a line past kMaxInputLineLength.
std::string TooLongLineMessage();

}  // namespace tessora
