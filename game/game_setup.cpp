#include "game/game_setup.h"
#include "i18n/translate.h"
#include <algorithm>

const char* kindName(PlayerKind kind) { return kind == PlayerKind::Computer ? N_("computer") : N_("human"); }

bool parseKind(const std::string& name, PlayerKind& kind) {
  for (PlayerKind k : {PlayerKind::Person, PlayerKind::Computer})
    if (name == kindName(k)) {
      kind = k;
      return true;
    }
  return false;
}

SideSetup computerSide(Level level, double seconds) {
  SideSetup side;
  side.kind = PlayerKind::Computer;
  side.level = level;
  side.seconds = seconds;
  return side;
}

HumanSides humanSides(const GameSetup& setup) { return {setup.white.isPerson(), setup.black.isPerson()}; }

double hintSeconds(const GameSetup& setup) {
  double seconds = 1;
  for (const SideSetup* side : {&setup.white, &setup.black})
    if (side->isComputer()) seconds = std::max(seconds, side->seconds);
  return seconds;
}

bool startsFlipped(const GameSetup& setup) { return setup.black.isPerson() && setup.white.isComputer(); }
