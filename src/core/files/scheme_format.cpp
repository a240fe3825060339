#include "files/scheme_format.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <vector>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define TESSORA_HAVE_UNISTD 1
#endif

#include "board/board.h"

namespace tessora {

namespace fs = std::filesystem;

namespace {

const std::string kBlankRow(9, ' ');

std::string LineNo(std::size_t index) { return "Line " + std::to_string(index + 1); }

bool IsBlankText(std::string_view s) {
  for (char ch : s)
    if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n') return false;
  return true;
}

std::string_view TrimBlanks(std::string_view s) {
  const std::size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// The checks every scheme text passes before its lines are read: size, no
// binary data, not empty. `body` is the text without a leading UTF-8 mark.
bool CheckText(std::string_view text, std::string_view& body, std::string& error) {
  if (text.size() > kMaxSchemeFileBytes) {
    error = "The file is too large to be a scheme file.";
    return false;
  }
  for (unsigned char ch : text)
    if ((ch < 0x20 && ch != '\t' && ch != '\r' && ch != '\n') || ch == 0x7F) {
      error = "The file holds binary data, not the text of a scheme.";
      return false;
    }
  body = text;
  if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
  if (IsBlankText(body)) {
    error = "The file is empty.";
    return false;
  }
  return true;
}

// One candidate row: nine fields, each ended by a comma, nothing after the ninth.
bool SplitCandidateRow(const std::string& row, std::array<std::string, 9>& fields) {
  std::size_t pos = 0;
  for (auto& field : fields) {
    const std::size_t comma = row.find(',', pos);
    if (comma == std::string::npos) return false;
    field = row.substr(pos, comma - pos);
    pos = comma + 1;
  }
  return pos == row.size();
}

std::string ErrnoText(int err) { return std::error_code(err, std::generic_category()).message(); }

}  // namespace

// The lines of a text: each ends at LF, with a CR before the LF dropped; with
// `loneCr` a CR not followed by LF ends a line too (the line end of older
// systems). A last piece without a line end is a line too.
std::vector<std::string_view> SplitLines(std::string_view text, bool loneCr) {
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = loneCr ? text.find_first_of("\r\n", pos) : text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    std::size_t next = end + 1;
    if (loneCr) {
      if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') next = end + 2;
    } else if (end < text.size() && !line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    lines.push_back(line);
    pos = next;
  }
  return lines;
}

bool IsSsSeparator(std::string_view line) {
  return line == "-----------" || line == "*-----------*" || line == "|---+---+---|";
}

bool SsRowCells(std::string_view line, std::string& row) {
  if (!line.empty() && line.front() == '|') line = line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string_view();
  if (line.size() != 11) return false;
  // Characters 4 and 8 are the separators and are not examined.
  row = std::string(line.substr(0, 3)) + std::string(line.substr(4, 3)) + std::string(line.substr(8, 3));
  for (char& ch : row)
    if (ch == '.') ch = ' ';
  return true;
}


SchemeParse ParseSud(std::string_view text) {
  SchemeParse result;
  std::string_view body;
  if (!CheckText(text, body, result.error)) return result;
  std::vector<std::string_view> lines = SplitLines(body, true);
  while (!lines.empty() && IsBlankText(lines.back())) lines.pop_back();
  const std::size_t n = lines.size();
  if (n > static_cast<std::size_t>(kSchemeRows)) {
    result.error = "The file holds " + std::to_string(n) + " lines, more than the 27 of a scheme file.";
    return result;
  }
  if (n != 9 && n != 18 && n != 27) {
    result.error = "The file holds " + std::to_string(n) + (n == 1 ? " line" : " lines") +
                   "; a scheme file holds 9, 18 or 27.";
    return result;
  }
  SchemeText& scheme = result.scheme;
  for (std::size_t k = 0; k < n; ++k) {
    std::string_view line = lines[k];
    if (line.size() > kMaxSchemeLineLength) {
      result.error = LineNo(k) + " is far too long for a scheme file.";
      return result;
    }
    const std::size_t b = line.find_first_not_of(" \t");
    line = b == std::string_view::npos ? std::string_view() : line.substr(b, line.find_last_not_of(" \t") - b + 1);
    if (line.size() < 2 || line.front() != '"' || line.back() != '"' ||
        line.substr(1, line.size() - 2).find('"') != std::string_view::npos) {
      result.error = LineNo(k) + " is not one double-quoted field.";
      return result;
    }
    std::string row(line.substr(1, line.size() - 2));
    if (k < 9) {
      bool good = row.size() <= 9;
      for (char ch : row) good = good && (ch == ' ' || (ch >= '1' && ch <= '9'));
      if (!good) {
        result.error = LineNo(k) + ": a value row holds at most 9 characters, each a digit 1 to 9 or a blank.";
        return result;
      }
      row.resize(9, ' ');
    } else if (k < 18) {
      bool good = row.size() <= 9;
      for (char ch : row) good = good && (ch == ' ' || ch == 'b' || ch == 'c');
      if (!good) {
        result.error = LineNo(k) + ": a mark row holds at most 9 characters, each \"b\", \"c\" or a blank.";
        return result;
      }
      row.resize(9, ' ');
    } else {
      std::array<std::string, 9> fields;
      bool good = SplitCandidateRow(row, fields);
      for (int j = 0; good && j < 9; ++j) {
        CandText t;
        good = CandText::Parse(fields[j], t);
        if (good && t.HasDigits() && scheme.rows[k - 18][j] != ' ') {
          result.error = LineNo(k) + " gives candidates to cell " + CellName(9 * static_cast<int>(k - 18) + j) +
                         ", which holds a value.";
          return result;
        }
      }
      if (!good) {
        result.error = LineNo(k) +
                       ": a candidate row holds 9 fields, each ended by a comma and holding "
                       "ascending digits 1 to 9 or nothing.";
        return result;
      }
    }
    scheme.rows[k] = std::move(row);
  }
  scheme.count = static_cast<int>(n);
  result.ok = true;
  return result;
}

SchemeParse ParseSs(std::string_view text, const std::function<void()>& afterLine) {
  SchemeParse result;
  std::string_view body;
  if (!CheckText(text, body, result.error)) return result;
  const std::vector<std::string_view> lines = SplitLines(body);
  SchemeText& scheme = result.scheme;
  int n = 0;
  for (std::size_t k = 0; k < lines.size() && n < 9; ++k) {
    if (lines[k].size() > kMaxSchemeLineLength) {
      result.error = LineNo(k) + " is far too long for a scheme file.";
      return result;
    }
    std::string_view line = TrimBlanks(lines[k]);
    if (!IsSsSeparator(line)) {
      std::string row = kBlankRow;
      if (!line.empty()) {
        if (!SsRowCells(line, row)) {
          result.error = LineNo(k) + " is not a row of the scheme: a row has 11 characters, 13 with a border.";
          return result;
        }
        for (char ch : row)
          if (ch != ' ' && (ch < '1' || ch > '9')) {
            result.error = LineNo(k) + ": a row holds only the digits 1 to 9, \".\" and blanks.";
            return result;
          }
      }
      scheme.rows[n++] = std::move(row);
    }
    if (afterLine) afterLine();
  }
  if (n == 0) {
    result.error = "The file holds no row of values.";
    return result;
  }
  for (; n < 9; ++n) scheme.rows[n] = kBlankRow;
  scheme.count = 9;
  result.ok = true;
  return result;
}

std::string FormatSud(const std::array<std::string, kSchemeRows>& rows, int count) {
  std::string text;
  for (int k = 0; k < count && k < kSchemeRows; ++k) text += "\"" + rows[k] + "\"\r\n";
  return text;
}

std::string FormatSs(const std::array<std::string, kSchemeRows>& rows) {
  std::string text;
  for (int k = 0; k < 9; ++k) {
    std::string row = rows[k];
    row.resize(9, ' ');
    for (char& ch : row)
      if (ch == ' ') ch = '.';
    text += row.substr(0, 3) + "|" + row.substr(3, 3) + "|" + row.substr(6, 3) + "\r\n";
    if (k == 2 || k == 5) text += "-----------\r\n";
  }
  return text + "\r\n";
}

bool ReadSchemeFile(const std::string& path, std::string& bytes, std::string& error) {
  bytes.clear();
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (!fs::exists(st)) {
    error = ec && ec != std::errc::no_such_file_or_directory ? "The file cannot be read: " + ec.message() + "."
                                                             : "The file does not exist.";
    return false;
  }
  if (fs::is_directory(st)) {
    error = "The name is a folder, not a file.";
    return false;
  }
  if (!fs::is_regular_file(st)) {
    error = "The name is not an ordinary file.";
    return false;
  }
  const std::uintmax_t size = fs::file_size(path, ec);
  if (!ec && size > kMaxSchemeFileBytes) {
    error = "The file is too large to be a scheme file.";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "The file cannot be opened for reading.";
    return false;
  }
  bytes.resize(kMaxSchemeFileBytes + 1);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) {
    bytes.clear();
    error = "The file cannot be read.";
    return false;
  }
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > kMaxSchemeFileBytes) {
    bytes.clear();
    error = "The file is too large to be a scheme file.";
    return false;
  }
  return true;
}

