// A progress report kept as one word per call, for tests of the order of calls.
#pragma once
#include <string>
#include <vector>
#include "enddb/generation_progress.h"

struct RecordedProgress : GenerationProgress {
  std::vector<std::string> calls;
  std::vector<double> fractions;  // of classSolved, in order

  void generationStarted(uint32_t pieces) override { calls.push_back("start " + std::to_string(pieces)); }
  void initialisingTable(uint32_t pieces) override { calls.push_back("table " + std::to_string(pieces)); }
  void tablesInitialised() override { calls.push_back("tables"); }
  void classStarted(const MaterialClass& m) override { calls.push_back("class " + name(m)); }
  void sweepCycle() override { calls.push_back("."); }
  void phaseDone(SolvePhase phase) override { calls.push_back(phase == SolvePhase::Resolve ? "resolved" : "closed"); }
  void classSolved(const MaterialClass& m, double fraction) override {
    calls.push_back("solved " + name(m));
    fractions.push_back(fraction);
  }
  void generationFinished(double) override { calls.push_back("finished"); }

  static std::string name(const MaterialClass& m) {
    return std::to_string(m.pieces) + "(" + std::to_string(m.kings) + ")" + std::to_string(m.opponentPieces) + "(" +
           std::to_string(m.opponentKings) + ")";
  }
};
