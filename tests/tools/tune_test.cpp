#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include "enddb/database.h"
#include "engine/fen.h"
#include "search/eval_weights.h"
#include "tools/tune/tune_fit.h"
#include "tools/tune/tune_positions.h"
#include "tools/tune/tune_table.h"

namespace {

// Positions whose features are drawn at random and whose targets are the chances a known
// linear model gives: the fit should find that model again.
std::vector<TuneSample> modelSamples(const double truth[EvalFeatureCount], double scale, int count) {
  std::vector<TuneSample> samples;
  uint32_t state = 12345;
  auto draw = [&](int range) {
    state = state * 1664525u + 1013904223u;
    return (int)((state >> 8) % (2 * range + 1)) - range;
  };
  for (int i = 0; i < count; ++i) {
    TuneSample s;
    double eval = 0;
    for (int j = 0; j < EvalFeatureCount; ++j) {
      s.features[j] = (int16_t)draw(j == FeatureMen ? 3 : 4);
      eval += truth[j] * s.features[j];
    }
    s.target = (float)(1 / (1 + std::exp(-scale * eval)));
    samples.push_back(s);
  }
  return samples;
}

const EndgameDatabase& threePieceDatabase() {
  static EndgameDatabase database;
  static bool built = database.build(3);
  EXPECT_TRUE(built);
  return database;
}

Position fromFen(const std::string& fen) {
  Position position;
  std::string error;
  EXPECT_TRUE(parseFen(fen, position, error)) << fen << ": " << error;
  return position;
}

}  // namespace

TEST(TuneFit, RecoversTheWeightsOfAKnownLinearModel) {
  const struct {
    const char* name;
    double truth[EvalFeatureCount];
    double scale;
    uint32_t anchored;
  } cases[] = {
      {"men anchored", {100, 250, 5, 30, 10, 4, 20, 6, -8, -25, 60, 3, -50, -5, 2}, 0.01, 1u << FeatureMen},
      {"material anchored, steeper", {100, 300, -4, 15, 0, 12, 8, 0, -20, -40, 90, 6, -30, -10, 1}, 0.02,
       1u << FeatureMen | 1u << FeatureKings},
  };
  for (const auto& c : cases) {
    const std::vector<TuneSample> samples = modelSamples(c.truth, c.scale, 4000);
    int16_t start[EvalFeatureCount] = {};
    start[FeatureMen] = (int16_t)c.truth[FeatureMen];
    start[FeatureKings] = (int16_t)c.truth[FeatureKings];
    FitSettings settings;
    settings.anchored = c.anchored;
    settings.epochs = 3000;
    const FitResult fit = fitWeights(samples, start, settings);
    EXPECT_NEAR(fit.scale, c.scale, c.scale * 0.03) << c.name;
    EXPECT_LT(fit.lossAfter, fit.lossBefore) << c.name;
    for (int j = 0; j < EvalFeatureCount; ++j)
      EXPECT_NEAR(fit.weights[j], c.truth[j], 2.0) << c.name << ": " << featureKey(j);
  }
}

TEST(TuneFit, AnchoredWeightsStayAndThePenaltyPullsTheOthersTowardZero) {
  const double truth[EvalFeatureCount] = {100, 250, 5, 30, 10, 4, 20, 6, -8, -25, 60, 3, -50, -5, 2};
  const std::vector<TuneSample> samples = modelSamples(truth, 0.01, 2000);
  int16_t start[EvalFeatureCount] = {100, 123};
  FitSettings free, penalised;
  free.anchored = penalised.anchored = 1u << FeatureMen | 1u << FeatureKings;
  penalised.l2 = 0.05;
  const FitResult loose = fitWeights(samples, start, free), tight = fitWeights(samples, start, penalised);
  EXPECT_EQ(loose.weights[FeatureKings], 123);
  EXPECT_EQ(tight.weights[FeatureMen], 100);
  EXPECT_LT(std::abs(tight.weights[FeatureRunaways]), std::abs(loose.weights[FeatureRunaways]));
}

