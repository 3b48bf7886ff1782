// PDN position strings for 8x8 draughts, "W:W21,22,K23:B1-12": squares 1..32
// counted from Black's side (1 = B8, 4 = H8, 29 = A1, 32 = G1), K marks a king.
#pragma once
#include <string>
#include "engine/board.h"

// False with a one-line reason in `error` when the text is not a legal position.
bool parseFen(const std::string& text, Position& position, std::string& error);
std::string writeFen(const Position& position);
