#include "game/setup_tags.h"
#include "game/settings.h"

namespace {

// The tags of one side: "WhiteLevel", "BlackTime".
std::string sideTag(const char* side, const char* what) { return std::string(side) + what; }

SideSetup sideFromTags(const PdnGame& game, const char* sideName) {
  SideSetup side;
  if (!parseKind(game.tag(sideTag(sideName, "Type")), side.kind)) parseKind(game.tag(sideName), side.kind);
  PlayerKind named;
  const std::string name = game.tag(sideName);
  if (!parseKind(name, named)) side.name = name;
  // Missing or damaged values leave the defaults.
  parseLevel(game.tag(sideTag(sideName, "Level")), side.level);
  readChoiceSeconds(game.tag(sideTag(sideName, "Time")), side.seconds);
  // One TimeControl for both sides; a side's own where they differ.
  const std::string own = sideTag(sideName, "TimeControl");
  if (!game.hasTag(own) || !parseTimeControl(game.tag(own), side.clock))
    parseTimeControl(game.tag("TimeControl"), side.clock);
  return side;
}

// Removes a time control tag this program reads; one written in a form it does not read
// ("40/3600") stays as the file had it.
void removeReadableTag(PdnGame& game, const char* name) {
  TimeControl control;
  if (game.hasTag(name) && parseTimeControl(game.tag(name), control)) game.removeTag(name);
}

}  // namespace

GameSetup setupFromPdn(const PdnGame& game) {
  GameSetup setup;
  setup.start = game.start;
  setup.white = sideFromTags(game, "White");
  setup.black = sideFromTags(game, "Black");
  return setup;
}

void writeSetupTags(const GameSetup& setup, PdnGame& game) {
  const struct {
    const char* name;
    const SideSetup& side;
  } sides[] = {{"White", setup.white}, {"Black", setup.black}};
  for (const auto& s : sides) {
    game.setTag(sideTag(s.name, "Type"), kindName(s.side.kind));
    if (s.side.isComputer()) {
      game.setTag(sideTag(s.name, "Level"), levelName(s.side.level));
      game.setTag(sideTag(s.name, "Time"), choiceSecondsText(s.side.seconds));
    } else {  // the file's computer was replaced by a person
      game.removeTag(sideTag(s.name, "Level"));
      game.removeTag(sideTag(s.name, "Time"));
    }
  }
  writeTimeControlTags(setup, game);
}

void writeTimeControlTags(const GameSetup& setup, PdnGame& game) {
  const TimeControl& white = setup.white.clock;
  const TimeControl& black = setup.black.clock;
  removeReadableTag(game, "WhiteTimeControl");
  removeReadableTag(game, "BlackTimeControl");
  if (white == black) {
    if (white.onClock()) game.setTag("TimeControl", timeControlText(white));
    else removeReadableTag(game, "TimeControl");
    return;
  }
  removeReadableTag(game, "TimeControl");
  game.setTag("WhiteTimeControl", timeControlText(white));
  game.setTag("BlackTimeControl", timeControlText(black));
}

std::string sideTitle(const SideSetup& side) { return side.name.empty() ? kindName(side.kind) : side.name; }