int MoveToFreeName(const std::string& temp, const std::string& target) {
#if defined(RENAME_NOREPLACE) && defined(AT_FDCWD)
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
#endif
#ifdef TESSORA_HAVE_UNISTD
  // A file system that cannot rename that way: a second link, which fails on a taken name.
  if (::link(temp.c_str(), target.c_str()) == 0) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return 0;
  }
  if (errno == EEXIST) return EEXIST;
#endif
  // Nor that way (no links): look, then rename.
  std::error_code ec;
  if (fs::exists(fs::symlink_status(target, ec))) return EEXIST;
  fs::rename(temp, target, ec);
  return ec ? ec.value() : 0;
}

namespace {

// Flushes a folder's entries to disk, so that a rename in it outlasts a power
// cut. A file system that cannot do it is left as it is.
void SyncFolder(const fs::path& folder) {
#ifdef TESSORA_HAVE_UNISTD
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
#else
  (void)folder;
#endif
}

// Both writers: a temporary file beside the target, then renamed over it
// (`replace`) or moved to its name only while that name is free.
bool WriteThroughTemp(const std::string& path, const std::string& bytes, std::string& error, bool replace,
                      bool* taken) {
  if (taken) *taken = false;
  if (path.empty()) {
    error = "No file name was given.";
    return false;
  }
  std::error_code ec;
  fs::path target(path);
  if (!replace && fs::exists(fs::symlink_status(target, ec))) {
    if (taken) *taken = true;
    error = "A file of that name is there already.";
    return false;
  }
  // A link keeps pointing at the file: the new content replaces the file it names.
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    fs::path real = fs::weakly_canonical(target, ec);
    if (!ec) target = real;
  }
  const fs::file_status st = fs::status(target, ec);
  const bool exists = fs::exists(st);
  if (fs::is_directory(st)) {
    error = "The name is a folder, not a file.";
    return false;
  }
  if (exists && !fs::is_regular_file(st)) {
    error = "The name is not an ordinary file.";
    return false;
  }
#ifdef TESSORA_HAVE_UNISTD
  if (exists && ::access(target.c_str(), W_OK) != 0) {
    error = "The file is read-only.";
    return false;
  }
#endif
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  if (!fs::is_directory(folder, ec)) {
    error = "The folder does not exist.";
    return false;
  }

