#include <gtest/gtest.h>
#include <random>
#include "engine/fen.h"
#include "engine/movegen.h"
#include "search/eval_weights.h"
#include "search/positional_eval.h"
#include "tests/engine/squares.h"

namespace {

// Square k seen from the other side of the board is square 31 - k.
SquareSet turned(SquareSet set) {
  SquareSet out = 0;
  for (int k = 0; k < 32; ++k)
    if (set & (SquareSet(1) << k)) out |= SquareSet(1) << (31 - k);
  return out;
}

// The same position with the colours exchanged and the board turned round.
Position colourFlipped(const Position& p) {
  return Position(turned(p.black), turned(p.white), turned(p.kings), !p.whiteToMove);
}

Score scoreOf(const Position& p) { return evaluatePositional(p.white, p.black, p.kings, p.whiteToMove); }

// Positions met in random games from the start, kings and all.
std::vector<Position> randomGamePositions(int games, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<Position> positions;
  for (int g = 0; g < games; ++g) {
    Position p = InitialPosition;
    for (int ply = 0; ply < 120; ++ply) {
      Child children[ChildCapacity];
      const int count = expandChildren(children, p.white, p.black, p.kings, p.whiteToMove, false);
      if (count == 0) break;
      const Child& c = children[random() % count];
      p = Position(c.white, c.black, c.kings, !p.whiteToMove);
      positions.push_back(p);
    }
  }
  return positions;
}

}  // namespace

TEST(PositionalEvaluation, APositionAndItsColourFlippedMirrorScoreTheSameForTheSideToMove) {
  for (const Position& p : randomGamePositions(40, 7)) {
    const Position q = colourFlipped(p);
    EXPECT_EQ(scoreOf(p), scoreOf(q)) << writeFen(p) << " against " << writeFen(q);
  }
}

TEST(PositionalEvaluation, TheScoreIsTheDotProductOfFeaturesAndWeightsFromTheSideToMove) {
  for (const Position& p : randomGamePositions(40, 11)) {
    int features[EvalFeatureCount];
    evalFeatures(p.white, p.black, p.kings, features);
    const Score fromWhite = weightedFeatures(features, EvalWeights);
    EXPECT_EQ(scoreOf(p), p.whiteToMove ? fromWhite : -fromWhite) << writeFen(p);
  }
}

TEST(PositionalEvaluation, FeaturesCountWhatThePiecesFace) {
  const struct {
    const char* white;
    const char* black;
    const char* kings;
    EvalFeature feature;
    int figure;
    const char* why;
  } cases[] = {
      {"C5", "", "", FeatureRunaways, 1, "nothing between the man and the king row"},
      {"C5", "F8", "", FeatureRunaways, 0, "an enemy man inside the way"},
      {"C5", "H6", "", FeatureRunaways, 0, "each side has a free way"},
      {"A1 C3", "", "", FeatureRunaways, 1, "the man behind has its own man in the way"},
      {"C3", "B4 D4", "", FeatureBlockedMen, 1, "both forward squares taken"},
      {"A3", "B4", "", FeatureBlockedMen, 1, "an edge man with its one square taken"},
      {"C3", "B4", "", FeatureBlockedMen, 0, "one square still free"},
      {"D4", "E5", "", FeatureHangingPieces, 0, "each can jump the other"},
      {"D4 C3", "E5", "", FeatureHangingPieces, -1, "only the black man can be jumped"},
      {"A1", "B2 C3", "A1", FeatureTrappedKings, 1, "a king in the corner behind a wall"},
      {"A1", "C3", "A1", FeatureTrappedKings, 0, "the king can still step to B2"},
      {"A1", "C3", "A1", FeatureKingMobility, 1, "one free square"},
      {"D4", "", "D4", FeatureKingMobility, 13, "a king alone sees both long lines"},
      {"C1 E1", "", "", FeatureBackGuard, 2, "the two guards at home"},
      {"A1 C1 E1", "B8 D8 F8 H8", "", FeatureExchange, -1 * (24 - 7), "a man down with seven pieces left"},
      {"A1 C3 E3", "", "", FeatureWingImbalance, 1, "three men on the left, none on the right"},
  };
  for (const auto& c : cases) {
    const SquareSet white = squares(c.white), black = squares(c.black), kings = squares(c.kings);
    int features[EvalFeatureCount];
    evalFeatures(white, black, kings, features);
    EXPECT_EQ(features[c.feature], c.figure) << c.why << ": " << writeFen(Position(white, black, kings));
  }
}

TEST(PositionalEvaluation, ARunawayManAndAFreeKingScoreAboveTheSameOnesBlockedIn) {
  const struct {
    const char* freeWhite;
    const char* freeBlack;
    const char* blockedWhite;
    const char* blockedBlack;
    const char* kings;
  } cases[] = {
      // The black man on H8 stays far from C5's way in the first, stands in it in the second.
      {"C5", "H8 A7", "C5", "H8 B8", ""},
      {"A1 G1", "C3", "A1 G1", "B2 C3", "A1"},  // the corner king walled in by B2
  };
  for (const auto& c : cases) {
    const Position free(squares(c.freeWhite), squares(c.freeBlack), squares(c.kings));
    const Position blocked(squares(c.blockedWhite), squares(c.blockedBlack), squares(c.kings));
    EXPECT_GT(scoreOf(free), scoreOf(blocked)) << writeFen(free) << " against " << writeFen(blocked);
  }
}
