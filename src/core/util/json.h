// A small JSON writer for the state dump and the command-line reports.
#pragma once

#include <concepts>
#include <cstddef>
#include <iterator>
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
    // Texts that lie side by side (a vector, an array) are written as one run.
    if constexpr (requires {
                    { std::data(items) } -> std::convertible_to<const std::string*>;
                    { std::size(items) } -> std::convertible_to<std::size_t>;
                  }) {
      return StringRun(std::data(items), std::size(items));
    } else {
      BeginArray();
      for (const auto& s : items) String(s);
      return EndArray();
    }
  }
  // An array of count texts: those that need no escaping are put together
  // in place and appended a few hundred characters at a time.
  JsonWriter& StringRun(const std::string* items, std::size_t count);
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
