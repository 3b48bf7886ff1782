// Computation of the database by whole-table sweeps over material classes.
#include "enddb/generate.h"
#include <sys/time.h>
#include <iostream>
#include <new>
#include "enddb/database.h"
#include "engine/movegen.h"

namespace {

// One diagonal step of every square of a set; squares that would leave the
// board drop out. Even rows hold bits 0-3 of each byte, odd rows bits 4-7.
inline SquareSet upLeft(SquareSet s) { return ((s & 0x0E0E0E0E) << 3) | ((s & 0xF0F0F0F0) << 4); }
inline SquareSet upRight(SquareSet s) { return ((s & 0x0F0F0F0F) << 4) | ((s & 0x70707070) << 5); }
inline SquareSet downLeft(SquareSet s) { return ((s & 0x0E0E0E0E) >> 5) | ((s & 0xF0F0F0F0) >> 4); }
inline SquareSet downRight(SquareSet s) { return ((s & 0x0F0F0F0F) >> 4) | ((s & 0x70707070) >> 3); }

constexpr SquareSet MoverCrowningRow = 0xF0000000;
constexpr SquareSet OpponentCrowningRow = 0x0000000F;

enum SweepMode { Resolve = 0, Close = 1, Refine = 2 };

struct Tables {
  uint8_t* values[MaxDatabasePieces + 1];
  uint8_t* distances[MaxDatabasePieces + 1];
};

double wallClock() {
  timeval now;
  gettimeofday(&now, nullptr);
  return now.tv_sec + now.tv_usec / 1e6;
}

// Status and distance of the position after a move, oriented for the opponent.
inline void lookUpSuccessor(const Tables& tables, const MoveRecord& move, uint8_t& status, uint8_t& distance) {
  const SquareSet mover = reverseSquares(move.black);
  const SquareSet opponent = reverseSquares(move.white);
  const SquareSet kings = reverseSquares(move.kings);
  uint32_t n;
  const uint32_t index = indexOf(mover | opponent, mover, kings, n);
  status = tables.values[n][index] & StatusMask;
  distance = tables.distances[n][index];
}

// Value of an undecided position from the values after its moves. A lost
// successor makes a win through the shortest such loss; otherwise the worst
// successor status counts, and when every successor is won for the opponent
// the position is lost by the longest way.
uint8_t resolveFromSuccessors(const Tables& tables, const MoveRecord* moves, const MoveRecord* end,
                              uint8_t& distance, uint32_t& chosen) {
  uint8_t running = StatusWin;
  uint8_t longest = 0;
  for (const MoveRecord* move = moves; move != end; ++move) {
    uint8_t status, successorDistance;
    lookUpSuccessor(tables, *move, status, successorDistance);
    if (status == StatusLoss) {
      uint8_t shortest = successorDistance;
      chosen = uint32_t(move - moves);
      for (const MoveRecord* later = move + 1; later != end; ++later) {
        lookUpSuccessor(tables, *later, status, successorDistance);
        if (status == StatusLoss && successorDistance < shortest) {
          shortest = successorDistance;
          chosen = uint32_t(later - moves);
        }
      }
      distance = uint8_t(shortest + 1);
      return StatusWin;
    }
    if (status > running) continue;
    running = status;
    if (status == StatusWin && successorDistance > longest) {
      longest = successorDistance;
      chosen = uint32_t(move - moves);
    }
  }
  if (running != StatusWin) return running;
  distance = uint8_t(longest + 1);
  return StatusLoss;
}

// Shortens the distance of a decided position from its successors' distances;
// true when it changed. Distances never grow.
bool refinePosition(const Tables& tables, const MoveRecord* moves, const MoveRecord* end, uint8_t& value,
                    uint8_t& distance) {
  const uint8_t status = value & StatusMask;
  bool found = status == StatusLoss;
  uint8_t best = 0;
  uint32_t chosen = 0;
  for (const MoveRecord* move = moves; move != end; ++move) {
    uint8_t successorStatus, successorDistance;
    lookUpSuccessor(tables, *move, successorStatus, successorDistance);
    if (status == StatusWin) {
      if (successorStatus == StatusLoss && (!found || successorDistance < best)) {
        found = true;
        best = successorDistance;
        chosen = uint32_t(move - moves);
      }
    } else if (successorDistance > best) {
      best = successorDistance;
      chosen = uint32_t(move - moves);
    }
  }
  const uint8_t candidate = uint8_t(best + 1);
  if (!found || candidate >= distance) return false;
  distance = candidate;
  value = uint8_t(status | (chosen & MoveNumberMask));
  return true;
}

// One pass over the class where the mover has a pieces (k kings) and the
// opponent b pieces (l kings). Entries change in place, so later positions of
// the same pass already see the new values.
bool sweep(const Tables& tables, uint32_t a, uint32_t b, uint32_t k, uint32_t l, SweepMode mode) {
  MoveRecord moves[MoveBufferCapacity];
  const uint32_t n = a + b;
  const SquareSet patternLimit = (SquareSet(1) << n) - 1;
  const uint32_t occupancies = BinomialTable[32][n];
  uint8_t* values = tables.values[n];
  uint8_t* distances = tables.distances[n];
  bool changed = false;
  for (SquareSet moverPattern = (SquareSet(1) << a) - 1; moverPattern != 0 && moverPattern <= patternLimit;
       moverPattern = nextCombination(moverPattern)) {
    for (SquareSet kingPattern = (SquareSet(1) << (k + l)) - 1; kingPattern <= patternLimit;
         kingPattern = nextCombination(kingPattern)) {
      if (uint32_t(bitCount(kingPattern & moverPattern)) == k) {
        for (uint32_t r = 0; r < occupancies; ++r) {
          const uint32_t index = (r << (2 * n)) | (kingPattern << n) | moverPattern;
          uint8_t& value = values[index];
          uint8_t& distance = distances[index];
          if (mode == Close) {
            if ((value & StatusMask) == StatusUndecided) value = StatusDraw;
            continue;
          }
          if (mode == Resolve ? (value & StatusMask) != StatusUndecided : distance == 0) continue;
          SquareSet mover, kings;
          const SquareSet occupied = setsFromIndex(index, n, mover, kings);
          const MoveRecord* end = generateWhiteMoves(moves, mover, occupied & ~mover, kings);
          if (mode == Refine) {
            changed |= refinePosition(tables, moves, end, value, distance);
            continue;
          }
          uint8_t newDistance = 0;
          uint32_t chosen = 0;
          const uint8_t status = resolveFromSuccessors(tables, moves, end, newDistance, chosen);
          if (status == StatusUndecided) continue;
          if (status == StatusDraw) {
            value = StatusDraw;
          } else {
            distance = newDistance;
            value = uint8_t(status | (chosen & MoveNumberMask));
          }
          changed = true;
        }
      }
      if (kingPattern == 0) break;
    }
  }
  return changed;
}

// Every entry of table n before the sweeps: decided when a side has no piece,
// when a man stands where it would have been crowned, or when the mover is blocked.
void initialise(const Tables& tables, uint32_t n) {
  const uint32_t size = tableSize(n);
  const uint32_t allMover = (uint32_t(1) << n) - 1;
  for (uint32_t index = 0; index < size; ++index) {
    tables.distances[n][index] = 0;
    const uint32_t moverFlags = index & allMover;
    uint8_t value;
    if (moverFlags == 0) {
      value = StatusLoss;
    } else if (moverFlags == allMover) {
      value = StatusWin;
    } else {
      SquareSet mover, kings;
      const SquareSet occupied = setsFromIndex(index, n, mover, kings);
      const SquareSet opponent = occupied & ~mover;
      if ((mover & ~kings & MoverCrowningRow) || (opponent & ~kings & OpponentCrowningRow))
        value = StatusDraw;
      else
        value = hasLegalMove(mover, opponent, kings) ? StatusUndecided : StatusLoss;
    }
    tables.values[n][index] = value;
  }
}

void printClassHeader(uint32_t a, uint32_t k, uint32_t b, uint32_t l) {
  std::cout << "Calc db for " << a << " (" << k << ") vs " << b << " (" << l << "):" << std::flush;
}

void printDot(bool verbose) {
  if (verbose) std::cout << '.' << std::flush;
}

// Sweeps a class and, unless it is its own mirror, the mirror class, until a
// cycle changes nothing.
void sweepToFixedPoint(const Tables& tables, uint32_t a, uint32_t b, uint32_t k, uint32_t l, SweepMode mode,
                       bool verbose) {
  const bool symmetric = a == b && k == l;
  bool changed;
  do {
    changed = sweep(tables, a, b, k, l, mode);
    if (!symmetric) changed |= sweep(tables, b, a, l, k, mode);
    printDot(verbose);
  } while (changed);
}

void solveClass(const Tables& tables, uint32_t a, uint32_t b, uint32_t k, uint32_t l, bool verbose) {
  if (verbose) printClassHeader(a, k, b, l);
  sweepToFixedPoint(tables, a, b, k, l, Resolve, verbose);
  if (verbose) std::cout << ' ';
  sweep(tables, a, b, k, l, Close);
  if (!(a == b && k == l)) sweep(tables, b, a, l, k, Close);
  if (verbose) std::cout << ". " << std::flush;
  sweepToFixedPoint(tables, a, b, k, l, Refine, verbose);
  if (verbose) std::cout << "DONE" << std::endl;
}

// Computes value tables 1..n; false when the distance tables cannot be allocated.
bool generate(uint8_t* const* values, uint32_t n, bool verbose) {
  Tables tables{};
  bool allocated = true;
  for (uint32_t i = 1; i <= n; ++i) {
    tables.values[i] = values[i];
    tables.distances[i] = new (std::nothrow) uint8_t[tableSize(i)];
    allocated = allocated && tables.distances[i] != nullptr;
  }
  if (allocated) {
    if (verbose) std::cout << "Init end game db for (pieces):";
    for (uint32_t i = 1; i <= n; ++i) {
      if (verbose) std::cout << ' ' << i << std::flush;
      initialise(tables, i);
    }
    if (verbose) std::cout << " DONE" << std::endl;
    // Captures and crownings lead to classes finished before the one they leave.
    for (uint32_t a = 1; a < n; ++a)
      for (uint32_t b = a; b <= n - a; ++b)
        for (int k = int(a); k >= 0; --k)
          for (int l = int(b); l >= 0; --l)
            if (!(a == b && k < l)) solveClass(tables, a, b, uint32_t(k), uint32_t(l), verbose);
  }
  for (uint32_t i = 1; i <= n; ++i) delete[] tables.distances[i];
  return allocated;
}

}  // namespace

