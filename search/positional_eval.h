// The positional evaluation: a dot product of small integer features
// (White's figure minus Black's) with a table of weights, so that the weights can be fitted
// to games. A man is worth about 100.
#pragma once
#include <cstdint>
#include "engine/board.h"

#include "search/score.h"

enum EvalFeature {
  FeatureMen,            // men on the board
  FeatureKings,          // kings on the board
  FeatureTempo,          // rows the men have advanced, summed
  FeatureSeventhRow,     // men one step from crowning
  FeatureCentre,         // men on the four central squares
  FeatureNearCentre,     // men on the four squares around them
  FeatureBackGuard,      // men still on the two middle squares of their own back row
  FeatureBackCorner,     // men still on the two outer squares of their own back row
  FeatureBlockedMen,     // men with neither forward square free
  FeatureHangingPieces,  // pieces a neighbouring enemy piece could jump
  FeatureRunaways,       // men whose whole way to the king row is empty
  FeatureKingMobility,   // free squares the kings reach, summed
  FeatureTrappedKings,   // kings without a free square
  FeatureWingImbalance,  // difference between the men on the two wings
  FeatureExchange,       // the material lead times the pieces already gone
  EvalFeatureCount
};

// The features of a position from White's side.
void evalFeatures(SquareSet white, SquareSet black, SquareSet kings, int features[EvalFeatureCount]);
// The dot product of the features with the built-in weights, from the side to move.
Score evaluatePositional(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove);
// The same with weights given by the caller (tuning), from White's side.
Score weightedFeatures(const int features[EvalFeatureCount], const int16_t weights[EvalFeatureCount]);
