#include "engine/movegen.h"

namespace {

// A position records far fewer ends than this (a random search of king-rich
// positions found at most 65); the limit only guarantees that the store never
// overflows. Entries stop short of the end so every group header still fits.
constexpr int StoreCapacity = 1024;
constexpr int EntryLimit = StoreCapacity - 2 * 32;

// Whole-word geometry of one diagonal direction: the step from an even row
// (ranks 1, 3, 5, 7) and from an odd row, the two-step jump, and the squares
// from which the jump stays on the board.
struct DirectionShift {
  int evenStep;
  int oddStep;
  int jump;
  SquareSet jumpMask;
};

constexpr DirectionShift Shifts[4] = {
    {+3, +4, +7, 0x00EEEEEE},  // UpLeft
    {+4, +5, +9, 0x00777777},  // UpRight
    {-5, -4, -9, 0xEEEEEE00},  // DownLeft
    {-4, -3, -7, 0x77777700},  // DownRight
};

constexpr SquareSet EvenRows = 0x0F0F0F0F;

inline SquareSet shifted(SquareSet x, int amount) { return amount > 0 ? x << amount : x >> -amount; }

inline SquareSet neighbour(SquareSet square, int direction) {
  const DirectionShift& d = Shifts[direction];
  return shifted(square, (square & EvenRows) ? d.evenStep : d.oddStep);
}

inline SquareSet stepSquare(SquareSet square, int direction) {
  const int k = DiagonalStep[direction][squareIndex(square)];
  return k < 0 ? 0 : SquareSet(1) << k;
}

// The two directions perpendicular to the arrival direction, in the order a
// man tries them after a jump and the order a king searches them on landing.
constexpr int ManTurns[4][2] = {
    {DownLeft, UpRight},   // after UpLeft
    {DownRight, UpLeft},   // after UpRight
    {UpLeft, DownRight},   // after DownLeft
    {DownLeft, UpRight},   // after DownRight
};
constexpr int KingTurns[4][2] = {
    {UpRight, DownLeft},   // after UpLeft
    {UpLeft, DownRight},   // after UpRight
    {UpLeft, DownRight},   // after DownLeft
    {DownLeft, UpRight},   // after DownRight
};

// Capture ends of one generator call. Word 0 is 0; each group is the pair
// 0, origin, followed by its entries: the opponent pieces not yet captured
// combined with the landing square (never 0, so 0 marks the groups).
struct CaptureStore {
  SquareSet words[StoreCapacity + 1];
  int write;
  SquareSet origin;
  SquareSet empty;  // empty squares, with the current origin counted as empty
  uint8_t largest;

  void clear(SquareSet emptySquares) {
    words[0] = 0;
    write = 2;
    empty = emptySquares;
    largest = 0;
  }

  void openGroup(SquareSet square) {
    if (words[write - 2] == 0) {
      words[write - 1] = square;
    } else {
      words[write++] = 0;
      words[write++] = square;
    }
    origin = square;
  }

  void record(int count, SquareSet remaining, SquareSet landing) {
    if (count < largest) return;
    if (count > largest) {
      write = 2;
      words[1] = origin;
      largest = (uint8_t)count;
    }
    if (write >= EntryLimit) return;
    words[write++] = remaining | landing;
  }

  bool recursLater(int i) const {
    for (int j = i + 1; j < write && words[j] != 0; ++j)
      if (words[j] == words[i]) return true;
    return false;
  }

  void manJump(int direction, SquareSet square, int count, SquareSet remaining) {
    const DirectionShift& d = Shifts[direction];
    while (square & d.jumpMask) {
      const SquareSet over = neighbour(square, direction);
      const SquareSet target = shifted(square, d.jump);
      if (!(over & remaining) || !(target & empty)) return;
      remaining &= ~over;
      ++count;
      manJump(ManTurns[direction][0], target, count, remaining);
      manJump(ManTurns[direction][1], target, count, remaining);
      record(count, remaining, target);
      square = target;
    }
  }

