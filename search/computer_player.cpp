#include "search/computer_player.h"
#include <algorithm>
#include <vector>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "engine/clock.h"
#include "game/game.h"
#include "search/search.h"
#include "search/transposition_table.h"

namespace {

constexpr int DrawOfferPause = 5;  // own turns without an offer after a refused one

void restoreProbes() {
  endgameDatabase.pieceCount = std::max(endgameDatabase.pieceCount, endgameDatabase.savedPieceCount);
}

void switchProbesOff() {
  endgameDatabase.savedPieceCount = endgameDatabase.pieceCount;
  endgameDatabase.pieceCount = 0;
}

// The moves the search chooses from, and whether the database already decided them.
struct RootMoves {
  std::vector<Move> moves;
  bool byDatabase = false;
};

// The game's move that leads to `position` from `from`; none if the list has no such move.
const Move* findListMove(const Game& game, SquareSet white, SquareSet black, SquareSet kings, SquareSet from) {
  for (const Move& move : game.moves())
    if (move.after.white == white && move.after.black == black && move.after.kings == kings && move.from == from)
      return &move;
  return nullptr;
}

// In a won or lost position the database's move alone; in a drawn one the moves that keep
// the draw; otherwise every legal move. A database answer that matches no legal move
// (a damaged file) is ignored.
RootMoves chooseRootMoves(const Game& game) {
  restoreProbes();
  RootMoves roots;
  const Position now = game.currentPosition();
  if ((uint32_t)popCount(now.white | now.black) <= endgameDatabase.pieceCount) {
    SquareSet white = now.white, black = now.black, kings = now.kings, from = 0;
    const uint8_t status = now.whiteToMove ? endgameDatabase.probeWhiteToMove(white, black, kings, from)
                                           : endgameDatabase.probeBlackToMove(white, black, kings, from);
    if (status == StatusWin || status == StatusLoss) {
      if (const Move* move = findListMove(game, white, black, kings, from)) {
        roots.moves.push_back(*move);
        roots.byDatabase = true;
        return roots;
      }
    } else if (status == StatusDraw) {
      for (const Move& move : game.moves()) {
        const Position& p = move.after;
        if (endgameDatabase.statusOf(p.white, p.black, p.kings, p.whiteToMove) == StatusDraw)
          roots.moves.push_back(move);
      }
      roots.byDatabase = !roots.moves.empty();
      if (roots.byDatabase) return roots;
    }
  }
  roots.moves.assign(game.moves().begin(), game.moves().end());
  return roots;
}

struct SearchResult {
  Move move;
  int best = 0;
  int completedDepth = 1;
  bool aborted = false;
  int movesAtAbort = 0;  // root moves finished in the abandoned iteration
  int abortedDepth = 0;
};

int searchRootMove(const Move& move, int alpha, int beta, int depth) {
  const Position& p = move.after;
  return -searchNode(p.white, p.black, p.kings, p.whiteToMove, (Score)-beta, (Score)-alpha, depth);
}

// Root moves and their scores, highest first; a move passes only strictly lower ones.
void sortRootMoves(std::vector<Move>& moves, std::vector<int>& scores) {
  for (size_t i = 1; i < moves.size(); ++i)
    for (size_t j = i; j > 0 && scores[j - 1] < scores[j]; --j) {
      std::swap(scores[j - 1], scores[j]);
      std::swap(moves[j - 1], moves[j]);
    }
}

// Deepens from depth 2 until the time rule, a forced win or the depth cap stops it.
SearchResult iterativeDeepening(const Position& root, std::vector<Move>& moves, double timeLimit) {
  const int n = (int)moves.size();
  std::vector<int> scores(n, 0);
  const double start = wallClock();
  resetTable(timeLimit);
  markRoot(root.white, root.black, root.kings, root.whiteToMove);
  SearchResult result;
  result.move = moves[0];  // kept if no move ever scores above the window's floor
  int alpha = SCORE_MIN, beta = SCORE_MAX;
  double estimate = 0;
  for (int depth = 2;; ++depth) {
    if (result.best <= -SCORE_WIN) {
      if (endgameDatabase.pieceCount == 0) break;
      // Lost with the database's knowledge: defend by play, on material alone.
      switchProbesOff();
      alpha = SCORE_MIN;
      beta = SCORE_MAX;
    }
    if (depth > MaxSearchDepth) break;
    for (int i = 0; i < n; ++i) {
      int score;
      if (i == 0) {
        score = searchRootMove(moves[i], alpha, beta, depth);
        if (score <= alpha) {
          score = searchRootMove(moves[i], SCORE_MIN, beta, depth);
          alpha = SCORE_MIN;
        }
      } else {
        score = searchRootMove(moves[i], alpha, alpha + 1, depth);
        if (alpha < score && score < beta) score = searchRootMove(moves[i], alpha, beta, depth);
      }
      if (score >= beta) {
        score = searchRootMove(moves[i], alpha, SCORE_MAX, depth);
        beta = SCORE_MAX;
      }
      scores[i] = score;
      if (score > alpha) {
        alpha = score;
        result.best = score;
        result.move = moves[i];
      }
      if (i < n - 1 && (wallClock() - start) + estimate >= timeLimit) {
        result.aborted = true;
        result.movesAtAbort = i + 1;
        result.abortedDepth = depth;
        return result;
      }
    }
    result.completedDepth = depth;
    sortRootMoves(moves, scores);
    if (result.best >= SCORE_WIN) break;
    alpha = std::max<int>(SCORE_MIN, result.best - 2);
    beta = std::min<int>(SCORE_MAX, result.best + 2);
    estimate = (wallClock() - start) * (1 + 2.0 / n) / n;
    if (timeLimit <= estimate * n) break;
  }
  return result;
}

}  // namespace

