#include "search/review.h"
#include <algorithm>
#include "enddb/database.h"
#include "engine/draw_rules.h"
#include "search/draw_rule_line.h"
#include "search/score.h"
#include "search/search_engine.h"

namespace {

// The outcome of a value for its side, or a database draw of `position` (that side to move).
Outcome outcomeOf(int value, const EndgameDatabase& database, const Position& position, const DrawState& draws) {
  if (value >= ScoreProven) return Outcome::Win;
  if (value <= -ScoreProven) return Outcome::Loss;
  if ((uint32_t)popCount(position.white | position.black) > database.pieceCount) return Outcome::Unknown;
  const uint8_t status = statusWithinCounts(
      database, position, draws, database.statusOf(position.white, position.black, position.kings, position.whiteToMove));
  return status == StatusDraw ? Outcome::Draw : Outcome::Unknown;
}

Outcome reversed(Outcome outcome) {
  return outcome == Outcome::Win ? Outcome::Loss : outcome == Outcome::Loss ? Outcome::Win : outcome;
}

}  // namespace

int reviewValue(int value) { return std::clamp(value, -ReviewValueCap, ReviewValueCap); }

MoveMark classifyMove(int loss, Outcome best, Outcome played, bool forced, bool playedIsBest) {
  if (forced || playedIsBest) return MoveMark::None;
  if (best == Outcome::Win && (played == Outcome::Draw || played == Outcome::Loss)) return MoveMark::Blunder;
  if (best == Outcome::Draw && played == Outcome::Loss) return MoveMark::Blunder;
  if (loss >= BlunderLoss) return MoveMark::Blunder;
  if (loss >= MistakeLoss) return MoveMark::Mistake;
  if (loss >= InaccuracyLoss) return MoveMark::Inaccuracy;
  return MoveMark::None;
}

const char* markText(MoveMark mark) {
  switch (mark) {
    case MoveMark::Inaccuracy: return "?!";
    case MoveMark::Mistake: return "?";
    case MoveMark::Blunder: return "??";
    default: return "";
  }
}

int markNag(MoveMark mark) {
  switch (mark) {
    case MoveMark::Inaccuracy: return 6;
    case MoveMark::Mistake: return 2;
    case MoveMark::Blunder: return 4;
    default: return 0;
  }
}

MoveMark markOfNag(int nag) {
  return nag == 6 ? MoveMark::Inaccuracy : nag == 2 ? MoveMark::Mistake : nag == 4 ? MoveMark::Blunder : MoveMark::None;
}

void summarizeReview(GameReview& review, bool whiteStarts) {
  review.white = SideSummary();
  review.black = SideSummary();
  // The last position has no move of its own.
  for (size_t i = 0; i + 1 < review.positions.size(); ++i) {
    const ReviewedPosition& p = review.positions[i];
    SideSummary& side = ((i % 2 == 0) == whiteStarts) ? review.white : review.black;
    side.marks[(int)p.mark]++;
    side.moves++;
    side.totalLoss += p.loss;
  }
}

GameReview reviewGame(SearchEngine& engine, const ReviewRequest& request, const ReviewProgress& progress) {
  GameReview review;
  const int total = (int)request.moves.size() + 1;
  std::vector<Position> earlier;
  DrawState draws = drawStateAt(request.start);
  Position position = request.start;
  for (int i = 0; i < total; ++i) {
    const bool hasMove = i < (int)request.moves.size();
    MultiLineRequest search;
    search.root = position;
    search.lines = 1;
    search.limit = request.limit;
    search.earlier = earlier;
    search.draws = draws;
    if (hasMove) search.kept = request.moves[i];
    const MultiLineResult found = searchLines(engine, search);
    if (found.stopped) return review;

    ReviewedPosition reviewed;
    if (!found.best.lines.empty()) {
      const AnalysisLine& best = found.best.lines[0];
      reviewed.value = best.value;
      reviewed.exactMoves = best.exactMoves;
      reviewed.depth = best.depth;
      reviewed.hasBest = true;
      reviewed.best = best.moves[0];
    } else {
      reviewed.value = -ScoreProven;  // no move: the side to move has lost
    }
    if (hasMove) {
      const Move& played = request.moves[i];
      reviewed.playedValue = found.kept.value;
      reviewed.playedExact = found.kept.exactMoves;
      const bool forced = MoveList(position).size() == 1;
      const bool playedIsBest = reviewed.hasBest && played == reviewed.best;
      const DrawState after = drawStateAfter(draws, position, played.after);
      const Outcome bestOutcome = outcomeOf(reviewed.value, engine.database(), position, draws);
      const Outcome playedOutcome = reversed(outcomeOf(-reviewed.playedValue, engine.database(), played.after, after));
      reviewed.loss = forced || playedIsBest
                          ? 0
                          : std::max(0, reviewValue(reviewed.value) - reviewValue(reviewed.playedValue));
      reviewed.mark = classifyMove(reviewed.loss, bestOutcome, playedOutcome, forced, playedIsBest);
      earlier.push_back(position);
      draws = after;
      position = played.after;
    }
    review.positions.push_back(reviewed);
    if (progress) progress(i + 1, total);
  }
  review.complete = true;
  summarizeReview(review, request.start.whiteToMove);
  return review;
}
