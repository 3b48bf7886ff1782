// The games of a match: which opening and colours each one takes, and one game played
// to its end between two engines that each search with their own state.
#pragma once
#include <string>
#include "engine/board.h"
#include "game/game_setup.h"
#include "tools/match/match_summary.h"

class EndgameDatabase;
class Game;

// An engine of a match: a computer side with its level and time per move as chosen.
using MatchEngine = SideSetup;

// Game `index` (from 0) of a match over `openings` openings: each opening twice, the first
// engine White in the first game of the pair and Black in the second; past the last
// opening the order starts again.
struct MatchPairing {
  int opening = 0;  // from 0
  bool firstIsWhite = true;
};
MatchPairing pairingOf(long long index, int openings);

// A safety net only: the draw rules end endless games well before it.
constexpr int MatchPlyLimit = 300;

// What the games of a match allow.
struct MatchRules {
  bool drawOffers = true;  // false: engines neither offer nor accept draws
  bool drawRules = true;   // false: no draw rule ends a game (to measure what they change)
};

// Stalled: the player to move handed a move the game does not have, and the game stopped;
// that side loses, and the match reports it as a fault. The last four are the draw rules.
enum class GameEnding {
  NoMove,
  DrawAgreed,
  PlyLimit,
  Stalled,
  Repetition,
  KingsOnly,
  ThreeAgainstKing,
  TwoAgainstKing,
  OnTime,  // the loser's clock ran out
};
constexpr int GameEndingCount = 9;

struct MatchGameResult {
  GameResultForWhite result = GameResultForWhite::Draw;
  GameEnding ending = GameEnding::PlyLimit;
  int plies = 0;  // played from the opening's position
  // Of sides on a clock, White's and Black's: the seconds their clocks ran, over the moves
  // they chose (forced moves take no time).
  double secondsUsed[2] = {0, 0};
  int movesChosen[2] = {0, 0};
};

// Plays the setup's computers from its start without the opening book until the game ends
// or `plyLimit` plies were played, a draw then.
MatchGameResult playMatchGame(const GameSetup& setup, const EndgameDatabase& database, int plyLimit = MatchPlyLimit,
                              const MatchRules& rules = {});

// How a game that stopped ended: as the game ended it, at the ply limit, or stalled.
MatchGameResult matchResultOf(const Game& game, bool plyLimitReached);

// "1-0", "0-1", "1/2-1/2".
const char* resultText(GameResultForWhite result);
// "no-move", "draw-agreed", "ply-limit", "stalled", "repetition", "kings-only",
// "three-against-king", "two-against-king", "time".
const char* endingText(GameEnding ending);
