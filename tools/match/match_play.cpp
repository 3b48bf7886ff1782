#include "tools/match/match_play.h"
#include "game/game.h"
#include "game/player_factory.h"
#include "search/search_runner.h"

namespace {

// Ends the game as a draw once it is `limit` plies long and the side to move still has a move.
class PlyLimit : public GameListener {
public:
  explicit PlyLimit(int limit) : limit(limit) {}
  bool reached = false;

  void gameChanged(Game& game) override {
    if (reached || game.result() != InPlay || game.record.count() < limit || game.moveCount() == 0) return;
    reached = true;
    game.cancelGame();
  }

private:
  int limit;
};

}  // namespace

MatchPairing pairingOf(long long index, int openings) {
  MatchPairing pairing;
  pairing.opening = openings > 0 ? (int)((index / 2) % openings) : 0;
  pairing.firstIsWhite = index % 2 == 0;
  return pairing;
}

MatchGameResult playMatchGame(const GameSetup& setup, const EndgameDatabase& database, int plyLimit,
                              const MatchRules& rules) {
  // Each side searches with its own table and stop flag, as two programs would; matches
  // play without the book.
  InlineRunner whiteRunner(database), blackRunner(database);
  PlayerServices whiteServices, blackServices;
  whiteServices.runner = &whiteRunner;
  blackServices.runner = &blackRunner;
  GameSetup played = setup;
  played.white.drawOffers = played.black.drawOffers = rules.drawOffers;
  Game game(played, makePlayer(played.white, whiteServices), makePlayer(played.black, blackServices));
  game.drawRules = rules.drawRules;
  PlyLimit limit(plyLimit);
  game.listeners.push_back(&limit);
  game.startGame();
  return matchResultOf(game, limit.reached);
}

MatchGameResult matchResultOf(const Game& game, bool plyLimitReached) {
  MatchGameResult played;
  played.plies = game.record.count();
  const GameClock& clock = game.clock();
  for (int i = 0; i < played.plies; ++i) {
    const Position before = game.record.positionBefore(i);
    if (MoveList(before).size() > 1) ++played.movesChosen[before.whiteToMove ? 0 : 1];
  }
  for (int side = 0; side < 2; ++side)
    if (clock.control[side].onClock())
      played.secondsUsed[side] = clock.control[side].gameSeconds +
                                 clock.control[side].increment * played.movesChosen[side] -
                                 timeLeft(clock, side == 0, game.clockTime());
  const GameResultForWhite sideToMoveLoses =
      game.whiteToMove() ? GameResultForWhite::BlackWins : GameResultForWhite::WhiteWins;
  if (plyLimitReached) {
    played.ending = GameEnding::PlyLimit;
    played.result = GameResultForWhite::Draw;
  } else if (game.result() == Drawn) {
    switch (game.drawRule()) {
      case DrawRule::Repetition: played.ending = GameEnding::Repetition; break;
      case DrawRule::KingsOnly: played.ending = GameEnding::KingsOnly; break;
      case DrawRule::ThreeAgainstKing: played.ending = GameEnding::ThreeAgainstKing; break;
      case DrawRule::TwoAgainstKing: played.ending = GameEnding::TwoAgainstKing; break;
      case DrawRule::NoRule: played.ending = GameEnding::DrawAgreed; break;
    }
    played.result = GameResultForWhite::Draw;
  } else if (game.result() == Won && game.lostOnTime()) {
    played.ending = GameEnding::OnTime;
    played.result = game.whiteWon() ? GameResultForWhite::WhiteWins : GameResultForWhite::BlackWins;
  } else if (game.result() == Won) {
    played.ending = GameEnding::NoMove;
    played.result = sideToMoveLoses;
  } else {  // still in play with every turn run: the player to move handed no move the game has
    played.ending = GameEnding::Stalled;
    played.result = sideToMoveLoses;
  }
  return played;
}

const char* resultText(GameResultForWhite result) {
  switch (result) {
    case GameResultForWhite::WhiteWins: return "1-0";
    case GameResultForWhite::BlackWins: return "0-1";
    case GameResultForWhite::Draw: break;
  }
  return "1/2-1/2";
}

const char* endingText(GameEnding ending) {
  switch (ending) {
    case GameEnding::NoMove: return "no-move";
    case GameEnding::DrawAgreed: return "draw-agreed";
    case GameEnding::Stalled: return "stalled";
    case GameEnding::Repetition: return "repetition";
    case GameEnding::KingsOnly: return "kings-only";
    case GameEnding::ThreeAgainstKing: return "three-against-king";
    case GameEnding::TwoAgainstKing: return "two-against-king";
    case GameEnding::OnTime: return "time";
    case GameEnding::PlyLimit: break;
  }
  return "ply-limit";
}