TEST(TuneFit, AFitThatStartsAtTheBestWeightsEndsNoWorse) {
  const double truth[EvalFeatureCount] = {100, 250, 5, 30, 10, 4, 20, 6, -8, -25, 60, 3, -50, -5, 2};
  for (double scale : {0.005, 0.02}) {
    const std::vector<TuneSample> samples = modelSamples(truth, scale, 2000);
    int16_t start[EvalFeatureCount];
    for (int j = 0; j < EvalFeatureCount; ++j) start[j] = (int16_t)truth[j];
    for (double rate : {2.0, 20.0}) {  // steps far larger than the distance to the best
      FitSettings settings;
      settings.rate = rate;
      const FitResult fit = fitWeights(samples, start, settings);
      EXPECT_LE(fit.lossAfter, fit.lossBefore) << scale << " " << rate;
      for (int j = 0; j < EvalFeatureCount; ++j)
        EXPECT_NEAR(fit.weights[j], truth[j], 1.0) << scale << " " << rate << ": " << featureKey(j);
    }
  }
}

TEST(TuneFit, TheScaleThatFitsBestIsTheModelsOwn) {
  const double truth[EvalFeatureCount] = {100, 300, 0, 20, 0, 0, 10, 0, 0, -30, 50, 0, -40, 0, 0};
  for (double scale : {0.002, 0.01, 0.05}) {
    const std::vector<TuneSample> samples = modelSamples(truth, scale, 2000);
    EXPECT_NEAR(fitScale(samples, truth), scale, scale * 0.01) << scale;
  }
}

TEST(TuneLabels, TheDatabaseVerdictIsGivenFromWhitesSide) {
  const EndgameDatabase& database = threePieceDatabase();
  const struct {
    const char* fen;
    bool covered;
    float target;
  } cases[] = {
      {"W:WK29:B25", true, 1.0f},        // White's king on A1 takes the last man
      {"B:WK29:B25", true, 0.5f},        // the man crowns on C1: king against king
      {"B:W8:BK4", true, 0.0f},          // Black's king on H8 takes the last man
      {"W:W8:BK4", true, 0.5f},          // the man crowns on F8
      {"W:WK29,32:B25", true, 1.0f},     // three pieces are still covered
      {"B:WK29,32:B25", true, 0.5f},     // two kings cannot catch one
      {"W:WK29,32:B25,1", false, 0.0f},  // four are not
  };
  for (const auto& c : cases) {
    float target = -1;
    const bool covered = databaseTarget(database, fromFen(c.fen), target);
    EXPECT_EQ(covered, c.covered) << c.fen;
    if (c.covered) {
      EXPECT_EQ(target, c.target) << c.fen;
    }
  }
}

TEST(TuneLabels, DatabaseSamplesAreVerdictsAndRepeatForASeed) {
  const EndgameDatabase& database = threePieceDatabase();
  const std::vector<TuneSample> first = databaseSamples(database, 300, 7), again = databaseSamples(database, 300, 7),
                                other = databaseSamples(database, 300, 8);
  ASSERT_EQ(first.size(), 300u);
  ASSERT_EQ(again.size(), 300u);
  EXPECT_EQ(std::memcmp(first.data(), again.data(), first.size() * sizeof(TuneSample)), 0);
  EXPECT_NE(std::memcmp(first.data(), other.data(), first.size() * sizeof(TuneSample)), 0);
  int verdicts[3] = {};
  for (const TuneSample& s : first) {
    ASSERT_TRUE(s.target == 0 || s.target == 0.5f || s.target == 1) << s.target;
    ++verdicts[(int)(s.target * 2)];
    EXPECT_LE(std::abs(s.features[FeatureMen]) + std::abs(s.features[FeatureKings]), 3);
  }
  EXPECT_GT(verdicts[0], 0);
  EXPECT_GT(verdicts[1], 0);
  EXPECT_GT(verdicts[2], 0);
  EXPECT_TRUE(databaseSamples(EndgameDatabase(), 10, 7).empty());
}

