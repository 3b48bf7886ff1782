#include <gtest/gtest.h>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include "tests/tools/engine_tool_run.h"
#include "tests/support/scratch_directory.h"

namespace {

TEST(MatchTool, BadArgumentsAndBadOpeningsAreOneLineAndStatusTwo) {
  ScratchDirectory folder;
  const std::string bad = folder.path + "/bad.txt";
  std::ofstream(bad) << "# openings\nc3-d4 f6-g5\nc3-d4 e3-f4\n";
  const std::string empty = folder.path + "/empty.txt";
  std::ofstream(empty) << "";
  const std::string good = " --time 0.01 --games 2";
  const struct {
    std::string arguments;
    std::string reason;
  } cases[] = {
      {"match", "--white"},
      {"match --black classic" + good, "--white"},
      {"match --white classic" + good, "--black"},
      {"match --white grandmaster --black classic" + good, "unknown engine 'grandmaster'"},
      {"match --white Classic --black classic" + good, "unknown engine"},
      {"match --white classic: --black classic" + good, "seconds after the colon"},
      {"match --white classic:-1 --black classic" + good, "seconds after the colon"},
      {"match --white classic:x --black classic" + good, "seconds after the colon"},
      {"match --white classic --black beginner:0.1 --games 2", "--time"},
      {"match --white classic --black classic --time 0 --games 2", "--time"},
      {"match --white classic --black classic --time 0.01", "--games"},
      {"match --white classic --black classic --time 0.01 --games 0", "--games"},
      {"match --white classic --black classic --time 0.01 --games 1e3", "--games"},
      {"match --white classic --black classic" + good + " --threads 0", "--threads"},
      {"match --white classic --black classic" + good + " --threads 999", "--threads"},
      {"match --white classic --black classic" + good + " --fen W:W21:B1", "--fen"},
      {"match --white classic --black classic" + good + " extra", "unexpected argument"},
      {"match --white classic --black classic" + good + " --depth 3", "unknown option"},
      {"match --white classic --black classic" + good + " --openings " + bad, bad + ":3: "},
      {"match --white classic --black classic" + good + " --openings " + empty, "no opening in the file"},
      {"match --white classic --black classic" + good + " --openings " + folder.path + "/none", "cannot be read"},
      {"match --white classic --black classic --games 2 --tc 0", "--tc"},
      {"match --white classic --black classic --games 2 --tc 10+", "--tc"},
      {"match --white classic --black classic --games 2 --tc -5", "--tc"},
      {"match --white classic --black classic --games 2 --tc 5:00", "--tc"},
      {"match --white classic --black classic --games 2 --tc 1e9", "--tc"},
  };
  for (const auto& c : cases) {
    const CommandResult r = tool(c.arguments);
    expectRejectedWithOneLine(r, c.arguments);
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << c.arguments << ": " << r.err;
  }
}

// Runs a short match on the shipped openings; every game line must be well formed, each game
// counted once, with the first engine White in odd games, and the summary must add up.
void expectWellFormedMatch(const std::string& first, const std::string& second, int games, const std::string& extra) {
  const std::string arguments = "match --white " + first + " --black " + second + " --time 0.01 --games " +
                                std::to_string(games) + extra;
  const CommandResult r = tool(arguments);
  ASSERT_EQ(r.status, 0) << arguments << ": " << r.err;
  EXPECT_EQ(r.err, "") << arguments;
  const std::regex gameLine(
      R"(game (\d+) opening (\d+) first-engine (white|black) result (1-0|0-1|1/2-1/2) plies (\d+) )"
      R"(end (no-move|draw-agreed|ply-limit|repetition|kings-only|three-against-king|two-against-king) )"
      R"(\((\w+)-(\w+)\))");
  const std::regex summaryLine(R"(match (\w+):([\d.]+) against (\w+):([\d.]+): (\d+) games?, )"
                               R"(wins (\d+) draws (\d+) losses (\d+) for the first)");
  const std::regex scoreLine(R"(score (\d+\.\d)% elo ([+-](\d+\.\d|inf)), 95% interval ([+-](\d+\.\d|inf)) to )"
                             R"(([+-](\d+\.\d|inf)))");
  std::istringstream lines(r.out);
  std::set<int> numbers;
  int wins = 0, draws = 0, losses = 0;
  std::map<std::string, int> endings;
  std::string line;
  std::smatch m;
  while (std::getline(lines, line) && std::regex_match(line, m, gameLine)) {
    const int number = std::stoi(m[1]);
    const bool firstWhite = m[3] == "white";
    EXPECT_TRUE(numbers.insert(number).second) << line;
    EXPECT_EQ(firstWhite, number % 2 == 1) << line;
    EXPECT_EQ(std::stoi(m[2]), (number + 1) / 2) << line;
    EXPECT_EQ(m[firstWhite ? 7 : 8], first.substr(0, first.find(':'))) << line;
    EXPECT_EQ(m[firstWhite ? 8 : 7], second.substr(0, second.find(':'))) << line;
    const int plies = std::stoi(m[5]);
    EXPECT_GT(plies, 0) << line;
    EXPECT_LE(plies, 300) << line;
    EXPECT_EQ(m[6] == "ply-limit", plies == 300) << line;
    EXPECT_EQ(m[4] == "1/2-1/2", m[6] != "no-move") << line;
    ++endings[m[6]];
    if (m[4] == "1/2-1/2") ++draws;
    else if ((m[4] == "1-0") == firstWhite) ++wins;
    else ++losses;
  }
  EXPECT_EQ((int)numbers.size(), games) << r.out;
  ASSERT_TRUE(std::regex_match(line, m, summaryLine)) << line;
  EXPECT_EQ(std::stoi(m[5]), games);
  EXPECT_EQ(std::stoi(m[6]), wins) << r.out;
  EXPECT_EQ(std::stoi(m[7]), draws) << r.out;
  EXPECT_EQ(std::stoi(m[8]), losses) << r.out;
  ASSERT_TRUE(std::getline(lines, line));
  ASSERT_TRUE(std::regex_match(line, m, scoreLine)) << line;
  EXPECT_NEAR(std::stod(m[1]), 100.0 * (wins + 0.5 * draws) / games, 0.05) << line;
  // The endings line counts every way a game ended, the draw rules among them.
  ASSERT_TRUE(std::getline(lines, line));
  std::string expected = "endings";
  for (const char* ending : {"no-move", "draw-agreed", "ply-limit", "stalled", "repetition", "kings-only",
                             "three-against-king", "two-against-king"})
    expected += std::string(" ") + ending + " " + std::to_string(endings[ending]);
  EXPECT_EQ(line, expected);
  EXPECT_FALSE(std::getline(lines, line)) << "after the summary: " << line;
}

TEST(MatchTool, ShortMatchesPrintEveryGameOnceAndASummaryThatAddsUp) {
  expectWellFormedMatch("classic", "beginner", 10, "");
  expectWellFormedMatch("strong:0.01", "casual", 4, " --threads 1");
  expectWellFormedMatch("classic", "classic", 4, " --no-draw-offers --no-draw-rules");
}

TEST(MatchTool, OnAClockTheSummaryCountsLossesOnTimeAndTheTimeAMove) {
  // Both engines think on the clock (a fixed-depth level may choose in well under a millisecond).
  const std::string arguments = "match --white classic --black strong --tc 2+0.05 --games 2 --threads 2";
  const CommandResult r = tool(arguments);
  ASSERT_EQ(r.status, 0) << r.err;
  std::smatch m;
  int timeLosses = 0;
  std::istringstream lines(r.out);
  std::string line;
  while (std::getline(lines, line) && line.rfind("game ", 0) == 0) timeLosses += line.find(" end time ") != std::string::npos;
  EXPECT_EQ(line.rfind("match classic:2+0.05 against strong:2+0.05: 2 games", 0), 0u) << r.out;
  std::getline(lines, line);  // the score
  std::getline(lines, line);
  EXPECT_NE(line.find(" time " + std::to_string(timeLosses)), std::string::npos) << line;
  std::getline(lines, line);
  ASSERT_TRUE(std::regex_match(line, m, std::regex(R"(lost on time: first (\d+) second (\d+))"))) << line;
  EXPECT_EQ(std::stoi(m[1]) + std::stoi(m[2]), timeLosses);
  std::getline(lines, line);
  ASSERT_TRUE(std::regex_match(line, m, std::regex(R"(seconds a chosen move: first ([\d.]+) second ([\d.]+))")))
      << line;
  for (int i : {1, 2}) {
    EXPECT_GT(std::stod(m[i]), 0) << line;
    EXPECT_LT(std::stod(m[i]), 2) << line;  // no clock runs longer than its game's time a move
  }
}

}  // namespace
