#include "app/database_notes.h"
#include "enddb/program_steps.h"

namespace {

// The name without its folder: the box names the folder apart.
std::string baseName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string refusalNote(const RefusedFile& file) {
  const std::string instead = file.pieces <= StartupPieces ? "its table is computed in memory instead."
                                                           : "positions of " + std::to_string(file.pieces) +
                                                                 " pieces are searched instead.";
  return "The end-game database file " + baseName(file.name) + " is damaged (" + file.reason + "); " + instead;
}

std::string rebuiltNote(const RefusedFile& file) {
  return "The end-game database file " + baseName(file.name) + " was damaged (" + file.reason +
         ") and has been rebuilt.";
}
