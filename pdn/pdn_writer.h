// Writing saved games as PDN that other draughts programs read.
#pragma once
#include <ctime>
#include <string>
#include <vector>
#include "pdn/pdn_game.h"

// One game: the seven archival tags ("?" where not given; Result from the result), the game's
// GameType (else "26,W,8,8,A0,0"), SetUp and FEN for a set-up (its own FEN when it names the
// start), the other tags in their order, the moves with their numbers and each move's notes
// as written, in lines under 80 characters where the notes allow, the result, and an empty line.
std::string pdnText(const PdnGame& game);
std::string pdnDate(std::time_t when);            // "2026.12.08", local time
std::string pdnQuoted(const std::string& value);  // in quotes, \" and \\ escaped, line breaks as spaces

// Adds the game at the end of the file, which is created when missing.
bool appendPdnGame(const std::string& path, const PdnGame& game, std::string& error);
// Replaces the file with these games at once (a crash leaves the old file or the new).
bool savePdnGames(const std::string& path, const std::vector<PdnGame>& games, std::string& error);
