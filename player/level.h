// The computer's levels, from a beginner's opponent to the strongest the program plays, by name.
// Each level only chooses a search plan (search/search_plan.h).
#pragma once
#include <string>
#include "search/search_plan.h"

enum class Level { Beginner, Casual, Classic, Strong, Expert };

constexpr Level DefaultLevel = Level::Classic;
constexpr int LevelCount = 5;

// "beginner", "casual", "classic", "strong", "expert".
const char* levelName(Level level);
// The level of a name as levelName writes it; false for anything else.
bool parseLevel(const std::string& name, Level& level);
// How the computer decides at this level.
SearchPlan levelPlan(Level level);
// The time a decision at this level may take when the player chose `seconds` a move.
double levelSeconds(Level level, double seconds);