  // From the first landing square behind a captured piece: look sideways for
  // a further capture, record the landing, then run on along the diagonal.
  void kingRun(int direction, SquareSet landing, int count, SquareSet remaining) {
    for (;;) {
      kingSearch(KingTurns[direction][0], landing, count, remaining);
      kingSearch(KingTurns[direction][1], landing, count, remaining);
      record(count, remaining, landing);
      const SquareSet next = stepSquare(landing, direction);
      if (next & empty) {
        landing = next;
        continue;
      }
      if (!(next & remaining)) return;
      const SquareSet behind = stepSquare(next, direction);
      if (!(behind & empty)) return;
      remaining &= ~next;
      ++count;
      landing = behind;
    }
  }

  // Walks over empty squares to the first piece; captures it if it can.
  void kingSearch(int direction, SquareSet square, int count, SquareSet remaining) {
    SquareSet next = stepSquare(square, direction);
    while (next & empty) next = stepSquare(next, direction);
    if (!(next & remaining)) return;
    const SquareSet behind = stepSquare(next, direction);
    if (behind & empty) kingRun(direction, behind, count + 1, remaining & ~next);
  }

  // Slides are recorded as ends with count 0, so they survive only while no
  // capture has been found anywhere in the position.
  void kingWalk(int direction, SquareSet remaining) {
    SquareSet next = stepSquare(origin, direction);
    while (next & empty) {
      record(0, remaining, next);
      next = stepSquare(next, direction);
    }
    if (!(next & remaining)) return;
    const SquareSet behind = stepSquare(next, direction);
    if (behind & empty) kingRun(direction, behind, 1, remaining & ~next);
  }