TEST(TuneSelfPlay, TheSameSeedGivesTheSamePositionsOnAnyNumberOfThreads) {
  const EndgameDatabase& database = threePieceDatabase();
  SelfPlaySettings settings;
  settings.games = 6;
  settings.depth = 2;
  SelfPlayTally oneTally, threeTally, otherTally;
  const std::vector<TuneSample> one = selfPlaySamples(settings, database, oneTally);
  settings.threads = 3;
  const std::vector<TuneSample> three = selfPlaySamples(settings, database, threeTally);
  settings.seed = 2;
  const std::vector<TuneSample> other = selfPlaySamples(settings, database, otherTally);
  ASSERT_FALSE(one.empty());
  ASSERT_EQ(one.size(), three.size());
  EXPECT_EQ(std::memcmp(one.data(), three.data(), one.size() * sizeof(TuneSample)), 0);
  EXPECT_TRUE(other.size() != one.size() ||
              std::memcmp(one.data(), other.data(), one.size() * sizeof(TuneSample)) != 0);
  EXPECT_EQ(oneTally.whiteWins + oneTally.draws + oneTally.blackWins, 6);
  EXPECT_EQ(oneTally.whiteWins, threeTally.whiteWins);
  EXPECT_EQ(oneTally.blackWins, threeTally.blackWins);
  for (const TuneSample& s : one) ASSERT_TRUE(s.target == 0 || s.target == 0.5f || s.target == 1);
}

TEST(TuneSelfPlay, QuietMeansTheSideToMoveCannotCapture) {
  EXPECT_TRUE(isQuiet(InitialPosition));
  EXPECT_FALSE(isQuiet(fromFen("W:WK29:B25")));
  EXPECT_TRUE(isQuiet(fromFen("B:WK29:B25")));  // White could take, but Black is to move
}

TEST(TuneTable, WrittenTablesReadBackAndDamagedOnesAreRefused) {
  const int16_t weights[EvalFeatureCount] = {100, 280, -3, 12, 32767, -32768, 0, 4, -6, -25, 60, 2, -60, -4, 2};
  const std::string text = weightsHeader(weights, "Fitted by: tarvenn-engine tune --games 3\nloss 0.5 before");
  EXPECT_NE(text.find("\n// Fitted by: tarvenn-engine tune --games 3\n// loss 0.5 before\n"), std::string::npos);
  int16_t read[EvalFeatureCount];
  std::string error;
  ASSERT_TRUE(readWeightsHeader(text, read, error)) << error;
  EXPECT_EQ(std::memcmp(read, weights, sizeof weights), 0);

  const std::string head = "constexpr int16_t EvalWeights[EvalFeatureCount] = {";
  const std::string fifteen = "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15";
  const struct {
    std::string text;
    bool good;
    std::string reason;
  } cases[] = {
      {head + fifteen + "};", true, ""},
      {head + fifteen + ",\n};", true, ""},
      {head + "1, // 99, 98\n 2, /* 3, */" + fifteen.substr(6) + "};", true, ""},
      {"", false, "no EvalWeights table"},
      {head + fifteen, false, "does not end"},
      {head + "1, 2, 3};", false, "3 weights where 15"},
      {head + fifteen + ", 16};", false, "more than 15"},
      {head + "x" + fifteen + "};", false, "'x1'"},
      {head + "1.5, " + fifteen.substr(3) + "};", false, "'1.5'"},
      {head + "40000, " + fifteen.substr(3) + "};", false, "'40000'"},
      {head + "1, , 3};", false, "an empty weight"},
  };
  for (const auto& c : cases) {
    error.clear();
    EXPECT_EQ(readWeightsHeader(c.text, read, error), c.good) << c.text;
    if (!c.good) {
      EXPECT_NE(error.find(c.reason), std::string::npos) << c.text << ": " << error;
    }
  }
}

TEST(TuneTable, TheBuildsTableReadsAsTheWeightsItWasBuiltWith) {
  std::ifstream in(std::string(SOURCE_DIR) + "/search/eval_weights.h");
  std::stringstream text;
  text << in.rdbuf();
  int16_t read[EvalFeatureCount];
  std::string error;
  ASSERT_TRUE(readWeightsHeader(text.str(), read, error)) << error;
  EXPECT_EQ(std::memcmp(read, EvalWeights, sizeof read), 0);
  for (int j = 0; j < EvalFeatureCount; ++j) EXPECT_EQ(featureOfKey(featureKey(j)), j);
  EXPECT_EQ(featureOfKey("queens"), -1);
}