bool ComputerPlayer::acceptDraw() {
  const Position now = game->currentPosition();
  if ((uint32_t)popCount(now.white | now.black) <= endgameDatabase.pieceCount &&
      endgameDatabase.statusOf(now.white, now.black, now.kings, now.whiteToMove) == StatusDraw)
    return true;
  return game->record.isRepetition();
}

void ComputerPlayer::takeTurn() {
  Game& game = *this->game;
  if (game.moveCount() == 0) return;  // the game gives no turn without a move; nothing to choose
  if (drawOfferDelay == 0) {
    if (acceptDraw()) {
      if (game.offerDraw() || game.result() != InPlay) return;
      drawOfferDelay = DrawOfferPause;
    }
  } else {
    --drawOfferDelay;
  }

  const Position now = game.currentPosition();
  const char* prefix = sidePrefix(!now.whiteToMove);
  if (const Move* bookMove = Book.pickBookMove(now)) {
    char text[] = "      (opening book move)";
    bookMove->writeNotation(text);
    game.log->postMove(prefix, text);
    game.playMove(*bookMove);
    return;
  }

  RootMoves roots = chooseRootMoves(game);
  if (roots.byDatabase && roots.moves.size() == 1) {
    char text[] = "      (end db move)";
    roots.moves[0].writeNotation(text);
    game.log->postMove(prefix, text);
    game.playMove(roots.moves[0]);
    return;
  }
  // Every root move keeps the database draw: let the search choose among them by play.
  if (roots.byDatabase) switchProbesOff();

  const double start = wallClock();
  const SearchResult result = iterativeDeepening(now, roots.moves, timeLimit);
  const double elapsed = wallClock() - start;
  if (result.aborted) {
    char format[] = "      (eval %d, time %.2lfs, depth %d and %d/%d moves at depth %d)";
    result.move.writeNotation(format);
    game.log->postFormatted(prefix, format, result.best, elapsed, result.abortedDepth - 1, result.movesAtAbort,
                            (int)roots.moves.size(), result.abortedDepth);
  } else {
    char format[] = "      (eval %d, time %.2lfs, depth %d)";
    result.move.writeNotation(format);
    game.log->postFormatted(prefix, format, result.best, elapsed, result.completedDepth);
  }
  restoreProbes();
  game.playMove(result.move);
}
