#include "enddb/program_steps.h"
#include <iostream>
#include "enddb/database.h"

DatabaseLoad prepareStartupDatabase(const std::string& folder, uint32_t checkLaterFrom) {
  DatabaseLoad load = endgameDatabase.load(24, folder, checkLaterFrom);
  computeMissingTables(StartupPieces);
  load.pieceCount = endgameDatabase.pieceCount;
  return load;
}

void computeMissingTables(uint32_t n) {
  EndgameDatabase computed;
  for (uint32_t i = 1; i <= n; ++i)
    if (!endgameDatabase.usable(i) && (computed.usable(i) || computed.build(n)))
      endgameDatabase.adoptTable(i, computed);
}

int runDatabaseGeneration(EndgameDatabase& database, uint32_t pieces, GenerationProgress& progress,
                          const std::string& folder) {
  if (!database.build(pieces, &progress)) {
    std::cerr << "tarvenn: not enough memory for the " << pieces << "-piece end-game database" << std::endl;
    return 1;
  }
  const std::vector<std::string> failed = database.save(folder);
  for (const std::string& name : failed) std::cerr << "tarvenn: cannot write " << name << std::endl;
  return failed.empty() ? 0 : 1;
}
