// What the play command's --pdn option needs: a played game as PDN data and an early
// check that the file can be written.
#pragma once
#include <string>
#include "game/game.h"
#include "pdn/pdn_game.h"

// Creates the file when missing; false with a one-line reason when it cannot be appended to.
bool checkAppendable(const std::string& path, std::string& error);
// A finished game of the computer against itself, numbered `round` in its series.
PdnGame pdnOfPlayedGame(const Game& game, long long round);
