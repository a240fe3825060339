#include "files/game_format.h"

#include <charconv>
#include <cstdio>

#include "board/cells.h"
#include "files/scheme_format.h"

namespace tessora {

namespace {

constexpr std::string_view kHeader = "Tessora saved game 1";
constexpr std::size_t kMaxBlackboardLines = 200;

// A text on one line: a backslash, line breaks and other control bytes escaped.
std::string Escape(const std::string& s) {
  std::string out;
  for (unsigned char ch : s) {
    if (ch == '\\') {
      out += "\\\\";
    } else if (ch == '\n') {
      out += "\\n";
    } else if (ch == '\r') {
      out += "\\r";
    } else if (ch < 0x20 || ch == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", ch);
      out += hex;
    } else {
      out += static_cast<char>(ch);
    }
  }
  return out;
}

bool Unescape(std::string_view s, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\') {
      out += s[i];
      continue;
    }
    if (++i >= s.size()) return false;
    switch (s[i]) {
      case '\\': out += '\\'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 'x': {
        if (i + 2 >= s.size()) return false;
        unsigned v = 0;
        const auto r = std::from_chars(s.data() + i + 1, s.data() + i + 3, v, 16);
        if (r.ec != std::errc() || r.ptr != s.data() + i + 3) return false;
        out += static_cast<char>(v);
        i += 2;
        break;
      }
      default: return false;
    }
  }
  return true;
}

void Rows(std::string& text, const std::string* rows, int count) {
  for (int k = 0; k < count; ++k) text += "\"" + rows[k] + "\"\n";
}

bool Number(std::string_view s, long long lo, long long hi, long long& v) {
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() && v >= lo && v <= hi;
}

// Reads the lines one item at a time, each "key value".
class Reader {
 public:
  explicit Reader(std::string_view text) : lines_(SplitLines(text)) {}
  std::string error;

  // The value of the next line, which must start with `key` (and a blank, or end there).
  bool Item(std::string_view key, std::string_view& value) {
    if (at_ >= lines_.size()) return Fail("it ends before \"" + std::string(key) + "\"");
    const std::string_view line = lines_[at_];
    if (line.substr(0, key.size()) != key || (line.size() > key.size() && line[key.size()] != ' '))
      return Fail("line " + std::to_string(at_ + 1) + " is not \"" + std::string(key) + "\"");
    value = line.size() > key.size() ? line.substr(key.size() + 1) : std::string_view();
    ++at_;
    return true;
  }
  bool Choice(std::string_view key, std::string_view a, std::string_view b, bool& isB) {
    std::string_view v;
    if (!Item(key, v)) return false;
    if (v != a && v != b) return Fail("\"" + std::string(key) + "\" is neither " + std::string(a) + " nor " + std::string(b));
    isB = v == b;
    return true;
  }
  bool Text(std::string_view key, std::string& out) {
    std::string_view v;
    if (!Item(key, v)) return false;
    return Unescape(v, out) || Fail("\"" + std::string(key) + "\" holds a broken escape");
  }
  bool Int(std::string_view key, long long lo, long long hi, long long& out) {
    std::string_view v;
    if (!Item(key, v)) return false;
    return Number(v, lo, hi, out) || Fail("\"" + std::string(key) + "\" is not a number from " +
                                          std::to_string(lo) + " to " + std::to_string(hi));
  }
  // `count` rows of a `.sud` image (9, 18 or 27), read as a scheme file's.
  bool Image(int count, std::string* rows, const std::string& what) {
    if (at_ + count > lines_.size()) return Fail("it ends inside " + what);
    std::string sud;
    for (int k = 0; k < count; ++k) sud += std::string(lines_[at_ + k]) + "\n";
    const SchemeParse parsed = ParseSud(sud);
    if (!parsed.ok || parsed.scheme.count != count) return Fail(what + ": " + parsed.error);
    for (int k = 0; k < count; ++k) rows[k] = parsed.scheme.rows[k];
    at_ += count;
    return true;
  }
  bool Line(std::string& out) {
    if (at_ >= lines_.size()) return Fail("it ends inside the blackboard");
    return Unescape(lines_[at_++], out) || Fail("a blackboard line holds a broken escape");
  }
  bool AtEnd() const {
    for (std::size_t k = at_; k < lines_.size(); ++k)
      if (!lines_[k].empty()) return false;
    return true;
  }
  bool Fail(const std::string& why) {
    if (error.empty()) error = why + ".";
    return false;
  }

