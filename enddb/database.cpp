#include "enddb/database.h"
#include <cerrno>
#include <cstdio>
#include <cstring>
#include "enddb/large_pages.h"
#include "engine/movegen.h"

EndgameDatabase endgameDatabase;

namespace {

// "enddb .bin" with the digit of the piece count in place of the blank, inside
// `folder` (the working folder when it is empty).
std::string fileName(const std::string& folder, uint32_t n) {
  std::string name = "enddb .bin";
  name[5] = char('0' + n);
  return folder.empty() ? name : folder + "/" + name;
}

}  // namespace

bool EndgameDatabase::holdTables(uint32_t n) {
  for (uint32_t i = held + 1; i <= n; ++i) {
    values[i].reset(static_cast<uint8_t*>(std::malloc(tableSize(i))));
    if (!values[i]) {
      held = i - 1;
      return false;
    }
    adviseLargePages(values[i].get(), tableSize(i));
  }
  for (uint32_t i = n + 1; i <= held; ++i) values[i].reset();
  held = n;
  return true;
}

uint32_t EndgameDatabase::load(uint32_t limit, const std::string& folder) {
  // Files beyond the largest table this program computes are never read: their
  // tables would not fit the index.
  if (limit > MaxDatabasePieces) limit = MaxDatabasePieces;
  for (uint32_t i = 1; i <= limit; ++i) {
    FILE* file = std::fopen(fileName(folder, i).c_str(), "rb");
    if (!file) return i - 1;
    bool complete = holdTables(i);
    if (complete) {
      pieceCount = savedPieceCount = i;
      complete = std::fread(values[i].get(), 1, tableSize(i), file) == tableSize(i);
    }
    std::fclose(file);
    if (!complete) {
      holdTables(i - 1);
      pieceCount = savedPieceCount = i - 1;
      return i - 1;
    }
  }
  return limit;
}

std::vector<std::string> EndgameDatabase::save(const std::string& folder) const {
  std::vector<std::string> failed;
  for (uint32_t i = 1; i <= pieceCount && i <= held; ++i) {
    const std::string name = fileName(folder, i);
    errno = 0;
    FILE* file = std::fopen(name.c_str(), "wb");
    bool written = file && std::fwrite(values[i].get(), 1, tableSize(i), file) == tableSize(i);
    int error = errno;
    // A full disk often shows only when the buffered rest is written out.
    if (file && std::fclose(file) != 0) {
      if (written || error == 0) error = errno;
      written = false;
    }
    if (!written) failed.push_back(name + ": " + std::strerror(error != 0 ? error : EIO));
  }
  return failed;
}

uint8_t EndgameDatabase::storedValue(SquareSet mover, SquareSet opponent, SquareSet kings) const {
  const SquareSet occupied = mover | opponent;
  const uint32_t count = popCount(occupied);
  if (count == 0 || count > pieceCount || count > held) return 0;
  uint32_t n;
  return values[count][indexOf(occupied, mover, kings, n)];
}

uint8_t EndgameDatabase::orientedStatus(SquareSet mover, SquareSet opponent, SquareSet kings) const {
  return storedValue(mover, opponent, kings) & StatusMask;
}

// Bytes that do not fit the position (a status never written by generation, a
// move number past the move list) count as not covered, so a damaged file
// sends play back to the search.
uint8_t EndgameDatabase::probeOriented(SquareSet& mover, SquareSet& opponent, SquareSet& kings,
                                       SquareSet& from) const {
  const uint8_t value = storedValue(mover, opponent, kings);
  const uint8_t status = value & StatusMask;
  if (status == StatusDraw || status == StatusUndecided) return status;
  MoveRecord moves[MoveBufferCapacity];
  const MoveRecord* end = generateWhiteMoves(moves, mover, opponent, kings);
  const MoveRecord* chosen = moves + (value & MoveNumberMask);
  if (chosen >= end) return 0;
  mover = chosen->white;
  opponent = chosen->black;
  kings = chosen->kings;
  from = chosen->from;
  return status;
}

uint8_t EndgameDatabase::probeWhiteToMove(SquareSet& white, SquareSet& black, SquareSet& kings,
                                          SquareSet& from) const {
  return probeOriented(white, black, kings, from);
}

uint8_t EndgameDatabase::probeBlackToMove(SquareSet& white, SquareSet& black, SquareSet& kings,
                                          SquareSet& from) const {
  SquareSet mover = reverseSquares(black), opponent = reverseSquares(white), turnedKings = reverseSquares(kings);
  SquareSet turnedFrom = 0;
  const uint8_t status = probeOriented(mover, opponent, turnedKings, turnedFrom);
  if (status == StatusWin || status == StatusLoss) {
    white = reverseSquares(opponent);
    black = reverseSquares(mover);
    kings = reverseSquares(turnedKings);
    from = reverseSquares(turnedFrom);
  }
  return status;
}

const char* statusWord(uint8_t status) {
  switch (status) {
    case StatusWin: return "win";
    case StatusLoss: return "loss";
    case StatusDraw: return "draw";
    default: return "not covered";
  }
}
