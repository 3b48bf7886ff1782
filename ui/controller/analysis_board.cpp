// The analysis board mode of the window controller: a board of its own for either side's moves,
// with side lines, while the game waits.
#include <algorithm>
#include "game/record_pdn.h"
#include "i18n/translate.h"
#include "search/line_text.h"
#include "ui/controller/controlled_game.h"
#include "ui/controller/window_controller.h"
#include "ui/controller/window_ports.h"

namespace {

// "Depth 12, 1.9 M nodes/s"
std::string analysisSpeedText(int depth, double nodesPerSecond) {
  return formatText(_("Depth %d, %.1f M nodes/s"), depth, nodesPerSecond / 1e6);
}

}  // namespace

void WindowController::toggleAnalysisBoard() {
  if (analysisBoard) {
    leaveAnalysisBoard();
    refresh();
    return;
  }
  if (current && !current->suspend()) return;  // a draw question waits for its answer
  stopAnalysis();
  stopHint();
  const bool flipped = views.flipped();
  GameSetup setup;  // two people: the board takes either side's moves
  if (current) {
    auto& listeners = current->listeners;  // the waiting game tells the window nothing
    listeners.erase(std::remove(listeners.begin(), listeners.end(), (GameListener*)this), listeners.end());
    setup.start = current->record.startPosition();
  }
  auto board = std::make_unique<ControlledGame>(setup, services, loop);
  board->record.keepsSideLines = true;
  board->drawRules = false;  // a position is studied however often it came
  board->playsForcedMoves = false;
  // The board starts from the game's position with its moves, which Back steps through.
  if (current) appendPdnMoves(board->record, recordToPdn(current->record, PdnResult::Unfinished, "", ""));
  suspended = std::move(current);
  views.showRecord(nullptr);  // the history shows the board's record from here
  beginGame(std::move(board), true);
  analysisBoard = true;
  views.setFlipped(flipped);
  views.log().post(MsgEvent, _("Analysis board: moves for either side. View > Analysis board returns to the game."));
  restartLiveAnalysis();
  refresh();
}

// Back to the game as it was: its position, its history, its turn.
void WindowController::leaveAnalysisBoard() {
  if (!analysisBoard) return;
  analysisBoard = false;
  releaseGame();
  current = std::move(suspended);
  if (!current) return;
  current->listeners.push_back(this);
  views.showRecord(&current->record);
  showReviewOfRecord();  // the game's own graph, not the board's
  current->resume();
}

void WindowController::back() {
  if (analysisBoard && current) current->takeBack(1);
}

void WindowController::forward() {
  if (analysisBoard && current) current->replay(1);
}

void WindowController::playFromHere() {
  if (!analysisBoard || !current) return;
  GameSetup setup;
  setup.start = current->currentPosition();
  // Against the computer, the person playing the side to move; the dialog may change both.
  (setup.start.whiteToMove ? setup.black : setup.white) = computerSide(DefaultLevel, DefaultSeconds);
  if (!dialogs.choosePlayers(setup)) return;
  analysisBoard = false;
  releaseGame();
  if (suspended) {
    suspended->log = &views.log();
    suspended->cancelGame();  // the waiting game gives way to the new one
    suspended.reset();
  }
  beginGame(std::make_unique<ControlledGame>(setup, services, loop));
}

void WindowController::stopLiveAnalysis() {
  worker.cancel(liveJob);  // its late reports are dropped
  liveJob = 0;
  ++liveNumber;
  liveFirstMoves.clear();
  liveSpeed.clear();
  views.showAnalysisLines({});
}

// The board's position is searched without end; its best lines arrive about four times a second.
void WindowController::restartLiveAnalysis() {
  stopLiveAnalysis();
  if (!analysisBoard || !current) return;
  const Position root = current->currentPosition();
  liveRoot = root;
  if (MoveList(root).size() == 0) return;
  const int number = liveNumber;
  liveJob = worker.startWithReports(
      [this, root, number](SearchEngine& engine, const SearchRunner::Report& report) {
        analyseWithoutEnd(engine, root, DefaultAnalysisLines, [this, &report, number](const AnalysisSnapshot& snapshot) {
          report([this, number, snapshot] { showLiveAnalysis(number, snapshot); });
        });
      },
      [this, number] {
        if (number == liveNumber) liveJob = 0;  // it reached its last depth
      });
  refresh();
}

void WindowController::showLiveAnalysis(int number, const AnalysisSnapshot& snapshot) {
  if (number != liveNumber || !analysisBoard) return;  // a report of a position no longer shown
  std::vector<AnalysisRow> rows;
  liveFirstMoves.clear();
  for (const AnalysisLine& line : snapshot.lines) {
    if (line.moves.empty()) continue;
    rows.push_back({shownEvaluation(line), line.depth, movesText(liveRoot, line.moves)});
    liveFirstMoves.push_back(line.moves.front());
  }
  liveSpeed = analysisSpeedText(snapshot.depth, snapshot.nps);
  views.showAnalysisLines(rows);
  refreshStatus();
}

void WindowController::playAnalysisLine(int rank) {
  if (!analysisBoard || !current || rank < 0 || rank >= (int)liveFirstMoves.size()) return;
  if (current->currentPosition() != liveRoot) return;
  current->playMove(liveFirstMoves[rank]);
}
