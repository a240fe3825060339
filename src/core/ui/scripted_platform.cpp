#include "ui/scripted_platform.h"

#include <chrono>
#include <ctime>
#include <filesystem>

namespace tessora {

double RealSecondsSinceMidnight() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  double frac = duration<double>(now.time_since_epoch()).count();
  frac -= static_cast<double>(static_cast<long long>(frac));
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + frac;
}

ScriptedPlatform::ScriptedPlatform() : clock(RealSecondsSinceMidnight) {
  rng_.seed(static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void ScriptedPlatform::FixRandomSeed(unsigned seed) {
  fixedSeed_ = true;
  rng_.seed(seed);
}

MsgResult ScriptedPlatform::MessageBox(const MessageBoxRequest& request) {
  messages.push_back(request);
  if (onMessage) onMessage(request);
  MsgResult first = request.buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
  if (answers.empty()) return first;
  MsgResult a = answers.front();
  answers.pop_front();
  switch (request.buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::OkCancel: return a == MsgResult::Cancel || a == MsgResult::No ? MsgResult::Cancel : MsgResult::Ok;
    case MsgButtons::YesNo: return a == MsgResult::No || a == MsgResult::Cancel ? MsgResult::No : MsgResult::Yes;
  }
  return first;
}

std::string ScriptedPlatform::AskOpenFile(const std::string& title, const std::vector<FileFilter>& filters,
                                          const std::string&) {
  dialogTitles.push_back(title);
  dialogFilters.push_back(filters);
  dialogDefaultNames.emplace_back();
  if (fileAnswers.empty()) return std::string();
  std::string a = fileAnswers.front();
  fileAnswers.pop_front();
  return a;
}

std::string ScriptedPlatform::AskSaveFile(const std::string& title, const std::vector<FileFilter>& filters,
                                          const std::string&, const std::string& defaultName) {
  dialogTitles.push_back(title);
  dialogFilters.push_back(filters);
  dialogDefaultNames.push_back(defaultName);
  if (fileAnswers.empty()) return std::string();
  std::string a = fileAnswers.front();
  fileAnswers.pop_front();
  return a;
}

void ScriptedPlatform::TimerChanged(const std::string& name, bool enabled, int intervalMs) {
  timers[name] = {enabled, intervalMs};
}

double ScriptedPlatform::SecondsSinceMidnight() { return clock(); }

double ScriptedPlatform::Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

void ScriptedPlatform::Randomize() {
  if (fixedSeed_) return;
  rng_.seed(static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
            rng_());
}

std::string ScriptedPlatform::CurrentFolder() {
  std::error_code ec;
  auto p = std::filesystem::current_path(ec);
  return ec ? std::string() : p.string();
}

bool ScriptedPlatform::SetCurrentFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::current_path(folder, ec);
  return !ec;
}

bool ScriptedPlatform::StartProgram(const std::string& path) {
  if (startProgramFails) return false;
  startedPrograms.push_back(path);
  return true;
}

bool ScriptedPlatform::ShowHelp(const std::string& file, int topic) {
  if (helpFails) return false;
  helpShown.emplace_back(file, topic);
  return true;
}

bool ScriptedPlatform::RenderPdf(const PrintPage& page, std::string& pdf, std::string& error) {
  if (pdfRenderer) return pdfRenderer(page, pdf, error);
  error = "This program was built without the PDF writer (it comes with the Qt build).";
  return false;
}

bool ScriptedPlatform::OpenGuide(const std::string& file) {
  if (guideFails) return false;
  guidesOpened.push_back(file);
  return true;
}

int ScriptedPlatform::ChooseItem(const ChoiceRequest& request) {
  choices.push_back(request);
  if (choiceAnswers.empty()) return -1;
  const std::string answer = choiceAnswers.front();
  choiceAnswers.pop_front();
  if (answer.empty()) return -1;
  auto trim = [](const std::string& s) {
    const std::size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
  };
  for (std::size_t i = 0; i < request.items.size(); ++i) {
    const std::string& item = request.items[i];
    // "13 - X-Wing Rectangle": the whole text, the number or the name.
    const std::size_t dash = item.find(" - ");
    const std::string number = dash == std::string::npos ? std::string() : trim(item.substr(0, dash));
    const std::string name = dash == std::string::npos ? item : trim(item.substr(dash + 3));
    const bool numberMatches =
        !number.empty() && answer.find_first_not_of("0123456789") == std::string::npos && std::stoi(answer) == std::stoi(number);
    if (trim(item) == trim(answer) || name == trim(answer) || numberMatches) return static_cast<int>(i);
  }
  return -1;
}

ProgressLoad ScriptedPlatform::LoadProgress() {
  ++loads;
  ProgressLoad r;
  if (!storeError.empty()) {
    r.error = storeError;
    return r;
  }
  if (!storeSetAside.empty()) {
    r.setAside = storeSetAside;
    storeSetAside.clear();
    stored = {};
    return r;
  }
  r.counts = stored;
  return r;
}

bool ScriptedPlatform::SaveProgress(const ProgressCounts& counts, std::string& error) {
  if (!storeError.empty()) {
    error = storeError;
    return false;
  }
  ++saves;
  stored = counts;
  return true;
}

}  // namespace tessora
