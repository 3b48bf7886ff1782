// Squares and moves as saved games write them: alphanumeric ("c3", "c3-d4", "c3xe5",
// "a1xc3xe5") and numeric (1 = b8 .. 32 = g1, "22-18", "26x17x10").
#pragma once
#include <string>
#include "engine/movelist.h"

// The move as a saved game writes it; a capture lists every landing square when
// another legal move shares its origin and destination.
std::string moveText(const Position& before, const Move& move);
// Finds the legal move a text names, alphanumeric or numeric, in either case and either
// capture form. False with a one-line reason in `error`.
bool readMoveText(const std::string& text, const Position& before, Move& move, std::string& error);

// A FEN whose squares may be alphanumeric ("W:Wa1,Kc3:Bh8") read into a position.
bool readAnyFen(const std::string& text, Position& position, std::string& error);
