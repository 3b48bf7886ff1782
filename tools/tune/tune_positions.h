// The positions the weights are fitted to: quiet positions from self-play games of the
// strong search at a small fixed depth, labelled by the game's result, and positions the
// end-game database decides, labelled by its verdict. Both repeat exactly for a seed.
#pragma once
#include <cstdint>
#include <vector>
#include "engine/board.h"
#include "tools/tune/tune_fit.h"

class EndgameDatabase;

struct SelfPlaySettings {
  int games = 4000;
  uint64_t seed = 1;
  int depth = 6;          // plies searched for every move
  int noise = 10;         // largest random change of a root score, in evaluation units
  int randomPlies = 4;    // the first plies are random moves, so that the games differ
  int skipPlies = 10;     // positions before this ply are not kept
  int plyLimit = 250;     // a game still going is a draw
  int reversibleLimit = 40;  // as many king moves in a row without a capture draw the game
  int threads = 1;
};

struct SelfPlayTally {
  long long whiteWins = 0, draws = 0, blackWins = 0;
  long long databaseEndings = 0;  // games the database decided on reaching its piece count
};

// The side to move has no capture. The opponent may have one: the evaluation meets such
// positions at the search's horizon, and the hanging-pieces term learns only from them.
bool isQuiet(const Position& position);
// The database's verdict for White (1, 0.5, 0) in `target`; false when it does not cover the position.
bool databaseTarget(const EndgameDatabase& database, const Position& position, float& target);
TuneSample sampleOf(const Position& position, float target);

// Plays the games (on `threads` threads, each game from its own seed) and returns their kept
// positions in game order. A game ends when the side to move has no move, on the database's
// verdict, or as a draw by the limits.
std::vector<TuneSample> selfPlaySamples(const SelfPlaySettings& settings, const EndgameDatabase& database,
                                        SelfPlayTally& tally);
// `count` quiet positions of 2 up to the database's piece count, drawn at random from `seed`,
// labelled by the database.
std::vector<TuneSample> databaseSamples(const EndgameDatabase& database, int count, uint64_t seed);
