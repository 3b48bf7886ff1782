// The list order: men's steps first (when nothing can be taken), then the ends
// the capture pass stores while it visits the pieces from square 31 down; the
// kings' slides are stored there too, as ends that take nothing.
#include "engine/movegen.h"

namespace {

// A position records far fewer ends than these (a random search of king-rich
// positions found at most 65); the limits only guarantee that a store never
// overflows. Entries stop short of the end so every group header still fits.
// The search keeps a smaller store: one lives in every frame of its recursion.
constexpr int ListStoreCapacity = 1024;
constexpr int ListEntryLimit = ListStoreCapacity - 2 * 32;
constexpr int ChildStoreCapacity = 384;
constexpr int ChildEntryLimit = ChildStoreCapacity - 2;

// Per direction and square: the neighbour as a set (0 off the board), its index
// and the index of the square a jump lands on (-1 off the board), and the whole ray.
struct Geometry {
  SquareSet neighbour[4][32];
  int8_t next[4][32];
  int8_t jumpTo[4][32];
  SquareSet ray[4][32];  // every square along the diagonal, the square itself excluded
};

constexpr Geometry makeGeometry() {
  Geometry g{};
  for (int d = 0; d < 4; ++d)
    for (int k = 0; k < 32; ++k) {
      const SquareSet n = step(d, SquareSet(1) << k);
      g.neighbour[d][k] = n;
      g.next[d][k] = DiagonalStep[d][k];
      g.jumpTo[d][k] = g.next[d][k] < 0 ? -1 : DiagonalStep[d][g.next[d][k]];
      for (SquareSet s = n; s; s = step(d, s)) g.ray[d][k] |= s;
    }
  return g;
}

constexpr Geometry Board = makeGeometry();

// The order in which a piece's first moves are tried.
constexpr int KingDirections[4] = {UpLeft, UpRight, DownLeft, DownRight};
constexpr int ManDirections[4] = {UpLeft, DownRight, UpRight, DownLeft};
// Directions perpendicular to the arrival, in the order a man jumps on and a
// king searches on after a capture.
constexpr int ManTurns[4][2] = {{DownLeft, UpRight}, {DownRight, UpLeft}, {UpLeft, DownRight}, {DownLeft, UpRight}};
constexpr int KingTurns[4][2] = {{UpRight, DownLeft}, {UpLeft, DownRight}, {UpLeft, DownRight}, {DownLeft, UpRight}};

inline SquareSet bit(int k) { return SquareSet(1) << k; }
inline int highestSquare(SquareSet s) { return 31 - __builtin_clz(s); }
inline int lowestSquare(SquareSet s) { return __builtin_ctz(s); }

// Men that have a first jump in some direction; no other man can capture.
inline SquareSet menThatCanJump(SquareSet men, SquareSet opponent, SquareSet empty) {
  return men & (downRight(opponent & downRight(empty)) | downLeft(opponent & downLeft(empty)) |
                upRight(opponent & upRight(empty)) | upLeft(opponent & upLeft(empty)));
}

// Ends of capture sequences and king slides. Word 0 is 0; each group is the
// pair 0, origin, then its entries: the opponent pieces still on the board
// OR the square where the piece ends (never 0, so 0 marks the groups).
template <int Capacity, int EntryLimit>
struct CaptureStore {
  SquareSet words[Capacity];
  int top;
  int largest;      // capture count of the entries kept
  SquareSet empty;  // empty squares, the examined piece's own square included
  SquareSet origin;

  void openGroup(SquareSet square) {
    if (words[top - 2] == 0) {
      words[top - 1] = square;
    } else {
      words[top++] = 0;
      words[top++] = square;
    }
    origin = square;
  }

  void record(int count, SquareSet remaining, SquareSet landing) {
    if (count < largest) return;
    if (count > largest) {
      top = 2;
      words[1] = origin;
      largest = count;
    }
    if (top < EntryLimit) words[top++] = remaining | landing;
  }

  // True if entry i recurs later in its group: two routes to the same end are one move.
  bool recursLater(int i) const {
    for (int j = i + 1; j < top && words[j] != 0; ++j)
      if (words[j] == words[i]) return true;
    return false;
  }

  void manJump(int direction, int from, int count, SquareSet remaining) {
    const SquareSet over = Board.neighbour[direction][from];
    if (!(over & remaining)) return;
    const int to = Board.jumpTo[direction][from];
    if (to < 0 || !(empty & bit(to))) return;
    remaining ^= over;  // a taken piece stays on the board but can't be taken again
    ++count;
    manJump(ManTurns[direction][0], to, count, remaining);
    manJump(ManTurns[direction][1], to, count, remaining);
    record(count, remaining, bit(to));
    manJump(direction, to, count, remaining);
  }

