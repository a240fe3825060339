#include "control/score.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessora {

namespace {

// A trial is never followed further than this: the board has 81 cells, and
// every wave but the last fills at least one.
constexpr int kNoLimit = kCells + 1;

constexpr std::uint16_t kAllDigits = 0x3FE;

// The board as trials are followed on it: the candidates of every empty cell
// (none for a filled one) and the values.
struct Follow {
  std::array<std::uint16_t, kCells> cand;
  std::array<std::uint8_t, kCells> value;
};

Follow FollowOf(const Board& b) {
  Follow f;
  for (int c = 0; c < kCells; ++c) {
    f.value[c] = static_cast<std::uint8_t>(b.Value(c));
    f.cand[c] = b.Filled(c) ? 0 : b.Can[c].Mask();
  }
  return f;
}

// What a wave writes: per cell, the digits it puts there (bit d).
using Wave = std::array<std::uint16_t, kCells>;

// Every empty cell has a candidate and every zone a place for every digit.
bool Consistent(const Follow& f) {
  for (int c = 0; c < kCells; ++c)
    if (!f.value[c] && !f.cand[c]) return false;
  for (int z = 0; z < kZones; ++z) {
    unsigned held = 0;
    for (const int c : ZoneCells[z]) held |= f.cand[c] | (f.value[c] ? 1u << f.value[c] : 0u);
    if (held != kAllDigits) return false;
  }
  return true;
}

// Places a wave; false when the board contradicts itself: two digits in one
// cell, one digit twice in a zone, a digit that is not a candidate of its
// cell, then an empty cell left without a candidate or a zone that can no
// longer hold a digit.
bool PlaceWave(Follow& f, const Wave& wave) {
  for (int c = 0; c < kCells; ++c) {
    const unsigned w = wave[c];
    if (!w) continue;
    if (w & (w - 1)) return false;
    if (f.value[c] || !(f.cand[c] & w)) return false;
  }
  for (int z = 0; z < kZones; ++z) {
    unsigned seen = 0;
    for (const int c : ZoneCells[z]) {
      if (seen & wave[c]) return false;
      seen |= wave[c];
    }
  }
  for (int c = 0; c < kCells; ++c) {
    if (!wave[c]) continue;
    f.value[c] = static_cast<std::uint8_t>(std::countr_zero(wave[c]));
    f.cand[c] = 0;
  }
  for (int c = 0; c < kCells; ++c)
    if (wave[c])
      for (const std::uint8_t p : kPeers[c]) f.cand[p] &= static_cast<std::uint16_t>(~wave[c]);
  return Consistent(f);
}

// Every single of the board: an empty cell with one candidate, a digit with
// one place in a zone that does not hold it. False when there is none.
bool Singles(const Follow& f, Wave& wave) {
  wave.fill(0);
  bool any = false;
  for (int c = 0; c < kCells; ++c) {
    const unsigned m = f.cand[c];
    if (!f.value[c] && m && !(m & (m - 1))) {
      wave[c] |= static_cast<std::uint16_t>(m);
      any = true;
    }
  }
  for (int z = 0; z < kZones; ++z)
    for (int d = 1; d <= 9; ++d) {
      int places = 0, at = -1;
      bool held = false;
      for (const int c : ZoneCells[z]) {
        held |= f.value[c] == d;
        if ((f.cand[c] >> d) & 1u) {
          ++places;
          at = c;
        }
      }
      if (!held && places == 1) {
        wave[at] |= static_cast<std::uint16_t>(1u << d);
        any = true;
      }
    }
  return any;
}

int Distance(Follow f, int cell, int d, int limit) {
  Wave wave{};
  wave[cell] = static_cast<std::uint16_t>(1u << d);
  for (int k = 1; k <= limit; ++k) {
    if (!PlaceWave(f, wave)) return k;
    if (!Singles(f, wave)) return 0;
  }
  return 0;
}

// Places the singles wave after wave until none is left; false when the
// board contradicts itself.
bool PlaceSingles(Follow& f) {
  for (Wave wave; Singles(f, wave);)
    if (!PlaceWave(f, wave)) return false;
  return true;
}

int EmptyCount(const Follow& f) {
  int n = 0;
  for (int c = 0; c < kCells; ++c) n += !f.value[c];
  return n;
}


// ---- The fast way -----------------------------------------------------------
// The same waves on the board kept as nine sets of cells, one per digit: the
// cells where the digit is a candidate or the value. A set is three words of
// 27 bits, one per band of three rows (cell c is bit c % 27 of word c / 27),
// so a row is a field of nine bits, a box three groups of three bits in
// three fields, and a column the same bit of every field; the four words of
// a vector hold the three bands and a word kept zero. A wave is nine such
// sets. Placing it clears the peers of each of its cells from that digit
// and its cells from every other digit; one pass over the nine digits then
// counts, zone by zone, whether a digit has no place, one or more (a zone
// with none contradicts the board, one is a single), and the cells that
// have no candidate or one. A trial's board (the sets, the singles last found
// per digit and two flags) is 320 bytes, copied per trial.
// Such a board stays true to itself only when no candidate shares a zone
// with the same digit as a value; a board that breaks that is followed the
// plain way.

#if defined(__clang__)
using Bands = std::uint32_t __attribute__((ext_vector_type(4)));
#define TESSORA_SHUFFLE(v, a, b, c, d) __builtin_shufflevector(v, v, a, b, c, d)
#else
typedef std::uint32_t Bands __attribute__((vector_size(16)));
#define TESSORA_SHUFFLE(v, a, b, c, d) __builtin_shuffle(v, Bands{a, b, c, d})
#endif

constexpr std::uint32_t kBand = (1u << 27) - 1;           // the 27 cells of a band
constexpr std::uint32_t kFieldLow = 1u | 1u << 9 | 1u << 18;  // the first cell of each row
constexpr Bands kAllCells = {kBand, kBand, kBand, 0};
constexpr Bands kRowFirst = {kFieldLow, kFieldLow, kFieldLow, 0};
constexpr Bands kRowLast = kRowFirst << 8;
constexpr Bands kRowLow8 = kRowFirst * 0xFFu;
constexpr Bands kNine = {0x1FF, 0x1FF, 0x1FF, 0};
constexpr Bands kBoxFirst = {0x49, 0x49, 0x49, 0};

// Per row (field of nine bits), bit 8 set when the row has a bit.
inline Bands RowsNotEmpty(Bands v) { return (((v & kRowLow8) + kRowLow8) | v) & kRowLast; }

inline bool Any(Bands v) {
#if defined(__SSE2__)
  const __m128i x = reinterpret_cast<__m128i>(v);
  return _mm_movemask_epi8(_mm_cmpeq_epi32(x, _mm_setzero_si128())) != 0xFFFF;
#else
  return (v[0] | v[1] | v[2] | v[3]) != 0;
#endif
}

// The peers of every cell as bands.
struct PeerBands {
  alignas(16) std::uint32_t words[kCells][4];
};
constexpr PeerBands kPeerBands = [] {
  PeerBands t{};
  for (int c = 0; c < kCells; ++c)
    for (const std::uint8_t p : kPeers[c]) t.words[c][p / 27] |= 1u << (p % 27);
  return t;
}();

inline Bands PeersOf(int c) {
  Bands b;
  std::memcpy(&b, kPeerBands.words[c], sizeof b);
  return b;
}

struct BitBoard {
  Bands digit[9];   // digit d + 1: the cells where it is a candidate or the value
  Bands filled;     // the cells with a value
  // What the last look at the board found per digit, kept for the digits
  // whose cells have not changed since (`dirty` lists those that have):
  // its singles in a zone; and whether a zone had no place for a digit.
  Bands hidden[9];
  bool broken;
  unsigned dirty;
};

// The singles a look found, as the next wave: per digit its cells, all its
// cells, the digits it writes, and whether it writes two digits in a cell.
struct BitWave {
  Bands digit[9];
  Bands cells;
  unsigned placed;
  bool clash;
};

class BitFollower {
 public:
  // Takes the board trials are followed from; false when a candidate shares
  // a zone with a value of its digit (then the plain way follows them).
  bool Load(const Follow& f) {
    base_ = BitBoard{};
    for (int c = 0; c < kCells; ++c) {
      const std::uint32_t bit = 1u << (c % 27);
      if (f.value[c]) {
        base_.digit[f.value[c] - 1][c / 27] |= bit;
        base_.filled[c / 27] |= bit;
      } else {
        for (unsigned m = f.cand[c] & kAllDigits; m; m &= m - 1) base_.digit[std::countr_zero(m) - 1][c / 27] |= bit;
      }
    }
    for (int c = 0; c < kCells; ++c)
      if (f.value[c] && Any(base_.digit[f.value[c] - 1] & PeersOf(c))) return false;
    base_.dirty = 0x1FF;
    BitWave wave;
    Scan<true>(base_, wave);
    Refresh();
    return true;
  }

