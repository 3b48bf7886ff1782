// The main of most test programs.
// The programs they start never see the user's own data folder or an installed
// book: each test process points XDG_DATA_HOME and XDG_DATA_DIRS at empty scratch
// folders of its own.
#include <gtest/gtest.h>
#include <cstdlib>
#include "tests/support/scratch_directory.h"

int main(int argc, char** argv) {
  ScratchDirectory dataHome, dataDirs;
  setenv("XDG_DATA_HOME", dataHome.path.c_str(), 1);
  setenv("XDG_DATA_DIRS", dataDirs.path.c_str(), 1);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
