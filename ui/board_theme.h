// The boards and piece sets a player chooses from (View > Board style) as plain colours,
// without the toolkit. The first board and the first piece set are the defaults.
#pragma once
#include <string>
#include "game/settings.h"

struct Colour {
  double r, g, b;  // 0 .. 1
};

struct BoardTheme {
  const char* name;   // as the settings keep it
  const char* label;  // as the menu shows it, before translation; & marks its key
  Colour light, dark;
  Colour lastMove;     // the dark squares of the last move
  Colour margin, coordinates, squareNames;
};

struct PieceSet {
  const char* name;
  const char* label;
  bool shaded;  // soft light and an edge; else flat colours
  Colour whiteRing, whiteFace, blackRing, blackFace;
  Colour outline, crown;
};

constexpr int BoardThemeCount = 4;
constexpr int PieceSetCount = 2;
extern const BoardTheme BoardThemes[BoardThemeCount];
extern const PieceSet PieceSets[PieceSetCount];

// The index of a board or piece set by its name; 0 (the default) for an unknown one.
int boardThemeIndex(const std::string& name);
int pieceSetIndex(const std::string& name);

// What the board shows from the player's choices.
struct BoardLook {
  int theme = 0;   // into BoardThemes
  int pieces = 0;  // into PieceSets
};
// The look the settings choose, the defaults for unknown names.
BoardLook boardLookFor(const BoardChoices& choices);
