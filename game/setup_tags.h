// A game's setup in a saved game's tags and back. The tags WhiteType and BlackType name the
// kinds ("human", "computer"); a computer's level and time go in WhiteLevel, WhiteTime,
// BlackLevel and BlackTime. A game on a clock has a TimeControl tag ("300+3"); with time
// odds each side has its own, WhiteTimeControl and BlackTimeControl ("-" for no clock). Games kept before the Type tags existed name the kinds in White
// and Black.
#pragma once
#include "game/game_setup.h"
#include "pdn/pdn_game.h"

// The saved game's start and players: the kinds its Type tags name (else its White and Black
// tags), else people; a computer's level and time where the file holds them; missing or
// damaged values give the defaults. A White or Black tag that names no kind is the side's name.
GameSetup setupFromPdn(const PdnGame& game);
// Writes the Type tags, and a computer's Level and Time tags; a person's are removed.
// Writes the time control tags too (writeTimeControlTags).
void writeSetupTags(const GameSetup& setup, PdnGame& game);
// The TimeControl tag, or each side's own; none for a game without clocks.
void writeTimeControlTags(const GameSetup& setup, PdnGame& game);
// What a saved game's White or Black tag says where the file gives no name: the name, else the kind.
std::string sideTitle(const SideSetup& side);
