#include "search/review_record.h"
#include <algorithm>
#include "pdn/pdn_notation.h"
#include "pdn/review_notes.h"
#include "search/score.h"

namespace {

MoveMark markOfNag(int nag) {
  return nag == 6 ? MoveMark::Inaccuracy : nag == 2 ? MoveMark::Mistake : nag == 4 ? MoveMark::Blunder : MoveMark::None;
}

// A proven value for a result in `moves` moves (> 0: a win for the side it is counted for).
int provenValue(int moves) { return moves > 0 ? ScoreProven + 1000 - moves : -(ScoreProven + 1000 + moves); }

}  // namespace

void writeReview(PdnGame& game, const GameReview& review) {
  if (game.moveNotes.size() < game.moves.size()) game.moveNotes.resize(game.moves.size());
  Position position = game.start;
  for (size_t i = 0; i < game.moves.size(); ++i) {
    if (i + 1 >= review.positions.size() || !review.positions[i].hasBest) {
      clearReviewNote(game.moveNotes[i]);
      position = game.moves[i].after;
      continue;
    }
    const ReviewedPosition& p = review.positions[i];
    ReviewNote note;
    note.nag = markNag(p.mark);
    // The value after the move is the played move's, seen by the side that played it.
    const bool white = position.whiteToMove;
    note.value = white ? p.playedValue : -p.playedValue;
    note.exactMoves = white ? p.playedExact : -p.playedExact;
    if (isProvenScore(note.value) && note.exactMoves == 0) note.value = note.value > 0 ? 9999 : -9999;
    note.best = moveText(position, p.best);
    setReviewNote(game.moveNotes[i], note);
    position = game.moves[i].after;
  }
}

GameReview readReview(const PdnGame& game) {
  GameReview review;
  Position position = game.start;
  int held = 0;
  std::vector<ReviewedPosition> positions(game.moves.size() + 1);
  for (size_t i = 0; i < game.moves.size(); ++i) {
    ReviewNote note;
    if (readReviewNote(game.notesAfter(i), note)) {
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
      // The next position's value for its side to move.
      positions[i + 1].value = -p.playedValue;
      positions[i + 1].exactMoves = -p.playedExact;
      // What the move lost: the value before it (the last move's result) against the value after.
      const int before = i > 0 ? positions[i].value : p.playedValue;
      p.loss = p.hasBest && best != game.moves[i] ? std::max(0, reviewValue(before) - reviewValue(p.playedValue)) : 0;
      p.value = i > 0 ? positions[i].value : p.playedValue;
    }
    position = game.moves[i].after;
  }
  if (held == 0) return review;
  review.positions = positions;
  review.complete = held == (int)game.moves.size();
  summarizeReview(review, game.start.whiteToMove);
  return review;
}
