// State of the solvability control, of the difficulty rating and of the
// scheme generator.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "control/generator.h"
#include "control/score.h"
#include "control/solving.h"
#include "methods/methods.h"

namespace tessora {

struct ControlState {
  bool LoadingScheme = false;
  bool Creating = false;
  bool AfterCancel = false;
  bool ControlFailed = false;
  bool CandidatesReady = false;
  bool TrialMode = false;
  bool Replaying = false;
  int TrialCount = 0;
  // The trial rows; TrialIndex numbers the current one from 1.
  std::vector<TrialRow> TrialTable;
  int TrialTotal = 0;
  int TrialIndex = 0;
  int SavedSuggestions = 0;
  int SavedFilled = 0;
  // Whether the last placement before the first trial left every cell a
  // candidate; it stands again once every trial row has failed.
  bool SavedConsistent = true;
  std::array<int, kMethodRows> SavedMethodUse{};
  // The origin of the values the detectors and trials write: the control's
  // own while it runs, the user's in play.
  Origin ValueOrigin = Origin::Keyed;
  // The replayed steps as the move list writes them (MoveCount of them).
  std::vector<std::string> MoveList;
  int MoveCount = 0;
  // The rating of the last control; none before one finished.
  std::optional<Rating> Difficulty;
  double StartTime = 0;  // t0 of the running control
  // A contradiction was reported outside the trials during this run.
  bool ContradictionSeen = false;
  // Per cell, the digits a solution of the pre-trial board can hold; empty
  // when every trial row must be played (see PlanTrials).
  std::vector<std::uint16_t> TrialFilter;
  // Skip trial rows that no solution holds (off only to check that skipping
  // changes nothing).
  bool UseTrialPlan = true;
  // Let the solving loop and the replay remember where each detector found
  // nothing (methods/detector_memory.h; off only to check that this changes
  // nothing).
  bool UseDetectorMemory = true;
  // The suggestion count of the last report line.
  int ReportedSuggestions = 0;
  // The scheme of this run has more than one solution (known at its first
  // trial, which such a scheme always needs): the report says so, since the
  // solution shown, the advice and the judging of moves follow the one the
  // control found.
  bool SeveralSolutions = false;
  // Rating listing.
  std::string LineText;
  int LineItems = 0;

  // The board the control's first trial began from, for the fine score
  // (control/score.h); TrialStarted tells whether this run began one.
  bool TrialStarted = false;
  TrialStart FirstTrial;
};

struct GeneratorState {
  int MinGivens = 27;
  int FallbackGivens = 33;
  std::array<std::array<std::string, 9>, 7> SeedGrids{};
  int SeedIndex = 0;
  int SymmetryKind = 0;
  std::array<std::string, 9> WorkGrid{};
  std::vector<int> RemovedCells;
  int RemovedCount = 0;
  int ProtectedCount = 0;
};

}  // namespace tessora