 private:
  std::vector<std::string_view> lines_;
  std::size_t at_ = 0;
};

bool AnyRow(const std::array<std::string, kSchemeRows>& rows) {
  for (const std::string& r : rows)
    if (!r.empty()) return true;
  return false;
}

}  // namespace

std::string FormatSavedGame(const SavedGame& g) {
  std::string t(kHeader);
  t += "\n";
  t += std::string("phase ") + (g.play ? "play" : "data") + "\n";
  t += "name " + Escape(g.schemeFile) + "\n";
  t += "caption " + Escape(g.caption) + "\n";
  t += "number " + std::to_string(g.schemeNumber) + "\n";
  t += "cursor " + std::to_string(g.cursor) + "\n";
  t += "errors " + std::to_string(g.errorCount) + "\n";
  t += "counter " + Escape(g.errors) + "\n";
  t += std::string("input ") + (g.blocked ? "blocked" : "open") + "\n";
  t += std::string("view ") + (g.allCandidates ? "all" : "none") + "\n";
  t += std::string("edited ") + (g.candidatesEdited ? "yes" : "no") + "\n";
  t += "board\n";
  Rows(t, g.board.data(), kSchemeRows);
  t += "wrong";
  for (int c : g.wrong) t += " " + std::to_string(c);
  t += "\n";
  t += "data\n";
  Rows(t, g.data.data(), 9);
  const bool flash = AnyRow(g.flash);
  t += std::string("flash ") + (g.flashTaken ? "taken" : flash ? "kept" : "none") + "\n";
  if (g.flashTaken || flash) Rows(t, g.flash.data(), kSchemeRows);
  t += "deviation " + std::to_string(g.deviationCell) + "\n";
  t += "changed " + Escape(g.deviationText) + "\n";
  t += "counters";
  for (int n : g.methodUse) t += " " + std::to_string(n);
  t += "\n";
  t += "suggestions " + std::to_string(g.suggestions) + "\n";
  t += "played";
  for (const auto& [cell, at] : g.played) t += " " + std::to_string(cell) + ":" + std::to_string(at);
  t += "\n";
  t += "clock " + std::to_string(g.playClock) + "\n";
  t += "blackboard " + std::to_string(g.blackboard.size()) + "\n";
  for (const std::string& line : g.blackboard) t += Escape(line) + "\n";
  t += "end\n";
  return t;
}

