// Random games and positions for the saved-game tests, and a comparison that names
// the first difference.
#pragma once
#include <gtest/gtest.h>
#include <random>
#include <string>
#include "engine/fen.h"
#include "engine/movelist.h"
#include "pdn/pdn_game.h"

// A position with up to 12 pieces a side, no man on its own crowning row, and at least
// one legal move for the side to move (retried until it has one).
inline Position randomSetUp(std::mt19937& rng, bool whiteToMove) {
  for (;;) {
    Position p(0, 0, 0, whiteToMove);
    const int whites = 1 + (int)(rng() % 12), blacks = 1 + (int)(rng() % 12);
    for (int i = 0; i < whites + blacks; ++i) {
      const SquareSet square = SquareSet(1) << (rng() % 32);
      if ((p.white | p.black) & square) continue;
      const bool white = i < whites;
      const bool king = rng() % 3 == 0 || (square & (white ? WhiteKingRow : BlackKingRow));
      (white ? p.white : p.black) |= square;
      if (king) p.kings |= square;
    }
    if (p.white && p.black && MoveList(p).size() > 0) return p;
  }
}

// Random legal moves until the side to move has none (it has lost) or `maxPlies`.
inline PdnGame randomGame(std::mt19937& rng, const Position& start, int maxPlies) {
  PdnGame game;
  game.start = start;
  Position position = start;
  for (int ply = 0; ply < maxPlies; ++ply) {
    const MoveList moves(position);
    if (moves.size() == 0) {
      game.result = position.whiteToMove ? PdnResult::BlackWins : PdnResult::WhiteWins;
      return game;
    }
    game.moves.push_back(moves[rng() % moves.size()]);
    position = game.moves.back().after;
  }
  game.result = rng() % 2 ? PdnResult::Draw : PdnResult::Unfinished;
  return game;
}

// Start, side, every position after a move, and the result; `context` names the file.
inline void expectSameGame(const PdnGame& read, const PdnGame& written, const std::string& context) {
  ASSERT_EQ(writeFen(read.start), writeFen(written.start)) << context;
  ASSERT_EQ(read.moves.size(), written.moves.size()) << context;
  for (size_t i = 0; i < read.moves.size(); ++i)
    ASSERT_EQ(read.moves[i], written.moves[i])
        << "after move " << i + 1 << " of\n" << context;
  EXPECT_EQ(read.result, written.result) << context;
}
