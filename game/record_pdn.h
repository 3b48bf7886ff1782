// A game record as a saved game and back.
#pragma once
#include <string>
#include "game/game_record.h"
#include "pdn/pdn_game.h"

// The record's start position, moves and their notes (with the clock left after each move
// where the game had one), the tags it keeps from its file, and the result; White and Black named `white` and `black` where the record keeps no name.
PdnGame recordToPdn(const GameRecord& record, PdnResult result, const std::string& white, const std::string& black);
// Appends the saved game's moves with their notes and clocks to a record that starts from the saved
// game's start, which keeps the saved game's tags and opening notes from then on.
void appendPdnMoves(GameRecord& record, const PdnGame& game);
