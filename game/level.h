// The computer's levels, from a beginner's opponent to the strongest the program plays, by name.
// How each one decides is the search's business (search/level_recipe.h).
#pragma once
#include <string>

enum class Level { Beginner, Casual, Classic, Strong, Expert };

constexpr Level DefaultLevel = Level::Classic;
constexpr int LevelCount = 5;

// "beginner", "casual", "classic", "strong", "expert".
const char* levelName(Level level);
// The level of a name as levelName writes it; false for anything else.
bool parseLevel(const std::string& name, Level& level);