SavedGameParse ParseSavedGame(std::string_view text) {
  SavedGameParse result;
  SavedGame& g = result.game;
  auto broken = [&](const std::string& why) {
    result.error = "The saved game is damaged: " + why;
    return result;
  };
  if (text.size() > 64 * 1024) return broken("it is far too large.");
  for (unsigned char ch : text)
    if ((ch < 0x20 && ch != '\n' && ch != '\r') || ch == 0x7F) return broken("it holds binary data.");
  Reader in(text);
  std::string_view header;
  if (!in.Item(kHeader, header) || !header.empty()) return broken("it does not start with \"" + std::string(kHeader) + "\".");
  long long number = 0, cursor = 0, errors = 0, deviation = 0, clock = 0, lines = 0;
  bool blocked = false, all = false, edited = false;
  std::string_view wrong, played;
  std::string_view flashState;
  std::string_view none;
  if (!in.Choice("phase", "data", "play", g.play) || !in.Text("name", g.schemeFile) || !in.Text("caption", g.caption) ||
      !in.Int("number", 0, 1'000'000'000, number) || !in.Int("cursor", 0, kCells - 1, cursor) || !in.Int("errors", 0, 1'000'000'000, errors) ||
      !in.Text("counter", g.errors) || !in.Choice("input", "open", "blocked", blocked) ||
      !in.Choice("view", "none", "all", all) || !in.Choice("edited", "no", "yes", edited) ||
      !in.Item("board", none) || !in.Image(kSchemeRows, g.board.data(), "the board") || !in.Item("wrong", wrong) ||
      !in.Item("data", none) || !in.Image(9, g.data.data(), "the values the control ran on") ||
      !in.Item("flash", flashState))
    return broken(in.error);
  if (flashState != "none" && flashState != "taken" && flashState != "kept")
    return broken("\"flash\" is none, taken or kept.");
  g.flashTaken = flashState == "taken";
  if (flashState != "none" && !in.Image(kSchemeRows, g.flash.data(), "the flash")) return broken(in.error);
  std::string_view counters;
  long long suggestions = 0;
  if (!in.Int("deviation", 0, 99, deviation) || !in.Text("changed", g.deviationText) ||
      !in.Item("counters", counters) || !in.Int("suggestions", 0, 1'000'000'000, suggestions) ||
      !in.Item("played", played) ||
      !in.Int("clock", 0, 0xFFFFFFFFll, clock) || !in.Int("blackboard", 0, kMaxBlackboardLines, lines))
    return broken(in.error);
  if (deviation >= kCells && deviation != 99) return broken("\"deviation\" is no cell.");
  for (long long k = 0; k < lines; ++k) {
    std::string line;
    if (!in.Line(line)) return broken(in.error);
    g.blackboard.push_back(std::move(line));
  }
  if (!in.Item("end", none) || !none.empty()) return broken(in.error.empty() ? "\"end\" is not alone on its line." : in.error);
  if (!in.AtEnd()) return broken("something follows \"end\".");

  // The cells whose value is marked wrong hold a value; the played cells too.
  for (std::string_view rest = wrong; !rest.empty();) {
    const std::size_t b = rest.find(' ');
    long long c = 0;
    if (!Number(rest.substr(0, b), 0, kCells - 1, c) || g.board[c / 9][c % 9] == ' ')
      return broken("\"wrong\" names a cell without a value.");
    g.wrong.push_back(static_cast<int>(c));
    rest = b == std::string_view::npos ? std::string_view() : rest.substr(b + 1);
  }
  for (std::string_view rest = counters; !rest.empty();) {
    const std::size_t b = rest.find(' ');
    long long n = 0;
    if (!Number(rest.substr(0, b), 0, 1'000'000'000, n) || g.methodUse.size() >= 64)
      return broken("\"counters\" holds something that is not a count.");
    g.methodUse.push_back(static_cast<int>(n));
    rest = b == std::string_view::npos ? std::string_view() : rest.substr(b + 1);
  }
  g.suggestions = static_cast<int>(suggestions);
  for (std::string_view rest = played; !rest.empty();) {
    const std::size_t b = rest.find(' ');
    const std::string_view item = rest.substr(0, b);
    const std::size_t colon = item.find(':');
    long long c = 0, at = 0;
    if (colon == std::string_view::npos || !Number(item.substr(0, colon), 0, kCells - 1, c) ||
        !Number(item.substr(colon + 1), 1, clock, at) || g.board[c / 9][c % 9] == ' ')
      return broken("\"played\" names a cell without a value, or a time after the clock.");
    g.played.emplace_back(static_cast<int>(c), static_cast<std::uint32_t>(at));
    rest = b == std::string_view::npos ? std::string_view() : rest.substr(b + 1);
  }
  g.schemeNumber = static_cast<int>(number);
  g.cursor = static_cast<int>(cursor);
  g.errorCount = static_cast<int>(errors);
  g.blocked = blocked;
  g.allCandidates = all;
  g.candidatesEdited = edited;
  g.deviationCell = static_cast<int>(deviation);
  g.playClock = static_cast<std::uint32_t>(clock);
  result.ok = true;
  return result;
}

}  // namespace tessora
