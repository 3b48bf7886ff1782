// Search values: hundredths of a man, from the side to move. Proven results lie beyond
// any count of material; a search may count the plies to them.
#pragma once
#include <cstdint>

using Score = int32_t;

constexpr Score ScoreMan = 100;
// Beyond this a value is a proven result, whichever evaluation produced it.
constexpr Score ScoreProven = 10000;

inline bool isProvenScore(Score score) { return score >= ScoreProven || score <= -ScoreProven; }