  const BitBoard& Board() const { return base_; }

  // The candidates of a cell of the loaded board (bit d), none when it is filled.
  unsigned Candidates(int c) const { return cand_[c]; }

  // TrialDistance on the loaded board.
  int Distance(int cell, int d, int limit) const {
    if (limit < 1) return 0;
    if (!((cand_[cell] >> d) & 1u)) return 1;
    BitBoard b;
    First(b, cell, d);
    BitWave wave;
    for (int k = 1;; ++k) {
      if (k >= limit) return Scan<false>(b, wave) == kBroken ? k : 0;
      const int found = Scan<true>(b, wave);
      if (found == kBroken) return k;
      if (found == kNone) return 0;
      if (!Place(b, wave)) return k + 1;
    }
  }

  // Follows the trials of a round side by side, wave by wave, until one
  // fails: its wave is the round's shortest failure, and the others need
  // following no further. Returns that wave (0 when no trial fails) and
  // sets failAt[i] to it for each trial that failed then, else to 0.
  int Round(const std::uint8_t (*trials)[2], int n, std::uint8_t* failAt) {
    thread_local std::vector<LiveTrial> slots;
    thread_local std::vector<int> live;
    if (static_cast<int>(slots.size()) < n) {
      slots.resize(n);
      live.resize(n);
    }
    int m = 0, failed = 0;
    for (int i = 0; i < n; ++i) {
      failAt[i] = 0;
      const int c = trials[i][0], d = trials[i][1];
      if (!((cand_[c] >> d) & 1u)) {
        failAt[i] = 1;
        ++failed;
        continue;
      }
      First(slots[i].board, c, d);
      live[m++] = i;
    }
    for (int k = 1;; ++k) {
      if (m == 0) return failed ? k : 0;
      int kept = 0;
      for (int j = 0; j < m; ++j) {
        const int i = live[j];
        LiveTrial& t = slots[i];
        if (failed) {  // a trial failed at this wave: only whether the others do counts
          if (Scan<false>(t.board, t.wave) == kBroken) {
            failAt[i] = static_cast<std::uint8_t>(k);
            ++failed;
          }
          continue;
        }
        const int found = Scan<true>(t.board, t.wave);
        if (found == kBroken) {
          failAt[i] = static_cast<std::uint8_t>(k);
          ++failed;
        } else if (found == kSome) {
          live[kept++] = i;
        }
      }
      if (failed) return k;
      // No trial failed at this wave: the next one of each is placed.
      m = 0;
      for (int j = 0; j < kept; ++j) {
        const int i = live[j];
        if (Place(slots[i].board, slots[i].wave)) {
          live[m++] = i;
        } else {
          failAt[i] = static_cast<std::uint8_t>(k + 1);
          ++failed;
        }
      }
    }
  }

