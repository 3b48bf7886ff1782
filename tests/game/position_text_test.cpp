#include <gtest/gtest.h>
#include "engine/fen.h"
#include "game/position_text.h"

namespace {

TEST(PositionText, PastedFensAreReadInEitherNotationOrRefusedWithTheirReason) {
  struct Case {
    const char* text;
    const char* fen;  // as written back; empty when refused
    const char* reason;
  };
  const Case cases[] = {
      {"W:W21,22,K23:B1,2", "W:W21,22,K23:B1,2", ""},
      {"  B:Wa1,Kc3:Bh8\n", "B:WK22,29:B4", ""},
      {"\"W:W21:B1\"", "W:W21:B1", ""},
      {"", "", "the clipboard holds no text"},
      {"W:W21:B1\nW:W22:B2", "", "the clipboard does not hold one FEN line"},
      {"hello", "", "bad FEN: the side to move must be W or B"},
      {"W:W4:B1", "", "bad FEN: a white man stands on rank 8"},
      {"W:W1,2,3,4,5,6,7,8,9,10,11,12,13:B32", "", "bad FEN: a white man stands on rank 8"},
      {"W:W5,6,7,8,9,10,11,12,13,14,15,16,17:B1", "", "13 white pieces: at most 12"},
      {"W:W:B", "", "no piece on the board"},
  };
  for (const Case& c : cases) {
    Position position = InitialPosition;
    std::string error;
    const bool read = readPositionText(c.text, position, error);
    EXPECT_EQ(read, c.fen[0] != '\0') << c.text;
    if (read) EXPECT_EQ(writeFen(position), c.fen) << c.text;
    else EXPECT_EQ(position, InitialPosition) << "a refused text changes nothing: " << c.text;
    EXPECT_EQ(error, read ? "" : c.reason) << c.text;
  }
}

}  // namespace
