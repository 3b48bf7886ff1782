#include "tools/match/match_summary.h"
#include <cmath>
#include <cstdio>
#include <limits>

void countGame(MatchTally& tally, GameResultForWhite result, bool firstIsWhite) {
  if (result == GameResultForWhite::Draw) ++tally.draws;
  else if ((result == GameResultForWhite::WhiteWins) == firstIsWhite) ++tally.wins;
  else ++tally.losses;
}

double eloOfScore(double score) {
  const double infinity = std::numeric_limits<double>::infinity();
  if (score <= 0) return -infinity;
  if (score >= 1) return infinity;
  return -400 * std::log10(1 / score - 1);
}

EloEstimate estimateElo(const MatchTally& tally) {
  EloEstimate estimate;
  const double n = tally.games();
  if (n <= 0) return estimate;
  const double s = (tally.wins + 0.5 * tally.draws) / n;
  // Each game scores 1, 1/2 or 0; the spread of those around the mean gives the error of the mean.
  const double variance =
      (tally.wins * (1 - s) * (1 - s) + tally.draws * (0.5 - s) * (0.5 - s) + tally.losses * s * s) / n;
  const double margin = 1.959964 * std::sqrt(variance / n);
  estimate.score = s;
  estimate.elo = eloOfScore(s);
  estimate.low = eloOfScore(s - margin);
  estimate.high = eloOfScore(s + margin);
  return estimate;
}

std::string eloText(double elo) {
  if (std::isinf(elo)) return elo > 0 ? "+inf" : "-inf";
  if (std::fabs(elo) < 0.05) elo = 0;  // no "-0.0"
  char text[32];
  std::snprintf(text, sizeof text, "%+.1f", elo);
  return text;
}