bool hasLegalMove(SquareSet mover, SquareSet opponent, SquareSet kings) {
  const SquareSet empty = ~(mover | opponent);
  const SquareSet men = mover & ~kings;
  const SquareSet moverKings = mover & kings;
  if ((upLeft(men) | upRight(men)) & empty) return true;
  if ((upLeft(moverKings) | upRight(moverKings) | downLeft(moverKings) | downRight(moverKings)) & empty)
    return true;
  // Every king is now hemmed in, so its capture, like a man's, jumps a neighbour.
  return ((upLeft(upLeft(mover) & opponent) | upRight(upRight(mover) & opponent) |
           downLeft(downLeft(mover) & opponent) | downRight(downRight(mover) & opponent)) &
          empty) != 0;
}

bool EndgameDatabase::build(uint32_t n, bool verbose) {
  const uint32_t old = held;
  if (!holdTables(n)) {
    holdTables(old < n ? old : n);
    pieceCount = savedPieceCount = held;
    return false;
  }
  pieceCount = savedPieceCount = n;
  if (old >= n) return true;
  uint8_t* tables[MaxDatabasePieces + 1] = {};
  for (uint32_t i = 1; i <= n; ++i) tables[i] = values[i].get();
  const double start = wallClock();
  if (!generate(tables, n, verbose)) {
    holdTables(old);
    pieceCount = savedPieceCount = old;
    return false;
  }
  if (verbose) std::cout << "Time: " << wallClock() - start << "sec" << std::endl;
  return true;
}
