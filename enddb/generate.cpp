// Computation of the database by whole-table sweeps over material classes.
#include "enddb/generate.h"
#include <memory>
#include "enddb/database.h"
#include "enddb/generation_progress.h"
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

// Positions with a pieces of the mover (k of them kings) and b of the opponent (l kings).
double classPositions(uint32_t a, uint32_t k, uint32_t b, uint32_t l) {
  return double(BinomialTable[32][a + b]) * BinomialTable[a + b][a] * BinomialTable[a][k] * BinomialTable[b][l];
}

// Every class with both sides on the board: m pieces on C(32, m) square sets,
// each split between the sides in 2^m - 2 ways and crowned in 2^m ways.
double positionsToSolve(uint32_t n) {
  double total = 0;
  for (uint32_t m = 2; m <= n; ++m) total += double(BinomialTable[32][m]) * ((1u << m) - 2) * (1u << m);
  return total;
}

// Sweeps a class and, unless it is its own mirror, the mirror class, until a
// cycle changes nothing.
void sweepToFixedPoint(const GenerationTables& tables, SweptClass& swept, SweptClass& mirror, SweepMode mode,
                       GenerationProgress& progress) {
  swept.markAll();
  mirror.markAll();
  bool changed;
  do {
    changed = sweep(tables, swept, mirror, mode);
    if (&mirror != &swept) changed |= sweep(tables, mirror, swept, mode);
    progress.sweepCycle();
  } while (changed);
}

// Returns the positions solved: the class's and its mirror's.
double solveClass(const GenerationTables& tables, const MaterialClass& material, GenerationProgress& progress) {
  const uint32_t a = material.pieces, b = material.opponentPieces, k = material.kings, l = material.opponentKings;
  progress.classStarted(material);
  SweptClass swept(a, b, k, l);
  std::unique_ptr<SweptClass> other;
  if (!(a == b && k == l)) other.reset(new SweptClass(b, a, l, k));
  SweptClass& mirror = other ? *other : swept;
  sweepToFixedPoint(tables, swept, mirror, Resolve, progress);
  progress.phaseDone(SolvePhase::Resolve);
  sweep(tables, swept, mirror, Close);
  if (other) sweep(tables, mirror, swept, Close);
  progress.phaseDone(SolvePhase::Close);
  sweepToFixedPoint(tables, swept, mirror, Refine, progress);
  return classPositions(a, k, b, l) * (other ? 2 : 1);
}

// Computes tables 1..n, entries of two bytes per index (see GenerationTables).
void generate(const GenerationTables& tables, uint32_t n, GenerationProgress& progress) {
  progress.generationStarted(n);
  for (uint32_t i = 1; i <= n; ++i) {
    progress.initialisingTable(i);
    initialise(tables, i);
  }
  progress.tablesInitialised();
  const double total = positionsToSolve(n);
  double solved = 0;
  // Captures and crownings lead to classes finished before the one they leave.
  for (uint32_t a = 1; a < n; ++a)
    for (uint32_t b = a; b <= n - a; ++b)
      for (int k = int(a); k >= 0; --k)
        for (int l = int(b); l >= 0; --l)
          if (!(a == b && k < l)) {
            const MaterialClass material{a, uint32_t(k), b, uint32_t(l)};
            solved += solveClass(tables, material, progress);
            progress.classSolved(material, solved / total);
          }
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

bool EndgameDatabase::build(uint32_t n, GenerationProgress* progress) {
  if (n > MaxDatabasePieces) return false;
  const uint32_t wanted = ((1u << (n + 1)) - 1) & ~1u;  // bits 1..n
  const uint32_t wasSound = soundTables;
  if (!holdTables(n)) {
    soundTables = wasSound & ((1u << (held + 1)) - 1);
    pieceCount = held;
    return false;
  }
  pieceCount = n;
  if ((wasSound & wanted) == wanted) {
    soundTables = wanted;
    return true;
  }
  soundTables = 0;
  // Each table grows to two bytes per index while it is generated.
  GenerationTables tables{};
  for (uint32_t i = 1; i <= n; ++i) {
    void* wide = std::realloc(values[i].get(), 2 * size_t(tableSize(i)));
    if (!wide) {
      for (uint32_t j = 1; j < i; ++j) narrowTable(j, false);
      soundTables = wasSound & wanted;
      return false;
    }
    values[i].release();
    values[i].reset(static_cast<uint8_t*>(wide));
    adviseLargePages(wide, 2 * size_t(tableSize(i)));
    tables.entries[i] = values[i].get();
  }
  GenerationProgress silent;
  GenerationProgress& report = progress ? *progress : silent;
  const double start = wallClock();
  generate(tables, n, report);
  for (uint32_t i = 1; i <= n; ++i) narrowTable(i, true);
  soundTables = wanted;
  report.generationFinished(wallClock() - start);
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
