#include "enddb/startup.h"
#include "enddb/database.h"

uint32_t prepareStartupDatabase() {
  if (endgameDatabase.load(24) < 3) endgameDatabase.build(3, false);
  return endgameDatabase.pieceCount;
}
