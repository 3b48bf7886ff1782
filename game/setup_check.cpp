#include "game/setup_check.h"
#include "game/pdn_notation.h"

namespace {

// A man on its own crowning row would have been crowned on arriving there.
std::string crownedManFault(SquareSet men, SquareSet crowningRow, const char* side) {
  const SquareSet wrong = men & crowningRow;
  if (!wrong) return "";
  return std::string("a ") + side + " man on its crowning row (" + squareName(squareIndex(wrong & -wrong)) + ")";
}

}  // namespace

std::string setUpFault(const Position& position) {
  if (position.white & position.black) return "a square holds a white and a black piece";
  if (!(position.white | position.black)) return "no piece on the board";
  const int whites = popCount(position.white), blacks = popCount(position.black);
  if (whites > MaxPiecesPerSide) return std::to_string(whites) + " white pieces: at most 12";
  if (blacks > MaxPiecesPerSide) return std::to_string(blacks) + " black pieces: at most 12";
  std::string fault = crownedManFault(position.white & ~position.kings, WhiteKingRow, "white");
  if (fault.empty()) fault = crownedManFault(position.black & ~position.kings, BlackKingRow, "black");
  return fault;
}
