// Test programs start like the real ones: the process-wide tables are filled first.
#include <gtest/gtest.h>
#include "enddb/index.h"

int main(int argc, char** argv) {
  fillProcessTables();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
