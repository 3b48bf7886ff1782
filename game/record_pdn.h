// A game record as a saved game and back.
#pragma once
#include <string>
#include "game/game_record.h"
#include "game/pdn_game.h"

// The record's start position and moves with the result and the players' names.
PdnGame recordToPdn(const GameRecord& record, PdnResult result, const std::string& white, const std::string& black);
// Appends the saved game's moves to a record that starts from the saved game's start.
void appendPdnMoves(GameRecord& record, const PdnGame& game);
