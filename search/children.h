// The search's own move generator, one instance per side to move.
#pragma once
#include "search/search.h"

template <bool WhiteToMove>
int expandChildrenFor(Child* children, SquareSet white, SquareSet black, SquareSet kings, bool capturesOnly);
