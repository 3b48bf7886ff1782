#include "enddb/sweep.h"
#include "enddb/database.h"
#include "engine/movegen.h"

namespace {

// The entry of the position after a move, oriented for the opponent. Finding
// all of them before reading any lets the memory fetch them side by side.
struct Successor {
  const uint8_t* entry;
  uint8_t status() const { return entry[0] & StatusMask; }
  uint8_t distance() const { return entry[1]; }
};

int findSuccessors(const GenerationTables& tables, const MoveRecord* moves, const MoveRecord* end,
                   Successor* successors) {
  int count = 0;
  for (const MoveRecord* move = moves; move != end; ++move, ++count) {
    const SquareSet mover = reverseSquares(move->black);
    const SquareSet opponent = reverseSquares(move->white);
    const SquareSet kings = reverseSquares(move->kings);
    uint32_t n;
    const uint32_t index = indexOf(mover | opponent, mover, kings, n);
    successors[count].entry = tables.entries[n] + 2 * size_t(index);
    __builtin_prefetch(successors[count].entry);
  }
  return count;
}

// Value of an undecided position from the values after its moves. A lost
// successor makes a win through the shortest such loss; otherwise the worst
// successor status counts, and when every successor is won for the opponent
// the position is lost by the longest way.
uint8_t resolveFromSuccessors(const Successor* successors, int count, uint8_t& distance, uint32_t& chosen) {
  uint8_t running = StatusWin;
  uint8_t longest = 0;
  for (int move = 0; move < count; ++move) {
    const uint8_t status = successors[move].status();
    if (status == StatusLoss) {
      uint8_t shortest = successors[move].distance();
      chosen = uint32_t(move);
      for (int later = move + 1; later < count; ++later) {
        if (successors[later].status() == StatusLoss && successors[later].distance() < shortest) {
          shortest = successors[later].distance();
          chosen = uint32_t(later);
        }
      }
      distance = uint8_t(shortest + 1);
      return StatusWin;
    }
    if (status > running) continue;
    running = status;
    if (status == StatusWin && successors[move].distance() > longest) {
      longest = successors[move].distance();
      chosen = uint32_t(move);
    }
  }
  if (running != StatusWin) return running;
  distance = uint8_t(longest + 1);
  return StatusLoss;
}

bool resolvePosition(const Successor* successors, int count, uint8_t& value, uint8_t& distance) {
  uint8_t newDistance = 0;
  uint32_t chosen = 0;
  const uint8_t status = resolveFromSuccessors(successors, count, newDistance, chosen);
  if (status == StatusUndecided) return false;
  if (status == StatusDraw) {
    value = StatusDraw;
  } else {
    distance = newDistance;
    value = uint8_t(status | (chosen & MoveNumberMask));
  }
  return true;
}

// Shortens the distance of a decided position: a win through its shortest
// lost successor, a loss through its longest. Distances never grow.
bool refinePosition(const Successor* successors, int count, uint8_t& value, uint8_t& distance) {
  const uint8_t status = value & StatusMask;
  bool found = status == StatusLoss;
  uint8_t best = 0;
  uint32_t chosen = 0;
  for (int move = 0; move < count; ++move) {
    const uint8_t successorDistance = successors[move].distance();
    if (status == StatusWin) {
      if (successors[move].status() == StatusLoss && (!found || successorDistance < best)) {
        found = true;
        best = successorDistance;
        chosen = uint32_t(move);
      }
    } else if (successorDistance > best) {
      best = successorDistance;
      chosen = uint32_t(move);
    }
  }
  const uint8_t candidate = uint8_t(best + 1);
  if (!found || candidate >= distance) return false;
  distance = candidate;
  value = uint8_t(status | (chosen & MoveNumberMask));
  return true;
}

inline void markPosition(SweptClass& into, SquareSet mover, SquareSet opponent, SquareSet kings) {
  uint32_t n;
  const uint32_t place = into.positions.placeOf(indexOf(mover | opponent, mover, kings, n));
  into.pending[place >> 6] |= uint64_t(1) << (place & 63);
}

// Marks the positions from which the opponent reached this one by a plain
// step or slide (captures and crownings come from other, finished classes).
// Some of them may not be legal (a capture was compulsory); looking at them
// again costs time only.
void markPredecessors(SquareSet mover, SquareSet opponent, SquareSet kings, SweptClass& into) {
  const SquareSet moved = reverseSquares(opponent);
  const SquareSet waiting = reverseSquares(mover);
  const SquareSet turnedKings = reverseSquares(kings);
  const SquareSet empty = ~(moved | waiting);
  for (SquareSet pieces = moved; pieces; pieces &= pieces - 1) {
    const SquareSet to = pieces & (0 - pieces);
    if (to & turnedKings) {
      for (SquareSet (*step)(SquareSet) : {upLeft, upRight, downLeft, downRight})
        for (SquareSet from = step(to); from & empty; from = step(from))
          markPosition(into, moved ^ to ^ from, waiting, turnedKings ^ to ^ from);
    } else {
      for (SquareSet froms = (downLeft(to) | downRight(to)) & empty; froms; froms &= froms - 1)
        markPosition(into, moved ^ to ^ (froms & (0 - froms)), waiting, turnedKings);
    }
  }
}

// Every position still undecided becomes a draw.
void closeClass(const GenerationTables& tables, const SweptClass& swept) {
  uint8_t* entries = tables.entries[swept.positions.pieces()];
  for (uint32_t place = 0; place < swept.positions.size(); ++place) {
    uint8_t& value = entries[2 * size_t(swept.positions.indexAt(place))];
    if ((value & StatusMask) == StatusUndecided) value = StatusDraw;
  }
}

}  // namespace

