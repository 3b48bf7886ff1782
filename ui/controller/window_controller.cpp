#include "ui/controller/window_controller.h"
#include <algorithm>
#include <cstdio>
#include "engine/fen.h"
#include "game/game.h"
#include "game/message_text.h"
#include "game/position_text.h"
#include "game/record_pdn.h"
#include "game/setup_tags.h"
#include "game/take_back.h"
#include "i18n/translate.h"
#include "pdn/pdn_notation.h"
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "game/history_analysis.h"
#include "search/search_engine.h"
#include "ui/controller/controlled_game.h"
#include "ui/controller/game_facts.h"
#include "ui/controller/status_text.h"
#include "ui/controller/window_ports.h"

namespace {

constexpr double StatusRefreshSeconds = 0.25;
constexpr double ClockRefreshSeconds = 0.1;  // the clocks show tenths under 10 s

}  // namespace

WindowController::WindowController(EventLoop& loop, WindowViews& views, WindowDialogs& dialogs,
                                   const EndgameDatabase& database, const OpeningBook& book)
    : loop(loop),
      views(views),
      dialogs(dialogs),
      worker(database, [&loop](std::function<void()> call) { loop.post(std::move(call)); }) {
  services.runner = &worker;
  services.book = &book;
  services.seat = &views.seat();
}

WindowController::~WindowController() {
  worker.shutdown();  // no delivery reaches a game that goes
  releaseGame();
  suspended.reset();
  loop.cancel(statusTimer);
  loop.cancel(clockTimer);
}

ThinkingState WindowController::thinking() const {
  if (!current || current->result() != InPlay) return {};
  Player* mover = current->playerToMove();
  return mover ? mover->thinkingState() : ThinkingState{};
}

// A person is to move in the current game and the board waits for the move.
bool WindowController::humanToMove() const {
  return current && current->awaitingMove() && humanSides(*current).plays(current->whiteToMove());
}

CommandFacts WindowController::commandFacts() const {
  CommandFacts facts;
  facts.workerBusy = worker.busy();
  facts.historyRowFocused = views.focusedEntry() != nullptr;
  facts.analysisBoard = analysisBoard;
  facts.reviewing = reviewJob != 0;
  const Game* game = current.get();
  if (!game || !game->started() || game->result() == Canceled) return facts;
  facts.hasGame = true;
  facts.inPlay = game->result() == InPlay;
  facts.humanToMove = humanToMove();
  facts.computerThinks = thinking().thinking;
  facts.movesToTakeBack = pliesToTakeBack(game->record, humanSides(*game)) > 0;
  facts.movesToReplay = !game->record.takenBack().empty();
  facts.hasMoves = game->record.count() > 0;
  const HumanSides people = humanSides(*game);
  facts.computerInPlay = facts.inPlay && !analysisBoard && !(people.plays(true) && people.plays(false));
  facts.onClock = game->clock().anyOnClock();
  facts.clockHeld = game->clockHeld();
  return facts;
}

void WindowController::refreshCommands() { views.showCommands(commandStates(commandFacts())); }

// The hint's words stay while the position it was asked for waits for the person's move.
bool WindowController::hintShown() const {
  return !hintText.empty() && humanToMove() && current->currentPosition() == hintRoot;
}

std::string WindowController::statusText() const {
  StatusFacts facts;
  if (const Game* game = current.get()) {
    facts.hasGame = true;
    facts.result = game->result();
    facts.blackToMove = !game->whiteToMove();
    facts.whiteWon = game->whiteWon();
    facts.thinking = thinking();
    facts.draws = game->record.drawState();
    facts.clockHeld = game->clockHeld() && game->result() == InPlay;
  }
  facts.analysing = analysisJob != 0;
  if (hintShown()) facts.hint = hintText;
  // The board's own line while it takes moves; an ended position says so as a game does.
  if (analysisBoard && current && current->result() == InPlay) return analysisBoardStatus(!current->whiteToMove(), liveSpeed);
  return ::statusText(facts);
}

