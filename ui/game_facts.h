// What the window's commands need to know of a game: who plays by hand, how long a hint
// may think, the game as a saved game, and the players a saved game names.
#pragma once
#include "pdn/pdn_game.h"
#include "game/settings.h"
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
// and White and Black naming the kinds of player; the tags WhiteType and BlackType name the
// kinds ("human", "computer"), and a computer's level and time go in WhiteLevel, WhiteTime,
// BlackLevel and BlackTime.
PdnGame gameAsPdn(const Game& game);
// The players dialog's choices for a saved game: the kinds its WhiteType and BlackType tags
// name (in older files its White and Black tags), else two people, and a computer's level and
// time where the file holds them.
NewGameChoices choicesFromPdn(const PdnGame& game);
