// A review kept in a saved game: each move's notes get its mark and evaluation, and a file
// that holds them opens reviewed.
#pragma once
#include "pdn/pdn_game.h"
#include "pdn/review_notes.h"
#include "search/review.h"

// The note of the move played from `before`, reviewed as `position` says.
ReviewNote reviewNoteOf(const ReviewedPosition& position, const Position& before);
// Writes the review into the game's move notes, replacing an earlier review's; the file's
// other notes stay.
void writeReview(PdnGame& game, const GameReview& review);
// The review the game's notes hold: marks, best moves and the values after each move; the
// loss of a move is read from the values before and after it. Complete only when every move
// holds one; empty positions when no move does.
GameReview readReview(const PdnGame& game);
// The same from a game's start, moves and each move's notes (notes[i] after moves[i]; it may be shorter).
GameReview readReview(const Position& start, const std::vector<Move>& moves, const std::vector<PdnNotes>& notes);
