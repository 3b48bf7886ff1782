#include <gtest/gtest.h>
#include "search/evaluation.h"
#include "tests/search/search_support.h"

TEST(Evaluation, MaterialCountsAManOneAndAKingThreeForTheSideToMove) {
  const struct {
    const char* fen;
    int score;
  } cases[] = {
      {"W:WK29,K30:B1,2,3", 3},           // two kings against three men
      {"B:WK29,K30:B1,2,3", -3},          // the same from the men's side
      {"W:WK29,10:BK1,20", 0},            // equal material, one king each
      {"W:W21,22,23:B", 3},               // the opponent has nothing left
      {"B:W21,22,23:B", -3},              // the side to move has nothing left
      {"W:WK1,K2,K3,K4,K5,K6,K7,K8,K9,K10,K11,K12:B17,18,19,20,21,22,23,24,25,26,27,28", 24},
      {"W:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12", 0},
  };
  for (const auto& c : cases) {
    const SidePosition p = fromFen(c.fen);
    EXPECT_EQ(MaterialCount::evaluate(p.position.white, p.position.black, p.position.kings, p.whiteToMove), c.score * ScoreMan) << c.fen;
  }
}
