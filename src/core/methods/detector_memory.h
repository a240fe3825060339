// A memory for loops that run the same detectors over and over on a board
// that changes a little between runs: the control's solving loop and the
// replay's walks. For every detector it runs it keeps the board (candidates
// and empty cells) of its last run and the units (zones, boxes, lines or
// digits, methods/scope.h) that yielded nothing there: all of them when it
// found nothing, those before its finding otherwise. The next run examines
// only the other units and those whose cells changed since, since the rest
// would again yield nothing. The outcome is the plain run's: the same step
// found, the same changes made.
//
// The memory lives only as long as the loop that owns it, and it looks at
// the board again whenever the owner says it may have changed and after
// every run that found something. Between those points the board does not
// change: the detectors that find nothing leave it as it was, and those that
// only record (RecordOnly) write no cell's value. An owner that knows which
// labels it wrote between two walks (the replay) says so, and the values are
// read again there only; the candidates are always looked at again.
#pragma once

#include <array>
#include <cstdint>

#include "board/board.h"
#include "methods/glance_memory.h"
#include "methods/methods.h"
#include "methods/scope.h"

namespace tessora {

class Form1;

class DetectorMemory {
 public:
  // A memory that is switched off runs every detector plainly.
  explicit DetectorMemory(bool on = true) : on_(on) {}

  // The board may have changed: it is looked at again before the next run
  // (and the backgrounds are no longer known to be white).
  void BoardChanged() {
    Stale();
    backsWhite_ = false;
  }
  // Only the captions and sizes of the labels of `cell` and, with `peers`,
  // of the cells sharing a zone with it may have changed, and any
  // candidates: the values are read again at those cells only.
  void LabelsChangedAt(int cell, bool peers);
  // The board was replaced as a whole: nothing remembered is worth comparing.
  void Forget() {
    Stale();
    backsWhite_ = false;
    for (Entry& e : entries_) e.used = false;
    glance_.Forget();
  }
  // Runs detector d with set size k, as d(f, k) would.
  void Run(Form1& f, Detector d, int k);
  // Whether every cell's background is white: the owner says so when it
  // knows (the priority walk ends with every background white), and nothing
  // changes the backgrounds between walks but what makes the owner call
  // BoardChanged. "At a glance" over a range of values then need not paint
  // them white again.
  void SetBacksWhite(bool white) { backsWhite_ = white; }
  bool BacksWhite() const { return backsWhite_; }

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
  // One per detector and set size (slot * kSizes + k).
  static constexpr int kSlots = 10, kSizes = 6;
  struct Entry {
    bool used = false;
    bool recordOnly = false, checking = false;
    Image image;               // a board the detector ran on
    int look = 0;              // the look that took that image
    std::uint32_t emptyUnits = 0;  // the units that yield nothing on that board
  };
  void Stale() {
    looked_ = false;
    codesRead_ = false;
    emptyKnown_ = false;
  }
  // A run found something: the board may have changed, the values not when
  // the run only recorded, the empty cells only at the cells it filled when
  // it noted them (placed_).
  void Found(const Form1& f, bool notedFills);
  void Look(const Form1& f);
  // Brings codes_ to the labels: all of them, or the cells named since.
  void ReadCodes(const Form1& f);
  // "At a glance" with its own memory, on the values read once per look.
  void RunGlance(Form1& f);
  Change Changes(const Image& before) const;
  // The changes since an entry's board: none when it was taken by the
  // current look, those since the previous look (worked out once) when it
  // was taken by that one.
  Change ChangesFor(const Entry& e);
  // The units whose finding rests on a changed cell.
  static std::uint32_t Touched(UnitKind kind, const Change& change);
  static std::uint32_t AllUnits(UnitKind kind);

  bool on_;
  bool backsWhite_ = false;
  Image now_{}, previous_{};
  int looks_ = 0;  // number of the current look
  bool looked_ = false;
  // The current look found neither an empty cell nor a candidate: no unit
  // of any narrowing detector can yield anything.
  bool bare_ = false;
  // The empty cells of the current image are still those of the board but
  // for the cells filled since (bit c of word c / 64): the next look need
  // not read the labels.
  bool emptyKnown_ = false;
  std::uint64_t placed_[2] = {0, 0};
  bool sincePreviousKnown_ = false;
  Change sincePrevious_;
  std::array<Entry, kSlots * kSizes> entries_;
  // The values of the cells as "At a glance" reads them (read: they were
  // read since the board last changed as a whole; reread: the cells, bit c
  // of word c / 64, whose labels changed since), and its memory.
  bool codesRead_ = false;
  std::uint64_t reread_[2] = {0, 0};
  // The cells read again since "At a glance" last ran, unless all were.
  bool glanceAll_ = true;
  std::uint64_t glanceCells_[2] = {0, 0};
  GlanceCodes codes_{};
  GlanceMemory glance_;
};

}  // namespace tessora
