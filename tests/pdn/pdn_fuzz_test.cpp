// PDN input of any content is read without crashing or hanging; run under the sanitizer
// build this is a deterministic fuzz of the reader. What reads at all reads back the
// same once written again.
#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <string>
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"
#include "tests/pdn/pdn_test_support.h"

namespace {

std::string written(const std::vector<PdnGame>& games) {
  std::string text;
  for (const PdnGame& game : games) text += pdnText(game);
  return text;
}

int lineCount(const std::string& text) { return 1 + (int)std::count(text.begin(), text.end(), '\n'); }

// A reading is sound when its fault names a line of the file in one line of text, or
// when its games, written again, read back as the same text.
// Returns whether the text read.
bool expectSoundReading(const std::string& text, const std::string& context) {
  const PdnReading reading = readPdn(text);
  if (!reading.ok()) {
    EXPECT_GE(reading.fault.line, 0) << context;
    EXPECT_LE(reading.fault.line, lineCount(text)) << context;
    EXPECT_EQ(reading.fault.reason.find('\n'), std::string::npos) << context;
    return false;
  }
  const std::string once = written(reading.games);
  const PdnReading again = readPdn(once);
  EXPECT_TRUE(again.ok()) << again.fault.describe() << "\n" << once;
  EXPECT_EQ(written(again.games), once) << context;
  return true;
}

char randomPdnChar(std::mt19937& rng) {
  static const char Alphabet[] = "[]\"{}()$!?*.;%-x/ \n\r\t0123456789abcdefghABCDEFGHWBK:,";
  if (rng() % 8 == 0) return (char)(rng() % 256);
  return Alphabet[rng() % (sizeof Alphabet - 1)];
}

// Edits that keep a file readable: annotations put where a space was.
void annotate(std::mt19937& rng, std::string& text) {
  static const char* const Notes[] = {" {a (note} ",  " $12 ",     " !? ", " (1. a3-b4 {x} (2. c3-d4)) ",
                                      "\n; line\n", "\r\n"};
  const size_t space = text.find(' ', text.empty() ? 0 : rng() % text.size());
  if (space != std::string::npos && text.find(']', space) == std::string::npos)
    text.replace(space, 1, Notes[rng() % (sizeof Notes / sizeof *Notes)]);
}

std::string mutate(std::mt19937& rng, std::string text) {
  const int edits = 1 + (int)(rng() % 4);
  for (int i = 0; i < edits; ++i) {
    const size_t at = text.empty() ? 0 : rng() % (text.size() + 1);
    if (rng() % 3 == 0) {
      annotate(rng, text);
      continue;
    }
    switch (rng() % 5) {
      case 0: if (at < text.size()) text[at] = randomPdnChar(rng); break;
      case 1: text.insert(at, 1, randomPdnChar(rng)); break;
      case 2: if (at < text.size()) text.erase(at, 1 + rng() % 16); break;
      case 3: text.insert(at, std::string(1 + rng() % 200, randomPdnChar(rng))); break;
      default: {  // a piece of the file repeated elsewhere
        const size_t from = text.empty() ? 0 : rng() % text.size();
        text.insert(at, text.substr(from, rng() % 60));
      }
    }
  }
  return text;
}

std::string randomFile(std::mt19937& rng, std::vector<PdnGame>& games) {
  const int count = 1 + (int)(rng() % 4);
  for (int i = 0; i < count; ++i) {
    const bool whiteStarts = rng() % 2 == 0;
    const bool setUp = rng() % 2 == 0;
    games.push_back(randomGame(rng, setUp ? randomSetUp(rng, whiteStarts) : InitialPosition, (int)(rng() % 150)));
  }
  return written(games);
}

TEST(PdnFuzz, MutatedFilesNeverCrashAndWhatReadsWritesBackTheSame) {
  std::mt19937 rng(31);
  int readable = 0;
  for (int round = 0; round < 1500; ++round) {
    std::vector<PdnGame> games;
    const std::string text = mutate(rng, randomFile(rng, games));
    readable += expectSoundReading(text, "round " + std::to_string(round));
  }
  EXPECT_GE(readable, 100) << "too few mutated files read at all to check their rewriting";
}

TEST(PdnFuzz, EveryCutOfAFileReadsAWholeGamePrefixOrFails) {
  std::mt19937 rng(37);
  int readable = 0;
  for (int round = 0; round < 20; ++round) {
    std::vector<PdnGame> games;
    const std::string text = randomFile(rng, games);
    for (size_t cut = 0; cut <= text.size(); cut += 1 + rng() % 5) {
      const PdnReading reading = readPdn(text.substr(0, cut));
      if (!reading.ok()) continue;
      ++readable;
      ASSERT_LE(reading.games.size(), games.size());
      for (size_t i = 0; i < reading.games.size(); ++i)
        expectSameGame(reading.games[i], games[i], "cut at " + std::to_string(cut) + " of\n" + text);
    }
  }
  EXPECT_GE(readable, 20) << "cuts after a game's result read that game";
}

TEST(PdnFuzz, RandomBytesAndTokensNeverCrash) {
  std::mt19937 rng(41);
  static const char* const Tokens[] = {"[Event \"x\"]\n", "[GameType \"26\"]\n", "[FEN \"B:W21,K22:B1-12\"]\n",
                                       "1.", "1...", "c3-d4", "22x15", "{", "}", "(", ")", "$3", "!?", "*", "1-0",
                                       "2-0", "1/2-1/2", "\n", " ", "[", "\"", "]", "%", ";", "K"};
  for (int round = 0; round < 1500; ++round) {
    std::string text;
    const int length = (int)(rng() % 300);
    for (int i = 0; i < length; ++i)
      text += rng() % 3 ? std::string(Tokens[rng() % (sizeof Tokens / sizeof *Tokens)])
                        : std::string(1, randomPdnChar(rng));
    expectSoundReading(text, text);
  }
}

TEST(PdnFuzz, HugeNestingAndLongWordsReadQuickly) {
  const std::string cases[] = {
      std::string(1 << 20, '('),
      "[Event \"x\"]\n" + std::string(1 << 20, '(') + std::string(1 << 20, ')') + " *",
      std::string(1 << 20, 'x') + " *",
      "[Event \"" + std::string(1 << 20, 'v') + "\"]\n*",
      std::string(1 << 20, '{'),
      std::string(1 << 19, '1') + ". c3-d4 *",
  };
  for (const std::string& text : cases) expectSoundReading(text, text.substr(0, 40));
}

}  // namespace
