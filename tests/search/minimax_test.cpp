// The search's value against a plain negamax without pruning, table or ordering.
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <tuple>
#include "engine/movegen.h"
#include "search/evaluation.h"
#include "tests/search/search_support.h"

namespace {

using Key = std::tuple<SquareSet, SquareSet, SquareSet, bool>;

// Negamax over the engine's move lists with the search's horizon: no move at
// all loses, and past the depth captures are played out until the position is
// quiet. It notes what lets the table legitimately change a value: a position
// met again on its own path, or met at two different remaining depths.
class PlainNegamax {
public:
  bool tableMayDiffer = false;

  int value(const Position& p, bool whiteToMove, int depth) {
    const Key key{p.white, p.black, p.kings, whiteToMove};
    if (onPath.count(key)) tableMayDiffer = true;
    auto seen = depthOf.emplace(key, depth);
    if (seen.first->second != depth) tableMayDiffer = true;

    MoveRecord records[MoveBufferCapacity];
    const int count = generate(p, whiteToMove, records);
    if (count == 0) return -SCORE_WIN;
    onPath.insert(key);
    int best = SCORE_MIN;
    for (int i = 0; i < count; ++i) {
      const Position child(records[i].white, records[i].black, records[i].kings);
      const int v = depth == 1 ? -captures(child, !whiteToMove) : -value(child, !whiteToMove, depth - 1);
      if (v > best) best = v;
    }
    onPath.erase(key);
    return best;
  }

  int captures(const Position& p, bool whiteToMove) {
    MoveRecord records[MoveBufferCapacity];
    const int count = generate(p, whiteToMove, records);
    const SquareSet opponent = whiteToMove ? p.black : p.white;
    if (count == 0 || (whiteToMove ? records[0].black : records[0].white) == opponent)
      return MaterialCount::evaluate(p.white, p.black, p.kings, whiteToMove) / ScoreMan;
    int best = SCORE_MIN;
    for (int i = 0; i < count; ++i) {
      const int v = -captures(Position(records[i].white, records[i].black, records[i].kings), !whiteToMove);
      if (v > best) best = v;
    }
    return best;
  }

private:
  std::set<Key> onPath;
  std::map<Key, int> depthOf;

  static int generate(const Position& p, bool whiteToMove, MoveRecord* records) {
    const MoveRecord* end = whiteToMove ? generateWhiteMoves(records, p.white, p.black, p.kings)
                                        : generateBlackMoves(records, p.white, p.black, p.kings);
    return (int)(end - records);
  }
};

// A few men a side, sometimes a king, the men off their own king rows.
SidePosition smallPosition(std::mt19937& random) {
  SidePosition p;
  SquareSet taken = 0;
  auto place = [&](SquareSet& side, int men, int kings, SquareSet kingRow) {
    for (int placed = 0; placed < men + kings;) {
      const SquareSet square = SquareSet(1) << (random() % 32);
      const bool king = placed >= men;
      if ((square & taken) || (!king && (square & kingRow))) continue;
      side |= square;
      taken |= square;
      if (king) p.position.kings |= square;
      ++placed;
    }
  };
  const int kings = random() % 5 == 0 ? 1 : 0;
  place(p.position.white, 2 + (int)(random() % 3), kings, WhiteKingRow);
  place(p.position.black, 2 + (int)(random() % 3), kings, BlackKingRow);
  p.whiteToMove = random() % 2 == 0;
  return p;
}

int childValue(const SidePosition& p, int index, int depth) {
  Child children[ChildCapacity];
  const Position& q = p.position;
  expandChildren(children, q.white, q.black, q.kings, p.whiteToMove, false);
  PlainNegamax reference;
  return -reference.value(Position(children[index].white, children[index].black, children[index].kings),
                          !p.whiteToMove, depth - 1);
}

}  // namespace

TEST(SearchValue, PruningTableAndOrderingNeverChangeTheNegamaxValue) {
  DatabaseProbes off(0);
  std::mt19937 random(4242);
  int compared = 0, tried = 0;
  while (compared < 60 && tried < 400) {
    ++tried;
    const SidePosition p = smallPosition(random);
    const int depth = 4 + (int)(random() % 4);
    PlainNegamax reference;
    const int expected = reference.value(p.position, p.whiteToMove, depth);
    if (reference.tableMayDiffer) continue;
    ++compared;
    const std::string where = writeFen(p.position) + " depth " + std::to_string(depth);

    resetTable(1.0);
    EXPECT_EQ(search(p, SCORE_MIN, SCORE_MAX, depth), expected) << "single search of " << where;
    // Deepening as the computer player does: earlier iterations order the moves.
    resetTable(1.0);
    int deepened = 0;
    for (int d = 1; d <= depth; ++d) deepened = search(p, SCORE_MIN, SCORE_MAX, d);
    EXPECT_EQ(deepened, expected) << "deepening to " << where;
    const TableEntry root = entryOf(p);
    ASSERT_EQ(root.bound, expected == -SCORE_WIN ? root.bound : BOUND_EXACT) << where;
    if (expected != -SCORE_WIN) {
      EXPECT_EQ(childValue(p, root.bestIndex, depth), expected) << "best child " << root.bestIndex << " of " << where;
    }
  }
  EXPECT_GE(compared, 60) << "too few positions without transpositions at different depths";
}

TEST(SearchValue, NarrowWindowsBracketTheValueFailSoft) {
  DatabaseProbes off(0);
  std::mt19937 random(777);
  for (int i = 0; i < 40; ++i) {
    const SidePosition p = smallPosition(random);
    resetTable(1.0);
    const int exact = search(p, SCORE_MIN, SCORE_MAX, 6);
    for (int alpha : {exact - 3, exact - 1, exact, exact + 2}) {
      if (alpha < SCORE_MIN || alpha + 1 > SCORE_MAX) continue;
      resetTable(1.0);
      const int v = search(p, alpha, alpha + 1, 6);
      const std::string where = writeFen(p.position) + " window " + std::to_string(alpha);
      if (exact <= alpha)
        EXPECT_TRUE(v <= alpha && v >= exact) << where << ": " << v << " vs " << exact;
      else
        EXPECT_TRUE(v >= alpha + 1 && v <= exact) << where << ": " << v << " vs " << exact;
    }
  }
}
