#include "tools/tune/tune_positions.h"
#include <atomic>
#include <thread>
#include "enddb/database.h"
#include "engine/movelist.h"
#include "search/alpha_beta.h"
#include "search/transposition_table.h"

namespace {

constexpr int GameTableBits = 18;  // 2 MB a thread: a shallow search needs little

// A small generator whose sequence is the same on every machine and library.
struct SplitMix {
  uint64_t state;
  uint64_t next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int below(int n) { return (int)(next() % (uint64_t)n); }
};

SplitMix gameRandom(uint64_t seed, int game) {
  SplitMix mixer{seed * 0x9E3779B97F4A7C15ull + (uint64_t)game};
  return SplitMix{mixer.next()};
}

struct GameRecord {
  std::vector<Position> kept;
  float whiteScore = 0.5f;
  bool byDatabase = false;
};

// One game: random first plies, then the search's best root score after noise.
GameRecord playGame(const SelfPlaySettings& settings, int game, const EndgameDatabase& database,
                    TranspositionTable& table, AlphaBeta<PositionalEvaluation>& searcher) {
  GameRecord record;
  SplitMix random = gameRandom(settings.seed, game);
  table.clear(false);  // each game starts alike whichever thread plays it
  Position position = InitialPosition;
  int reversible = 0;
  for (int ply = 0;; ++ply) {
    float verdict;
    if ((uint32_t)popCount(position.white | position.black) <= database.pieceCount &&
        databaseTarget(database, position, verdict)) {
      record.whiteScore = verdict;
      record.byDatabase = true;
      return record;
    }
    const MoveList moves(position);
    if (moves.size() == 0) {  // the side that cannot move has lost
      record.whiteScore = position.whiteToMove ? 0.0f : 1.0f;
      return record;
    }
    if (ply >= settings.plyLimit || reversible >= settings.reversibleLimit) return record;
    if (ply >= settings.skipPlies && isQuiet(position)) record.kept.push_back(position);

    int chosen = 0;
    if (ply < settings.randomPlies) {
      chosen = random.below(moves.size());
    } else if (moves.size() > 1) {
      table.startSharedDecision();
      searcher.startDecision(position);
      Score best = -PositionalEvaluation::Infinity;
      for (int i = 0; i < moves.size(); ++i) {
        const int noise = settings.noise > 0 ? random.below(2 * settings.noise + 1) - settings.noise : 0;
        const Score score = searcher.searchRootMove(moves[i], -PositionalEvaluation::Infinity, PositionalEvaluation::Infinity, settings.depth) + noise;
        if (score > best) best = score, chosen = i;
      }
    }
    const Move& move = moves[chosen];
    const bool kingStep = move.captured == 0 && (move.from & position.kings);
    reversible = kingStep ? reversible + 1 : 0;
    position = move.after;
  }
}

}  // namespace

bool isQuiet(const Position& position) {
  Child children[ChildCapacity];
  return expandChildren(children, position.white, position.black, position.kings, position.whiteToMove, true) == 0;
}

bool databaseTarget(const EndgameDatabase& database, const Position& position, float& target) {
  if ((uint32_t)popCount(position.white | position.black) > database.pieceCount) return false;
  const uint8_t status = database.statusOf(position.white, position.black, position.kings, position.whiteToMove);
  if (status == StatusDraw) {
    target = 0.5f;
  } else if (status == StatusWin || status == StatusLoss) {
    target = (status == StatusWin) == position.whiteToMove ? 1.0f : 0.0f;
  } else {
    return false;
  }
  return true;
}

TuneSample sampleOf(const Position& position, float target) {
  int features[EvalFeatureCount];
  evalFeatures(position.white, position.black, position.kings, features);
  TuneSample sample;
  for (int j = 0; j < EvalFeatureCount; ++j) sample.features[j] = (int16_t)features[j];
  sample.target = target;
  return sample;
}

std::vector<TuneSample> selfPlaySamples(const SelfPlaySettings& settings, const EndgameDatabase& database,
                                        SelfPlayTally& tally) {
  std::vector<GameRecord> records(settings.games > 0 ? settings.games : 0);
  std::atomic<int> nextGame{0};
  auto worker = [&] {
    TranspositionTable table(GameTableBits);
    StopControl stops;  // never asked: the depth ends every search
    AlphaBeta<PositionalEvaluation> searcher(table, database, stops);
    for (int game; (game = nextGame.fetch_add(1)) < settings.games;)
      records[game] = playGame(settings, game, database, table, searcher);
  };
  std::vector<std::thread> threads;
  for (int t = 1; t < settings.threads; ++t) threads.emplace_back(worker);
  worker();
  for (std::thread& thread : threads) thread.join();

  std::vector<TuneSample> samples;
  for (const GameRecord& record : records) {
    (record.whiteScore == 1 ? tally.whiteWins : record.whiteScore == 0 ? tally.blackWins : tally.draws)++;
    tally.databaseEndings += record.byDatabase;
    for (const Position& position : record.kept) samples.push_back(sampleOf(position, record.whiteScore));
  }
  return samples;
}

std::vector<TuneSample> databaseSamples(const EndgameDatabase& database, int count, uint64_t seed) {
  std::vector<TuneSample> samples;
  const int most = (int)database.pieceCount;
  if (most < 2 || count <= 0) return samples;
  SplitMix random = gameRandom(seed, -1);
  for (long long attempt = 0; (int)samples.size() < count && attempt < 1000LL * count; ++attempt) {
    const int pieces = 2 + random.below(most - 1);
    const int whitePieces = 1 + random.below(pieces - 1);
    Position position(0, 0, 0, random.below(2) == 0);
    for (int p = 0; p < pieces; ++p) {
      SquareSet square;
      do square = SquareSet(1) << random.below(32);
      while (square & (position.white | position.black));
      const bool white = p < whitePieces;
      (white ? position.white : position.black) |= square;
      // A man cannot stand on the row where it would have been crowned.
      if (random.below(2) == 0 || (square & (white ? WhiteKingRow : BlackKingRow))) position.kings |= square;
    }
    float target;
    if (!isQuiet(position) || MoveList(position).size() == 0 || !databaseTarget(database, position, target)) continue;
    samples.push_back(sampleOf(position, target));
  }
  return samples;
}
