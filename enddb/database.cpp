#include "enddb/database.h"
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include "enddb/file_sums.h"
#include "enddb/large_pages.h"
#include "enddb/sha256.h"
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
  for (uint32_t i = 1; i <= n; ++i) {
    if (values[i]) continue;
    values[i].reset(static_cast<uint8_t*>(std::malloc(tableSize(i))));
    if (!values[i]) {
      for (uint32_t j = i + 1; j <= held; ++j) values[j].reset();
      held = i - 1;
      return false;
    }
    adviseLargePages(values[i].get(), tableSize(i));
  }
  for (uint32_t i = n + 1; i <= held; ++i) values[i].reset();
  held = n;
  return true;
}

uint32_t EndgameDatabase::soundPieceCount() const {
  uint32_t largest = 0;
  for (uint32_t n = 1; n <= uint32_t(MaxDatabasePieces); ++n)
    if (usable(n)) largest = n;
  return largest;
}

namespace {

// Checks are fed this much at a time, so that a stop request is seen soon.
constexpr size_t CheckStep = size_t(1) << 20;

// Whether the n-piece table read from a file is what the computation writes;
// false also when `stop` turned true on the way.
bool matchesRecordedSum(const uint8_t* table, uint32_t n, const std::atomic<bool>* stop) {
  const char* recorded = recordedFileSum(n);
  if (!recorded) return false;
  Sha256 sum;
  for (size_t done = 0; done < tableSize(n); done += CheckStep) {
    if (stop && stop->load()) return false;
    sum.add(table + done, std::min(CheckStep, tableSize(n) - done));
  }
  return sum.hex() == recorded;
}

const char* const ChecksumMismatch = "its checksum does not match";

}  // namespace

DatabaseLoad EndgameDatabase::load(uint32_t limit, const std::string& folder, uint32_t checkLaterFrom) {
  // Files beyond the largest table this program computes are never read: their
  // tables would not fit the index.
  if (limit > MaxDatabasePieces) limit = MaxDatabasePieces;
  DatabaseLoad result;
  uint32_t sound = 0;
  for (uint32_t i = 1; i <= limit; ++i) {
    const std::string name = fileName(folder, i);
    FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) break;
    if (!holdTables(i)) {
      std::fclose(file);
      break;
    }
    const bool complete = std::fread(values[i].get(), 1, tableSize(i), file) == tableSize(i);
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    const bool checkNow = i < checkLaterFrom;
    std::string fault;
    if (error != 0)
      fault = std::string("it cannot be read: ") + std::strerror(error);
    else if (!complete)
      fault = "it is shorter than a complete file";
    else if (checkNow && !matchesRecordedSum(values[i].get(), i, nullptr))
      fault = ChecksumMismatch;
    if (!fault.empty()) {
      values[i].reset();
      result.refused.push_back({i, name, fault});
    } else if (checkNow) {
      sound |= 1u << i;
    } else {
      result.unchecked.push_back(i);
    }
  }
  // Tables of an earlier load or build that this one did not read go.
  for (uint32_t i = 1; i <= held; ++i)
    if (!(sound >> i & 1) && i < checkLaterFrom) values[i].reset();
  while (held > 0 && !values[held]) --held;
  soundTables = sound;
  pieceCount = held;
  result.pieceCount = pieceCount;
  return result;
}

bool EndgameDatabase::checkTable(uint32_t n, const std::string& folder, RefusedFile& refused,
                                 const std::atomic<bool>* stop) {
  if (n == 0 || n > held || !values[n] || usable(n)) return usable(n);
  if (!matchesRecordedSum(values[n].get(), n, stop)) {
    if (stop && stop->load()) return false;
    values[n].reset();
    refused = {n, fileName(folder, n), ChecksumMismatch};
    return false;
  }
  soundTables |= 1u << n;
  return true;
}

void EndgameDatabase::adoptTable(uint32_t n, EndgameDatabase& source) {
  if (n == 0 || n > uint32_t(MaxDatabasePieces) || usable(n) || !source.usable(n)) return;
  values[n] = std::move(source.values[n]);
  source.soundTables &= ~(1u << n);
  if (held < n) held = n;
  // Only a table beyond the held ones raises the count: in play the new table fills a gap.
  if (pieceCount < n) pieceCount = n;
  soundTables |= 1u << n;
}

std::string EndgameDatabase::saveTable(uint32_t n, const std::string& folder) const {
  const std::string name = fileName(folder, n);
  if (!usable(n)) return name + ": " + std::strerror(ENOENT);
  errno = 0;
  FILE* file = std::fopen(name.c_str(), "wb");
  bool written = file && std::fwrite(values[n].get(), 1, tableSize(n), file) == tableSize(n);
  int error = errno;
  // A full disk often shows only when the buffered rest is written out.
  if (file && std::fclose(file) != 0) {
    if (written || error == 0) error = errno;
    written = false;
  }
  return written ? "" : name + ": " + std::strerror(error != 0 ? error : EIO);
}

std::vector<std::string> EndgameDatabase::save(const std::string& folder) const {
  std::vector<std::string> failed;
  for (uint32_t i = 1; i <= pieceCount && i <= held; ++i) {
    if (!usable(i)) continue;
    const std::string problem = saveTable(i, folder);
    if (!problem.empty()) failed.push_back(problem);
  }
  return failed;
}

uint8_t EndgameDatabase::storedValue(SquareSet mover, SquareSet opponent, SquareSet kings) const {
  const SquareSet occupied = mover | opponent;
  const uint32_t count = popCount(occupied);
  // The tables' bytes are written before their bit is set (acquire pairs with that).
  if (count > pieceCount || (soundTables.load(std::memory_order_acquire) >> count & 1) == 0)
    return 0;
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
