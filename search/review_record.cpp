#include "search/review_record.h"
#include <algorithm>
#include "pdn/pdn_notation.h"
#include "pdn/review_notes.h"
#include "search/score.h"

namespace {

// A proven value for a result in `moves` moves (> 0: a win for the side it is counted for).
int provenValue(int moves) { return moves > 0 ? ScoreProven + 1000 - moves : -(ScoreProven + 1000 + moves); }

}  // namespace

ReviewNote reviewNoteOf(const ReviewedPosition& p, const Position& before) {
  ReviewNote note;
  note.nag = markNag(p.mark);
  // The value after the move is the played move's, seen by the side that played it.
  const bool white = before.whiteToMove;
  note.value = white ? p.playedValue : -p.playedValue;
  note.exactMoves = white ? p.playedExact : -p.playedExact;
  if (isProvenScore(note.value) && note.exactMoves == 0) note.value = note.value > 0 ? 9999 : -9999;
  note.best = moveText(before, p.best);
  return note;
}

void writeReview(PdnGame& game, const GameReview& review) {
  if (game.moveNotes.size() < game.moves.size()) game.moveNotes.resize(game.moves.size());
  Position position = game.start;
  for (size_t i = 0; i < game.moves.size(); ++i) {
    if (i + 1 >= review.positions.size() || !review.positions[i].hasBest) {
      clearReviewNote(game.moveNotes[i]);
      position = game.moves[i].after;
      continue;
    }
    setReviewNote(game.moveNotes[i], reviewNoteOf(review.positions[i], position));
    position = game.moves[i].after;
  }
}

GameReview readReview(const Position& start, const std::vector<Move>& moves, const std::vector<PdnNotes>& notes) {
  GameReview review;
  Position position = start;
  int held = 0;
  bool valueKnown = false;  // the position before the move has a value from the last move's note
  std::vector<ReviewedPosition> positions(moves.size() + 1);
  for (size_t i = 0; i < moves.size(); ++i) {
    ReviewNote note;
    const bool noted = i < notes.size() && readReviewNote(notes[i], note);
    if (noted) {
      ++held;
      ReviewedPosition& p = positions[i];
      const bool white = position.whiteToMove;
      const int whiteValue = note.exactMoves ? provenValue(note.exactMoves) : note.value;
      p.playedValue = white ? whiteValue : -whiteValue;
      p.playedExact = white ? note.exactMoves : -note.exactMoves;
      p.mark = markOfNag(note.nag);
      Move best;
      std::string error;
      p.hasBest = readMoveText(note.best, position, best, error);
      if (p.hasBest) p.best = best;
      // What the move lost: the value before it (the last move's, where it has one) against
      // the value after it.
      if (!valueKnown) p.value = p.playedValue;
      p.loss = p.hasBest && best != moves[i] ? std::max(0, reviewValue(p.value) - reviewValue(p.playedValue)) : 0;
      // The next position's value for its side to move.
      positions[i + 1].value = -p.playedValue;
      positions[i + 1].exactMoves = -p.playedExact;
    }
    valueKnown = noted;
    position = moves[i].after;
  }
  if (held == 0) return review;
  review.positions = positions;
  review.complete = held == (int)moves.size();
  summarizeReview(review, start.whiteToMove);
  return review;
}

GameReview readReview(const PdnGame& game) { return readReview(game.start, game.moves, game.moveNotes); }
