#include <gtest/gtest.h>
#include "enddb/database.h"
#include "enddb/index.h"

int main(int argc, char** argv) {
  fillProcessTables();
  endgameDatabase.build(3, false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
