#include "search/draw_rule_line.h"
#include "enddb/database.h"
#include "engine/movegen.h"

namespace {

constexpr int LongestLine = 512;  // plies; a line longer than this is trusted as it stands

bool hasMove(const Position& p) {
  return p.whiteToMove ? countMoves<true>(p.white, p.black, p.kings) != 0
                       : countMoves<false>(p.white, p.black, p.kings) != 0;
}

}  // namespace

uint8_t statusWithinCounts(const EndgameDatabase& database, const Position& position, DrawState draws,
                           uint8_t status) {
  if (status != StatusWin && status != StatusLoss) return status;
  Position p = position;
  for (int ply = 0; ply < LongestLine; ++ply) {
    if (!hasMove(p)) return status;  // the line ended: the side to move has lost
    if (drawRuleReached(draws) != DrawRule::NoRule) return StatusDraw;
    SquareSet white = p.white, black = p.black, kings = p.kings, from = 0;
    const uint8_t step = p.whiteToMove ? database.probeWhiteToMove(white, black, kings, from)
                                       : database.probeBlackToMove(white, black, kings, from);
    if (step != StatusWin && step != StatusLoss) return status;  // no line to follow: keep the verdict
    const Position next(white, black, kings, !p.whiteToMove);
    draws = drawStateAfter(draws, p, next);
    p = next;
  }
  return status;
}
