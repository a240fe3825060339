// The game kept between runs: the window's side. After every event the game
// in progress is written to the user's data when it changed; the start path
// brings it back.
#pragma once

#include <string>

namespace tessora {

struct KeepState {
  // The start path ran: from then on the game in progress is kept. Script
  // runs and the tests that do not ask for it never touch the user's data.
  bool enabled = false;
  // The game as last written (without the cursor); empty: none is kept.
  std::string written;
  // The game New (create) left on the board: not kept until it changes.
  std::string dropped;
  // New (create), one of its levels or the F11 batch ran in this event.
  bool newGame = false;
  // A write that failed, with the game it tried: told once, tried again
  // when the game changes.
  std::string failed;
  bool failureTold = false;
};

// The blackboard line that opens a game brought back.
inline const std::string kResumedLine = "- GAME RESUMED from the last run.";

}  // namespace tessora
