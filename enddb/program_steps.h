// The database steps of the program's two kinds of run.
#pragma once
#include <cstdint>
#include <string>
#include "enddb/database.h"

class GenerationProgress;

// Every run that plays holds at least the tables of this many pieces: computed
// in memory, in a moment, when their files are missing or damaged.
constexpr uint32_t StartupPieces = 3;

// Interactive start-up: loads enddb1.bin, ... from `folder` (empty: the working
// directory) and computes in memory, without output, each table of up to StartupPieces
// that was not read sound. Returns what the load found, with the database's
// piece count afterwards.
// Tables from `checkLaterFrom` pieces up are left for EndgameDatabase::checkTable.
DatabaseLoad prepareStartupDatabase(const std::string& folder = "",
                                    uint32_t checkLaterFrom = MaxDatabasePieces + 1);

// Computes apart, without output, and hands to the program's database every
// table of 1..n pieces that it does not hold sound; the larger tables stay.
void computeMissingTables(uint32_t n);

// The -e N run: computes tables 1..pieces, reporting to `progress`, and writes
// them to `folder` (empty: the working directory). Returns the exit status: 0,
// or 1 after one line on standard error per failure.
int runDatabaseGeneration(EndgameDatabase& database, uint32_t pieces, GenerationProgress& progress,
                          const std::string& folder = "");
