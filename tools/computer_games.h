// What the commands share: the computer's knowledge, found and prepared as the game
// prepares it, and a log that prints the lines the game's log would show.
#pragma once
#include "enddb/database.h"
#include "engine/board.h"
#include "files/file_locations.h"
#include "player/message_log.h"
#include "player/level.h"

class Game;
class SearchRunner;

// The game's files for this run: the working folder's, else the data folder's.
const GameFiles& gameFiles();
// Reads the opening book the game would read.
void loadOpeningBook();
// One line on standard error for each database file a load refused as damaged.
void reportRefusedFiles(const DatabaseLoad& load);
// Loads the end-game database as the game does (computing 3 pieces when they are not
// there) and reports the files it refused.
void prepareDatabase();
// Loads (or computes) the end-game database and reads the opening book, as the game
// does at start-up.
void prepareComputerKnowledge();

// A game of the computer against itself at `level`, thinking `seconds` a move (the level
// scales them) with `runner` and the opening book, from `start`.
Game* newComputerGame(double seconds, Level level, SearchRunner& runner, const Position& start = InitialPosition);

// Prints every message of kind 1 and above as one line on standard output, as the
// window's log holds it: the side's piece symbol, two spaces and the words.
class PrintLog : public MessageLog {
public:
  void write(const LogLine& line) override;
};
