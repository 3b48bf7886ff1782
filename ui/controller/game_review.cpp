// The game review of the window controller: every position of the shown game searched on the
// worker, its marks written into the moves' notes, the graph and a summary per side.
#include "game/game.h"
#include "game/record_pdn.h"
#include "i18n/translate.h"
#include "search/review_record.h"
#include "search/search_engine.h"
#include "ui/controller/evaluation_graph.h"
#include "ui/controller/window_controller.h"
#include "ui/controller/window_ports.h"

namespace {

// "White: ?! 2, ? 1, ?? 0; average loss 0.21 men a move."
std::string summaryLine(bool white, const SideSummary& side) {
  return formatText(white ? _("White: ?! %d, ? %d, ?? %d; average loss %.2f men a move.")
                          : _("Black: ?! %d, ? %d, ?? %d; average loss %.2f men a move."),
                    side.marks[(int)MoveMark::Inaccuracy], side.marks[(int)MoveMark::Mistake],
                    side.marks[(int)MoveMark::Blunder], side.averageLoss());
}

}  // namespace

void WindowController::reviewGame() {
  if (!commandStates(commandFacts()).review) return;
  double seconds = 1;
  if (!dialogs.chooseReviewTime(seconds) || !current) return;
  stopLiveAnalysis();  // the analysis board's search gives the worker to the review
  auto request = std::make_shared<ReviewRequest>();
  request->start = current->record.startPosition();
  request->moves = current->record.moves();
  request->limit.seconds = seconds;
  auto result = std::make_shared<GameReview>();
  const int number = ++reviewNumber;
  const int total = (int)request->moves.size() + 1;
  reviewJob = worker.startWithReports(
      [this, request, result, number](SearchEngine& engine, const SearchRunner::Report& report) {
        *result = ::reviewGame(engine, *request, [this, &report, number](int done, int all) {
          report([this, number, done, all] {
            if (number == reviewNumber) views.showReviewProgress(done, all);
          });
        });
      },
      [this, result, number] { finishReview(number, *result); });
  views.showReviewProgress(0, total);
  views.log().post(MsgEvent, _("Reviewing the game..."));
  refresh();
}

void WindowController::cancelReview() {
  if (reviewJob == 0) return;
  stopReview();
  views.log().post(MsgEvent, _("The review was canceled."));
  if (analysisBoard) restartLiveAnalysis();
  refresh();
}

void WindowController::stopReview() {
  if (reviewJob == 0) return;
  worker.cancel(reviewJob);  // its progress and its result are dropped
  reviewJob = 0;
  ++reviewNumber;
  views.showReviewProgress(0, 0);
}

void WindowController::finishReview(int number, const GameReview& review) {
  if (number != reviewNumber || !current) return;  // stopped, or another game by now
  reviewJob = 0;
  views.showReviewProgress(0, 0);
  // The review goes into the moves' notes, replacing an earlier one, so that it is saved and
  // shown from there; moves played since it began keep theirs.
  PdnGame saved = recordToPdn(current->record, PdnResult::Unfinished, "", "");
  writeReview(saved, review);
  const int reviewed = std::min<int>(current->record.count(), (int)review.positions.size() - 1);
  for (int i = 0; i < reviewed; ++i) current->record.entry(i).notes = saved.notesAfter(i);
  views.showMoveMarks();
  views.log().post(MsgEvent, _("The review is done: ?! inaccuracy, ? mistake, ?? blunder; the best move beside each."));
  views.log().post(MsgEvent, summaryLine(true, review.white).c_str());
  views.log().post(MsgEvent, summaryLine(false, review.black).c_str());
  showReviewOfRecord();
  if (analysisBoard) restartLiveAnalysis();
  refresh();
}

// The graph follows the review the moves' notes hold.
void WindowController::showReviewOfRecord() {
  if (!current) {
    views.showEvaluationGraph({});
    return;
  }
  const GameRecord& record = current->record;
  std::vector<PdnNotes> notes;
  for (int i = 0; i < record.count(); ++i) notes.push_back(record.entry(i).notes);
  views.showEvaluationGraph(graphPoints(readReview(record.startPosition(), record.moves(), notes), record.startPosition()));
}
