// The weights of the positional evaluation, in EvalFeature order (a man is about 100).
// Fitted by: tarvenn-engine tune --games 8000 --seed 1 --depth 6 --endgame 20000 --epochs 1000 --l2 0 --anchor men,kings
// (self-play and the starting weights were those of the table this one replaced)
// 316827 positions (20000 from the database of 4 pieces); loss 0.514728 before, 0.494982 after; K 0.0189663.
#pragma once
#include <cstdint>
#include "search/positional_eval.h"

constexpr int16_t EvalWeights[EvalFeatureCount] = {
    100,  // men
    280,  // kings
    1,    // tempo
    35,   // men one step from crowning
    4,    // centre
    4,    // near the centre
    10,   // back-row guard
    7,    // back-row corners
    1,    // blocked men
    -11,  // hanging pieces
    6,    // runaways
    1,    // king mobility
    -16,  // trapped kings
    -4,   // wing imbalance
    -3,   // exchange when ahead
};
