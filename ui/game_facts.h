// What the window's commands need to know of a game: who plays by hand, how long a hint
// may think, the game as a saved game, and the players a saved game names.
#pragma once
#include "game/pdn_game.h"
#include "game/settings.h"
#include "game/take_back.h"

class Game;

HumanSides humanSides(const Game& game);
// The computer's time in this game (the longer of two), 1 s between two people; at least 1 s.
double hintSeconds(const Game& game);
// A person plays Black against the computer: the board starts turned round for them.
bool startsFlipped(const Game& game);
// The game's result as a saved game writes it: the side to move has lost a won game.
PdnResult pdnResultOf(const Game& game);
// The game with the program's tags: Event, Date, White and Black name the kinds of player.
PdnGame gameAsPdn(const Game& game);
// The game in play as Quit keeps it: a saved game whose computers also name their level
// and time, in the tags WhiteLevel, WhiteTime, BlackLevel and BlackTime.
PdnGame gameInPlayAsPdn(const Game& game);
// The players dialog's choices for a saved game: kinds its White and Black tags name,
// else two people, and a computer's level and time where the game in play kept them.
NewGameChoices choicesFromPdn(const PdnGame& game);
