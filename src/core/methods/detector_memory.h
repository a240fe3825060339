// A memory for loops that run the same detectors over and over on a board
// that changes a little between runs: the control's solving loop and the
// replay's walks. For every method it runs it keeps the board (candidates
// and empty cells) of its last run and the units (zones, boxes, lines or
// digits, methods/scope.h) that yielded nothing there: all of them when it
// found nothing, those before its finding otherwise. The next run examines
// only the other units and those whose cells changed since, since the rest
// would again yield nothing. The outcome is the plain run's: the same step
// found, the same changes made.
//
// The memory lives only as long as the loop that owns it. It looks at the
// board again after every run that found something and whenever the owner
// says the board changed; between those points the board does not change,
// since a detector that finds nothing changes nothing.
#pragma once

#include <array>
#include <cstdint>

#include "board/board.h"
#include "methods/detectors.h"
#include "methods/glance_memory.h"
#include "methods/registry.h"
#include "methods/scope.h"

namespace tessora {

class DetectorMemory {
 public:
  // A memory that is switched off runs every detector plainly.
  explicit DetectorMemory(bool on = true) : on_(on) {}

  // The board may have changed: it is looked at again before the next run.
  void BoardChanged() { looked_ = false; }
  // The board was replaced as a whole: nothing remembered is worth comparing.
  void Forget() {
    looked_ = false;
    for (Entry& e : entries_) e.used = false;
    glance_.Forget();
  }
  // The method's detector on the board, as method.find(board, method.k, scope) finds it.
  Step Find(const Board& board, const MethodRow& method, const Scope& scope = {});
  // Hidden sets as the control applies them (ReduceHiddenSets).
  HiddenReduction Reduce(Board& board, const MethodRow& method, const Scope& scope, bool stopAtFirst);

 private:
  struct Image {
    std::array<std::uint16_t, kCells> masks;  // the candidates of every cell
    std::array<std::uint16_t, 9> emptyRows;   // the empty cells of every row, bit = column
  };
  // Where two images differ: the zones, bands and stacks holding a changed
  // cell, and the digits that came or went (all of them when a cell was
  // filled or emptied).
  struct Change {
    std::uint32_t zones = 0;
    unsigned bands = 0, stacks = 0;
    unsigned digits = 0;
  };
  // One per method (by its number) and way of running it: finding, or
  // reducing as the control does.
  struct Entry {
    bool used = false;
    Image image;               // a board the detector ran on
    int look = 0;              // the look that took that image
    std::uint32_t emptyUnits = 0;  // the units that yield nothing on that board
  };
  void Look(const Board& board);
  Change Changes(const Image& before) const;
  // The changes since an entry's board: none when it was taken by the
  // current look, those since the previous look (worked out once) when it
  // was taken by that one.
  Change ChangesFor(const Entry& e);
  // The units whose finding rests on a changed cell.
  static std::uint32_t Touched(UnitKind kind, const Change& change);
  static std::uint32_t AllUnits(UnitKind kind);
  // The scope of a narrowing method's run, and the entry to keep its outcome in.
  Scope Narrowed(const Board& board, const MethodRow& method, bool reducing, const Scope& base, Entry*& entry);
  void Remember(Entry& entry, const MethodRow& method, bool found, const Scope& scope);

  bool on_;
  Image now_{}, previous_{};
  int looks_ = 0;  // number of the current look
  bool looked_ = false;
  // The current look found neither an empty cell nor a candidate: no unit
  // of any narrowing detector can yield anything.
  bool bare_ = false;
  bool sincePreviousKnown_ = false;
  Change sincePrevious_;
  std::array<Entry, 2 * kMethodCount> entries_;
  GlanceMemory glance_;
};

}  // namespace tessora
