// Passes over a material class that settle its values from the values after
// each move. A pass only looks again at positions one of whose successors
// changed since it last looked: the others would come out as they were.
#pragma once
#include <cstdint>
#include <vector>
#include "enddb/class_positions.h"
#include "enddb/index.h"

// Per piece count, two bytes per index: the value byte, then the distance in
// plies to the end of the game under the chosen moves. Side by side, one
// memory fetch brings both.
struct GenerationTables {
  uint8_t* entries[MaxDatabasePieces + 1];
};

// Resolve settles positions from their successors, close makes the rest
// draws, refine shortens the distances of wins and losses.
enum SweepMode { Resolve, Close, Refine };

// A class with the positions the next pass must look at.
struct SweptClass {
  ClassPositions positions;
  std::vector<uint64_t> pending;  // one bit per place of the visiting order

  SweptClass(uint32_t a, uint32_t b, uint32_t k, uint32_t l);
  void markAll();
};

// One pass in visiting order; values change in place, so later positions of
// the same pass see them. Positions leading into `swept` are in `mirror`
// (the same object for a class that is its own mirror). True if a resolve or
// refine pass changed anything.
bool sweep(const GenerationTables& tables, SweptClass& swept, SweptClass& mirror, SweepMode mode);
