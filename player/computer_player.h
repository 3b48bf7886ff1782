// The computer as a player: draw offers, the opening book, the end-game database,
// and otherwise an iterative-deepening search under a time limit per move, run by a
// SearchRunner so that the caller's thread does not wait for it.
#pragma once
#include <cstdint>
#include <memory>
#include <random>
#include "player/player.h"
#include "player/level.h"

class OpeningBook;
class SearchRunner;
struct DecisionProgress;

class ComputerPlayer : public Player {
public:
  int drawOfferDelay = 0;  // own turns to wait before offering a draw again
  double timeLimit;        // seconds per move, as chosen; the level may scale it
  Level level = DefaultLevel;
  bool drawOffers = true;  // false: never offers a draw nor accepts one

  // The runner and the book outlive the player.
  ComputerPlayer(double timeLimit, SearchRunner& runner, const OpeningBook& book);
  ~ComputerPlayer() override;  // a decision still running is dropped
  // Decides and hands one move to the game, unless a draw it offered was accepted; a search
  // hands its move when its result comes back.
  void takeTurn() override;
  // True in a database draw and in a repeated position.
  bool acceptDraw() override;
  void dropTurn() override;
  void moveNow() override;
  ThinkingState thinkingState() const override;
  // Makes the book's choice and the level's random depths and noise repeatable.
  void seedRandom(uint32_t seed);

private:
  SearchRunner& runner;
  const OpeningBook& book;
  int job = 0;  // the running decision, 0 when none
  bool offerAwaitsAnswer = false;  // this turn offered a draw that a person still has to answer
  std::shared_ptr<DecisionProgress> progress;
  double startedAt = 0;
  double plannedSeconds = 0;  // the running decision's time limit
  std::mt19937 random;  // draws the book move and the level's depths and noise seeds
};
