// The end-game database: one value byte per oriented position of up to
// MaxDatabasePieces pieces, held in memory and kept in files enddb1.bin, ...
#pragma once
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>
#include "enddb/index.h"

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

class EndgameDatabase {
public:
  // Largest piece count whose table is present and complete; probes above it
  // answer "not covered". The computer player switches probing off by setting
  // it to 0 and back to savedPieceCount.
  uint32_t pieceCount = 0;
  uint32_t savedPieceCount = 0;

  // Holds tables for exactly 1..n pieces and computes them all when n exceeds
  // the old piece count. False when the tables cannot be allocated.
  bool build(uint32_t n, bool verbose);
  // Reads enddb1.bin, enddb2.bin, ... up to `limit` from `folder` (empty: the
  // working folder); returns the counts read.
  uint32_t load(uint32_t limit, const std::string& folder = "");
  // Writes every table into `folder` (empty: the working folder); returns
  // "file name: reason" for each file that could not be written.
  std::vector<std::string> save(const std::string& folder = "") const;

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

  // Value table of n pieces (n = 1..pieceCount held), for generation and tests.
  uint8_t* table(uint32_t n) const { return values[n].get(); }
  uint32_t tablesHeld() const { return held; }

private:
  struct FreeTable {
    void operator()(uint8_t* table) const { std::free(table); }
  };
  std::unique_ptr<uint8_t[], FreeTable> values[MaxDatabasePieces + 1];  // malloc'ed: generation resizes them
  uint32_t held = 0;  // tables 1..held are allocated
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
