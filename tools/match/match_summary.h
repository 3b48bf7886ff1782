// A match's result from the first engine's side: its wins, draws and losses, its score,
// and the Elo difference that score implies with a 95% interval.
#pragma once
#include <string>

struct MatchTally {
  int wins = 0;
  int draws = 0;
  int losses = 0;

  int games() const { return wins + draws + losses; }
};

// A game's result as White sees it.
enum class GameResultForWhite { WhiteWins, Draw, BlackWins };

// Counts one game for the first engine, which played White when `firstIsWhite`.
void countGame(MatchTally& tally, GameResultForWhite result, bool firstIsWhite);

struct EloEstimate {
  double score = 0.5;  // points per game, 0..1
  // The differences; +-infinity where the score (or a bound of its interval) is 0 or 1.
  double elo = 0;
  double low = 0;   // 95% interval, from the normal approximation on the per-game score
  double high = 0;
};

// Needs at least one game.
EloEstimate estimateElo(const MatchTally& tally);
// The Elo difference of a score 0..1: -inf at 0, +inf at 1.
double eloOfScore(double score);
// "+190.8", "-35.0", "+inf", "-inf".
std::string eloText(double elo);
