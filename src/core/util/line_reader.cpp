#include "util/line_reader.h"

#include <istream>
#include <string>

namespace tessora {

LineRead ReadBoundedLine(std::istream& in, std::string& line, std::size_t limit) {
  line.clear();
  std::istream::sentry ok(in, true);
  if (!ok) return LineRead::End;
  std::streambuf* buffer = in.rdbuf();
  bool any = false;
  bool tooLong = false;
  for (;;) {
    const int ch = buffer->sbumpc();
    if (ch == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      if (!any) return LineRead::End;
      break;
    }
    any = true;
    if (ch == '\n') break;
    // One character past the limit is kept: it may be the carriage return
    // of a line of exactly `limit` characters.
    if (line.size() <= limit) line.push_back(static_cast<char>(ch));
    else tooLong = true;
  }
  if (tooLong || (line.size() > limit && line.back() != '\r')) {
    line.clear();
    line.shrink_to_fit();
    return LineRead::TooLong;
  }
  return LineRead::Line;
}

std::string TooLongLineMessage() {
  return "longer than " + std::to_string(kMaxInputLineLength) + " characters, skipped";
}

}  // namespace tessora
