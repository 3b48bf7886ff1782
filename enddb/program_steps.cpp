#include "enddb/program_steps.h"
#include <iostream>
#include "enddb/database.h"

uint32_t prepareStartupDatabase(const std::string& folder) {
  if (endgameDatabase.load(24, folder) < 3) endgameDatabase.build(3, false);
  return endgameDatabase.pieceCount;
}

int runDatabaseGeneration(EndgameDatabase& database, uint32_t pieces, const std::string& folder) {
  if (!database.build(pieces, true)) {
    std::cerr << "tarvenn: not enough memory for the " << pieces << "-piece end-game database" << std::endl;
    return 1;
  }
  const std::vector<std::string> failed = database.save(folder);
  for (const std::string& name : failed) std::cerr << "tarvenn: cannot write " << name << std::endl;
  return failed.empty() ? 0 : 1;
}
