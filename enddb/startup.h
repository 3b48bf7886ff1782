// The database an interactive run starts with.
#pragma once
#include <cstdint>

// Loads enddb1.bin, ... from the working directory and, when fewer than three
// piece counts were read, computes the 3-piece database in memory without
// output. Returns the database's piece count.
uint32_t prepareStartupDatabase();