void WindowController::refreshStatus() {
  views.showStatus(statusText());
  // A few times a second while a search runs, so that its depth and time are seen to move.
  loop.cancel(statusTimer);
  statusTimer = 0;
  if (thinking().thinking || analysisJob != 0)
    statusTimer = loop.after(StatusRefreshSeconds, [this] {
      statusTimer = 0;
      refreshStatus();
    });
}

void WindowController::refresh() {
  refreshCommands();
  refreshStatus();
  refreshClocks();
}

// The names and clocks; while a clock runs, again every tenth of a second, and its flag is watched.
void WindowController::refreshClocks() {
  loop.cancel(clockTimer);
  clockTimer = 0;
  Game* game = current.get();
  const PlayerLines lines = game ? playerLines(*game, loop.now()) : PlayerLines{};
  const bool running = game && game->result() == InPlay && !game->clockHeld() && game->clock().running >= 0;
  if (!(lines == shownLines)) {
    const bool white = running && game->clock().running == 0;
    const PlayerLine& now = white ? lines.white : lines.black;
    const PlayerLine& before = white ? shownLines.white : shownLines.black;
    if (running && now.low && !before.low) views.clockRunsLow();
    shownLines = lines;
    views.showPlayers(lines);
  }
  if (!running) return;
  const GameClock& clock = game->clock();
  const double left = timeLeft(clock, clock.running == 0, loop.now());
  clockTimer = loop.after(std::min(ClockRefreshSeconds, left + 0.001), [this] {
    clockTimer = 0;
    if (current) current->checkFlag();  // a fall ends the game, which refreshes everything
    refreshClocks();
  });
}

void WindowController::boardClicked() {
  if (current && current->clockHeld()) pauseClock();
}

void WindowController::pauseClock() {
  if (!current || current->result() != InPlay || !current->clock().anyOnClock()) return;
  if (!current->clockHeld()) stopHint();
  current->holdClock(!current->clockHeld());
  refresh();
}

// An ended game takes no move: the frames of movable pieces, a hint and its crosses go.
void WindowController::clearBoardMarks(const Position& position) {
  views.board().markSquares(-1, -1);
  views.board().showPosition(position, 0);
}

void WindowController::gameChanged(Game& game) {
  if (analysisBoard && reviewJob == 0 && (liveJob == 0 || game.currentPosition() != liveRoot))
    restartLiveAnalysis();
  if (game.result() != InPlay) clearBoardMarks(game.currentPosition());
  if (!hintShown()) hintText.clear();
  if (game.drawQuestionOpen() && !questionShown) showDrawQuestion();
  refresh();
}

void WindowController::recordChanged(GameRecord&) {
  views.followRecord();
  showReviewOfRecord();
}

// The question shows once the game's call has returned; its answer is an event of its own.
void WindowController::showDrawQuestion() {
  questionShown = true;
  const int number = gameNumber;
  dialogs.askLater(drawQuestionText(current->drawOfferedByWhite()),
                   [this, number](bool accepted) { answerDraw(number, accepted); });
}

void WindowController::answerDraw(int number, bool accepted) {
  if (number != gameNumber || !current) return;  // the game asked about is gone
  questionShown = false;
  const bool personOffered = humanSides(*current).plays(current->drawOfferedByWhite());
  current->answerDraw(accepted);
  // A person who offered and was accepted has no more use for the board.
  if (personOffered && current->result() == Drawn) {
    views.board().detachInput();
    clearBoardMarks(current->currentPosition());
  }
  refresh();
}

void WindowController::stopAnalysis() {
  worker.cancel(analysisJob);
  analysisJob = 0;
}

void WindowController::stopHint() {
  worker.cancel(hintJob);
  hintJob = 0;
  hintText.clear();
}

// A game with moves is not thrown away without asking.
bool WindowController::mayAbandonGame() {
  if (!current || current->result() != InPlay || current->record.count() == 0) return true;
  return dialogs.ask(_("Abandon this game?"));
}