  // Removes the digits of the trials that failed soonest from the loaded
  // board and places the singles they leave, wave after wave; false when
  // the board contradicts itself.
  bool RemoveAndPlace(const std::uint8_t (*proven)[2], int n) {
    for (int i = 0; i < n; ++i) {
      base_.digit[proven[i][1] - 1][proven[i][0] / 27] &= ~(1u << (proven[i][0] % 27));
      base_.dirty |= 1u << (proven[i][1] - 1);
    }
    BitWave wave;
    for (;;) {
      const int found = Scan<true>(base_, wave);
      if (found == kBroken) return false;
      if (found == kNone) {
        Refresh();
        return true;
      }
      if (!Place(base_, wave)) return false;
    }
  }

 private:
  enum { kBroken, kNone, kSome };

  struct LiveTrial {
    BitBoard board;
    BitWave wave;
  };

  // The loaded board with the first wave of a trial placed: d in the empty
  // cell, where it is a candidate.
  void First(BitBoard& b, int cell, int d) const {
    Bands at = {};
    at[cell / 27] = 1u << (cell % 27);
    for (int e = 0; e < 9; ++e) {
      b.digit[e] = base_.digit[e] & ~at;
      b.hidden[e] = base_.hidden[e];
    }
    b.digit[d - 1] = (b.digit[d - 1] & ~PeersOf(cell)) | at;
    b.filled = base_.filled | at;
    b.broken = base_.broken;
    b.dirty = cand_[cell] >> 1;
  }

