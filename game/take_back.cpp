#include "game/take_back.h"

namespace {

bool humanChooses(const Position& position, HumanSides humans) {
  return humans.plays(position.whiteToMove) && MoveList(position).size() > 1;
}

}  // namespace

int pliesToTakeBack(const GameRecord& record, HumanSides humans) {
  for (int kept = record.count() - 1; kept >= 0; --kept)
    if (humanChooses(record.positionBefore(kept), humans)) return record.count() - kept;
  return 0;
}

int pliesToReplay(const GameRecord& record, HumanSides humans) {
  const std::vector<Move>& moves = record.takenBack();
  for (int i = 0; i < (int)moves.size(); ++i)
    if (humanChooses(moves[i].after, humans)) return i + 1;
  return (int)moves.size();
}
