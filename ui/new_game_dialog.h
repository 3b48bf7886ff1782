// The modal dialogs that choose the players: "New game..." with the kind of player and its
// options for each side, remembered between runs, and the players for a game that starts
// from a given position (opened, pasted or set up): the players a file names, else two people.
#pragma once
#include <memory>
#include "game/settings.h"

class Fl_Window;

// The players last chosen, at the initial position; true with the chosen ones in `setup`,
// kept for the next time, when the user starts the game.
bool runNewGameDialog(GameSetup& setup);
// Shows `setup`'s players; true with the chosen ones in `setup` (its start stays) when the
// user accepts; `title` names the window.
bool runPlayersDialog(const char* title, GameSetup& setup);
// Two people: what the players dialog shows for a pasted or set-up game.
GameSetup twoPeople();
// The players dialog showing `setup`, built but neither shown nor run: its texts can be read.
std::unique_ptr<Fl_Window> makePlayersDialog(const char* title, const GameSetup& setup);
