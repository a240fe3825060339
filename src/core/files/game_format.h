// The game kept between runs as a text of our own: a header line, then one
// item a line, the board as the 27 double-quoted rows of a `.sud` image
// (values, marks, candidates). Free of the window: the window's side
// (ui/saved_game.cpp) fills it in and brings it back.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/files.h"

namespace tessora {

// The file, in the program's data folder.
inline const std::string kSavedGameFile = "saved-game.txt";

struct SavedGame {
  bool play = false;            // in play; otherwise keying the initial data
  std::string schemeFile;       // the scheme's name (SchemeFile) and the window's caption
  std::string caption;
  int schemeNumber = 0;         // the counter that numbers new schemes (NewSchemeNo)
  std::array<std::string, kSchemeRows> board{};  // values, marks ("b", "c"), candidates
  std::vector<int> wrong;       // filled cells whose value is marked wrong (red)
  std::array<std::string, 9> data{};  // in play: the values the control last ran on
  int cursor = 0;
  std::string errors;           // the error counter's text ("" none)
  int errorCount = 0;
  bool blocked = false;         // input blocked by a contradiction
  bool allCandidates = false;   // the view "All" was chosen
  bool candidatesEdited = false;
  bool flashTaken = false;
  std::array<std::string, kSchemeRows> flash{};  // all empty: no flash
  int deviationCell = 99;
  std::string deviationText;
  std::vector<int> methodUse;   // the method counters of the rating, as the control left them
  int suggestions = 0;          // the suggestions the control counted
  std::vector<std::pair<int, std::uint32_t>> played;  // cell and when its value was played
  std::uint32_t playClock = 0;
  std::vector<std::string> blackboard;  // kept while input is blocked
};

// The text of a saved game.
std::string FormatSavedGame(const SavedGame& game);

struct SavedGameParse {
  bool ok = false;
  SavedGame game;
  std::string error;  // why the text is not a saved game (one line)
};

// Reads a saved game's text; every item is checked, so a caller gets either
// a whole game or the reason why not.
SavedGameParse ParseSavedGame(std::string_view text);

}  // namespace tessora
