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
  s.pauseClock = f.inPlay && f.onClock;
  s.clockHeld = s.pauseClock && f.clockHeld;
  return s;
}
