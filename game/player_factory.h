// Players built from a game's setup: a person at the seat, or the computer at its level and
// time, searching with the runner and reading the book.
#pragma once
#include "game/game_setup.h"
#include "player/player.h"

class OpeningBook;
class PersonSeat;
class SearchRunner;

// What the players of a game use; each outlives the players made with it.
struct PlayerServices {
  SearchRunner* runner = nullptr;     // the computer's searches; none: no computer can play
  const OpeningBook* book = nullptr;  // none: the computer plays without a book
  PersonSeat* seat = nullptr;         // where a person plays; none: a person never moves
};

// A new player for one side, owned by the caller (the game); none for a computer without a runner.
Player* makePlayer(const SideSetup& side, const PlayerServices& services);
