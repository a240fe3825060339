// tessora-cli generate: "New (create)" headless, "New (create) of level" with
// --difficulty, or the F11 batch into a folder.
#include "generate.h"

#include <chrono>
#include <filesystem>
#include <iostream>

#include "ui/form1.h"
#include "ui/scripted_platform.h"
#include <nlohmann/json.hpp>

namespace tessora::cli {

int Generate(const std::vector<std::string>& args) {
  bool json = false;
  int count = 1;
  int level = -1;  // --difficulty: 0 easy .. 3 diabolic
  std::string batchDir;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      json = true;
    } else if ((a == "-n" || a == "--batch" || a == "--difficulty") && i + 1 < args.size()) {
      const std::string& v = args[++i];
      if (a == "--batch") {
        batchDir = v;
        continue;
      }
      if (a == "--difficulty") {
        static const char* const kLevels[] = {"easy", "medium", "difficult", "diabolic"};
        for (int k = 0; k < 4; ++k)
          if (v == kLevels[k]) level = k;
        if (level < 0) {
          std::cerr << "tessora-cli generate: --difficulty needs easy, medium, difficult or diabolic\n";
          return 2;
        }
        continue;
      }
      try {
        std::size_t used = 0;
        count = std::stoi(v, &used);
        if (used != v.size() || count < 1) throw std::invalid_argument(v);
      } catch (...) {
        std::cerr << "tessora-cli generate: -n needs a positive number\n";
        return 2;
      }
    } else {
      std::cerr << "tessora-cli generate: unknown argument " << a << "\n";
      return 2;
    }
  }

  if (!batchDir.empty() && level >= 0) {
    std::cerr << "tessora-cli generate: --batch and --difficulty do not go together\n";
    return 2;
  }

  ScriptedPlatform platform;
  Form1 form(platform);
  form.Form_Load();
  if (!batchDir.empty()) {
    std::error_code ec;
    if (!std::filesystem::is_directory(batchDir, ec) || !platform.SetCurrentFolder(batchDir)) {
      std::cerr << "tessora-cli generate: " << batchDir << " is not a folder\n";
      return 2;
    }
    form.KeyDown(key::F11, 0);
    for (const auto& m : platform.messages) std::cerr << m.text << "\n";
    return platform.messages.empty() ? 0 : 1;
  }

  for (int i = 0; i < count; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    // "New (create) of level" repeats "New (create)" until the rating is the one asked for.
    int attempts = 1;
    if (level >= 0) attempts = form.CreateOfLevel(level);
    else form.mCrea_click();
    if (attempts == 0) {
      std::cerr << "tessora-cli generate: no scheme of that level came out of " << Form1::kMaxLevelAttempts
                << " creations\n";
      return 1;
    }
    auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0).count();
    std::string puzzle;
    int givens = 0;
    for (const std::string& row : form.gen.WorkGrid)
      for (char ch : row) {
        puzzle += ch == ' ' ? '.' : ch;
        givens += ch != ' ';
      }
    const std::string difficulty = Trim(form.control.Difficulty);
    if (json) {
      nlohmann::ordered_json j;
      j["name"] = form.files.SchemeFile;
      j["puzzle"] = puzzle;
      j["givens"] = givens;
      j["difficulty"] = difficulty;
      j["seed"] = form.gen.SeedIndex;
      j["symmetry"] = form.gen.SymmetryKind;
      j["micros"] = micros;
      if (level >= 0) j["creations"] = attempts;
      std::cout << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    } else {
      std::cout << form.files.SchemeFile << "  " << puzzle << "  " << givens << " givens  " << difficulty
                << "  seed " << form.gen.SeedIndex << "  symmetry " << form.gen.SymmetryKind << "  " << micros
                << " us";
      if (level >= 0) std::cout << "  " << attempts << (attempts == 1 ? " creation" : " creations");
      std::cout << "\n";
    }
    if (!std::cout) return 1;  // the output cannot be written (reported by the caller): no use going on
  }
  return 0;
}

}  // namespace tessora::cli
