#include "game/level.h"

namespace {

const char* const LevelNames[LevelCount] = {"beginner", "casual", "classic", "strong", "expert"};

}  // namespace

const char* levelName(Level level) { return LevelNames[(int)level]; }

bool parseLevel(const std::string& name, Level& level) {
  for (int i = 0; i < LevelCount; ++i)
    if (name == LevelNames[i]) {
      level = (Level)i;
      return true;
    }
  return false;
}
