// Games written as PDN read back as the same games, in every notation a reader accepts.
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include "pdn/capture_route.h"
#include "pdn/pdn_notation.h"
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "tests/pdn/pdn_test_support.h"

namespace {

// The moves part of a written file with every square in numeric notation ("c3" -> 22).
std::string numericMoves(const std::string& text) {
  std::string out = text.substr(0, text.find("\n\n"));
  for (size_t i = out.size(); i < text.size(); ++i) {
    const bool square =
        i + 1 < text.size() && text[i] >= 'a' && text[i] <= 'h' && std::isdigit((unsigned char)text[i + 1]);
    if (!square) {
      out += text[i];
      continue;
    }
    out += std::to_string(pdnFromSquare(squareFromName(text[i], text[i + 1])));
    ++i;
  }
  return out;
}

std::string upperCaseMoves(std::string text) {
  const size_t moves = text.find("\n\n");
  std::transform(text.begin() + moves, text.end(), text.begin() + moves,
                 [](char c) { return c >= 'a' && c <= 'h' ? char(c - 'a' + 'A') : c; });
  return text;
}

// Captures written with more than two squares: the full form, used only where the
// short one is ambiguous.
int fullFormCaptures(const std::string& text) {
  int count = 0;
  for (size_t at = text.find('x'); at != std::string::npos; at = text.find('x', at + 1))
    count += at + 3 < text.size() && text[at + 3] == 'x';
  return count;
}

// A random game from a set-up whose first move is a capture that shares its origin and
// destination with another: its short form would be ambiguous.
PdnGame gameOpeningWithAmbiguousCapture(std::mt19937& rng, bool whiteStarts) {
  for (;;) {
    const Position start = randomSetUp(rng, whiteStarts);
    for (const Move& first : MoveList(start)) {
      if (fullFormCaptures(moveText(start, first)) == 0) continue;
      PdnGame game = randomGame(rng, first.after, 400);
      game.start = start;
      game.moves.insert(game.moves.begin(), first);
      return game;
    }
  }
}

TEST(PdnRoundTrip, RandomGamesReadBackPositionByPositionInEveryNotation) {
  std::mt19937 rng(2026);
  int setUpsWithBlackToMove = 0, ambiguousCaptures = 0;
  for (int round = 0; round < 300; ++round) {
    const bool setUp = round % 3 == 0;
    const bool whiteStarts = !setUp || rng() % 2 == 0;
    const Position start = setUp ? randomSetUp(rng, whiteStarts) : InitialPosition;
    PdnGame game = round % 10 == 1 ? gameOpeningWithAmbiguousCapture(rng, whiteStarts)
                                   : randomGame(rng, start, 400);
    game.setTag("White", "Ann \"the\" \\ player");
    game.setTag("Round", std::to_string(round));
    setUpsWithBlackToMove += !whiteStarts;
    const std::string text = pdnText(game);
    ambiguousCaptures += fullFormCaptures(text);
    for (const std::string& variant : {text, numericMoves(text), upperCaseMoves(text)}) {
      const PdnReading reading = readPdn(variant);
      ASSERT_TRUE(reading.ok()) << reading.fault.describe() << "\n" << variant;
      ASSERT_EQ(reading.games.size(), 1u) << variant;
      expectSameGame(reading.games[0], game, variant);
      EXPECT_EQ(reading.games[0].tag("White"), "Ann \"the\" \\ player");
      EXPECT_EQ(reading.games[0].tag("Result"), resultText(game.result));
    }
  }
  EXPECT_GE(setUpsWithBlackToMove, 30);
  EXPECT_GE(ambiguousCaptures, 30);
}

TEST(PdnRoundTrip, SeveralGamesInOneFileReadBackInOrder) {
  std::mt19937 rng(5);
  std::vector<PdnGame> games;
  std::string text;
  for (int i = 0; i < 20; ++i) {
    const bool whiteStarts = i % 2 == 0;
    games.push_back(
        randomGame(rng, i < 10 ? InitialPosition : randomSetUp(rng, whiteStarts), 1 + (int)(rng() % 120)));
    text += pdnText(games.back());
  }
  const PdnReading reading = readPdn(text);
  ASSERT_TRUE(reading.ok()) << reading.fault.describe();
  ASSERT_EQ(reading.games.size(), games.size());
  for (size_t i = 0; i < games.size(); ++i) expectSameGame(reading.games[i], games[i], "game " + std::to_string(i + 1));
}

// Every legal move of positions rich in kings, written short, long or as the writer
// chooses, names that move and no other; ambiguous short forms are refused.
TEST(PdnRoundTrip, EveryMoveTextNamesItsMoveInKingRichPositions) {
  std::mt19937 rng(77);
  int ambiguous = 0;
  for (int round = 0; round < 3000; ++round) {
    const bool white = rng() % 2 == 0;
    const Position before = randomSetUp(rng, white);
    const std::string fen = writeFen(before);
    for (const Move& move : MoveList(before)) {
      const std::string written = moveText(before, move);
      Move read;
      std::string error;
      ASSERT_TRUE(readMoveText(written, before, read, error)) << fen << " " << written << ": " << error;
      ASSERT_EQ(read, move) << fen << " " << written;
      const SquareSet captured = move.captured;
      if (!captured) continue;
      const int from = squareIndex(move.from), to = squareIndex(move.to);
      std::string full;
      for (int square : captureRoute(before, captured, {from, to}))
        full += (full.empty() ? "" : "x") + squareName(square);
      ASSERT_EQ((int)std::count(full.begin(), full.end(), 'x'), bitCount(captured)) << fen << " " << written;
      ASSERT_TRUE(readMoveText(full, before, read, error)) << fen << " " << full << ": " << error;
      ASSERT_EQ(read, move) << fen << " " << full;
      const std::string shortForm = squareName(from) + "x" + squareName(to);
      if (written != shortForm) {
        ++ambiguous;
        EXPECT_FALSE(readMoveText(shortForm, before, read, error)) << fen << " " << shortForm;
        EXPECT_NE(error.find("ambiguous"), std::string::npos) << error;
      }
    }
  }
  EXPECT_GE(ambiguous, 20);
}

}  // namespace
