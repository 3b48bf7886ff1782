#include "game/last_move.h"
#include <vector>
#include "engine/movelist.h"
#include "game/game_record.h"
#include "pdn/capture_route.h"

SquareSet LastMove::squares() const {
  SquareSet set = 0;
  for (int i = 0; i < length; ++i) set |= (SquareSet)1 << route[i];
  return set;
}

LastMove lastMoveOf(const Position& before, const Move& move) {
  LastMove last;
  if (!move.from || !move.to) return last;
  const int from = squareIndex(move.from), to = squareIndex(move.to);
  last.captured = move.captured;
  last.before = before;
  std::vector<int> route;
  if (move.captured) route = captureRoute(before, move.captured, {from, to});
  if (route.size() < 2 || route.size() > (size_t)LastMove::MaxRoute) route = {from, to};
  for (int square : route) last.route[last.length++] = square;
  return last;
}

LastMove lastMoveOf(const GameRecord& record) {
  const HistoryEntry* last = record.last();
  if (!last) return {};
  return lastMoveOf(record.positionBefore(record.count() - 1), last->move);
}
