#include <gtest/gtest.h>
#include "enddb/database.h"

int main(int argc, char** argv) {
  endgameDatabase.build(3);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
