// The sentences that tell the player about a database file that was refused.
#pragma once
#include <string>
#include "enddb/database.h"

// "The end-game database file enddb4.bin is damaged (its checksum does not
// match); positions of 4 pieces are searched instead." Tables of up to
// StartupPieces are computed in memory instead.
std::string refusalNote(const RefusedFile& file);
// "The end-game database file enddb4.bin was damaged (...) and has been rebuilt."
std::string rebuiltNote(const RefusedFile& file);
