// The user's own data, kept between runs: the program's folder under
// $XDG_DATA_HOME, files written there atomically, a broken one set aside
// under a new name (never deleted). Both platforms keep the data through
// these functions; the window's logic reaches them through the platform.
#pragma once

#include <string>

namespace tessora {

// $XDG_DATA_HOME/tessora, or $HOME/.local/share/tessora when XDG_DATA_HOME is
// unset, empty or not an absolute path; empty when neither is known.
std::string UserDataFolder();

enum class DataRead { Read, Missing, Failed };

// Reads `name` in `folder` (at most 1 MB): Missing when there is no such
// file, Failed with a reason in `error` when it cannot be read.
DataRead ReadUserFile(const std::string& folder, const std::string& name, std::string& bytes, std::string& error);

// Writes `name` in `folder` through a temporary file flushed to disk and
// renamed over it; the folder is made (readable by the user alone) when missing.
bool WriteUserFile(const std::string& folder, const std::string& name, const std::string& bytes,
                   std::string& error);

// Removes `name` from `folder`; a file that is not there counts as removed.
bool RemoveUserFile(const std::string& folder, const std::string& name, std::string& error);

// Renames `name` aside in the same folder, as NAME.broken-YYYYMMDD-HHMMSS
// (with -2, -3 ... when that is taken), never replacing a file; `aside`
// receives the new path.
bool SetAsideUserFile(const std::string& folder, const std::string& name, std::string& aside, std::string& error);

// Whether `path` names an existing regular file (a link to one included).
bool IsExistingFile(const std::string& path);

}  // namespace tessora
