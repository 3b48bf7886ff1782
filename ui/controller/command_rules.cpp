#include "ui/controller/command_rules.h"

CommandStates commandStates(const CommandFacts& f) {
  CommandStates s;
  // A finished game can still be saved, copied and put away.
  s.save = f.hasGame;
  s.copy = f.hasGame || f.historyRowFocused;
  s.cancel = f.hasGame;
  // Offers, hints and resignations belong to the person whose turn it is.
  s.offerDraw = f.inPlay && f.humanToMove;
  s.resign = f.inPlay && f.humanToMove;
  s.hint = f.inPlay && f.humanToMove && !f.workerBusy;
  s.moveNow = f.inPlay && f.computerThinks;
  // Take back also brings an ended game back into play.
  s.takeBack = f.hasGame && f.movesToTakeBack;
  s.replay = f.hasGame && f.movesToReplay;
  s.analysis = !f.workerBusy;
  // The analysis board has no opponent to offer a draw or resign to; its moves are stepped through.
  if (f.analysisBoard) s.offerDraw = s.resign = false;
  s.back = f.analysisBoard && f.movesToTakeBack;
  s.forward = f.analysisBoard && f.movesToReplay;
  s.playFromHere = f.analysisBoard;
  s.analysisBoardShown = f.analysisBoard;
  // A review takes the worker for minutes: not while a computer plays, or the worker runs
  // something else (the analysis board's own analysis gives way to it).
  s.review = f.hasGame && !f.reviewing && f.hasMoves &&
             !f.computerInPlay && (!f.workerBusy || f.analysisBoard);
  s.pauseClock = f.inPlay && f.onClock;
  s.clockHeld = s.pauseClock && f.clockHeld;
  return s;
}
