#include <gtest/gtest.h>
#include "engine/board.h"
#include "enddb/index.h"

int main(int argc, char** argv) {
  fillPopCount16();
  fillBinomialTable();
  fillReverse16();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
