// The few engine calls that saved games and settings rely on, kept in one place so
// that a change of the engine's move type touches this pair only.
#pragma once
#include <vector>
#include "engine/movelist.h"

std::vector<Move> legalMoves(const Position& position, bool whiteToMove);
int originOf(const Move& move);                               // square index 0..31
int destinationOf(const Move& move, const Position& before);  // square index 0..31
SquareSet capturedBy(const Move& move, const Position& before);
Position positionAfter(const Move& move);
