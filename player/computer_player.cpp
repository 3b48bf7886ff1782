#include "player/computer_player.h"
#include <vector>
#include "book/opening_book.h"
#include "enddb/database.h"
#include "engine/clock.h"
#include "search/search_runner.h"
#include "search/time_manager.h"

namespace {

constexpr int DrawOfferPause = 5;  // own turns without an offer after a refused one

// The moves the search chooses from, and whether the database already decided them.
struct RootMoves {
  std::vector<Move> moves;
  bool byDatabase = false;
};

// The game's move that leads to `position` from `from`; none if the list has no such move.
const Move* findListMove(const PlayerHost& game, SquareSet white, SquareSet black, SquareSet kings, SquareSet from) {
  for (const Move& move : game.moves())
    if (move.after.white == white && move.after.black == black && move.after.kings == kings && move.from == from)
      return &move;
  return nullptr;
}

// In a won or lost position the database's move alone; in a drawn one the moves that keep
// the draw; otherwise every legal move. A database answer that matches no legal move
// (a damaged file) is ignored.
RootMoves chooseRootMoves(const PlayerHost& game, const EndgameDatabase& database) {
  RootMoves roots;
  const Position now = game.currentPosition();
  if ((uint32_t)popCount(now.white | now.black) <= database.pieceCount) {
    SquareSet white = now.white, black = now.black, kings = now.kings, from = 0;
    const uint8_t status = now.whiteToMove ? database.probeWhiteToMove(white, black, kings, from)
                                           : database.probeBlackToMove(white, black, kings, from);
    if (status == StatusWin || status == StatusLoss) {
      if (const Move* move = findListMove(game, white, black, kings, from)) {
        roots.moves.push_back(*move);
        roots.byDatabase = true;
        return roots;
      }
    } else if (status == StatusDraw) {
      for (const Move& move : game.moves()) {
        const Position& p = move.after;
        if (database.statusOf(p.white, p.black, p.kings, p.whiteToMove) == StatusDraw) roots.moves.push_back(move);
      }
      roots.byDatabase = !roots.moves.empty();
      if (roots.byDatabase) return roots;
    }
  }
  roots.moves.assign(game.moves().begin(), game.moves().end());
  return roots;
}

// The figures the log shows for a finished decision over `rootMoves` moves.
SearchFigures decisionFigures(const DecisionResult& result, int rootMoves) {
  SearchFigures figures;
  figures.eval = result.best;
  figures.seconds = result.elapsed;
  figures.depth = result.aborted ? result.abortedDepth - 1 : result.completedDepth;
  figures.partial = result.aborted;
  figures.movesAtNextDepth = result.movesAtAbort;
  figures.rootMoves = rootMoves;
  return figures;
}

// The seconds to think: the level's share of the time per move, or on a clock what the
// time manager plans, the same for every level.
double decisionSeconds(const PlayerHost& game, const SearchPlan& plan, double perMove, bool databaseChose) {
  ClockSituation situation;
  if (!game.moverClock(situation)) return planSeconds(plan, perMove);
  situation.databaseChose = databaseChose;
  return clockMoveSeconds(situation);
}

// A line that reports how the computer chose; it names any level but the classic one.
LogLine decisionLine(Level level, LineTopic topic, bool white, const Move& move, const SearchFigures& figures = {}) {
  LogLine line = moveLine(topic, white, move, figures);
  if (level != Level::Classic) line.level = levelName(level);
  return line;
}

// A decision between the thread that asked for it and the one that searches.
struct PendingDecision {
  DecisionRequest request;
  DecisionResult result;
  Level level = DefaultLevel;
  SearchPlan plan;
};

}  // namespace

ComputerPlayer::ComputerPlayer(double timeLimit, SearchRunner& runner, const OpeningBook& book)
    : timeLimit(timeLimit), runner(runner), book(book), random(std::random_device{}()) {}

void ComputerPlayer::seedRandom(uint32_t seed) { random.seed(seed); }

