// Saving and opening games as PDN files through the toolkit's file chooser. Faults show in
// a message box naming the line and the reason; nothing else changes.
#pragma once
#include <string>
#include "pdn/pdn_game.h"

// The choosers start in the folder of the last file opened or saved (kept in the settings),
// else the documents folder, else home.

// Asks for a file (offering the one last saved or opened in this run) and reads the game the
// user picks from it (a chooser when it holds several).
// False when the user cancels or the file cannot be read.
bool openSavedGame(PdnGame& game);
// Asks for a file name (offering the players and the date, "Ana-Bruno-2026-12-08.pdn"; ".pdn"
// added when it has no extension) and writes the game there.
bool saveGameAs(const PdnGame& game);

// The file's single game, or the one the user picks in a list; false on cancel or a fault,
// which is shown.
bool pickGameFromFile(const std::string& path, PdnGame& game);
// One line of the games list, counting whole moves: "3. Ann - Bob, 1-0, 24 moves", "1 move".
std::string gameListLine(int number, const PdnGame& game);
