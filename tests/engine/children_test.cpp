#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <string>
#include <vector>
#include "engine/fen.h"
#include "engine/movegen.h"

namespace {

Position fromFen(const std::string& fen) {
  Position p;
  std::string error;
  EXPECT_TRUE(parseFen(fen, p, error)) << fen << ": " << error;
  return p;
}

bool sameChild(const Child& a, const Child& b) {
  return a.white == b.white && a.black == b.black && a.kings == b.kings;
}

std::vector<Child> childrenOf(const Position& p, bool whiteToMove, bool capturesOnly) {
  Child children[ChildCapacity];
  const int count = expandChildren(children, p.white, p.black, p.kings, whiteToMove, capturesOnly);
  return std::vector<Child>(children, children + count);
}

std::vector<Child> moveListOf(const Position& p, bool whiteToMove) {
  MoveRecord records[MoveBufferCapacity];
  const MoveRecord* end = whiteToMove ? generateWhiteMoves(records, p.white, p.black, p.kings)
                                      : generateBlackMoves(records, p.white, p.black, p.kings);
  std::vector<Child> list;
  for (const MoveRecord* r = records; r != end; ++r) list.push_back(Child{r->white, r->black, r->kings});
  return list;
}

// The move list keeps a child recorded twice at its last place; the search keeps both.
std::vector<Child> withoutEarlierRepeats(const std::vector<Child>& children) {
  std::vector<Child> kept;
  for (size_t i = 0; i < children.size(); ++i) {
    bool later = false;
    for (size_t j = i + 1; j < children.size() && !later; ++j) later = sameChild(children[i], children[j]);
    if (!later) kept.push_back(children[i]);
  }
  return kept;
}

bool isCapture(const Position& before, const Child& after, bool whiteToMove) {
  return whiteToMove ? after.black != before.black : after.white != before.white;
}

// A random position that keeps the men off their own king rows.
Position randomPosition(std::mt19937& random) {
  Position p;
  SquareSet taken = 0;
  auto place = [&](SquareSet& side, int count, SquareSet forbiddenMen, int kingPercent) {
    for (int placed = 0; placed < count;) {
      const SquareSet square = SquareSet(1) << (random() % 32);
      if (square & taken) continue;
      const bool king = (int)(random() % 100) < kingPercent;
      if (!king && (square & forbiddenMen)) continue;
      side |= square;
      taken |= square;
      if (king) p.kings |= square;
      ++placed;
    }
  };
  const int kingPercent = (int)(random() % 4) * 15;
  place(p.white, 1 + (int)(random() % 12), WhiteKingRow, kingPercent);
  place(p.black, 1 + (int)(random() % 12), BlackKingRow, kingPercent);
  p.whiteToMove = random() % 2 == 0;
  return p;
}

void expectSameAsMoveList(const Position& p, bool whiteToMove) {
  const std::vector<Child> children = childrenOf(p, whiteToMove, false);
  const std::vector<Child> list = moveListOf(p, whiteToMove);
  const std::vector<Child> merged = withoutEarlierRepeats(children);
  ASSERT_EQ(merged.size(), list.size()) << writeFen({p.white, p.black, p.kings, whiteToMove});
  for (size_t i = 0; i < list.size(); ++i)
    ASSERT_TRUE(sameChild(merged[i], list[i])) << "child " << i << " of " << writeFen({p.white, p.black, p.kings, whiteToMove});

  const std::vector<Child> captures = childrenOf(p, whiteToMove, true);
  const bool anyCapture = !children.empty() && isCapture(p, children[0], whiteToMove);
  ASSERT_EQ(captures.size(), anyCapture ? children.size() : 0u) << "captures only: " << writeFen({p.white, p.black, p.kings, whiteToMove});
  for (size_t i = 0; i < captures.size(); ++i)
    ASSERT_TRUE(sameChild(captures[i], children[i])) << "capture " << i << " of " << writeFen({p.white, p.black, p.kings, whiteToMove});
}

}  // namespace

TEST(Children, FollowTheMoveListOrderWithoutMergingEqualChildren) {
  const struct {
    const char* rule;
    const char* fen;
    size_t children;
    size_t moves;
  } cases[] = {
      {"opening: men's steps from square 27 down, right step first",
       "W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12", 7, 7},
      {"men's steps, then king slides", "W:WK18,21,24:B2", 16, 16},
      {"a man's circuit around four pieces is found twice", "W:W22:B17,9,18,10", 2, 1},
      {"a king's circuit recorded more than once", "W:WK22:B17,9,18,10", 6, 5},
      {"same squares, different pieces", "W:WK30:B26,18,15,7", 2, 2},
      {"a captured piece blocks", "W:WK30:B23,11,10,27", 3, 3},
      {"black's men from square 4 up, left step first", "B:W22:B11,K1", 9, 9},
      {"a longer capture of another piece removes the shorter ones", "W:W21,32:B17,27,19", 1, 1},
      {"a king's slides vanish when a man can capture", "W:WK29,22:B18", 1, 1},
  };
  for (const auto& c : cases) {
    const Position p = fromFen(c.fen);
    EXPECT_EQ(childrenOf(p, p.whiteToMove, false).size(), c.children) << c.rule << ": " << c.fen;
    EXPECT_EQ(moveListOf(p, p.whiteToMove).size(), c.moves) << c.rule << ": " << c.fen;
    expectSameAsMoveList(p, p.whiteToMove);
  }
}

TEST(Children, CapturesOnlyLeavesQuietPositionsWithoutChildren) {
  const char* quiet[] = {"W:WK18,21,24:B2", "B:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12",
                         "W:W29:B25,22"};
  for (const char* fen : quiet) {
    const Position p = fromFen(fen);
    EXPECT_TRUE(childrenOf(p, p.whiteToMove, true).empty()) << fen;
  }
}

TEST(Children, AgreeWithTheMoveListAlongRandomGames) {
  std::mt19937 random(20261207);
  for (int game = 0; game < 400; ++game) {
    Position p = randomPosition(random);
    for (int ply = 0; ply < 60; ++ply) {
      expectSameAsMoveList(p, p.whiteToMove);
      if (HasFatalFailure()) return;
      const std::vector<Child> children = childrenOf(p, p.whiteToMove, false);
      if (children.empty()) break;
      const Child& next = children[random() % children.size()];
      p = Position(next.white, next.black, next.kings, !p.whiteToMove);
    }
  }
}
