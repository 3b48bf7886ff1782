#include "ui/controller/player_lines.h"
#include <cmath>
#include <cstdio>
#include "game/game.h"
#include "i18n/translate.h"

namespace {

std::string sideName(const SideSetup& side, bool white) {
  if (!side.name.empty()) return side.name;
  if (side.isComputer()) return formatText(_("Computer (%s)"), _(levelName(side.level)));
  return white ? _("White") : _("Black");
}

}  // namespace

bool PlayerLines::operator==(const PlayerLines& o) const {
  auto same = [](const PlayerLine& a, const PlayerLine& b) {
    return a.name == b.name && a.clock == b.clock && a.toMove == b.toMove && a.low == b.low;
  };
  return shown == o.shown && same(white, o.white) && same(black, o.black);
}

std::string clockDisplayText(double seconds) {
  char text[32];
  if (!(seconds > 0)) seconds = 0;
  if (seconds < LowClockSeconds) {
    const long tenths = (long)std::floor(seconds * 10 + 1e-6);
    std::snprintf(text, sizeof text, "0:%02ld.%ld", tenths / 10, tenths % 10);
    return text;
  }
  const long whole = (long)std::floor(seconds + 1e-6);
  if (whole >= 3600) std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
  else std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
  return text;
}

PlayerLines playerLines(const Game& game, double now) {
  PlayerLines lines;
  const GameClock& clock = game.clock();
  lines.shown = clock.anyOnClock();
  if (!lines.shown) return lines;
  const bool inPlay = game.result() == InPlay;
  for (bool white : {true, false}) {
    PlayerLine& line = white ? lines.white : lines.black;
    line.name = sideName(game.setup().side(white), white);
    line.toMove = inPlay && game.whiteToMove() == white;
    if (!clock.onClock(white)) continue;
    const double left = timeLeft(clock, white, now);
    line.clock = clockDisplayText(left);
    line.low = left < LowClockSeconds;
  }
  return lines;
}
