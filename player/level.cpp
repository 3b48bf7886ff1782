#include "player/level.h"
#include "i18n/translate.h"

namespace {

// Also the names files keep: translated only where a person reads them.
const char* const LevelNames[LevelCount] = {N_("beginner"), N_("casual"), N_("classic"), N_("strong"), N_("expert")};

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

SearchPlan levelPlan(Level level) {
  SearchPlan plan;
  switch (level) {
    case Level::Beginner:  // the material search, two or three plies, blurred by half a man either way
      plan.minDepth = 2;
      plan.maxDepth = 3;
      plan.noise = ScoreMan / 2;
      plan.maxSeconds = 0.5;
      break;
    case Level::Casual:  // the positional evaluation at a shallow depth, a little blurred
      plan.evaluation = Evaluation::Positional;
      plan.minDepth = 4;
      plan.maxDepth = 5;
      plan.noise = 8;
      break;
    case Level::Classic:
      break;
    case Level::Strong:
      plan.evaluation = Evaluation::Positional;
      break;
    case Level::Expert:
      plan.evaluation = Evaluation::Positional;
      plan.timeFactor = 2;
      plan.threads = 2;
      break;
  }
  return plan;
}

double levelSeconds(Level level, double seconds) { return planSeconds(levelPlan(level), seconds); }
