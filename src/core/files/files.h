// State of the board text image and of the scheme files.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tessora {

constexpr int kSchemeRows = 27;

struct FileState {
  std::array<std::string, kSchemeRows> SchemeLines{};
  std::array<std::string, kSchemeRows> SchemeLines2{};
  // The flash: the board text image as the flash took it. Only taking a
  // flash writes it, so a save or a new run of the control leaves it alone.
  std::array<std::string, kSchemeRows> FlashLines{};
  int SchemeLineCount = 0;
  bool SchemeOnly = true;
  bool CandidatesEdited = false;
  bool SavingScheme = false;
  std::string SchemeFile = " ";
  std::string WorkFolder;
  std::string DefaultSaveName;
  int LastLine = 0;
  int NewSchemeNo = 0;
  // The scheme files opened or saved last, the latest first (File > "Recent Schemes").
  std::vector<std::string> RecentFiles;
};

}  // namespace tessora
