// Computation of the database by whole-table sweeps over material classes.
#include "enddb/generate.h"
#include <sys/time.h>
#include <iostream>
#include <memory>
#include <new>
#include "enddb/database.h"
#include "enddb/diagonal_steps.h"
#include "enddb/sweep.h"

namespace {

constexpr SquareSet MoverCrowningRow = 0xF0000000;
constexpr SquareSet OpponentCrowningRow = 0x0000000F;

double wallClock() {
  timeval now;
  gettimeofday(&now, nullptr);
  return now.tv_sec + now.tv_usec / 1e6;
}

// Every entry of table n before the sweeps: decided when a side has no piece,
// when a man stands where it would have been crowned, or when the mover is blocked.
void initialise(const GenerationTables& tables, uint32_t n) {
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

void printDot(bool verbose) {
  if (verbose) std::cout << '.' << std::flush;
}

// Sweeps a class and, unless it is its own mirror, the mirror class, until a
// cycle changes nothing.
void sweepToFixedPoint(const GenerationTables& tables, SweptClass& swept, SweptClass& mirror, SweepMode mode,
                       bool verbose) {
  swept.markAll();
  mirror.markAll();
  bool changed;
  do {
    changed = sweep(tables, swept, mirror, mode);
    if (&mirror != &swept) changed |= sweep(tables, mirror, swept, mode);
    printDot(verbose);
  } while (changed);
}

void solveClass(const GenerationTables& tables, uint32_t a, uint32_t b, uint32_t k, uint32_t l, bool verbose) {
  if (verbose) std::cout << "Calc db for " << a << " (" << k << ") vs " << b << " (" << l << "):" << std::flush;
  SweptClass swept(a, b, k, l);
  std::unique_ptr<SweptClass> other;
  if (!(a == b && k == l)) other.reset(new SweptClass(b, a, l, k));
  SweptClass& mirror = other ? *other : swept;
  sweepToFixedPoint(tables, swept, mirror, Resolve, verbose);
  if (verbose) std::cout << ' ';
  closeClass(tables, swept);
  if (other) closeClass(tables, mirror);
  if (verbose) std::cout << ". " << std::flush;
  sweepToFixedPoint(tables, swept, mirror, Refine, verbose);
  if (verbose) std::cout << "DONE" << std::endl;
}

// Computes value tables 1..n; false when the distance tables cannot be allocated.
bool generate(uint8_t* const* values, uint32_t n, bool verbose) {
  GenerationTables tables{};
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
  if ((stepsUpLeft(men) | stepsUpRight(men)) & empty) return true;
  if ((stepsUpLeft(moverKings) | stepsUpRight(moverKings) | stepsDownLeft(moverKings) |
       stepsDownRight(moverKings)) & empty)
    return true;
  // Every king is now hemmed in, so its capture, like a man's, jumps a neighbour.
  return ((stepsUpLeft(stepsUpLeft(mover) & opponent) | stepsUpRight(stepsUpRight(mover) & opponent) |
           stepsDownLeft(stepsDownLeft(mover) & opponent) | stepsDownRight(stepsDownRight(mover) & opponent)) &
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
