#include "ui/board_theme.h"
#include "i18n/translate.h"

namespace {

constexpr Colour rgb(int hex) {
  return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0};
}

}  // namespace

// Light and dark squares far apart in brightness; the last move tinted so that it still
// reads as a dark square. The classic board keeps the program's first colours.
const BoardTheme BoardThemes[BoardThemeCount] = {
    {"wood", N_("&Wood"), rgb(0xE9CFA0), rgb(0x9A6638), rgb(0xC08A3E), rgb(0x5A3A20), rgb(0xF2E3C6), rgb(0xF2E3C6)},
    {"green", N_("&Green and cream"), rgb(0xEEEED2), rgb(0x769656), rgb(0xA9B94A), rgb(0x4B5E38), rgb(0xEEEED2),
     rgb(0xEEEED2)},
    {"contrast", N_("&High contrast"), rgb(0xFFFFFF), rgb(0x000000), rgb(0x0050D0), rgb(0x333333), rgb(0xFFFF00),
     rgb(0xFFFF00)},
    {"classic", N_("&Classic"), rgb(0xFFFFFF), rgb(0x414141), rgb(0x6E6E3C), rgb(0x2A2A2A), rgb(0xFFFFFF),
     rgb(0x9BCD9B)},
};

// White's pieces are ivory, Black's are red, as on the program's first board.
const PieceSet PieceSets[PieceSetCount] = {
    {"shaded", N_("&Shaded pieces"), true, rgb(0xD8D2C4), rgb(0xF6F2E8), rgb(0x8E2A22), rgb(0xC8463A), rgb(0x2A1A12),
     rgb(0xFFC928)},
    {"flat", N_("&Flat pieces"), false, rgb(0xFFFFFF), rgb(0xCCCCCC), rgb(0xAA4444), rgb(0xFF6666), rgb(0x010101),
     rgb(0xFFD700)},
};

namespace {

template <class T, int N>
int indexOf(const T (&table)[N], const std::string& name) {
  for (int i = 0; i < N; ++i)
    if (name == table[i].name) return i;
  return 0;
}

}  // namespace

int boardThemeIndex(const std::string& name) { return indexOf(BoardThemes, name); }
int pieceSetIndex(const std::string& name) { return indexOf(PieceSets, name); }

BoardLook boardLookFor(const BoardChoices& choices) {
  return {boardThemeIndex(choices.style), pieceSetIndex(choices.pieces)};
}