ComputerPlayer::~ComputerPlayer() { dropTurn(); }

bool ComputerPlayer::acceptDraw() {
  if (!drawOffers) return false;
  const EndgameDatabase& database = runner.database();
  const Position now = game->currentPosition();
  if ((uint32_t)popCount(now.white | now.black) <= database.pieceCount &&
      database.statusOf(now.white, now.black, now.kings, now.whiteToMove) == StatusDraw)
    return true;
  return game->isRepetition();
}

void ComputerPlayer::takeTurn() {
  PlayerHost& game = *this->game;
  if (game.moves().size() == 0 || job != 0) return;  // nothing to choose, or already choosing
  if (offerAwaitsAnswer) {
    offerAwaitsAnswer = false;  // the person refused: the turn goes on
  } else if (drawOfferDelay == 0) {
    if (drawOffers && acceptDraw()) {
      drawOfferDelay = DrawOfferPause;
      if (game.offerDraw() || game.gameOver()) return;
      // A person answers later; a refusal gives this turn back.
      offerAwaitsAnswer = game.drawQuestionOpen();
      if (offerAwaitsAnswer) return;
    }
  } else {
    --drawOfferDelay;
  }

  const Position now = game.currentPosition();
  if (const Move* bookMove = book.pickBookMove(now, random)) {
    game.messageLog().post(decisionLine(level, LineTopic::BookMove, now.whiteToMove, *bookMove));
    game.playMove(*bookMove);
    return;
  }

  RootMoves roots = chooseRootMoves(game, runner.database());
  if (roots.byDatabase && roots.moves.size() == 1) {
    game.messageLog().post(decisionLine(level, LineTopic::DatabaseMove, now.whiteToMove, roots.moves[0]));
    game.playMove(roots.moves[0]);
    return;
  }

  auto pending = std::make_shared<PendingDecision>();
  pending->request.root = now;
  pending->request.moves = std::move(roots.moves);
  pending->level = level;
  pending->plan = levelPlan(level);
  // The positional search steers clear of the game's repetitions, or seeks them.
  if (pending->plan.evaluation == Evaluation::Positional) pending->request.earlier = game.positionsBefore();
  // The search counts toward the draw rules from the game's counts (or not at all without them).
  pending->request.draws = game.drawState();
  pending->request.timeLimit = decisionSeconds(game, pending->plan, timeLimit, roots.byDatabase);
  plannedSeconds = pending->request.timeLimit;
  pending->request.seed = (uint32_t)random();
  // Every root move keeps the database draw: let the search choose among them by play.
  pending->request.probes = !roots.byDatabase;
  progress = std::make_shared<DecisionProgress>();
  startedAt = wallClock();
  auto watched = progress;
  job = runner.start(
      [pending, watched](SearchEngine& engine) {
        pending->result = engine.decide(pending->request, pending->plan, watched.get());
      },
      [this, pending] {
        job = 0;
        PlayerHost& game = *this->game;
        SearchFigures figures = decisionFigures(pending->result, (int)pending->request.moves.size());
        figures.evaluation = pending->plan.evaluation;
        game.messageLog().post(decisionLine(pending->level, LineTopic::SearchedMove,
                                            game.currentPosition().whiteToMove, pending->result.move, figures));
        game.playMove(pending->result.move);
      });
}

void ComputerPlayer::dropTurn() {
  offerAwaitsAnswer = false;
  runner.cancel(job);
  job = 0;
}

void ComputerPlayer::moveNow() { runner.finishEarly(job); }

ThinkingState ComputerPlayer::thinkingState() const {
  ThinkingState state;
  if (job == 0 || !progress) return state;
  state.thinking = true;
  state.depth = progress->depth.load(std::memory_order_relaxed);
  state.eval = progress->eval.load(std::memory_order_relaxed);
  state.evaluation = levelPlan(level).evaluation;
  state.elapsed = wallClock() - startedAt;
  state.allowed = plannedSeconds;
  return state;
}
