#include "util/json.h"

#include <cmath>
#include <cstdio>

namespace tessora {

std::string JsonEscape(const std::string& s) {
  std::string r = "\"";
  for (unsigned char ch : s) {
    switch (ch) {
      case '"': r += "\\\""; break;
      case '\\': r += "\\\\"; break;
      case '\n': r += "\\n"; break;
      case '\r': r += "\\r"; break;
      case '\t': r += "\\t"; break;
      default:
        if (ch < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", ch);
          r += buf;
        } else {
          r += static_cast<char>(ch);
        }
    }
  }
  return r + "\"";
}

void JsonWriter::Comma() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ += ',';
    first_.back() = false;
  }
}

JsonWriter& JsonWriter::BeginObject() {
  Comma();
  out_ += '{';
  first_.push_back(true);
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
  first_.push_back(true);
  return *this;
}
JsonWriter& JsonWriter::EndArray() {
  out_ += ']';
  first_.pop_back();
  return *this;
}
JsonWriter& JsonWriter::Key(const std::string& k) {
  Comma();
  out_ += JsonEscape(k);
  out_ += ':';
  afterKey_ = true;
  return *this;
}
JsonWriter& JsonWriter::String(const std::string& s) {
  Comma();
  out_ += JsonEscape(s);
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
  out_ += std::to_string(v);
  return *this;
}
JsonWriter& JsonWriter::Bool(bool b) {
  Comma();
  out_ += b ? "true" : "false";
  return *this;
}
JsonWriter& JsonWriter::StringArray(const std::vector<std::string>& items) { return Strings(items); }

}  // namespace tessora
