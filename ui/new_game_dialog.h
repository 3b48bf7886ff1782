// The modal dialogs that choose the players: "New game..." with the kind of player and its
// options for each side, remembered between runs, and the players for a game that starts
// from a given position (opened, pasted or set up): the players a file names, else two people.
#pragma once
#include "game/settings.h"

class GuiGame;
class Player;

// A new game for the chosen players, or none when the user cancels.
GuiGame* runNewGameDialog();
// True with both players made when the user accepts; `title` names the window.
bool runPlayersDialog(const char* title, const NewGameChoices& shown, Player*& white, Player*& black,
                      NewGameChoices* chosen = nullptr);
// Two people: what the players dialog shows for a pasted or set-up game.
NewGameChoices twoPeople();
