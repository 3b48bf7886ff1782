// Which moves a take back removes and a replay plays again: a human side returns to the
// last position where it had a choice, so that a forced move is not played again at once.
#pragma once
#include "game/game_record.h"

struct HumanSides {
  bool white = true;
  bool black = true;
  bool plays(bool whiteToMove) const { return whiteToMove ? white : black; }
};

// How many of the record's last moves go back: those after the last position where a
// human was to move with more than one legal move. 0 when there is no such position.
int pliesToTakeBack(const GameRecord& record, HumanSides humans);
// How many of the taken-back moves come back: up to the next position where a human
// has a choice, or all of them.
int pliesToReplay(const GameRecord& record, HumanSides humans);
