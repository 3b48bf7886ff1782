#include "tools/tune/tune_fit.h"
#include <cmath>

namespace {

constexpr double MinScale = 1e-6, MaxScale = 1.0;
constexpr int StallEpochs = 50;  // the fit ends when its least loss fell by less than StallGain over this many
constexpr double StallGain = 1e-7;

inline double sigmoid(double x) { return 1 / (1 + std::exp(-x)); }

double evalOf(const TuneSample& sample, const double weights[EvalFeatureCount]) {
  double eval = 0;
  for (int j = 0; j < EvalFeatureCount; ++j) eval += weights[j] * sample.features[j];
  return eval;
}

// Clamped so that a confident wrong guess costs much but not infinitely.
double crossEntropy(double p, double target) {
  p = std::fmin(std::fmax(p, 1e-12), 1 - 1e-12);
  return -(target * std::log(p) + (1 - target) * std::log(1 - p));
}

double penalty(const double weights[EvalFeatureCount], const FitSettings& settings) {
  double sum = 0;
  for (int j = 0; j < EvalFeatureCount; ++j)
    if (!(settings.anchored >> j & 1)) sum += (weights[j] / 100) * (weights[j] / 100);
  return settings.l2 * sum;
}

// Adam over the free weights, and over log K when some weight is anchored (without an
// anchor K and the weights would trade scale forever, so K stays). The step size shrinks to a
// tenth by the last epoch; log K moves a hundredth as far as a weight, being that much smaller.
// Adam's first steps may overshoot, so the weights and K with the least loss seen are the
// result, and the fit ends when that least loss fell by less than StallGain in StallEpochs.
int adamSteps(const std::vector<TuneSample>& samples, double weights[EvalFeatureCount], double& scale,
              const FitSettings& settings) {
  constexpr int K = EvalFeatureCount;  // the slot of log K after the weights
  const double beta1 = 0.9, beta2 = 0.999, epsilon = 1e-12;
  double m[K + 1] = {}, v[K + 1] = {};
  double current[K], bestWeights[K];
  for (int j = 0; j < K; ++j) current[j] = bestWeights[j] = weights[j];
  double bestScale = scale, bestLoss = HUGE_VAL;
  double bestLossBefore[StallEpochs];  // the least loss as it was at each of the last epochs
  const double n = (double)samples.size();
  const bool fitsScale = settings.anchored != 0;
  double logScale = std::log(scale);
  int t = 1;
  for (; t <= settings.epochs; ++t) {
    const double currentScale = std::exp(logScale);
    double gradient[K + 1] = {};
    double loss = 0;
    for (const TuneSample& s : samples) {
      const double eval = evalOf(s, current);
      const double p = sigmoid(currentScale * eval);
      loss += crossEntropy(p, s.target);
      const double error = p - s.target;
      for (int j = 0; j < K; ++j) gradient[j] += error * currentScale * s.features[j];
      gradient[K] += error * currentScale * eval;
    }
    loss = loss / n + penalty(current, settings);
    if (loss < bestLoss) {
      bestLoss = loss;
      bestScale = currentScale;
      for (int j = 0; j < K; ++j) bestWeights[j] = current[j];
    }
    if (t > StallEpochs && bestLossBefore[t % StallEpochs] - bestLoss < StallGain) break;
    bestLossBefore[t % StallEpochs] = bestLoss;
    const double rate = settings.rate * (1 - 0.9 * (t - 1) / settings.epochs);
    for (int j = 0; j <= K; ++j) {
      if (j < K ? settings.anchored >> j & 1 : !fitsScale) continue;
      const double g = gradient[j] / n + (j < K ? settings.l2 * 2 * current[j] / 10000 : 0);
      m[j] = beta1 * m[j] + (1 - beta1) * g;
      v[j] = beta2 * v[j] + (1 - beta2) * g * g;
      const double mHat = m[j] / (1 - std::pow(beta1, t)), vHat = v[j] / (1 - std::pow(beta2, t));
      const double step = rate * mHat / (std::sqrt(vHat) + epsilon);
      if (j < K)
        current[j] -= step;
      else
        logScale -= step / 100;
    }
  }
  for (int j = 0; j < K; ++j) weights[j] = bestWeights[j];
  scale = bestScale;
  return t - 1;
}

}  // namespace

double tuneLoss(const std::vector<TuneSample>& samples, const double weights[EvalFeatureCount], double scale) {
  if (samples.empty()) return 0;
  double loss = 0;
  for (const TuneSample& s : samples) loss += crossEntropy(sigmoid(scale * evalOf(s, weights)), s.target);
  return loss / (double)samples.size();
}

// The loss is convex in K; a golden-section search over log K finds its least.
double fitScale(const std::vector<TuneSample>& samples, const double weights[EvalFeatureCount]) {
  const double golden = (std::sqrt(5.0) - 1) / 2;
  double low = std::log(MinScale), high = std::log(MaxScale);
  double a = high - golden * (high - low), b = low + golden * (high - low);
  double lossA = tuneLoss(samples, weights, std::exp(a)), lossB = tuneLoss(samples, weights, std::exp(b));
  for (int i = 0; i < 80; ++i) {
    if (lossA <= lossB) {
      high = b, b = a, lossB = lossA;
      a = high - golden * (high - low);
      lossA = tuneLoss(samples, weights, std::exp(a));
    } else {
      low = a, a = b, lossA = lossB;
      b = low + golden * (high - low);
      lossB = tuneLoss(samples, weights, std::exp(b));
    }
  }
  return std::exp((low + high) / 2);
}

FitResult fitWeights(const std::vector<TuneSample>& samples, const int16_t start[EvalFeatureCount],
                     const FitSettings& settings) {
  FitResult result;
  double weights[EvalFeatureCount];
  for (int j = 0; j < EvalFeatureCount; ++j) weights[j] = start[j];
  result.scale = fitScale(samples, weights);
  result.lossBefore = tuneLoss(samples, weights, result.scale);
  result.epochsRun = adamSteps(samples, weights, result.scale, settings);
  for (int j = 0; j < EvalFeatureCount; ++j) {
    const double rounded = std::round(weights[j]);
    result.weights[j] = (int16_t)std::fmax(-32000, std::fmin(32000, rounded));
    weights[j] = result.weights[j];
  }
  result.scale = fitScale(samples, weights);
  result.lossAfter = tuneLoss(samples, weights, result.scale);
  if (result.lossAfter > result.lossBefore) {  // rounding lost what the fit found: keep the start
    for (int j = 0; j < EvalFeatureCount; ++j) result.weights[j] = start[j], weights[j] = start[j];
    result.scale = fitScale(samples, weights);
    result.lossAfter = result.lossBefore;
  }
  return result;
}
