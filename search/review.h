// The review of a game: every position searched for a while, and each move marked by what
// it lost against the best move at the same depth.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>
#include "engine/movelist.h"
#include "search/multi_line.h"

class SearchEngine;

enum class MoveMark : uint8_t { None, Inaccuracy, Mistake, Blunder };
constexpr int MoveMarkCount = 4;

// What a move must lose, in hundredths of a man, for each mark.
constexpr int InaccuracyLoss = 30;
constexpr int MistakeLoss = 70;
constexpr int BlunderLoss = 150;
// Exact wins and losses count as this many hundredths when losses are measured.
constexpr int ReviewValueCap = 1000;

// What is known for certain of a value: only a proven result or a database draw is.
enum class Outcome : uint8_t { Unknown, Win, Draw, Loss };

// The mark of a move that loses `loss` hundredths, the best move's outcome and the played
// one's, for the side that moved. The best move itself and a forced move are never marked;
// a won result thrown away, or a drawn one turned into a loss, is always a blunder.
MoveMark classifyMove(int loss, Outcome best, Outcome played, bool forced, bool playedIsBest);

// The values a review compares: exact results capped at ReviewValueCap.
int reviewValue(int value);

struct ReviewedPosition {
  int value = 0;         // hundredths of a man for the side to move (the best line)
  int exactMoves = 0;    // as AnalysisLine: >0 win in N, <0 loss in N, 0 not exact
  int depth = 0;
  bool hasBest = false;  // false: the game ended here (no move), or the search was not run
  Move best;             // the best move found
  // The move played from here, when there is one:
  int playedValue = 0;   // the played move's value at the same depth, for the side that played it
  int playedExact = 0;
  int loss = 0;          // hundredths of a man, 0 and up
  MoveMark mark = MoveMark::None;
};

struct SideSummary {
  int marks[MoveMarkCount] = {0, 0, 0, 0};  // by MoveMark
  int moves = 0;
  int totalLoss = 0;  // hundredths of a man
  double averageLoss() const { return moves ? totalLoss / 100.0 / moves : 0; }  // in men
};

struct GameReview {
  std::vector<ReviewedPosition> positions;  // [i] before moves[i]; the last one after the last move
  SideSummary white, black;
  bool complete = false;  // every position searched; false after a stop
};

struct ReviewRequest {
  Position start;
  std::vector<Move> moves;  // each legal after the ones before it
  AnalysisLimit limit;      // for each position
};

// Called after each position: `done` of `total` searched.
using ReviewProgress = std::function<void(int done, int total)>;

// Searches every position; a stop asked of the engine ends it early, complete false.
GameReview reviewGame(SearchEngine& engine, const ReviewRequest& request, const ReviewProgress& progress = {});
// Each side's counts of marks and losses, from the positions' marks and losses; the first
// position's side to move is White when `whiteStarts`.
void summarizeReview(GameReview& review, bool whiteStarts);
// "?!", "?", "??" or "".
const char* markText(MoveMark mark);
// The NAG of a mark: 6, 2, 4, or 0 for none.
int markNag(MoveMark mark);
// The mark of a NAG: none for any but 6, 2 and 4.
MoveMark markOfNag(int nag);
