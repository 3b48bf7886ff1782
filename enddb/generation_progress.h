// What a database computation reports while it runs, in this order:
// generationStarted, initialisingTable for 1..n, tablesInitialised, then for
// each material class classStarted, sweepCycle and phaseDone as they come,
// classSolved; generationFinished last. Calls come on the computing thread.
#pragma once
#include <cstdint>

// Mover `pieces` with `kings` of them kings, against the opponent's.
struct MaterialClass {
  uint32_t pieces, kings, opponentPieces, opponentKings;
};

// The first two phases of solving a class; the third ends with classSolved.
enum class SolvePhase { Resolve, Close };

class GenerationProgress {
public:
  virtual ~GenerationProgress() = default;
  virtual void generationStarted(uint32_t /*pieces*/) {}
  virtual void initialisingTable(uint32_t /*pieces*/) {}
  virtual void tablesInitialised() {}
  // A class and its mirror image are solved together.
  virtual void classStarted(const MaterialClass&) {}
  // One sweep over the class and its mirror, in the resolve or the refine phase.
  virtual void sweepCycle() {}
  virtual void phaseDone(SolvePhase) {}
  // `fraction` of every position of the computation (0 to 1) is solved now.
  virtual void classSolved(const MaterialClass&, double /*fraction*/) {}
  virtual void generationFinished(double /*seconds*/) {}
};
