// Stand-ins for the window and the players, so that games run without a display.
#pragma once
#include <cstring>
#include <functional>
#include <string>
#include <vector>
#include "engine/fen.h"
#include "game/game.h"
#include "game/message_text.h"

struct FenSetup {
  Position position;  // with its side to move
};

inline FenSetup setupFromFen(const char* fen) {
  FenSetup setup;
  std::string error;
  if (!parseFen(fen, setup.position, error)) ADD_FAILURE() << fen << ": " << error;
  return setup;
}

// The move of the game's list written as `notation`, such as "C3xE5".
inline const Move* findNamedMove(const PlayerHost& game, const char* notation) {
  for (const Move& move : game.moves()) {
    char text[6] = {};
    move.writeNotation(text);
    if (std::strcmp(text, notation) == 0) return &move;
  }
  return nullptr;
}

// The move written as `notation` in `position`'s list; an empty move if there is none.
inline Move moveNamed(const Position& position, const char* notation) {
  for (const Move& move : MoveList(position)) {
    char text[6] = {};
    move.writeNotation(text);
    if (std::strcmp(text, notation) == 0) return move;
  }
  ADD_FAILURE() << "no move " << notation;
  return Move();
}

// A logged line in words, its side named by the window's piece symbol.
struct LoggedLine {
  int kind;
  std::string prefix, text;
  std::string joined() const { return prefix + text; }
};

class RecordingLog : public MessageLog {
public:
  std::vector<LoggedLine> lines;
  explicit RecordingLog(int level = 0) : MessageLog(level) {}
  void write(const LogLine& line) override {
    const SideNames symbols{"@wc", "@bc"};
    const std::string prefix = line.topic == LineTopic::Text ? "" : std::string(symbols.of(line.white)) + " ";
    lines.push_back({line.kind, prefix, lineWords(line, symbols)});
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> all;
    for (const LoggedLine& line : lines) all.push_back(line.joined());
    return all;
  }
};

// A player whose turn and draw answer the test decides; it notes its own deletion.
// As a person it leaves draw offers to a question the test answers through the game.
class ScriptedPlayer : public Player {
public:
  std::function<void(ScriptedPlayer&)> onTurn;  // none: wait for a move from outside
  std::function<void()> duringQuestion;           // what happens while it weighs a draw offer
  bool answer = false;
  bool person = false;
  int turns = 0, drawQuestions = 0;
  bool* deleted = nullptr;

  ~ScriptedPlayer() override {
    if (deleted) *deleted = true;
  }
  void takeTurn() override {
    ++turns;
    if (onTurn) onTurn(*this);
  }
  bool asksPerson() const override { return person; }
  bool acceptDraw() override {
    ++drawQuestions;
    if (duringQuestion) duringQuestion();
    return answer;
  }
  void play(const char* notation) {
    const Move* move = findNamedMove(*game, notation);
    ASSERT_NE(move, nullptr) << notation;
    game->playMove(*move);
  }
};

class RecordingView : public GameView {
public:
  std::vector<std::pair<Position, SquareSet>> shown;
  std::vector<std::pair<int, int>> marked;
  int detached = 0;
  void showPosition(const Position& position, SquareSet crossed) override {
    shown.push_back({position, crossed});
  }
  void markSquares(int from, int to) override { marked.push_back({from, to}); }
  void detachInput() override { ++detached; }
  std::vector<std::pair<LastMove, bool>> lastMoves;  // and whether it was just played
  int ended = 0;
  void showLastMove(const LastMove& last, bool played) override { lastMoves.push_back({last, played}); }
  void gameEnded() override { ++ended; }
};

class RecordingListener : public GameListener {
public:
  int changes = 0;
  void gameChanged(Game&) override { ++changes; }
};

// A game whose pauses run whatever the test wants to happen while a move is on display;
// the pause then ends at once, unless the test holds it to end it later.
class PausingGame : public Game {
public:
  std::function<void(PausingGame&)> duringPause;
  std::vector<double> pauses;
  bool holdPauses = false;
  int stoppedPauses = 0;
  using Game::Game;

protected:
  void pause(double seconds) override {
    pauses.push_back(seconds);
    if (duringPause) duringPause(*this);
    if (!holdPauses) Game::pause(seconds);
  }
  void stopPause() override { ++stoppedPauses; }
};
