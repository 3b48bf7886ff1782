// What the window's commands need to know of a game, all read from how it was set up: who
// plays by hand, how long a hint may think, the game as a saved game.
#pragma once
#include "pdn/pdn_game.h"
#include "game/take_back.h"

class Game;

HumanSides humanSides(const Game& game);
// The computer's time in this game (the longer of two), 1 s between two people; at least 1 s.
double hintSeconds(const Game& game);
// A person plays Black against the computer: the board starts turned round for them.
bool startsFlipped(const Game& game);
// The game's result as a saved game writes it.
PdnResult pdnResultOf(const Game& game);
// Before the start: a game opened from a saved game that is over ends as it says.
void endAsSaved(Game& game, PdnResult result);
// The game as Save and Quit keep it. An opened game keeps its file's tags, else Event, Date,
// and White and Black naming the players (or their kinds); the setup's tags name the kinds,
// and a computer's level and time (see game/setup_tags.h).
PdnGame gameAsPdn(const Game& game);
