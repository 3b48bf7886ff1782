// The SHA-256 sum of every database file enddbN.bin as the computation writes
// it. The files are the same bytes on every machine, so one that differs is damaged.
#pragma once
#include <cstdint>

// Lower-case hex, or null for a piece count that has no file (0, above MaxDatabasePieces).
const char* recordedFileSum(uint32_t pieces);
