// The progress of a database computation as the -e N run prints it: one line
// for the tables set up, one line "Calc db for A (K) vs B (L):..." per material
// class with a dot per sweep, and the time taken.
#pragma once
#include <ostream>
#include "enddb/generation_progress.h"

class ProgressText : public GenerationProgress {
public:
  explicit ProgressText(std::ostream& out) : out(out) {}
  void generationStarted(uint32_t pieces) override;
  void initialisingTable(uint32_t pieces) override;
  void tablesInitialised() override;
  void classStarted(const MaterialClass& material) override;
  void sweepCycle() override;
  void phaseDone(SolvePhase phase) override;
  void classSolved(const MaterialClass& material, double fraction) override;
  void generationFinished(double seconds) override;

private:
  std::ostream& out;
};
