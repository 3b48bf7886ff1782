#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <string>
#include "app/generation_progress.h"
#include "enddb/database.h"

namespace {

// The progress text of a real computation of tables 1..n.
std::string progressText(uint32_t n) {
  EndgameDatabase database;
  testing::internal::CaptureStdout();
  database.build(n, true);
  return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(GenerationProgress, RisesWithEveryClassAndEndsFullWithTheComputation) {
  for (uint32_t pieces : {2u, 3u, 4u}) {
    const std::string text = progressText(pieces);
    GenerationProgress progress(pieces);
    std::ostream out(&progress);
    EXPECT_EQ(progress.fraction(), 0.0);
    std::istringstream lines(text);
    double last = 0;
    int classes = 0;
    for (std::string line; std::getline(lines, line);) {
      // Written in pieces, as the computation writes it: dots one by one.
      for (char c : line) out << c << std::flush;
      out << '\n';
      if (line.rfind("Calc db for", 0) == 0) {
        ++classes;
        EXPECT_GT(progress.fraction(), last) << line;
      } else {
        EXPECT_EQ(progress.fraction(), last) << line;
      }
      last = progress.fraction();
    }
    EXPECT_GT(classes, 0);
    EXPECT_NEAR(progress.fraction(), 1.0, 1e-12) << pieces << " pieces";
  }
}

TEST(GenerationProgress, LinesThatNameNoClassChangeNothing) {
  GenerationProgress progress(4);
  std::ostream out(&progress);
  out << "Calc db for 3 (3) vs 3 (3):DONE\n"      // six pieces
      << "Calc db for 1 (2) vs 1 (0):DONE\n"      // more kings than pieces
      << "Calc db for 1 (1) vs 1 (1):....\n"      // not finished
      << "DONE\nTime: 1sec\n" << std::string(10000, '.') << '\n';
  EXPECT_EQ(progress.fraction(), 0.0);
}