// Cancels the current game and lets it go; the history no longer shows it. Nothing runs
// inside a game between the window's events, so it goes at once.
void WindowController::releaseGame() {
  stopReview();
  stopLiveAnalysis();
  stopAnalysis();  // it writes into the game's history
  stopHint();
  std::unique_ptr<Game> game = std::move(current);
  ++gameNumber;  // answers to this game's questions find no game
  questionShown = false;
  views.showRecord(nullptr);  // its rows point into the game's record
  if (game) {
    game->cancelGame();
    game->listeners.clear();
    clearBoardMarks(game->currentPosition());
  }
}

// Makes `game` the current one, its moves (if any) already in its record, and starts it.
void WindowController::beginGame(std::unique_ptr<Game> game, bool quiet) {
  views.board().detachInput();
  game->log = quiet ? &SilentLog : &views.log();
  releaseGame();
  current = std::move(game);
  views.setFlipped(startsFlipped(*current));
  current->listeners.push_back(this);
  current->view = &views.board();
  clearBoardMarks(current->currentPosition());  // the last game's frames do not belong to this one
  views.showRecord(&current->record);
  current->record.addObserver(this);
  showReviewOfRecord();  // an opened game that was reviewed opens with its marks
  current->startGame();
  refresh();
}

void WindowController::newGame() {
  leaveAnalysisBoard();
  if (!mayAbandonGame()) return;
  GameSetup setup;
  if (dialogs.chooseNewGame(setup)) beginGame(std::make_unique<ControlledGame>(setup, services, loop));
}

// A game from a saved, pasted or set-up one, with the players the user chooses.
// False when the user cancels.
bool WindowController::beginGameFrom(const PdnGame& saved, const GameSetup& shown) {
  GameSetup setup = shown;
  setup.start = saved.start;
  if (!dialogs.choosePlayers(setup)) return false;
  auto game = std::make_unique<ControlledGame>(setup, services, loop);
  appendPdnMoves(game->record, saved);
  endAsSaved(*game, saved.result);
  beginGame(std::move(game));
  return true;
}

void WindowController::cancelGame() {
  leaveAnalysisBoard();
  if (!mayAbandonGame()) return;
  releaseGame();
  refresh();
}

void WindowController::openGame() {
  leaveAnalysisBoard();
  if (!mayAbandonGame()) return;
  PdnGame saved;
  if (dialogs.openGame(saved)) beginGameFrom(saved, setupFromPdn(saved));
}

void WindowController::saveGame() {
  if (current) dialogs.saveGame(gameAsPdn(*current));
}

// The position of the history's selected row, else the game's current one.
void WindowController::copyPosition() {
  if (HistoryEntry* entry = views.focusedEntry()) dialogs.copyText(writeFen(entry->move.after));
  else if (current) dialogs.copyText(writeFen(current->currentPosition()));
}

void WindowController::startFromPosition(const Position& position) {
  PdnGame saved;
  saved.start = position;
  beginGameFrom(saved, GameSetup());  // two people
}

void WindowController::pastePosition() {
  dialogs.pasteText([this](const std::string& text) { pasted(text); });
}

void WindowController::pasted(const std::string& text) {
  leaveAnalysisBoard();
  Position position;
  std::string error;
  if (!readPositionText(text, position, error)) {
    dialogs.refuse(_("Cannot paste a position:"), error);
    return;
  }
  if (mayAbandonGame()) startFromPosition(position);
}

void WindowController::setUpPosition() {
  Position position = current ? current->currentPosition() : InitialPosition;
  if (!dialogs.setUp(position, views.flipped())) return;
  leaveAnalysisBoard();
  if (mayAbandonGame()) startFromPosition(position);
}

void WindowController::takeBack() {
  if (!current) return;
  stopReview();  // its marks belong to moves that may go
  stopAnalysis();  // it writes into history entries that may go
  stopHint();
  current->takeBack(pliesToTakeBack(current->record, humanSides(*current)));
  refresh();
}

void WindowController::replay() {
  if (!current) return;
  stopHint();
  current->replay(pliesToReplay(current->record, humanSides(*current)));
  refresh();
}

