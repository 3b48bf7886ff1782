#include "app/database_run.h"
#include <iostream>
#include "app/progress_text.h"
#include "enddb/program_steps.h"
#include "files/file_locations.h"

int runDatabaseCommand(int pieces) {
  const GameFiles files = locateGameFiles(currentFileEnvironment());
  if (!files.problem.empty()) {
    std::cerr << "tarvenn: cannot make the data folder " << files.folder << ": " << files.problem << std::endl;
    return 1;
  }
  std::cout << "End game db folder: " << files.folder << std::endl;
  ProgressText progress(std::cout);
  return runDatabaseGeneration(endgameDatabase, (uint32_t)pieces, progress, files.databaseFolder);
}
