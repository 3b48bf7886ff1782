#include <gtest/gtest.h>
#include "engine/fen.h"
#include "pdn/pdn_notation.h"
#include "game/setup_check.h"

namespace {

SquareSet squares(std::initializer_list<const char*> names) {
  SquareSet set = 0;
  for (const char* name : names) set |= SquareSet(1) << squareFromName(name[0], name[1]);
  return set;
}

TEST(SetUpCheck, ImpossiblePositionsAreRefusedWithTheirReason) {
  const SquareSet twelve = InitialPosition.white, thirteenth = squares({"a5"});
  struct Case {
    Position position;
    const char* fault;
  };
  const Case cases[] = {
      {InitialPosition, ""},
      {Position(0, 0, 0, true), "no piece on the board"},
      {Position(0, 0, 0, false), "no piece on the board"},
      {Position(squares({"b8"}), squares({"a7"}), 0, true), "a white man on its crowning row (b8)"},
      {Position(squares({"b8"}), squares({"a7"}), squares({"b8"}), true), ""},
      {Position(squares({"c3"}), squares({"c1", "e1"}), 0, false), "a black man on its crowning row (c1)"},
      {Position(squares({"c3"}), squares({"c1"}), squares({"c1"}), false), ""},
      {Position(twelve | thirteenth, squares({"h8"}), 0, true), "13 white pieces: at most 12"},
      {Position(squares({"c3"}), InitialPosition.black | squares({"b4"}), 0, true), "13 black pieces: at most 12"},
      {Position(squares({"c3"}), 0, 0, true), ""},  // one side alone: the game ends at once, but it can start
      {Position(squares({"c3"}), squares({"c3"}), 0, true), "a square holds a white and a black piece"},
  };
  for (const Case& c : cases) EXPECT_EQ(setUpFault(c.position), c.fault) << writeFen(c.position);
}

}  // namespace

namespace {

TEST(SetUpCheck, ClicksCycleEmptyWhiteManWhiteKingBlackManBlackKing) {
  const int b4 = squareFromName('b', '4');
  const SquareSet bit = SquareSet(1) << b4, other = SquareSet(1) << 0;
  Position p(other, 0, other, false);  // a white king elsewhere stays as it is
  const char* const expected[] = {"white man", "white king", "black man", "black king", "empty"};
  for (const char* what : expected) {
    p = cycledSquare(p, b4);
    const std::string seen = (p.white & bit) ? ((p.kings & bit) ? "white king" : "white man")
                             : (p.black & bit) ? ((p.kings & bit) ? "black king" : "black man")
                                               : (p.kings & bit) ? "king without piece" : "empty";
    EXPECT_EQ(seen, what);
    EXPECT_EQ(p.white & other, other);
    EXPECT_EQ(p.kings & other, other);
    EXPECT_FALSE(p.whiteToMove);
  }
}

}  // namespace
