// The weights of the positional evaluation, in EvalFeature order (a man is about 100).
// Hand-set starting values; `tarvenn-engine tune` rewrites this file with fitted ones.
#pragma once
#include <cstdint>
#include "search/positional_eval.h"

constexpr int16_t EvalWeights[EvalFeatureCount] = {
    100,  // men
    280,  // kings
    3,    // tempo
    12,   // men one step from crowning
    8,    // centre
    4,    // near the centre
    12,   // back-row guard
    4,    // back-row corners
    -6,   // blocked men
    -25,  // hanging pieces
    60,   // runaways
    2,    // king mobility
    -60,  // trapped kings
    -4,   // wing imbalance
    2,    // exchange when ahead
};
