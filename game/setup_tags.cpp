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
  return side;
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
}

std::string sideTitle(const SideSetup& side) { return side.name.empty() ? kindName(side.kind) : side.name; }
