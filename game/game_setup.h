// How a game starts: the start position with its side to move, and for each side a person or
// the computer with its level and time per move. The new-game and players dialogs, the settings
// file, a saved or resumed game and the match all make this value; players are built from it.
#pragma once
#include <string>
#include "engine/board.h"
#include "player/level.h"
#include "game/take_back.h"
#include "game/time_control.h"

enum class PlayerKind { Person, Computer };

constexpr double DefaultSeconds = 1.0;

struct SideSetup {
  PlayerKind kind = PlayerKind::Person;
  Level level = DefaultLevel;      // the computer's level
  double seconds = DefaultSeconds; // the computer's time per move as chosen; the level may scale it
  std::string name;                // the player's name where a saved game gives one, else ""
  bool drawOffers = true;          // the computer offers and accepts draws; a match may rule them out
  TimeControl clock;               // none: no clock, the computer thinks `seconds` a move

  bool isPerson() const { return kind == PlayerKind::Person; }
  bool isComputer() const { return kind == PlayerKind::Computer; }
};

struct GameSetup {
  Position start = InitialPosition;  // with its side to move
  SideSetup white, black;

  const SideSetup& side(bool isWhite) const { return isWhite ? white : black; }
};

// The computer at `level`, thinking `seconds` a move as chosen.
SideSetup computerSide(Level level, double seconds);

// "human", "computer": the names the settings file and saved games use.
const char* kindName(PlayerKind kind);
// The kind of a name as kindName writes it; false for anything else.
bool parseKind(const std::string& name, PlayerKind& kind);

// The sides a person plays.
HumanSides humanSides(const GameSetup& setup);
// How long a hint may think: the longer computer time of the two, at least 1 s.
double hintSeconds(const GameSetup& setup);
// A person plays Black against the computer: the board starts turned round for them.
bool startsFlipped(const GameSetup& setup);
