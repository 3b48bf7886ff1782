// The end-game database: one value byte per oriented position of up to
// MaxDatabasePieces pieces, held in memory and kept in files enddb1.bin, ...
#pragma once
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>
#include "enddb/index.h"

class GenerationProgress;

// Value byte: status for the side to move in the two high bits, the number of
// the best move in the list of generateWhiteMoves in the low six bits.
constexpr uint8_t StatusMask = 0xC0;
constexpr uint8_t MoveNumberMask = 0x3F;
constexpr uint8_t StatusUndecided = 0x00;  // only while generating; "not covered" in lookups
constexpr uint8_t StatusLoss = 0x40;
constexpr uint8_t StatusDraw = 0x80;
constexpr uint8_t StatusWin = 0xC0;

// "win", "loss", "draw" or "not covered".
const char* statusWord(uint8_t status);

// A database file that load() did not take, and why ("its checksum does not match").
struct RefusedFile {
  uint32_t pieces = 0;
  std::string name;  // as opened: the folder, if any, and enddbN.bin
  std::string reason;
};

// What load() found.
struct DatabaseLoad {
  uint32_t pieceCount = 0;           // the database's piece count afterwards
  std::vector<RefusedFile> refused;  // damaged files, their tables not held
  std::vector<uint32_t> unchecked;   // tables read but left to checkTable()
};

class EndgameDatabase {
public:
  // Largest piece count whose table is held; probes above it answer "not
  // covered", and so do probes of a smaller table whose file was refused and
  // of a table not checked yet. Set by load(), build() and adoptTable().
  uint32_t pieceCount = 0;

  // Holds tables for exactly 1..n pieces and computes them all unless every
  // one of them is already held and sound. False when the tables cannot be
  // allocated. Not while other threads probe.
  bool build(uint32_t n, GenerationProgress* progress = nullptr);
  // Reads enddb1.bin, enddb2.bin, ... up to `limit` from `folder` (empty: the
  // working folder), stopping at the first missing file. Each file is checked
  // against its recorded sum; a short or damaged one is refused and the
  // larger ones are still read. Tables from `checkLaterFrom` pieces up are
  // read but left unused, for checkTable() to check away from the caller's
  // thread. Not while other threads probe.
  DatabaseLoad load(uint32_t limit, const std::string& folder = "", uint32_t checkLaterFrom = MaxDatabasePieces + 1);
  // Checks the table of n pieces that load() left unchecked: a sound one is
  // probed from then on (true), a damaged one is freed and described in
  // `refused`; false with `refused` untouched when no such table is held or
  // when `stop` turned true first (the table then stays unused). Safe while
  // other threads probe.
  bool checkTable(uint32_t n, const std::string& folder, RefusedFile& refused,
                  const std::atomic<bool>* stop = nullptr);
  // Takes over `source`'s sound table of n pieces in place of a missing one.
  // Safe while other threads probe as long as n is not above pieceCount, as
  // for a table that checkTable() refused or one below a held table.
  void adoptTable(uint32_t n, EndgameDatabase& source);
  // Largest piece count whose table is held and sound.
  uint32_t soundPieceCount() const;
  // Whether the table of n pieces is held and sound.
  bool usable(uint32_t n) const { return n <= uint32_t(MaxDatabasePieces) && (soundTables.load() >> n & 1) != 0; }
  // Writes every sound table into `folder` (empty: the working folder); returns
  // "file name: reason" for each file that could not be written.
  std::vector<std::string> save(const std::string& folder = "") const;
  // Writes the table of n pieces alone; returns "file name: reason" or "".
  std::string saveTable(uint32_t n, const std::string& folder = "") const;

  // Status of an oriented position, 0 when not covered.
  uint8_t orientedStatus(SquareSet mover, SquareSet opponent, SquareSet kings) const;
  // Status for the side to move (StatusWin, StatusLoss, StatusDraw), 0 when not covered.
  uint8_t statusOf(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove) const {
    return whiteToMove ? orientedStatus(white, black, kings)
                       : orientedStatus(reverseSquares(black), reverseSquares(white), reverseSquares(kings));
  }

  // Status for the side to move, 0 when not covered. For a win or a loss the
  // arguments become the position after the database move and `from` its origin.
  uint8_t probeWhiteToMove(SquareSet& white, SquareSet& black, SquareSet& kings, SquareSet& from) const;
  uint8_t probeBlackToMove(SquareSet& white, SquareSet& black, SquareSet& kings, SquareSet& from) const;

  // Value table of n pieces (null when not held), for generation and tests.
  uint8_t* table(uint32_t n) const { return values[n].get(); }
  uint32_t tablesHeld() const { return held; }

private:
  struct FreeTable {
    void operator()(uint8_t* table) const { std::free(table); }
  };
  std::unique_ptr<uint8_t[], FreeTable> values[MaxDatabasePieces + 1];  // malloc'ed: generation resizes them
  uint32_t held = 0;  // no table above held is allocated
  // Bit n: table n is held and sound, so probes may read it.
  std::atomic<uint32_t> soundTables{0};
  // Allocates every missing table of 1..n and frees those above n.
  bool holdTables(uint32_t n);
  // The stored byte of an oriented position, 0 when not covered.
  uint8_t storedValue(SquareSet mover, SquareSet opponent, SquareSet kings) const;
  // Probe with the side to move as mover; the sets stay oriented.
  uint8_t probeOriented(SquareSet& mover, SquareSet& opponent, SquareSet& kings, SquareSet& from) const;
  // Back to one byte per index after generation (keepValues) or after a failed start.
  void narrowTable(uint32_t n, bool keepValues);
};

// The program's one database; it lives until the process ends.
extern EndgameDatabase endgameDatabase;
