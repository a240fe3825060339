#include "util/printable.h"

#include <cstdio>

namespace tessora {

namespace {

// The length of the UTF-8 character at the start of `s`, 0 when its bytes are
// not one (a stray continuation byte, an overlong form, a surrogate, past U+10FFFF).
std::size_t Utf8Length(std::string_view s) {
  const auto byte = [&](std::size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u; };
  const unsigned lead = byte(0);
  std::size_t length = 0;
  unsigned low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return length;
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto u = static_cast<unsigned char>(text[i]);
    if (u >= 0x20 && u < 0x7F) {
      out += text[i++];
      continue;
    }
    // A character of two or more bytes, unless it is a C1 control (U+0080..U+009F).
    const std::size_t length = u >= 0x80 ? Utf8Length(text.substr(i)) : 0;
    if (length > 0 && !(u == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0)) {
      out.append(text, i, length);
      i += length;
      continue;
    }
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", u);
    out += buf;
    ++i;
  }
  return out;
}

}  // namespace tessora
