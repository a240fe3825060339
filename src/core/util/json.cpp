#include "util/json.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace tessora {

namespace {

// No character of s needs escaping: no byte below 0x20, no quote, no
// backslash. Eight characters at a time, the last eight overlapping.
bool Plain(const char* p, std::size_t n) {
  constexpr std::uint64_t kOnes = 0x0101010101010101, kHigh = 0x8080808080808080;
  auto special = [&](const char* q) {
    std::uint64_t x;
    std::memcpy(&x, q, sizeof x);
    const std::uint64_t quote = x ^ (kOnes * '"'), slash = x ^ (kOnes * '\\');
    return (((x - kOnes * 0x20) | (quote - kOnes) | (slash - kOnes)) & ~x & kHigh) != 0;
  };
  if (n < 8) {
    for (std::size_t i = 0; i < n; ++i) {
      const auto ch = static_cast<unsigned char>(p[i]);
      if (ch < 0x20 || ch == '"' || ch == '\\') return false;
    }
    return true;
  }
  for (std::size_t i = 0; i + 8 <= n; i += 8)
    if (special(p + i)) return false;
  return !special(p + n - 8);
}

// Appends s as a JSON string: quoted, with quotes, backslashes and control
// characters escaped. Runs of plain characters are copied whole.
void AppendEscaped(std::string& out, const std::string& s) {
  const char* p = s.data();
  const std::size_t n = s.size();
  if (Plain(p, n)) {
    // The usual text: quoted in one piece.
    if (n <= 62) {
      char buf[64];
      buf[0] = '"';
      std::memcpy(buf + 1, p, n);
      buf[n + 1] = '"';
      out.append(buf, n + 2);
    } else {
      out += '"';
      out.append(p, n);
      out += '"';
    }
    return;
  }
  out += '"';
  const char* run = p;
  const char* const end = p + n;
  for (; p != end; ++p) {
    const auto ch = static_cast<unsigned char>(*p);
    if (ch >= 0x20 && ch != '"' && ch != '\\') continue;
    out.append(run, static_cast<std::size_t>(p - run));
    run = p + 1;
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", ch);
        out += buf;
      }
    }
  }
  out.append(run, static_cast<std::size_t>(end - run));
  out += '"';
}

}  // namespace

std::string JsonEscape(const std::string& s) {
  std::string r;
  AppendEscaped(r, s);
  return r;
}

void JsonWriter::Comma() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ += ',';
    first_.back() = 0;
  }
}

JsonWriter& JsonWriter::BeginObject() {
  Comma();
  out_ += '{';
  first_.push_back(1);
  return *this;
}
JsonWriter& JsonWriter::EndObject() {
  out_ += '}';
  first_.pop_back();
  return *this;
}
JsonWriter& JsonWriter::BeginArray() {
  Comma();
  out_ += '[';
  first_.push_back(1);
  return *this;
}
JsonWriter& JsonWriter::EndArray() {
  out_ += ']';
  first_.pop_back();
  return *this;
}
JsonWriter& JsonWriter::Key(const std::string& k) {
  Comma();
  AppendEscaped(out_, k);
  out_ += ':';
  afterKey_ = true;
  return *this;
}
JsonWriter& JsonWriter::String(const std::string& s) {
  Comma();
  AppendEscaped(out_, s);
  return *this;
}
JsonWriter& JsonWriter::Number(double v) {
  Comma();
  if (std::floor(v) == v && std::fabs(v) < 1e15) {
    out_ += std::to_string(static_cast<long long>(v));
  } else {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    out_ += buf;
  }
  return *this;
}
JsonWriter& JsonWriter::Int(long long v) {
  Comma();
  char buf[24];
  const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
  out_.append(buf, static_cast<std::size_t>(end - buf));
  return *this;
}
JsonWriter& JsonWriter::Bool(bool b) {
  Comma();
  out_ += b ? "true" : "false";
  return *this;
}
JsonWriter& JsonWriter::StringRun(const std::string* items, std::size_t count) {
  BeginArray();
  char buf[512];
  std::size_t used = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string& s = items[i];
    const std::size_t n = s.size();
    if (n + 3 > sizeof buf || !Plain(s.data(), n)) {
      out_.append(buf, used);
      used = 0;
      String(s);
      continue;
    }
    if (used + n + 3 > sizeof buf) {
      out_.append(buf, used);
      used = 0;
    }
    // The separator as Comma() writes it inside an array.
    if (!first_.back()) buf[used++] = ',';
    first_.back() = 0;
    buf[used++] = '"';
    std::memcpy(buf + used, s.data(), n);
    used += n;
    buf[used++] = '"';
  }
  out_.append(buf, used);
  return EndArray();
}

JsonWriter& JsonWriter::StringArray(const std::vector<std::string>& items) { return Strings(items); }

}  // namespace tessora
