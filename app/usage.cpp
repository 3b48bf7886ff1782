#include "app/usage.h"
#include "i18n/translate.h"
#include "version.h"

std::string usageText(const FileEnvironment& environment) {
  std::string dataFolder = dataFolderPath(environment);
  if (dataFolder.empty()) dataFolder = _("(none: neither XDG_DATA_HOME nor HOME is set)");
  std::string installed = installedBookFolder(environment);
  if (installed.empty()) installed = _("none found");
  // TRANSLATORS: the options, file names and folders stay as they are; the first %s is the data
  // folder, the second the folder of the installed opening book.
  const char* text = _("Usage: tarvenn [-e N | --enddbgen N | -h | --help | --version]\n"
         "Draughts on an 8x8 board: men capture backward, kings fly, taking the most pieces\n"
         "is compulsory. Without options the game opens its window.\n"
         "\n"
         "  -e N, --enddbgen N  compute the end-game database for up to N pieces (1 to 5),\n"
         "                      write enddb1.bin .. enddbN.bin to the game's folder, and end\n"
         "  -h, --help          print this help and end\n"
         "  --version           print the version and end\n"
         "\n"
         "Files: the opening book white.ouv and black.ouv, and the end-game database\n"
         "enddb1.bin, enddb2.bin, ... When the working folder holds any of them, the game\n"
         "reads and writes its files there. Otherwise it uses its data folder\n"
         "  %s\n"
         "($XDG_DATA_HOME/tarvenn, else ~/.local/share/tarvenn), where its first start\n"
         "computes the database for up to 4 pieces, and it reads the book from there when\n"
         "the folder holds one, else from the installed copy (%s).\n");
  return formatText(text, dataFolder.c_str(), installed.c_str());
}

std::string versionText() { return std::string("tarvenn ") + TARVENN_VERSION + "\n"; }
