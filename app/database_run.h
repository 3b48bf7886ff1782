// The -e N run: the database for up to N pieces, written where the game reads it.
#pragma once

// Names the folder in its first line, then computes and writes; returns the exit status.
int runDatabaseCommand(int pieces);
