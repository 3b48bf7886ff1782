// A reviewed move's notes in a saved game: a NAG for its mark ($6 ?!, $2 ?, $4 ??) and one
// comment with the evaluation after it, from White's side, and the best move there was:
// {+0.45 best c3-d4}, or {+#5 best c3-d4} when White wins in 5 moves ({-#5}: Black does).
// A clock's time shares the comment and comes first: {[%clk 0:04:57.3] +0.45 best c3-d4}.
#pragma once
#include <string>
#include "pdn/pdn_game.h"

struct ReviewNote {
  int nag = 0;         // 6, 2, 4, or 0 for a move not marked
  int value = 0;       // hundredths of a man, from White's side
  int exactMoves = 0;  // > 0: White wins in N moves, < 0: Black wins in -N, 0: `value` stands
  std::string best;    // the best move as the file writes it
};

// "+0.45", "-1.20", "0.00": hundredths of a man as men, as files and the engine tool write them.
std::string valueText(int value);
// "+0.45 best c3-d4": the review's part of the comment, without braces.
std::string reviewCommentText(const ReviewNote& note);
// One comment of its parts, in order, each non-empty one separated by a space: "{a b}".
std::string moveComment(const std::string& clock, const std::string& review);
// Puts the review first in a move's notes: its NAG, then its comment (which takes in a clock's
// time already there). An earlier review's NAG and text are replaced; every other note stays.
void setReviewNote(PdnNotes& notes, const ReviewNote& note);
// Takes an earlier review out of a move's notes, keeping everything else.
void clearReviewNote(PdnNotes& notes);
// The review a move's notes hold; false when they hold none. A $6, $2 or $4 counts as the
// review's mark only just before the review's comment.
bool readReviewNote(const PdnNotes& notes, ReviewNote& note);