SweptClass::SweptClass(uint32_t a, uint32_t b, uint32_t k, uint32_t l)
    : positions(a, b, k, l), pending((positions.size() + 63) / 64) {}

void SweptClass::markAll() {
  for (uint64_t& word : pending) word = ~uint64_t(0);
  if (positions.size() % 64) pending.back() = (uint64_t(1) << (positions.size() % 64)) - 1;
}

bool sweep(const GenerationTables& tables, SweptClass& swept, SweptClass& mirror, SweepMode mode) {
  if (mode == Close) {
    closeClass(tables, swept);
    return false;
  }
  MoveRecord moves[MoveBufferCapacity];
  Successor successors[MoveBufferCapacity];
  const uint32_t n = swept.positions.pieces();
  uint8_t* entries = tables.entries[n];
  bool changed = false;
  for (size_t word = 0; word < swept.pending.size(); ++word) {
    // Marks behind the current place wait for the next pass, as in a full pass.
    uint64_t passed = 0;
    for (uint64_t waiting; (waiting = swept.pending[word] & ~passed) != 0;) {
      const uint64_t bit = waiting & (0 - waiting);
      passed |= bit | (bit - 1);
      swept.pending[word] &= ~bit;
      const uint32_t place = uint32_t(word * 64 + __builtin_ctzll(bit));
      const uint32_t index = swept.positions.indexAt(place);
      uint8_t& value = entries[2 * size_t(index)];
      uint8_t& distance = entries[2 * size_t(index) + 1];
      if (mode == Resolve ? (value & StatusMask) != StatusUndecided : distance == 0) continue;
      SquareSet mover, kings;
      const SquareSet opponent = swept.positions.positionAt(place, mover, kings) & ~mover;
      const int count = findSuccessors(tables, moves, generateWhiteMoves(moves, mover, opponent, kings), successors);
      const bool changedHere = mode == Resolve ? resolvePosition(successors, count, value, distance)
                                               : refinePosition(successors, count, value, distance);
      if (changedHere) {
        changed = true;
        markPredecessors(mover, opponent, kings, mirror);
      }
    }
  }
  return changed;
}
