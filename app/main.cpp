// The tarvenn executable: reads the command line, then either
// prints its help or version, computes the end-game database, or runs the game.
#include <iostream>
#include "app/command_line.h"
#include "app/database_run.h"
#include "app/interactive.h"
#include "app/usage.h"
#include "files/file_locations.h"
#include "game/settings.h"
#include "i18n/language.h"
#include "i18n/translate.h"

int main(int argc, char** argv) {
  startTranslations(currentFileEnvironment().programFolder, loadLanguageChoice());
  const CommandLine line = readCommandLine(argc, argv);
  switch (line.kind) {
    case CommandLine::Error:
      std::cerr << line.message << std::endl;
      return 1;
    case CommandLine::Help:
      std::cout << usageText(currentFileEnvironment());
      return 0;
    case CommandLine::Version:
      std::cout << versionText();
      return 0;
    case CommandLine::Database:
      return runDatabaseCommand(line.pieces);
    case CommandLine::Interactive:
      break;
  }
#ifdef TARVENN_WITH_WINDOW
  return runInteractive(argc, argv);
#else
  std::cerr << _("This build has no window (configured with TARVENN_GUI off).") << std::endl;
  return 1;
#endif
}
