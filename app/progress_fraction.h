// How far a database computation has come, for a window that shows it: the
// computing thread reports to it and the window's thread polls fraction().
#pragma once
#include <atomic>
#include "enddb/generation_progress.h"

class ProgressFraction : public GenerationProgress {
public:
  // 0 before the first class is solved, 1 when every class is.
  double fraction() const { return done.load(); }
  void classSolved(const MaterialClass&, double fraction) override { done.store(fraction); }

private:
  std::atomic<double> done{0};
};
