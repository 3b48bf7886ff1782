// The two evaluations a search can run on, and how the search around each one plays.
// `AlphaBeta` takes one of these types as its parameter, so that the hot path makes no
// virtual calls; a plan names one with `Evaluation`.
#pragma once
#include "engine/board.h"
#include "search/positional_eval.h"
#include "search/score.h"

enum class Evaluation : uint8_t {
  Material,    // the material count: a man 1, a king 3, in whole men
  Positional,  // the positional evaluation, fitted to games
};

// A value as its evaluation counts: whole men for the material count, hundredths of a man
// for the positional evaluation. The log, the history and the tools show values so.
inline int countedValue(Score score, Evaluation evaluation) {
  return evaluation == Evaluation::Material ? score / ScoreMan : score;
}

// The material count, with the plain search it has always had: one thread, a table that
// marks the path for repetitions and whose bounds answer with the window's end, proven
// results without their distance, no move ordering beyond the table's move, and a full
// window until a move raises alpha.
struct MaterialCount {
  static constexpr bool TableMarksPath = true;
  static constexpr Evaluation kind = Evaluation::Material;
  static constexpr Score Step = ScoreMan;            // values move in whole men
  static constexpr Score Infinity = 124 * ScoreMan;  // the ends of the open window
  static constexpr bool RanksQuietMoves = false;     // killers, history and late-move reductions
  static constexpr bool FullWindowUntilRaised = true;
  static constexpr bool DatabaseDrawsEndTheSearch = false;  // else a drawn ending is searched on

  static Score evaluate(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove) {
    const int balance = popCount(white) - popCount(black) + 2 * (popCount(white & kings) - popCount(black & kings));
    return (whiteToMove ? balance : -balance) * ScoreMan;
  }
  // A side without a move has lost, and so has one the database declares lost: at any distance.
  static constexpr Score noMoveLoss(int) { return -120 * ScoreMan; }
  static constexpr Score databaseWin(int) { return 120 * ScoreMan; }
};

// The positional evaluation, with the search made for it: a table shared by two threads that
// answers only null windows, proven results a ply nearer per step, killers, history and
// late-move reductions for quiet moves, and null windows from the second move on.
struct PositionalEvaluation {
  static constexpr bool TableMarksPath = false;
  static constexpr Evaluation kind = Evaluation::Positional;
  static constexpr Score Step = 1;
  static constexpr Score Infinity = 32000;
  static constexpr bool RanksQuietMoves = true;
  static constexpr bool FullWindowUntilRaised = false;
  static constexpr bool DatabaseDrawsEndTheSearch = true;

  static Score evaluate(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove) {
    return evaluatePositional(white, black, kings, whiteToMove);
  }
  static constexpr Score noMoveLoss(int ply) { return -(NoMoveResult - ply); }
  static constexpr Score databaseWin(int ply) { return DatabaseResult - ply; }
  // The plies from the node to the proven result `value` counts.
  static constexpr int pliesToResult(Score value) {
    const Score reach = value < 0 ? -value : value;
    return reach > (NoMoveResult + DatabaseResult) / 2 ? NoMoveResult - reach : DatabaseResult - reach;
  }

private:
  static constexpr Score NoMoveResult = 30000, DatabaseResult = 29000;
};