  // A new file of our own beside the target, so the rename stays in one file
  // system; each thread draws its names from a generator of its own.
  thread_local std::mt19937 names{std::random_device{}()};
  fs::path temp;
  std::FILE* out = nullptr;
  for (int attempt = 0; attempt < 100 && !out; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(names()));
    temp = folder / (std::string(".tessora-") + suffix + ".tmp");
    out = std::fopen(temp.c_str(), "wbx");
    if (!out && errno != EEXIST) {
      error = "The folder cannot be written to: " + ErrnoText(errno) + ".";
      return false;
    }
  }
  if (!out) {
    error = "No temporary file could be made in the folder.";
    return false;
  }
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
  int err = written ? 0 : errno;
#ifdef TESSORA_HAVE_UNISTD
  if (written && ::fsync(::fileno(out)) != 0) {
    written = false;
    err = errno;
  }
#endif
  if (std::fclose(out) != 0 && written) {
    written = false;
    err = errno;
  }
  if (!written) {
    fs::remove(temp, ec);
    error = "Writing the file failed: " + ErrnoText(err) + ".";
    return false;
  }
  if (!replace) {
    const int moved = MoveToFreeName(temp, target);
    if (moved == 0) {
      SyncFolder(folder);
      return true;
    }
    std::error_code ignored;
    fs::remove(temp, ignored);
    if (moved == EEXIST && taken) *taken = true;
    error = moved == EEXIST ? std::string("A file of that name is there already.")
                            : "The file cannot be made: " + ErrnoText(moved) + ".";
    return false;
  }
  if (exists) fs::permissions(temp, st.permissions(), ec);
  fs::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    error = "The file cannot be replaced: " + ec.message() + ".";
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
  return WriteThroughTemp(path, bytes, error, true, nullptr);
}