  // Slides along a diagonal (recorded as count-0 ends when asked) up to the first
  // piece, and captures it if it is the opponent's with an empty square behind.
  void kingRay(int direction, int from, int count, SquareSet remaining, bool slides) {
    // Up the board the squares of a diagonal ascend, down the board they descend.
    const bool up = direction == UpLeft || direction == UpRight;
    const SquareSet ray = Board.ray[direction][from];
    const SquareSet pieces = ray & ~empty;
    const int square = pieces == 0 ? -1 : up ? lowestSquare(pieces) : highestSquare(pieces);
    if (slides) {
      SquareSet open = pieces == 0 ? ray : up ? ray & (bit(square) - 1) : ray & ~(bit(square) - 1) & ~bit(square);
      while (open) {  // nearest square first
        const SquareSet to = bit(up ? lowestSquare(open) : highestSquare(open));
        record(0, remaining, to);
        open ^= to;
      }
    }
    if (square < 0 || !(remaining & bit(square))) return;
    const int landing = Board.next[direction][square];
    if (landing < 0 || !(empty & bit(landing))) return;
    kingRun(direction, landing, count + 1, remaining ^ bit(square));
  }

  // Every empty square behind a taken piece is a landing square: look sideways
  // for more, record the end, then run on (taking the next piece in line if it can).
  void kingRun(int direction, int landing, int count, SquareSet remaining) {
    for (;;) {
      kingRay(KingTurns[direction][0], landing, count, remaining, false);
      kingRay(KingTurns[direction][1], landing, count, remaining, false);
      record(count, remaining, bit(landing));
      const int next = Board.next[direction][landing];
      if (next < 0) return;
      if (empty & bit(next)) {
        landing = next;
        continue;
      }
      if (!(remaining & bit(next))) return;
      const int behind = Board.next[direction][next];
      if (behind < 0 || !(empty & bit(behind))) return;
      remaining ^= bit(next);
      ++count;
      landing = behind;
    }
  }

  void examine(int square, bool king, SquareSet opponent, bool slides) {
    openGroup(bit(square));
    empty |= bit(square);
    if (king) {
      for (int direction : KingDirections) kingRay(direction, square, 0, opponent, slides);
    } else {
      for (int direction : ManDirections) manJump(direction, square, 0, opponent);
    }
    empty ^= bit(square);
  }

