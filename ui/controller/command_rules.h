// Which menu commands can act, as a plain function of what the window knows of its game:
// a command that cannot act is greyed rather than left to do nothing.
#pragma once

struct CommandFacts {
  bool hasGame = false;         // a game is shown, in play or ended
  bool inPlay = false;          // the game goes on
  bool humanToMove = false;     // a person has the turn and the board waits for the move
  bool computerThinks = false;  // the computer's search for its move runs
  bool workerBusy = false;      // a search (the computer's, a hint, an analysis) runs or is queued
  bool movesToTakeBack = false;  // a take back would remove moves
  bool movesToReplay = false;    // taken-back moves wait to be replayed
  bool historyRowFocused = false;
  bool analysisBoard = false;    // the window is in the analysis board mode
  bool computerInPlay = false;   // the game in play has a computer side, which needs the worker
  bool reviewing = false;        // a review of the game runs
  bool hasMoves = false;         // the game's record holds moves
  bool onClock = false;    // the game has a clock
  bool clockHeld = false;  // its clock is paused
};

struct CommandStates {
  bool newGame = true, open = true, paste = true, setUp = true, quit = true;
  bool save = false, copy = false, cancel = false;
  bool offerDraw = false, moveNow = false, takeBack = false, replay = false, hint = false, resign = false;
  bool analysis = false;  // the history's pop-up commands
  bool back = false, forward = false, playFromHere = false;  // the analysis board's steps and its way out
  bool analysisBoardShown = false;  // the mode is on: its menu entry is checked
  bool review = false;              // Game > Review game...
  bool pauseClock = false;
  bool clockHeld = false;  // Pause clock shows checked
};

CommandStates commandStates(const CommandFacts& facts);
