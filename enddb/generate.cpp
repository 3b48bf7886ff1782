// Computation of the database by whole-table sweeps over material classes.
#include "enddb/generate.h"
#include <iostream>
#include <memory>
#include "enddb/database.h"
#include "enddb/large_pages.h"
#include "enddb/sweep.h"
#include "engine/clock.h"

namespace {



// Every entry of table n before the sweeps: decided when a side has no piece,
// when a man stands where it would have been crowned, or when the mover is
// blocked; undecided otherwise. Indices run by occupied set, then flags.
void initialise(const GenerationTables& tables, uint32_t n) {
  const uint32_t allMover = (uint32_t(1) << n) - 1;
  const uint32_t flagPatterns = uint32_t(1) << (2 * n);
  uint8_t* entry = tables.entries[n];
  SquareSet occupied = allMover;
  for (uint32_t r = 0; r < BinomialTable[32][n]; ++r, occupied = nextCombination(occupied)) {
    // The squares named by each pattern of flag bits; bit n - 1 is the lowest square.
    SquareSet squareOfBit[MaxDatabasePieces];
    SquareSet rest = occupied;
    for (uint32_t bit = n; bit-- > 0; rest &= rest - 1) squareOfBit[bit] = rest & (0 - rest);
    SquareSet named[1u << MaxDatabasePieces] = {};
    for (uint32_t bit = 0; bit < n; ++bit)
      for (uint32_t flags = 0; flags < (uint32_t(1) << bit); ++flags)
        named[flags | (uint32_t(1) << bit)] = named[flags] | squareOfBit[bit];
    for (uint32_t flags = 0; flags < flagPatterns; ++flags, entry += 2) {
      const uint32_t moverFlags = flags & allMover;
      const SquareSet mover = named[moverFlags], kings = named[flags >> n];
      const SquareSet opponent = occupied & ~mover;
      if (moverFlags == 0)
        entry[0] = StatusLoss;
      else if (moverFlags == allMover)
        entry[0] = StatusWin;
      else if ((mover & ~kings & WhiteKingRow) || (opponent & ~kings & BlackKingRow))
        entry[0] = StatusDraw;
      else
        entry[0] = hasLegalMove(mover, opponent, kings) ? StatusUndecided : StatusLoss;
      entry[1] = 0;
    }
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
  sweep(tables, swept, mirror, Close);
  if (other) sweep(tables, mirror, swept, Close);
  if (verbose) std::cout << ". " << std::flush;
  sweepToFixedPoint(tables, swept, mirror, Refine, verbose);
  if (verbose) std::cout << "DONE" << std::endl;
}

// Computes tables 1..n, entries of two bytes per index (see GenerationTables).
void generate(const GenerationTables& tables, uint32_t n, bool verbose) {
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

}  // namespace

bool hasLegalMove(SquareSet mover, SquareSet opponent, SquareSet kings) {
  const SquareSet empty = ~(mover | opponent);
  const SquareSet men = mover & ~kings;
  const SquareSet moverKings = mover & kings;
  if ((upLeft(men) | upRight(men)) & empty) return true;
  if ((upLeft(moverKings) | upRight(moverKings) | downLeft(moverKings) |
       downRight(moverKings)) & empty)
    return true;
  // Every king is now hemmed in, so its capture, like a man's, jumps a neighbour.
  return ((upLeft(upLeft(mover) & opponent) | upRight(upRight(mover) & opponent) |
           downLeft(downLeft(mover) & opponent) | downRight(downRight(mover) & opponent)) &
          empty) != 0;
}

bool EndgameDatabase::build(uint32_t n, bool verbose) {
  if (n > MaxDatabasePieces) return false;
  const uint32_t old = held;
  if (!holdTables(n)) {
    holdTables(old < n ? old : n);
    pieceCount = savedPieceCount = held;
    return false;
  }
  pieceCount = savedPieceCount = n;
  if (old >= n) return true;
  // Each table grows to two bytes per index while it is generated.
  GenerationTables tables{};
  for (uint32_t i = 1; i <= n; ++i) {
    void* wide = std::realloc(values[i].get(), 2 * size_t(tableSize(i)));
    if (!wide) {
      for (uint32_t j = 1; j < i; ++j) narrowTable(j, false);
      holdTables(old);
      pieceCount = savedPieceCount = old;
      return false;
    }
    values[i].release();
    values[i].reset(static_cast<uint8_t*>(wide));
    adviseLargePages(wide, 2 * size_t(tableSize(i)));
    tables.entries[i] = values[i].get();
  }
  const double start = wallClock();
  generate(tables, n, verbose);
  for (uint32_t i = 1; i <= n; ++i) narrowTable(i, true);
  if (verbose) std::cout << "Time: " << wallClock() - start << "sec" << std::endl;
  return true;
}

void EndgameDatabase::narrowTable(uint32_t n, bool keepValues) {
  uint8_t* table = values[n].get();
  if (keepValues)
    for (uint32_t index = 0; index < tableSize(n); ++index) table[index] = table[2 * size_t(index)];
  // Shrinking in place cannot fail; keep the old block should it still do so.
  if (void* narrow = std::realloc(table, tableSize(n))) {
    values[n].release();
    values[n].reset(static_cast<uint8_t*>(narrow));
  }
}