  // Places a wave; false when it puts two digits in one cell, a digit where
  // it is not a candidate, or one digit twice in a zone.
  static bool Place(BitBoard& b, const BitWave& wave) {
    if (wave.clash) return false;
    const Bands cells = wave.cells;
    const Bands keep = ~cells;
    for (int d = 0; d < 9; ++d) {
      b.dirty |= static_cast<unsigned>(Any(b.digit[d] & cells)) << d;
      b.digit[d] &= keep;
    }
    for (unsigned m = wave.placed; m; m &= m - 1) {
      const int d = std::countr_zero(m);
      const Bands w = wave.digit[d];
      // The digit twice in a row: two of the low eight cells (the guard
      // bit 8 keeps the borrow of an empty row inside it), or the last
      // cell and one of the others.
      const Bands low = (w & kRowLow8) | kRowLast;
      Bands twice = (low & (low - kRowFirst) & kRowLow8) | (((w & kRowLow8) + kRowLow8) & w & kRowLast);
      // Per column within the band, then boxes and whole columns.
      const Bands r0 = w & kNine, r1 = (w >> 9) & kNine, r2 = (w >> 18) & kNine;
      const Bands colOne = r0 | r1 | r2, colTwo = (r0 & r1) | ((r0 | r1) & r2);
      const Bands b0 = colOne & kBoxFirst, b1 = (colOne >> 1) & kBoxFirst, b2 = (colOne >> 2) & kBoxFirst;
      const Bands boxOne = b0 | b1 | b2;
      twice |= colTwo | (b0 & b1) | ((b0 | b1) & b2);
      const Bands o1 = TESSORA_SHUFFLE(colOne, 1, 2, 0, 3), o2 = TESSORA_SHUFFLE(colOne, 2, 0, 1, 3);
      twice |= (colOne & o1) | ((colOne | o1) & o2);
      if (Any(twice)) return false;
      // Its peers: the rows, columns and boxes of its cells.
      const Bands rows = RowsNotEmpty(w);
      const Bands cols = ((boxOne << 3) - boxOne) | colOne | o1 | o2;
      const Bands peers = ((rows << 1) - (rows >> 8)) | cols | (cols << 9) | (cols << 18);
      b.digit[d] = (b.digit[d] & ~peers) | w;
    }
    b.dirty |= wave.placed;
    b.filled |= cells;
    return true;
  }

