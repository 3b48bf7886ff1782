#include "tools/played_game_pdn.h"
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include "pdn/pdn_writer.h"

bool checkAppendable(const std::string& path, std::string& error) {
  errno = 0;
  std::FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "ab");
  if (!file || std::fclose(file) != 0) {
    error = "cannot write " + (path.empty() ? std::string("an empty file name") : path) +
            (errno ? std::string(": ") + std::strerror(errno) : "");
    return false;
  }
  return true;
}

PdnGame pdnOfPlayedGame(const Game& game, long long round) {
  PdnGame pdn;
  pdn.setTag("Event", "tarvenn-engine play");
  pdn.setTag("Date", pdnDate(std::time(nullptr)));
  pdn.setTag("Round", std::to_string(round));
  pdn.setTag("White", "computer");
  pdn.setTag("Black", "computer");
  for (int i = 0; i < game.record.count(); ++i) pdn.moves.push_back(game.record.entry(i).move);
  // A game that ends without a draw is lost by the side left to move.
  pdn.result = game.result() == Drawn ? PdnResult::Draw
               : game.whiteToMove()   ? PdnResult::BlackWins
                                      : PdnResult::WhiteWins;
  return pdn;
}
