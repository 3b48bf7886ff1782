// Draws by the rules: the counts that end a game as a draw, and a small value that follows
// them move by move. The game, the searches and the match tool all use these, so that the
// computer plays by the rules it is judged by. Repetition is kept apart: the game counts its
// positions, and each search checks its own path.
#pragma once
#include <cstdint>
#include "engine/board.h"

enum class DrawRule : uint8_t {
  NoRule,
  Repetition,         // the same position, with the same side to move, for the third time
  KingsOnly,          // moves of each side with kings only and no capture
  ThreeAgainstKing,   // three pieces, one a king at least, against a lone king
  TwoAgainstKing,     // two pieces or fewer, one a king at least, against a lone king
};

// The counts, in moves of each side. Sources: the Brazilian confederation's rules for the
// 64-square game (20 moves with kings only and no capture); the international rules, which
// the Brazilian game follows beyond that (16 moves for three pieces against a lone king, 5 for
// two or fewer, from the move that made that material).
struct DrawCount {
  DrawRule rule;
  int moves;
};
constexpr DrawCount DrawCounts[] = {
    {DrawRule::KingsOnly, 20},
    {DrawRule::ThreeAgainstKing, 16},
    {DrawRule::TwoAgainstKing, 5},
};
int drawCountMoves(DrawRule rule);

// Plies counted by each running count; NotCounting where a count does not run.
struct DrawState {
  static constexpr uint8_t NotCounting = 0xFF;
  uint8_t kingsOnly = 0;               // successive king moves without a capture
  uint8_t threeAgainstKing = NotCounting;
  uint8_t twoAgainstKing = NotCounting;
  bool off = false;  // the rules are not applied: no count ever runs out (for measuring them)

  bool operator==(const DrawState& other) const {
    return kingsOnly == other.kingsOnly && threeAgainstKing == other.threeAgainstKing &&
           twoAgainstKing == other.twoAgainstKing && off == other.off;
  }
};

// The end-game count the material of `position` calls for: ThreeAgainstKing, TwoAgainstKing or NoRule.
DrawRule endgameCountOf(const Position& position);
// The counts at the first position of a game, whatever came before it.
DrawState drawStateAt(const Position& start);
// A king moved and nothing was captured: the men of both sides stand where they stood.
bool kingMoveWithoutCapture(const Position& before, const Position& after);
// The counts after the move from `before` to `after`.
DrawState drawStateAfter(const DrawState& state, const Position& before, const Position& after);
// The count that has run out, if any (the game is drawn unless it was won by this move).
DrawRule drawRuleReached(const DrawState& state);
// Plies left until the first running count runs out (the kings-only count always runs).
int drawPliesLeft(const DrawState& state);
// The count the status line shows: the running one nearest its end; NoRule if only the
// kings-only count runs and it stands at zero.
DrawRule shownDrawCount(const DrawState& state);
// Whole moves of each side counted so far by `rule`'s count.
int drawCountedMoves(const DrawState& state, DrawRule rule);
