#include "search/level_recipe.h"
#include <algorithm>

LevelRecipe levelRecipe(Level level) {
  LevelRecipe recipe;
  switch (level) {
    case Level::Beginner:  // the material search, two or three plies, blurred by half a man either way
      recipe.minDepth = 2;
      recipe.maxDepth = 3;
      recipe.noise = 1;
      recipe.maxSeconds = 0.5;
      break;
    case Level::Casual:  // the positional evaluation at a shallow depth, a little blurred
      recipe.positional = true;
      recipe.minDepth = 4;
      recipe.maxDepth = 5;
      recipe.noise = 8;
      break;
    case Level::Classic:
      break;
    case Level::Strong:
      recipe.positional = true;
      break;
    case Level::Expert:
      recipe.positional = true;
      recipe.timeFactor = 2;
      recipe.threads = 2;
      break;
  }
  return recipe;
}

double levelSeconds(Level level, double seconds) {
  const LevelRecipe recipe = levelRecipe(level);
  const double scaled = seconds * recipe.timeFactor;
  return recipe.maxSeconds > 0 ? std::min(scaled, recipe.maxSeconds) : scaled;
}