  // Whether the board contradicts itself (an empty cell without candidate,
  // a zone without a place for a digit) and, with kSingles, its singles as
  // the next wave (the per-digit findings then kept for the next look).
  // Only the digits whose cells changed are looked at again: a digit's
  // singles in a zone depend on its own cells only (a zone that holds it
  // has the value as its one place, which is no single).
  template <bool kSingles>
  static int Scan(BitBoard& b, BitWave& wave) {
    const Bands empty = kAllCells & ~b.filled;
    Bands bad = {};
    for (unsigned m = b.dirty; m; m &= m - 1) {
      const int d = std::countr_zero(m);
      const Bands x = b.digit[d];
      // Rows: whether each has a place (its last bit, 8, set).
      bad |= RowsNotEmpty(x) ^ kRowLast;
      // Per column within the band, then boxes (three columns) and whole columns.
      const Bands x1 = x >> 9, x2 = x >> 18;
      const Bands colOne = (x | x1 | x2) & kNine;
      const Bands c1 = colOne >> 1, c2 = colOne >> 2;
      const Bands boxOne = (colOne | c1 | c2) & kBoxFirst;
      bad |= boxOne ^ kBoxFirst;
      const Bands o1 = TESSORA_SHUFFLE(colOne, 1, 2, 0, 3), o2 = TESSORA_SHUFFLE(colOne, 2, 0, 1, 3);
      const Bands allOne = colOne | o1 | o2;
      bad |= allOne ^ kNine;
      if constexpr (kSingles) {
        // With its lowest place taken away, a row with one place is empty.
        // (Taking one from a row without place would borrow from the next,
        // but such a board contradicts itself and its singles go unused.)
        const Bands rowSingle = kRowLast & ~RowsNotEmpty(x & (x - kRowFirst));
        const Bands colTwo = ((x & x1) | ((x | x1) & x2)) & kNine;
        const Bands boxTwo = (colTwo | (colTwo >> 1) | (colTwo >> 2) | (colOne & c1) | ((colOne | c1) & c2)) & kBoxFirst;
        const Bands boxSingle = boxOne & ~boxTwo;
        const Bands boxCols = (boxSingle << 3) - boxSingle;
        const Bands t1 = TESSORA_SHUFFLE(colTwo, 1, 2, 0, 3), t2 = TESSORA_SHUFFLE(colTwo, 2, 0, 1, 3);
        const Bands allTwo = colTwo | t1 | t2 | (colOne & o1) | ((colOne | o1) & o2);
        const Bands colSingle = allOne & ~allTwo;
        const Bands spread = boxCols | colSingle;
        // A zone that holds the digit has that value as its one place: not a single.
        b.hidden[d] = x & empty & (((rowSingle << 1) - (rowSingle >> 8)) | spread | (spread << 9) | (spread << 18));
      }
    }
    // A zone once without place for a digit stays so: the cells only shrink.
    const bool broken = b.broken || Any(bad);
    if constexpr (!kSingles) {
      Bands all = b.filled;
      for (int d = 0; d < 9; ++d) all |= b.digit[d];
      return broken || Any(all ^ kAllCells) ? kBroken : kNone;
    } else {
      b.broken = broken;
      b.dirty = 0;
      if (broken) return kBroken;
      Bands once = {}, twice = {};
      for (int d = 0; d < 9; ++d) {
        const Bands cand = b.digit[d] & empty;
        twice |= once & cand;
        once |= cand;
      }
      if (Any((once | b.filled) ^ kAllCells)) return kBroken;
      // The cells of a wave are candidates of empty cells by their making:
      // it can only clash by two digits in one cell.
      const Bands one = once & ~twice;
      Bands cells = {}, clash = {};
      unsigned placed = 0;
      for (int d = 0; d < 9; ++d) {
        const Bands w = b.hidden[d] | (b.digit[d] & one);
        wave.digit[d] = w;
        clash |= cells & w;
        cells |= w;
        placed |= static_cast<unsigned>(Any(w)) << d;
      }
      wave.cells = cells;
      wave.placed = placed;
      wave.clash = Any(clash);
      return placed ? kSome : kNone;
    }
  }

  void Refresh() {
    for (int c = 0; c < kCells; ++c) {
      const std::uint32_t bit = 1u << (c % 27);
      unsigned m = 0;
      if (!(base_.filled[c / 27] & bit))
        for (int d = 0; d < 9; ++d) m |= ((base_.digit[d][c / 27] & bit) != 0) << (d + 1);
      cand_[c] = static_cast<std::uint16_t>(m);
    }
  }

  BitBoard base_{};
  std::array<std::uint16_t, kCells> cand_{};  // per cell of base_, as Candidates()
};

// The weights of the trial rounds, what makes a person's trials harder: more
// rounds of them, a longer shortest trial at the hardest round, and fewer
// trials that fail that soon among those there are. They were fitted so that
// the score orders the 5,008 puzzles of a public collection rated by Sudoku
// Explainer (100 per rating) as its ratings do; bench/score_fit.py fits
// them, bench/score_correlation.py measures the result.
constexpr double kRoundsWeight = 0.48;
constexpr double kHardestWeight = 1.0;
constexpr double kRarityWeight = 0.40;

// Within the band of a word, the hardest method's weight (1.0 to 5.4, on the
// scale of Sudoku Explainer's ratings) takes the scheme up to 0.9 above the
// band's floor.
constexpr double kMethodSpan = 5.0;

double TrialScore(const TrialRounds& r) {
  const double rarity = r.followed > 0 ? std::log(static_cast<double>(r.followed) / std::max(r.soonest, 1)) : 0.0;
  return kTrialFloor + kRoundsWeight * std::log(r.rounds + 1.0) + kHardestWeight * std::max(r.hardest - 1, 0) +
         kRarityWeight * std::max(rarity, 0.0);
}

}  // namespace

int TrialDistance(const Board& board, int cell, int d, int limit, bool fast) {
  const Follow f = FollowOf(board);
  BitFollower follower;
  if (!fast || !follower.Load(f)) return Distance(f, cell, d, limit);
  return follower.Distance(cell, d, limit);
}

