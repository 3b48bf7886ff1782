// The database of an ordinary run. In the data folder a first start, one without
// the 4-piece database, computes it there with a progress window; a failure is
// shown in a message box and the game starts with what it has.
#pragma once
#include "files/file_locations.h"

// Needs the toolkit prepared (prepareToolkit) for its windows.
void prepareGameDatabase(const GameFiles& files);