void WindowController::resign() {
  if (!humanToMove()) return;
  Game* game = current.get();
  const bool white = game->whiteToMove();
  if (!dialogs.ask(white ? _("Resign this game? Black then wins.") : _("Resign this game? White then wins."))) return;
  // The question waited in an event loop: the game must still be the one asked about.
  if (current.get() != game || !humanToMove() || game->whiteToMove() != white) return;
  stopHint();
  game->resign();
}

// The computer's choice for the person to move, shown with its frames and crosses, not played.
void WindowController::hint() {
  if (!humanToMove() || worker.busy()) return;
  auto request = std::make_shared<DecisionRequest>();
  request->root = current->currentPosition();
  for (const Move& move : MoveList(request->root)) request->moves.push_back(move);
  request->timeLimit = hintSeconds(*current);
  request->draws = current->record.drawState();  // the hint knows how far the draw counts have run
  auto result = std::make_shared<DecisionResult>();
  hintJob = worker.start([request, result](SearchEngine& engine) { *result = engine.decide(*request, SearchPlan{}); },
                         [this, request, result] {
                           hintJob = 0;
                           // Only while the position asked about is still to be played.
                           if (humanToMove() && current->currentPosition() == request->root) {
                             const Move& m = result->move;
                             views.board().showPosition(request->root, m.captured);
                             views.board().markSquares(squareIndex(m.from), squareIndex(m.to));
                             hintText = formatText(_("Hint: %s"), moveText(request->root, m).c_str());
                             hintRoot = request->root;
                           }
                           refresh();
                         });
  refresh();
}

void WindowController::flipBoard() { views.setFlipped(!views.flipped()); }

// Quit and closing end at once; a game in play is kept for the next start.
void WindowController::keepGameInPlay() {
  if (!current || current->result() != InPlay || gameInPlayPath.empty()) return;
  // A game still at the initial position has nothing to lose.
  if (current->record.count() == 0 && current->record.startPosition() == InitialPosition) return;
  std::string error;
  if (!savePdnGames(gameInPlayPath, {gameAsPdn(*current)}, error))
    std::fprintf(stderr, "tarvenn: the game in play was not kept: %s\n", error.c_str());
}

void WindowController::quit() {
  leaveAnalysisBoard();
  keepGameInPlay();
  worker.shutdown();  // the search stops within milliseconds
  // Nothing else matters once the process ends: canceling the game and freeing the tables,
  // the database and the windows would only keep the user waiting.
  dialogs.exitProgram();
}

void WindowController::offerDraw() {
  if (!humanToMove()) return;
  if (!current->offerDraw()) return;  // refused, or a person answers later
  views.board().detachInput();
  clearBoardMarks(current->currentPosition());
}

void WindowController::moveNow() {
  if (!current || current->result() != InPlay) return;
  if (Player* mover = current->playerToMove()) mover->moveNow();
}

// The analysis runs on the worker; its values reach the entries here, on the window's thread.
void WindowController::analyseFocused(bool replies) {
  HistoryEntry* entry = views.focusedEntry();
  if (!entry || worker.busy()) return;
  auto plan = std::make_shared<AnalysisPlan>(replies ? planReplyEvaluation(*entry) : planEntryEvaluation(*entry));
  analysisJob = worker.start([plan](SearchEngine& engine) { runAnalysis(engine, *plan); },
                             [this, plan, replies] {
                               analysisJob = 0;
                               applyAnalysis(*plan);
                               views.showAnalysis(*plan->entry, replies ? markedBestReply(*plan->entry) : -1);
                               refresh();
                             });
  refresh();
}

void WindowController::evaluateFocused() { analyseFocused(false); }
void WindowController::showBestReply() { analyseFocused(true); }

void WindowController::offerGameInPlay() {
  const std::string& path = gameInPlayPath;
  if (path.empty()) return;
  const PdnReading reading = readPdnFile(path);
  // A file that is missing or not one readable game (not ours) is left alone.
  if (!reading.ok() || reading.games.size() != 1) return;
  // Once resumed, the game is kept again at the next Quit if it is still in play.
  if (!dialogs.ask(_("Resume the game that was in play when Tarvenn was closed?")) ||
      beginGameFrom(reading.games[0], setupFromPdn(reading.games[0])))
    std::remove(path.c_str());
}