TrialRounds FollowTrials(const TrialStart& start, bool fast) {
  TrialRounds r;
  Follow plain = FollowOf(start.board);
  BitFollower follower;
  if (fast && !follower.Load(plain)) fast = false;
  // The fast way follows the trials of a round side by side (Round), so
  // none is followed past the wave where the first fails; the plain way
  // follows each to its end and keeps those that failed soonest.
  // A trial is a cell and a digit; at most nine of every cell.
  using Trial = std::uint8_t[2];
  Trial trials[9 * kCells], soonest[9 * kCells];
  std::uint8_t failAt[9 * kCells];
  for (;;) {
    int n = 0, empty = 0;
    for (int c = 0; c < kCells; ++c) {
      unsigned cand = 0;
      if (fast) {
        if ((follower.Board().filled[c / 27] >> (c % 27)) & 1u) continue;
        cand = follower.Candidates(c);
      } else {
        if (plain.value[c]) continue;
        cand = plain.cand[c];
      }
      ++empty;
      for (unsigned m = cand; m; m &= m - 1) {
        const int d = std::countr_zero(m);
        if ((start.solution[c] >> d) & 1u) continue;  // a solution holds it: it cannot fail
        trials[n][0] = static_cast<std::uint8_t>(c);
        trials[n][1] = static_cast<std::uint8_t>(d);
        ++n;
      }
    }
    if (n == 0) break;
    int best = kNoLimit, count = 0;
    auto prove = [&](int c, int d) {
      soonest[count][0] = static_cast<std::uint8_t>(c);
      soonest[count][1] = static_cast<std::uint8_t>(d);
      ++count;
    };
    if (fast) {
      const int wave = follower.Round(trials, n, failAt);
      for (int i = 0; i < n; ++i)
        if (failAt[i]) prove(trials[i][0], trials[i][1]);
      if (wave) best = wave;
    } else {
      for (int i = 0; i < n; ++i) {
        const int dist = Distance(plain, trials[i][0], trials[i][1], kNoLimit);
        if (!dist || dist > best) continue;
        if (dist < best) {
          best = dist;
          count = 0;
        }
        prove(trials[i][0], trials[i][1]);
      }
    }
    ++r.rounds;
    // No trial fails with singles alone: as hard as following one through the board.
    const int length = count == 0 ? empty : best;
    if (length > r.hardest) {
      r.hardest = length;
      r.followed = n;
      r.soonest = count;
    }
    if (count == 0) break;
    if (fast) {
      if (!follower.RemoveAndPlace(soonest, count)) break;
      const Bands& f = follower.Board().filled;
      empty = kCells - std::popcount(f[0]) - std::popcount(f[1]) - std::popcount(f[2]);
    } else {
      for (int i = 0; i < count; ++i) plain.cand[soonest[i][0]] &= static_cast<std::uint16_t>(~(1u << soonest[i][1]));
      if (!Consistent(plain) || !PlaceSingles(plain)) break;
      empty = EmptyCount(plain);
    }
    if (empty == 0) break;
  }
  return r;
}

ScoreTerms TermsOf(std::span<const int> methodUse, const TrialStart* trials, bool fast) {
  ScoreTerms t;
  t.word = Rate(methodUse, trials ? 1 : 0, false);
  for (const MethodRow& m : Methods())
    if (m.Counter() < static_cast<int>(methodUse.size()) && methodUse[m.Counter()] > 0)
      t.method = std::max(t.method, m.weight);
  if (trials) {
    t.trials = true;
    t.rounds = FollowTrials(*trials, fast);
  }
  return t;
}

double ScoreOf(const ScoreTerms& t) {
  double s;
  if (t.trials) {
    s = TrialScore(t.rounds);
  } else {
    const double within = std::clamp((t.method - 1.0) / kMethodSpan, 0.0, 0.9);
    s = kBandFloor[static_cast<int>(t.word)] + within;
  }
  return std::round(s * 100.0) / 100.0;
}

double SchemeScore(std::span<const int> methodUse, const TrialStart* trials, bool fast) {
  return ScoreOf(TermsOf(methodUse, trials, fast));
}

std::string FormatScore(double score) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", score);
  return buf;
}

}  // namespace tessora
