#include "engine/draw_rules.h"

namespace {

uint8_t pliesOf(const DrawState& state, DrawRule rule) {
  switch (rule) {
    case DrawRule::KingsOnly: return state.kingsOnly;
    case DrawRule::ThreeAgainstKing: return state.threeAgainstKing;
    case DrawRule::TwoAgainstKing: return state.twoAgainstKing;
    default: return DrawState::NotCounting;
  }
}

// One ply more; a count stops short of NotCounting in a game played on past it.
uint8_t advanced(uint8_t plies) {
  return plies >= DrawState::NotCounting - 1 ? plies : (uint8_t)(plies + 1);
}

}  // namespace

bool kingMoveWithoutCapture(const Position& before, const Position& after) {
  return popCount(before.white | before.black) == popCount(after.white | after.black) &&
         (before.white & ~before.kings) == (after.white & ~after.kings) &&
         (before.black & ~before.kings) == (after.black & ~after.kings);
}

int drawCountMoves(DrawRule rule) {
  for (const DrawCount& count : DrawCounts)
    if (count.rule == rule) return count.moves;
  return 0;
}

DrawRule endgameCountOf(const Position& p) {
  const int whites = popCount(p.white), blacks = popCount(p.black);
  const bool loneWhiteKing = whites == 1 && (p.white & p.kings);
  const bool loneBlackKing = blacks == 1 && (p.black & p.kings);
  // The stronger side's pieces, when the other has a lone king and it has a king itself.
  int stronger = 0;
  if (loneBlackKing && (p.white & p.kings)) stronger = whites;
  if (loneWhiteKing && (p.black & p.kings) && blacks > stronger) stronger = blacks;
  if (stronger == 0 || stronger > 3) return DrawRule::NoRule;
  return stronger == 3 ? DrawRule::ThreeAgainstKing : DrawRule::TwoAgainstKing;
}

DrawState drawStateAt(const Position& start) {
  DrawState state;
  const DrawRule endgame = endgameCountOf(start);
  if (endgame == DrawRule::ThreeAgainstKing) state.threeAgainstKing = 0;
  if (endgame == DrawRule::TwoAgainstKing) state.twoAgainstKing = 0;
  return state;
}

DrawState drawStateAfter(const DrawState& state, const Position& before, const Position& after) {
  DrawState next;
  next.off = state.off;
  next.kingsOnly = kingMoveWithoutCapture(before, after) ? advanced(state.kingsOnly) : 0;
  // An end-game count runs from the move that made its material; the 16-move count goes on
  // after a capture leaves two pieces against the king, and the shorter count starts beside it.
  switch (endgameCountOf(after)) {
    case DrawRule::ThreeAgainstKing:
      next.threeAgainstKing = state.threeAgainstKing == DrawState::NotCounting ? 0 : advanced(state.threeAgainstKing);
      break;
    case DrawRule::TwoAgainstKing:
      next.threeAgainstKing = advanced(state.threeAgainstKing);
      next.twoAgainstKing = state.twoAgainstKing == DrawState::NotCounting ? 0 : advanced(state.twoAgainstKing);
      break;
    default:
      break;  // the material no longer calls for a count
  }
  return next;
}

DrawRule drawRuleReached(const DrawState& state) {
  if (state.off) return DrawRule::NoRule;
  for (const DrawCount& count : DrawCounts) {
    const uint8_t plies = pliesOf(state, count.rule);
    if (plies != DrawState::NotCounting && plies >= 2 * count.moves) return count.rule;
  }
  return DrawRule::NoRule;
}

int drawPliesLeft(const DrawState& state) {
  int left = 2 * DrawCounts[0].moves;
  for (const DrawCount& count : DrawCounts) {
    const uint8_t plies = pliesOf(state, count.rule);
    if (plies != DrawState::NotCounting && 2 * count.moves - plies < left) left = 2 * count.moves - plies;
  }
  return left < 0 ? 0 : left;
}

DrawRule shownDrawCount(const DrawState& state) {
  DrawRule shown = DrawRule::NoRule;
  int left = 1 << 30;
  for (const DrawCount& count : DrawCounts) {
    const uint8_t plies = pliesOf(state, count.rule);
    if (plies == DrawState::NotCounting || (count.rule == DrawRule::KingsOnly && plies == 0)) continue;
    if (2 * count.moves - plies < left) {
      left = 2 * count.moves - plies;
      shown = count.rule;
    }
  }
  return shown;
}

int drawCountedMoves(const DrawState& state, DrawRule rule) {
  const uint8_t plies = pliesOf(state, rule);
  return plies == DrawState::NotCounting ? 0 : plies / 2;
}