  // Writes one record per entry, skipping an entry that recurs later in its group.
  MoveRecord* decode(MoveRecord* out, MoveRecord* end, bool whiteMoves, SquareSet white, SquareSet black,
                     SquareSet kings) const {
    const SquareSet mover = whiteMoves ? white : black;
    const SquareSet opponent = whiteMoves ? black : white;
    const SquareSet kingRow = whiteMoves ? WhiteKingRow : BlackKingRow;
    SquareSet groupOrigin = 0;
    for (int i = 0; i < write; ++i) {
      if (words[i] == 0) {
        groupOrigin = words[++i];
        continue;
      }
      if (recursLater(i) || out == end) continue;
      const SquareSet remaining = words[i] & opponent;
      const SquareSet landing = words[i] & ~remaining;
      const SquareSet moveMask = groupOrigin ^ landing;
      const SquareSet moverAfter = mover ^ moveMask;
      SquareSet kingsAfter = (groupOrigin & kings) ? kings ^ moveMask : kings | (moveMask & kingRow);
      kingsAfter &= moverAfter | remaining;
      out->from = groupOrigin;
      out->white = whiteMoves ? moverAfter : remaining;
      out->black = whiteMoves ? remaining : moverAfter;
      out->kings = kingsAfter;
      ++out;
    }
    return out;
  }
};

inline MoveRecord* writeStep(MoveRecord* out, SquareSet from, SquareSet to, bool whiteMoves, SquareSet white,
                             SquareSet black, SquareSet kings) {
  out->from = from;
  out->white = whiteMoves ? white ^ from ^ to : white;
  out->black = whiteMoves ? black : black ^ from ^ to;
  out->kings = kings | (to & (whiteMoves ? WhiteKingRow : BlackKingRow));
  return out + 1;
}

// Men's steps when no capture exists: White's origins from bit 27 down, the
// step to the right first; Black's from bit 4 up, the step to the left first.
MoveRecord* writeManSteps(MoveRecord* out, bool whiteMoves, SquareSet white, SquareSet black, SquareSet kings) {
  const SquareSet empty = ~(white | black);
  if (whiteMoves) {
    const SquareSet men = white & ~kings;
    const SquareSet right = ((empty & 0xF0F0F0F0) >> 4 | (empty & 0x0E0E0E00) >> 5) & men;
    const SquareSet left = ((empty & 0x70707070) >> 3 | (empty & 0x0F0F0F00) >> 4) & men;
    for (SquareSet movers = right | left; movers;) {
      const SquareSet from = SquareSet(1) << (31 - __builtin_clz(movers));
      movers ^= from;
      if (from & right) out = writeStep(out, from, neighbour(from, UpRight), true, white, black, kings);
      if (from & left) out = writeStep(out, from, neighbour(from, UpLeft), true, white, black, kings);
    }
  } else {
    const SquareSet men = black & ~kings;
    const SquareSet left = ((empty & 0x0F0F0F0F) << 4 | (empty & 0x00707070) << 5) & men;
    const SquareSet right = ((empty & 0x0E0E0E0E) << 3 | (empty & 0x00F0F0F0) << 4) & men;
    for (SquareSet movers = left | right; movers;) {
      const SquareSet from = movers & -movers;
      movers ^= from;
      if (from & left) out = writeStep(out, from, neighbour(from, DownLeft), false, white, black, kings);
      if (from & right) out = writeStep(out, from, neighbour(from, DownRight), false, white, black, kings);
    }
  }
  return out;
}

// Men that can make at least a first jump, found for the whole board at once.
SquareSet menThatCanJump(SquareSet men, SquareSet opponent, SquareSet empty) {
  SquareSet jumpers = 0;
  for (int direction = 0; direction < 4; ++direction) {
    const DirectionShift& d = Shifts[direction];
    const SquareSet overOpponent = (men & EvenRows & shifted(opponent, -d.evenStep)) |
                                   (men & ~EvenRows & shifted(opponent, -d.oddStep));
    jumpers |= overOpponent & d.jumpMask & shifted(empty, -d.jump);
  }
  return jumpers;
}

// Both colours visit their pieces from bit 31 down with the same direction
// orders; only the men's steps are mirrored. Men that cannot jump at all would
// only open empty groups, which the decoder ignores, so they are not visited.
MoveRecord* generateMoves(MoveRecord* out, bool whiteMoves, SquareSet white, SquareSet black, SquareSet kings) {
  const SquareSet mover = whiteMoves ? white : black;
  const SquareSet opponent = whiteMoves ? black : white;
  const SquareSet empty = ~(white | black);
  CaptureStore store;
  store.clear(empty);
  for (SquareSet pieces = (mover & kings) | menThatCanJump(mover & ~kings, opponent, empty); pieces;) {
    const SquareSet square = SquareSet(1) << (31 - __builtin_clz(pieces));
    pieces ^= square;
    store.openGroup(square);
    store.empty |= square;
    if (square & kings) {
      store.kingWalk(UpLeft, opponent);
      store.kingWalk(UpRight, opponent);
      store.kingWalk(DownLeft, opponent);
      store.kingWalk(DownRight, opponent);
    } else {
      store.manJump(UpLeft, square, 0, opponent);
      store.manJump(DownRight, square, 0, opponent);
      store.manJump(UpRight, square, 0, opponent);
      store.manJump(DownLeft, square, 0, opponent);
    }
    store.empty &= ~square;
  }
  MoveRecord* const end = out + MoveBufferCapacity;
  if (store.largest == 0) out = writeManSteps(out, whiteMoves, white, black, kings);
  store.words[store.write] = 0;
  return store.decode(out, end, whiteMoves, white, black, kings);
}

}  // namespace

MoveRecord* generateWhiteMoves(MoveRecord* out, SquareSet white, SquareSet black, SquareSet kings) {
  return generateMoves(out, true, white, black, kings);
}

MoveRecord* generateBlackMoves(MoveRecord* out, SquareSet white, SquareSet black, SquareSet kings) {
  return generateMoves(out, false, white, black, kings);
}
