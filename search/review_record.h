// A review kept in a saved game: each move's notes get its mark and evaluation, and a file
// that holds them opens reviewed.
#pragma once
#include "pdn/pdn_game.h"
#include "search/review.h"

// Writes the review into the game's move notes, replacing an earlier review's; the file's
// other notes stay.
void writeReview(PdnGame& game, const GameReview& review);
// The review the game's notes hold: marks, best moves and the values after each move; the
// loss of a move is read from the values before and after it. Complete only when every move
// holds one; empty positions when no move does.
GameReview readReview(const PdnGame& game);
