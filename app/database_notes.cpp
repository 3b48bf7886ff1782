#include "app/database_notes.h"
#include "i18n/translate.h"
#include "enddb/program_steps.h"

namespace {

// The name without its folder: the box names the folder apart.
std::string baseName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string refusalNote(const RefusedFile& file) {
  const std::string name = baseName(file.name);
  if (file.pieces <= StartupPieces)
    return formatText(_("The end-game database file %s is damaged (%s); its table is computed in memory instead."),
                      name.c_str(), file.reason.c_str());
  return formatText(_("The end-game database file %s is damaged (%s); positions of %u pieces are searched instead."),
                    name.c_str(), file.reason.c_str(), unsigned(file.pieces));
}

std::string rebuiltNote(const RefusedFile& file) {
  return formatText(_("The end-game database file %s was damaged (%s) and has been rebuilt."),
                    baseName(file.name).c_str(), file.reason.c_str());
}
