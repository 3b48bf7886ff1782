#include "game/setup_check.h"
#include "i18n/translate.h"
#include "pdn/pdn_notation.h"

namespace {

// A man on its own crowning row would have been crowned on arriving there.
std::string crownedManFault(SquareSet men, SquareSet crowningRow, bool white) {
  const SquareSet wrong = men & crowningRow;
  if (!wrong) return "";
  const std::string square = squareName(squareIndex(wrong & -wrong));
  return formatText(white ? _("a white man on its crowning row (%s)") : _("a black man on its crowning row (%s)"),
                    square.c_str());
}

}  // namespace

std::string setUpFault(const Position& position) {
  if (position.white & position.black) return _("a square holds a white and a black piece");
  if (!(position.white | position.black)) return _("no piece on the board");
  const int whites = popCount(position.white), blacks = popCount(position.black);
  if (whites > MaxPiecesPerSide) return formatText(_("%d white pieces: at most 12"), whites);
  if (blacks > MaxPiecesPerSide) return formatText(_("%d black pieces: at most 12"), blacks);
  std::string fault = crownedManFault(position.white & ~position.kings, WhiteKingRow, true);
  if (fault.empty()) fault = crownedManFault(position.black & ~position.kings, BlackKingRow, false);
  return fault;
}

Position cycledSquare(const Position& position, int square) {
  if (square < 0 || square > 31) return position;
  const SquareSet bit = SquareSet(1) << square;
  Position next = position;
  next.white &= ~bit;
  next.black &= ~bit;
  next.kings &= ~bit;
  const bool king = position.kings & bit;
  if (position.white & bit) {
    if (king) next.black |= bit;
    else next.white |= bit, next.kings |= bit;
  } else if (position.black & bit) {
    if (!king) next.black |= bit, next.kings |= bit;
  } else {
    next.white |= bit;
  }
  return next;
}
