// The main board as the game sees it: it passes what the game shows to the board widget,
// slides a move just played when animation is on, and plays the move's sound.
#pragma once
#include "game/interfaces.h"

class BoardView;
class BoardSounds;

class BoardFeedback : public GameView {
public:
  BoardFeedback(BoardView& board, BoardSounds& sounds) : board(board), sounds(sounds) {}

  bool animation = true;

  void showPosition(const Position& position, SquareSet crossed) override;
  void markSquares(int from, int to) override;
  void detachInput() override;
  void showLastMove(const LastMove& last, bool played) override;
  void gameEnded() override;
  // For a clock running low.
  void playLowClock();

private:
  BoardView& board;
  BoardSounds& sounds;
};
