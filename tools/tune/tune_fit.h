// Fitting the positional evaluation's weights to labelled positions: the chance that White
// wins is modelled as sigmoid(K * eval), K fitted first, then the weights (and K with them,
// when some weights are anchored) by Adam on the mean cross-entropy. Single-threaded and
// summed in a fixed order, so that a run repeats exactly.
#pragma once
#include <cstdint>
#include <vector>
#include "search/positional_eval.h"

// A position's features (White's side) and what it is worth to White: 1 won, 0.5 drawn, 0 lost.
struct TuneSample {
  int16_t features[EvalFeatureCount];
  float target;
};

struct FitSettings {
  int epochs = 1000;                     // Adam steps over the whole set, at most
  double rate = 2.0;                     // the first steps' size, in evaluation units
  double l2 = 0;                         // times the free weights' squares (in men), added to the loss
  uint32_t anchored = 1u << FeatureMen;  // weights that stay as they are: a bit per EvalFeature
};

struct FitResult {
  double scale = 0;  // K
  double lossBefore = 0;
  double lossAfter = 0;  // with the rounded weights
  int epochsRun = 0;
  int16_t weights[EvalFeatureCount];
};

// Mean cross-entropy of sigmoid(scale * eval) against the targets.
double tuneLoss(const std::vector<TuneSample>& samples, const double weights[EvalFeatureCount], double scale);
// The K that gives the least loss with these weights.
double fitScale(const std::vector<TuneSample>& samples, const double weights[EvalFeatureCount]);
FitResult fitWeights(const std::vector<TuneSample>& samples, const int16_t start[EvalFeatureCount],
                     const FitSettings& settings);
