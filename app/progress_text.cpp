#include "app/progress_text.h"

// Flushed as it goes: a class of five pieces takes minutes.
void ProgressText::generationStarted(uint32_t) { out << "Init end game db for (pieces):"; }

void ProgressText::initialisingTable(uint32_t pieces) { out << ' ' << pieces << std::flush; }

void ProgressText::tablesInitialised() { out << " DONE" << std::endl; }

void ProgressText::classStarted(const MaterialClass& m) {
  out << "Calc db for " << m.pieces << " (" << m.kings << ") vs " << m.opponentPieces << " (" << m.opponentKings
      << "):" << std::flush;
}

void ProgressText::sweepCycle() { out << '.' << std::flush; }

void ProgressText::phaseDone(SolvePhase phase) {
  if (phase == SolvePhase::Resolve)
    out << ' ';
  else
    out << ". " << std::flush;
}

void ProgressText::classSolved(const MaterialClass&, double) { out << "DONE" << std::endl; }

void ProgressText::generationFinished(double seconds) { out << "Time: " << seconds << "sec" << std::endl; }