  // Slides are stored as ends that take nothing, so they survive only while no
  // capture has been found anywhere; captures only starts the count at one. A man
  // without a first jump records nothing, so only kings and jumping men are examined.
  void fill(SquareSet mover, SquareSet opponent, SquareSet kings, bool capturesOnly) {
    words[0] = 0;
    words[1] = 0;  // no origin yet
    top = 2;
    largest = capturesOnly ? 1 : 0;
    empty = ~(mover | opponent);
    for (SquareSet pieces = (mover & kings) | menThatCanJump(mover & ~kings, opponent, empty); pieces;) {
      const int square = highestSquare(pieces);
      pieces ^= bit(square);
      examine(square, (kings & bit(square)) != 0, opponent, !capturesOnly);
    }
  }
};

inline void write(MoveRecord*& out, SquareSet from, SquareSet white, SquareSet black, SquareSet kings) {
  *out++ = MoveRecord{from, white, black, kings};
}

inline void write(Child*& out, SquareSet, SquareSet white, SquareSet black, SquareSet kings) {
  *out++ = Child{white, black, kings};
}

// White's men from square 27 down, right step before left; Black's from square 4 up,
// left step before right. A man reaching its king row is crowned.
template <bool WhiteToMove, typename Out>
Out* writeManSteps(Out* out, SquareSet white, SquareSet black, SquareSet kings) {
  const SquareSet empty = ~(white | black);
  if (WhiteToMove) {
    const SquareSet men = white & ~kings;
    const SquareSet right = men & downLeft(empty), left = men & downRight(empty);
    for (SquareSet movers = right | left; movers;) {
      const SquareSet from = bit(highestSquare(movers));
      movers ^= from;
      if (from & right) write(out, from, white ^ from ^ upRight(from), black, kings | (upRight(from) & WhiteKingRow));
      if (from & left) write(out, from, white ^ from ^ upLeft(from), black, kings | (upLeft(from) & WhiteKingRow));
    }
  } else {
    const SquareSet men = black & ~kings;
    const SquareSet left = men & upRight(empty), right = men & upLeft(empty);
    for (SquareSet movers = left | right; movers;) {
      const SquareSet from = bit(lowestSquare(movers));
      movers ^= from;
      if (from & left) write(out, from, white, black ^ from ^ downLeft(from), kings | (downLeft(from) & BlackKingRow));
      if (from & right)
        write(out, from, white, black ^ from ^ downRight(from), kings | (downRight(from) & BlackKingRow));
    }
  }
  return out;
}

// Turns the store's entries into positions, the mover's king row crowning a man.
// The game's list drops an entry that recurs later in its group; the search keeps it.
template <bool WhiteToMove, bool MergeRepeats, typename Out, typename Store>
Out* writeEntries(Out* out, Out* end, const Store& store, SquareSet white, SquareSet black, SquareSet kings) {
  const SquareSet mover = WhiteToMove ? white : black;
  const SquareSet opponent = WhiteToMove ? black : white;
  const SquareSet kingRow = WhiteToMove ? WhiteKingRow : BlackKingRow;
  SquareSet origin = 0;
  bool king = false;
  for (int i = 0; i < store.top; ++i) {
    const SquareSet word = store.words[i];
    if (word == 0) {
      origin = store.words[++i];
      king = (origin & kings) != 0;
      continue;
    }
    if (out == end) break;
    if (MergeRepeats && store.recursLater(i)) continue;
    const SquareSet remaining = word & opponent;
    const SquareSet change = (word & ~opponent) ^ origin;
    const SquareSet moved = mover ^ change;
    SquareSet newKings = king ? kings ^ change : kings | (change & kingRow);
    newKings &= moved | remaining;
    if (WhiteToMove)
      write(out, origin, moved, remaining, newKings);
    else
      write(out, origin, remaining, moved, newKings);
  }
  return out;
}

using ListStore = CaptureStore<ListStoreCapacity, ListEntryLimit>;
using ChildStore = CaptureStore<ChildStoreCapacity, ChildEntryLimit>;

template <bool WhiteToMove, bool MergeRepeats, typename Store, typename Out>
Out* generate(Out* out, Out* end, SquareSet white, SquareSet black, SquareSet kings, bool capturesOnly) {
  Store store;
  store.fill(WhiteToMove ? white : black, WhiteToMove ? black : white, kings, capturesOnly);
  if (store.largest == 0) out = writeManSteps<WhiteToMove>(out, white, black, kings);
  return writeEntries<WhiteToMove, MergeRepeats>(out, end, store, white, black, kings);
}

}  // namespace

MoveRecord* generateWhiteMoves(MoveRecord* out, SquareSet white, SquareSet black, SquareSet kings) {
  return generate<true, true, ListStore>(out, out + MoveBufferCapacity, white, black, kings, false);
}

MoveRecord* generateBlackMoves(MoveRecord* out, SquareSet white, SquareSet black, SquareSet kings) {
  return generate<false, true, ListStore>(out, out + MoveBufferCapacity, white, black, kings, false);
}

template <bool WhiteToMove>
int countMoves(SquareSet white, SquareSet black, SquareSet kings) {
  const SquareSet mover = WhiteToMove ? white : black;
  ListStore store;
  store.fill(mover, WhiteToMove ? black : white, kings, false);
  int count = 0;
  if (store.largest == 0) {
    const SquareSet men = mover & ~kings, empty = ~(white | black);
    count = WhiteToMove ? popCount(men & downLeft(empty)) + popCount(men & downRight(empty))
                        : popCount(men & upLeft(empty)) + popCount(men & upRight(empty));
  }
  for (int i = 0; i < store.top; ++i) {
    if (store.words[i] == 0)
      ++i;  // a group's origin
    else
      count += !store.recursLater(i);
  }
  return count;
}

template int countMoves<true>(SquareSet, SquareSet, SquareSet);
template int countMoves<false>(SquareSet, SquareSet, SquareSet);

template <bool WhiteToMove>
int generateChildren(Child* children, SquareSet white, SquareSet black, SquareSet kings, bool capturesOnly) {
  const Child* end = generate<WhiteToMove, false, ChildStore>(children, children + ChildCapacity, white, black, kings, capturesOnly);
  return (int)(end - children);
}

template int generateChildren<true>(Child*, SquareSet, SquareSet, SquareSet, bool);
template int generateChildren<false>(Child*, SquareSet, SquareSet, SquareSet, bool);

int expandChildren(Child* children, SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove,
                   bool capturesOnly) {
  return whiteToMove ? generateChildren<true>(children, white, black, kings, capturesOnly)
                     : generateChildren<false>(children, white, black, kings, capturesOnly);
}
