#include <gtest/gtest.h>
#include "enddb/database.h"
#include "tests/enddb/probe_checks.h"

TEST(DatabaseProbeFourPieces, WinsLeadToLossesAndLossesToWins) {
  EndgameDatabase db;
  ASSERT_TRUE(db.build(4));
  expectConsistentProbes(db, 4);
}
