// A small JSON writer for the state dump and the command-line reports.
#pragma once

#include <string>
#include <vector>

namespace tessora {

class JsonWriter {
 public:
  JsonWriter() { out_.reserve(2048); }
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(const std::string& k);
  JsonWriter& String(const std::string& s);
  JsonWriter& Number(double v);
  JsonWriter& Int(long long v);
  JsonWriter& Bool(bool b);
  JsonWriter& StringArray(const std::vector<std::string>& items);
  template <typename Range>
  JsonWriter& Strings(const Range& items) {
    BeginArray();
    for (const auto& s : items) String(s);
    return EndArray();
  }
  const std::string& str() const { return out_; }
  // Ends the document with a line break (one document per line).
  void EndLine() { out_ += '\n'; }
  // Starts a new document, keeping the room already taken.
  void Clear() {
    out_.clear();
    first_.clear();
    afterKey_ = false;
  }

 private:
  void Comma();
  std::string out_;
  std::string first_;  // per open object or array: 1 until its first member
  bool afterKey_ = false;
};

std::string JsonEscape(const std::string& s);

}  // namespace tessora
