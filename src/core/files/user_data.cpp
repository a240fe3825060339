#include "files/user_data.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define TESSORA_HAVE_UNISTD 1
#endif

#include "files/scheme_format.h"

namespace tessora {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxUserFileBytes = 1024 * 1024;

fs::path In(const std::string& folder, const std::string& name) { return fs::path(folder) / name; }

bool CheckFolder(const std::string& folder, std::string& error) {
  if (folder.empty()) {
    error = "There is no folder for the program's data (neither XDG_DATA_HOME nor HOME is set).";
    return false;
  }
  return true;
}

// The time of day as YYYYMMDD-HHMMSS, local time.
std::string Stamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}


}  // namespace

std::string UserDataFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && *data && fs::path(data).is_absolute()) return (fs::path(data) / "tessora").string();
  const char* home = std::getenv("HOME");
  if (home && *home) return (fs::path(home) / ".local" / "share" / "tessora").string();
  return std::string();
}

DataRead ReadUserFile(const std::string& folder, const std::string& name, std::string& bytes, std::string& error) {
  bytes.clear();
  if (folder.empty()) return DataRead::Missing;
  const fs::path path = In(folder, name);
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (!fs::exists(st)) return DataRead::Missing;
  if (!fs::is_regular_file(st)) {
    error = "It is not an ordinary file.";
    return DataRead::Failed;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "It cannot be read: " + std::string(std::strerror(errno)) + ".";
    return DataRead::Failed;
  }
  bytes.resize(kMaxUserFileBytes + 1);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) {
    bytes.clear();
    error = "Reading it failed.";
    return DataRead::Failed;
  }
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > kMaxUserFileBytes) {
    bytes.clear();
    error = "It is too large.";
    return DataRead::Failed;
  }
  return DataRead::Read;
}

bool WriteUserFile(const std::string& folder, const std::string& name, const std::string& bytes,
                   std::string& error) {
  if (!CheckFolder(folder, error)) return false;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    fs::create_directories(folder, ec);
    if (ec) {
      error = "The folder " + folder + " cannot be made: " + ec.message() + ".";
      return false;
    }
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
  }
  return WriteFileAtomically(In(folder, name).string(), bytes, error);
}

bool RemoveUserFile(const std::string& folder, const std::string& name, std::string& error) {
  if (folder.empty()) return true;
  std::error_code ec;
  fs::remove(In(folder, name), ec);
  if (ec) {
    error = "It cannot be removed: " + ec.message() + ".";
    return false;
  }
  return true;
}

bool SetAsideUserFile(const std::string& folder, const std::string& name, std::string& aside, std::string& error) {
  if (!CheckFolder(folder, error)) return false;
  const fs::path from = In(folder, name);
  const std::string base = name + ".broken-" + Stamp();
  for (int n = 1; n <= 1000; ++n) {
    const fs::path to = In(folder, n == 1 ? base : base + "-" + std::to_string(n));
    const int moved = MoveToFreeName(from.string(), to.string());
    if (moved == 0) {
      aside = to.string();
      return true;
    }
    if (moved != EEXIST) {
      error = "It cannot be renamed: " + std::string(std::strerror(moved)) + ".";
      return false;
    }
  }
  error = "No free name was found beside it.";
  return false;
}

bool IsExistingFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

}  // namespace tessora
