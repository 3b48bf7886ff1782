#include <gtest/gtest.h>
#include "engine/fen.h"
#include "fakes.h"

namespace {

using Lines = std::vector<std::string>;

// A game between two scripted players from a FEN position, logging everything.
struct Table {
  RecordingLog log;
  RecordingView view;
  RecordingListener listener;
  ScriptedPlayer* white = new ScriptedPlayer;
  ScriptedPlayer* black = new ScriptedPlayer;
  bool whiteDeleted = false, blackDeleted = false;
  PausingGame* game;

  explicit Table(const char* fen, bool withView = false) {
    const FenSetup setup = setupFromFen(fen);
    white->deleted = &whiteDeleted;
    black->deleted = &blackDeleted;
    game = new PausingGame(white, black, setup.position);
    game->log = &log;
    if (withView) game->view = &view;
    game->listeners.push_back(&listener);
  }
  ~Table() { delete game; }
  // The owner releases a canceled game, and the game its players with it.
  bool releasedWithItsPlayers() {
    if (game->result() != Canceled) return false;
    delete game;
    game = nullptr;
    return whiteDeleted && blackDeleted;
  }
};

int square(int pdn) { return squareFromPdn(pdn); }

TEST(GameTurns, SingleLegalMoveIsPlayedByTheGameAndLoggedAsForced) {
  Table table("W:W22:B18,1");  // C3 must take D4
  table.game->startGame();
  EXPECT_EQ(table.log.texts(), (Lines{"New game start.", "@wc C3xE5 - forced move"}));
  EXPECT_EQ(table.log.lines[1].kind, MsgMove);
  EXPECT_EQ(table.white->turns, 0) << "the forced side is not asked";
  EXPECT_EQ(table.black->turns, 1);
  EXPECT_EQ(table.game->pauses, (std::vector<double>{0.5}));
  EXPECT_TRUE(table.game->awaitingMove());
  EXPECT_EQ(table.game->record.count(), 1);
}

TEST(GameTurns, SideToMoveWithoutLegalMoveLosesAlsoWhenBlocked) {
  struct Case {
    const char* fen;
    const char* line;
  };
  const Case cases[] = {
      {"W:W29:B25,22", "Black wins!"},        // white man on A1 blocked by B2 and C3
      {"B:W25,26,29,31:B22", "White wins!"},  // black man on C3 walled in
      {"B:W18:B", "White wins!"},             // Black has no piece left
  };
  for (const Case& c : cases) {
    Table table(c.fen);
    table.game->startGame();
    EXPECT_EQ(table.log.texts(), (Lines{"New game start.", c.line})) << c.fen;
    EXPECT_EQ(table.log.lines.back().kind, MsgResult) << c.fen;
    EXPECT_EQ(table.game->result(), Won) << c.fen;
    EXPECT_EQ(table.white->turns + table.black->turns, 0) << c.fen;
  }
}

TEST(GameTurns, MovesHandedBackDuringTheTurnKeepTheLoopGoing) {
  Table table("W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12");
  int plies = 0;
  auto firstMove = [&plies](ScriptedPlayer& player) {
    if (++plies <= 6) player.game->playMove(player.game->moves()[0]);
  };
  table.white->onTurn = firstMove;
  table.black->onTurn = firstMove;
  table.game->startGame();
  EXPECT_EQ(table.white->turns + table.black->turns, 7);
  EXPECT_GE(table.game->record.count(), 6) << "six handed moves and the forced ones between them";
  EXPECT_TRUE(table.game->awaitingMove()) << "parked when a turn returned without a move";
  EXPECT_EQ(table.game->result(), InPlay);
}

TEST(GameDraws, RefusedOfferIsLoggedAndTheSameSideMovesOn) {
  Table table("W:W22:B18,1,9");
  table.black->onTurn = [](ScriptedPlayer& player) {
    EXPECT_FALSE(player.game->offerDraw());
    player.play("B8-A7");
  };
  table.game->startGame();
  EXPECT_EQ(table.log.texts(), (Lines{"New game start.", "@wc C3xE5 - forced move",
                                      "@bc offered draw but @wc refused."}));
  EXPECT_EQ(table.white->drawQuestions, 1);
  EXPECT_EQ(table.game->record.count(), 2);
  EXPECT_EQ(table.game->result(), InPlay);
}

TEST(GameDraws, OfferAcceptedInsideTheTurnEndsTheGameWithoutAMove) {
  Table table("W:W22,23:B10");
  table.black->answer = true;
  table.white->onTurn = [](ScriptedPlayer& player) { EXPECT_TRUE(player.game->offerDraw()); };
  table.game->startGame();
  EXPECT_EQ(table.log.texts(), (Lines{"New game start.", "@wc offered draw and @bc accept.", "Game draw."}));
  EXPECT_EQ(table.log.lines.back().kind, MsgResult);
  EXPECT_EQ(table.game->result(), Drawn);
  EXPECT_EQ(table.game->record.count(), 0);
}

TEST(GameDraws, OfferAcceptedWhileWaitingForAMoveEndsTheGame) {
  Table table("W:W22,23:B10");
  table.black->answer = true;
  table.game->startGame();
  EXPECT_TRUE(table.game->offerDraw());
  EXPECT_EQ(table.log.texts(), (Lines{"New game start.", "@wc offered draw and @bc accept.", "Game draw."}));
  EXPECT_FALSE(table.game->awaitingMove());
}

TEST(GameDraws, OfferInAnEndedGameChangesNothing) {
  Table table("W:W29:B25,22");
  table.black->answer = true;
  table.game->startGame();
  EXPECT_FALSE(table.game->offerDraw());
  EXPECT_EQ(table.game->result(), Won);
  EXPECT_EQ(table.black->drawQuestions, 0);
  EXPECT_EQ(table.log.texts().back(), "Black wins!");
}

TEST(GameView, MoveIsShownWithItsCapturesCrossedAndItsSquaresMarked) {
  Table table("W:W22:B18,1", true);
  table.game->startGame();
  ASSERT_EQ(table.view.shown.size(), 1u);
  const FenSetup after = setupFromFen("B:W15:B1");
  EXPECT_EQ(table.view.shown[0].first, after.position);
  EXPECT_EQ(table.view.shown[0].second, 1u << square(18)) << "D4 is crossed";
  EXPECT_EQ(table.view.marked, (std::vector<std::pair<int, int>>{{square(22), square(15)}}));
  EXPECT_EQ(table.game->pauses, (std::vector<double>{0.2, 0.5}));
}

TEST(GameCancel, CancelWhileWaitingLogsAndTheOwnerReleasesTheGameAndItsPlayers) {
  Table table("W:W22,23:B10", true);
  table.game->startGame();
  table.game->cancelGame();
  EXPECT_EQ(table.view.detached, 1);
  EXPECT_EQ(table.log.texts(), (Lines{"New game start.", "Game was canceled."}));
  EXPECT_EQ(table.log.lines[1].kind, MsgEvent);
  EXPECT_TRUE(table.releasedWithItsPlayers());
}

TEST(GameCancel, CancelOfAnEndedGameIsSilent) {
  Table table("W:W29:B25,22");
  table.game->startGame();
  table.game->cancelGame();
  EXPECT_EQ(table.log.texts(), (Lines{"New game start.", "Black wins!"}));
  EXPECT_TRUE(table.releasedWithItsPlayers());
}

TEST(GameCancel, CancelDuringTheDisplayOfAHandedInMoveKeepsTheMoveAndAsksForNoOther) {
  Table table("W:W22,23:B10", true);
  table.game->startGame();
  table.game->duringPause = [&](PausingGame& game) { game.cancelGame(); };
  int blackTurns = 0;  // counted outside the player, which goes with the game
  table.black->onTurn = [&blackTurns](ScriptedPlayer&) { ++blackTurns; };
  table.white->play("C3-D4");  // as a click would, from outside the turn loop
  EXPECT_EQ(table.game->record.count(), 1);
  EXPECT_EQ(blackTurns, 0);
  EXPECT_EQ(table.log.texts(), (Lines{"New game start.", "Game was canceled."}));
  EXPECT_TRUE(table.releasedWithItsPlayers());
}

TEST(GameCancel, CancelDuringTheDisplayOfAComputerMoveEndsTheTurns) {
  Table table("W:W22,23:B10", true);
  table.white->onTurn = [](ScriptedPlayer& player) { player.play("C3-D4"); };
  int blackTurns = 0;
  table.black->onTurn = [&blackTurns](ScriptedPlayer&) { ++blackTurns; };
  table.game->duringPause = [](PausingGame& game) { game.cancelGame(); };
  table.game->startGame();
  EXPECT_EQ(blackTurns, 0) << "no further move is asked for";
  EXPECT_TRUE(table.releasedWithItsPlayers());
}

TEST(GameCancel, AnAnswerThatArrivesAfterTheCancelFindsNoQuestion) {
  Table table("W:W22,23:B10");
  table.black->person = true;
  table.game->startGame();
  EXPECT_FALSE(table.game->offerDraw());
  ASSERT_TRUE(table.game->drawQuestionOpen());
  table.game->cancelGame();
  EXPECT_FALSE(table.game->drawQuestionOpen());
  table.game->answerDraw(true);
  EXPECT_EQ(table.game->result(), Canceled);
  EXPECT_EQ(table.log.texts(), (Lines{"New game start.", "Game was canceled."}));
  EXPECT_TRUE(table.releasedWithItsPlayers());
}

// A person is asked by the window: the offer opens a question and the answer is an event.
TEST(GameDraws, APersonsAnswerArrivesLaterAndSettlesTheOffer) {
  struct Case {
    bool accepted;
    Lines lines;
    GameResult result;
  };
  const Case cases[] = {
      {true, {"New game start.", "@wc offered draw and @bc accept.", "Game draw."}, Drawn},
      {false, {"New game start.", "@wc offered draw but @bc refused."}, InPlay},
  };
  for (const Case& c : cases) {
    Table table("W:W22,23:B10");
    table.black->person = true;
    table.game->startGame();
    const int changes = table.listener.changes;
    EXPECT_FALSE(table.game->offerDraw());
    EXPECT_TRUE(table.game->drawQuestionOpen());
    EXPECT_TRUE(table.game->drawOfferedByWhite());
    EXPECT_GT(table.listener.changes, changes) << "the owner learns of the question";
    EXPECT_EQ(table.black->drawQuestions, 0) << "nobody is asked inside the game's call";
    EXPECT_FALSE(table.game->awaitingMove());
    EXPECT_FALSE(table.game->offerDraw()) << "one offer at a time";
    table.white->play("C3-D4");  // the position stays while the question is open
    table.game->takeBack(1);
    table.game->resign();
    EXPECT_EQ(table.game->record.count(), 0);
    EXPECT_EQ(table.log.lines.size(), 1u);
    table.game->answerDraw(c.accepted);
    EXPECT_FALSE(table.game->drawQuestionOpen());
    EXPECT_EQ(table.log.texts(), c.lines) << c.accepted;
    EXPECT_EQ(table.game->result(), c.result);
    EXPECT_EQ(table.white->turns, 1) << "a person's own offer does not give the turn anew";
    EXPECT_EQ(table.game->awaitingMove(), !c.accepted);
    table.game->answerDraw(true);  // a second answer finds no question
    EXPECT_EQ(table.game->result(), c.result);
  }
}

TEST(GameDraws, AnOfferMadeInsideATurnWaitsForThePersonAndARefusalGivesTheTurnBack) {
  Table table("W:W22,23:B10");
  table.black->person = true;
  int offers = 0;
  table.white->onTurn = [&offers](ScriptedPlayer& player) {
    if (player.game->drawQuestionOpen()) ADD_FAILURE() << "a turn during the question";
    if (offers++ == 0) EXPECT_FALSE(player.game->offerDraw());
    else player.play("C3-D4");
  };
  table.game->startGame();
  EXPECT_TRUE(table.game->drawQuestionOpen());
  EXPECT_EQ(table.white->turns, 1);
  table.game->answerDraw(false);
  EXPECT_EQ(table.white->turns, 2);
  EXPECT_EQ(table.log.texts(), (Lines{"New game start.", "@wc offered draw but @bc refused."}));
  EXPECT_EQ(table.game->record.count(), 1);
}

// The window's pauses are timers: the game waits for pauseEnded() from the event loop.
TEST(GamePauses, TheNextTurnWaitsForTheEndOfTheDisplayAndACancelStopsIt) {
  struct Case {
    bool cancel;
    int blackTurns;
    int stopped;
  };
  for (const Case c : {Case{false, 1, 0}, Case{true, 0, 1}}) {
    Table table("W:W22,23:B10", true);
    table.game->holdPauses = true;
    table.game->startGame();
    table.white->play("C3-D4");
    EXPECT_TRUE(table.game->pausing());
    table.game->playMove(table.game->moves()[0]);  // a second move during the display is not taken
    EXPECT_EQ(table.game->record.count(), 1);
    EXPECT_EQ(table.black->turns, 0) << "no turn while the move is on display";
    if (c.cancel) table.game->cancelGame();
    table.game->pauseEnded();  // a timer that fires late changes nothing after a cancel
    EXPECT_EQ(table.black->turns, c.blackTurns) << "cancel " << c.cancel;
    EXPECT_EQ(table.game->stoppedPauses, c.stopped) << "cancel " << c.cancel;
    EXPECT_FALSE(table.game->pausing());
  }
}

TEST(GameMoves, MovesNotInTheCurrentListAreIgnored) {
  Table table("W:W22,23:B10");
  table.game->startGame();
  Move stale = table.game->moves()[0];
  stale.from <<= 1;  // right position, wrong origin
  table.game->playMove(stale);
  Move foreign;
  foreign.after.white = 1;
  table.game->playMove(foreign);
  EXPECT_EQ(table.game->record.count(), 0);
  EXPECT_TRUE(table.game->awaitingMove());
  EXPECT_GT(table.listener.changes, 0) << "the start of the turn was announced";
}

}  // namespace
