// The difficulty rating from the methods the replay used, and its listing.
#include "ui/form1.h"

namespace tessora {

void Form1::AssessDifficulty(int listing) {
  control.LineItems = 0;
  control.LineText = "  ";
  control.Difficulty = Rate(methods.MethodUse, control.TrialCount, control.Creating);
  for (int k = 0; k < kMethodRows; ++k) {
    const int count = methods.MethodUse[k];
    if (count == 0) continue;
    if (listing == 1) {
      control.LineText += methods.MethodTag[k] + "=" + std::to_string(count) + "   ";
      control.LineItems += 1;
      if (control.LineItems == 3) {
        w.BoardAdd(control.LineText);
        control.LineText = "  ";
        control.LineItems = 0;
      }
    }
  }
  if (control.LineItems > 0) w.BoardAdd(control.LineText);
}

void Form1::mValuta_Click() {
  w.BoardClear();
  w.Applica.enabled = false;
  w.mApplica.enabled = false;
  w.BoardAdd("METHODS USED DURING CONTROL:");
  AssessDifficulty(1);
  w.BoardAdd("  Synthetic Assessment=" + DifficultyText(control.Difficulty));
  w.BoardAdd(" ");
  w.BoardAdd("YOU CAN PLAY NOW");
  const std::optional<double> score = FineScore();
  w.BoardAdd("  Fine Score= " + (score ? FormatScore(*score) : std::string("none (more than one solution)")));
}

std::optional<double> Form1::FineScore() const {
  // A score judges a sound puzzle; Play has found out whether this one has
  // more than one solution.
  if (control.SeveralSolutions) return std::nullopt;
  const bool trials = control.TrialCount > 0 && control.TrialStarted;
  return SchemeScore(methods.MethodUse, trials ? &control.FirstTrial : nullptr);
}

}  // namespace tessora
