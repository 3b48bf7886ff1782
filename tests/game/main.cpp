#include <gtest/gtest.h>
#include "engine/board.h"

int main(int argc, char** argv) {
  fillPopCount16();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
