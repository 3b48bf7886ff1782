// The database steps of the program's two kinds of run.
#pragma once
#include <cstdint>
#include <string>
#include "enddb/database.h"

// Interactive start-up: loads enddb1.bin, ... from `folder` (empty: the working
// directory) and, when fewer than three piece counts were read, computes the
// 3-piece database in memory without output. Returns the database's piece count.
uint32_t prepareStartupDatabase(const std::string& folder = "");

// The -e N run: computes tables 1..pieces with progress on standard output and
// writes them to `folder` (empty: the working directory). Returns the exit
// status: 0, or 1 after one line on standard error per failure.
int runDatabaseGeneration(EndgameDatabase& database, uint32_t pieces, const std::string& folder = "");