bool WriteNewFileAtomically(const std::string& path, const std::string& bytes, std::string& error, bool& taken) {
  return WriteThroughTemp(path, bytes, error, false, &taken);
}


std::string SchemeBaseName(const std::string& schemeFile) {
  const std::size_t sep = schemeFile.find_last_of("/\\");
  std::string base = sep == std::string::npos ? schemeFile : schemeFile.substr(sep + 1);
  const std::size_t dot = base.find('.');
  if (dot != std::string::npos) base.resize(dot);
  return base;
}

bool IsSsPath(const std::string& path) {
  if (path.size() < 3) return false;
  std::string tail = path.substr(path.size() - 3);
  for (char& ch : tail)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return tail == ".ss";
}

Board DecodeBoardText(std::span<const std::string> rows, int count) {
  Board b;
  auto row = [&](int r) -> std::string_view {
    return r < static_cast<int>(rows.size()) ? std::string_view(rows[r]) : std::string_view();
  };
  for (int r = 0; r < 9; ++r) {
    const std::string_view values = row(r), marks = count > 9 ? row(9 + r) : std::string_view();
    for (int c = 0; c < 9; ++c) {
      const int cell = 9 * r + c;
      const char ch = c < static_cast<int>(values.size()) ? values[c] : ' ';
      const char mark = c < static_cast<int>(marks.size()) ? marks[c] : ' ';
      const Origin marked = mark == 'b' ? Origin::Keyed : mark == 'c' ? Origin::Solver : Origin::None;
      // Only a digit is a value: any other character leaves the cell empty.
      if (ch >= '1' && ch <= '9') b.SetValue(cell, ch - '0', marked == Origin::None ? Origin::Given : marked);
      else b.ClearValue(cell, marked);
    }
  }
  if (count > 18)
    for (int r = 0; r < 9; ++r) {
      const std::string_view fields = row(18 + r);
      std::size_t pos = 0;
      for (int c = 0; c < 9; ++c) {
        const std::size_t comma = fields.find(',', pos);
        if (comma == std::string_view::npos) break;
        CandText t;
        if (CandText::Parse(fields.substr(pos, comma - pos), t) && t.HasDigits()) b.Can[9 * r + c] = t;
        pos = comma + 1;
      }
    }
  return b;
}

}  // namespace tessora
