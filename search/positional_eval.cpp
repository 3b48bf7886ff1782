#include "search/positional_eval.h"
#include "search/eval_weights.h"

namespace {

// Black's pieces are measured on the board turned half a turn, where they move up as
// White's do: square k becomes square 31 - k, the bits in reverse order.
inline SquareSet turnBoard(SquareSet x) {
  x = ((x >> 1) & 0x55555555) | ((x & 0x55555555) << 1);
  x = ((x >> 2) & 0x33333333) | ((x & 0x33333333) << 2);
  x = ((x >> 4) & 0x0F0F0F0F) | ((x & 0x0F0F0F0F) << 4);
  return __builtin_bswap32(x);
}

// The squares a man on square k may still pass on its way up to the king row.
struct Cones {
  SquareSet ahead[32];
};

constexpr Cones makeCones() {
  Cones cones{};
  for (int k = 0; k < 32; ++k) {
    SquareSet front = SquareSet(1) << k;
    for (int row = 0; row < 8; ++row) {
      front = upLeft(front) | upRight(front);
      cones.ahead[k] |= front;
    }
  }
  return cones;
}

constexpr Cones RunawayCones = makeCones();

constexpr SquareSet bitOf(int k) { return SquareSet(1) << k; }
constexpr SquareSet CentreSquares = bitOf(13) | bitOf(14) | bitOf(17) | bitOf(18);      // D4 F4 C5 E5
constexpr SquareSet NearCentreSquares = bitOf(9) | bitOf(10) | bitOf(21) | bitOf(22);  // C3 E3 D6 F6
constexpr SquareSet BackGuardSquares = bitOf(1) | bitOf(2);                            // C1 E1
constexpr SquareSet BackCornerSquares = bitOf(0) | bitOf(3);                           // A1 G1
constexpr SquareSet SeventhRow = 0x0F000000;
constexpr SquareSet LeftWing = 0x33333333;  // files a to d
constexpr SquareSet RightWing = 0xCCCCCCCC;  // files e to h
// Rows by the bits of their number, so that three counts sum the rows of all men.
constexpr SquareSet RowsWithBit0 = 0xF0F0F0F0;
constexpr SquareSet RowsWithBit1 = 0xFF00FF00;
constexpr SquareSet RowsWithBit2 = 0xFFFF0000;

inline int freeSquaresFrom(SquareSet king, SquareSet empty) {
  int count = 0;
  for (SquareSet s = upLeft(king) & empty; s; s = upLeft(s) & empty) ++count;
  for (SquareSet s = upRight(king) & empty; s; s = upRight(s) & empty) ++count;
  for (SquareSet s = downLeft(king) & empty; s; s = downLeft(s) & empty) ++count;
  for (SquareSet s = downRight(king) & empty; s; s = downRight(s) & empty) ++count;
  return count;
}

// The figures of the side whose men move up the board; `add(feature, value)` receives them.
template <class Add>
inline void sideTerms(SquareSet own, SquareSet opponent, SquareSet kings, Add& add) {
  const SquareSet empty = ~(own | opponent);
  const SquareSet men = own & ~kings;
  const SquareSet ownKings = own & kings;
  add(FeatureMen, popCount(men));
  add(FeatureKings, popCount(ownKings));
  add(FeatureTempo, popCount(men & RowsWithBit0) + 2 * popCount(men & RowsWithBit1) + 4 * popCount(men & RowsWithBit2));
  add(FeatureSeventhRow, popCount(men & SeventhRow));
  add(FeatureCentre, popCount(men & CentreSquares));
  add(FeatureNearCentre, popCount(men & NearCentreSquares));
  add(FeatureBackGuard, popCount(men & BackGuardSquares));
  add(FeatureBackCorner, popCount(men & BackCornerSquares));
  const SquareSet movable = downRight(upLeft(men) & empty) | downLeft(upRight(men) & empty);
  add(FeatureBlockedMen, popCount(men & ~movable));
  // A piece can be jumped from a side where an enemy piece stands and the opposite square is free.
  const SquareSet jumpable = (downRight(opponent) & upLeft(empty)) | (downLeft(opponent) & upRight(empty)) |
                             (upRight(opponent) & downLeft(empty)) | (upLeft(opponent) & downRight(empty));
  add(FeatureHangingPieces, popCount(own & jumpable));
  int runaways = 0;
  for (SquareSet m = men; m; m &= m - 1)
    if ((RunawayCones.ahead[__builtin_ctz(m)] & ~empty) == 0) ++runaways;
  add(FeatureRunaways, runaways);
  int mobility = 0, trapped = 0;
  for (SquareSet k = ownKings; k; k &= k - 1) {
    const int free = freeSquaresFrom(k & -k, empty);
    mobility += free;
    trapped += free == 0;
  }
  add(FeatureKingMobility, mobility);
  add(FeatureTrappedKings, trapped);
  const int wings = popCount(men & LeftWing) - popCount(men & RightWing);
  add(FeatureWingImbalance, wings < 0 ? -wings : wings);
}

// A lead in material counts for more as the pieces come off: the side ahead gains by exchanges.
inline int exchangeFigure(SquareSet white, SquareSet black, SquareSet kings) {
  int lead = popCount(white) - popCount(black) + 2 * (popCount(white & kings) - popCount(black & kings));
  lead = lead > 6 ? 6 : lead < -6 ? -6 : lead;
  return lead * (24 - popCount(white | black));
}

struct FeatureSink {
  int* features;
  int sign;
  void operator()(int feature, int value) { features[feature] += sign * value; }
};

struct ScoreSink {
  Score score = 0;
  void operator()(int feature, int value) { score += EvalWeights[feature] * value; }
};

}  // namespace

void evalFeatures(SquareSet white, SquareSet black, SquareSet kings, int features[EvalFeatureCount]) {
  for (int i = 0; i < EvalFeatureCount; ++i) features[i] = 0;
  FeatureSink whiteSide{features, 1}, blackSide{features, -1};
  sideTerms(white, black, kings, whiteSide);
  sideTerms(turnBoard(black), turnBoard(white), turnBoard(kings), blackSide);
  features[FeatureExchange] = exchangeFigure(white, black, kings);
}

Score evaluatePositional(SquareSet white, SquareSet black, SquareSet kings, bool whiteToMove) {
  ScoreSink whiteSide, blackSide;
  sideTerms(white, black, kings, whiteSide);
  sideTerms(turnBoard(black), turnBoard(white), turnBoard(kings), blackSide);
  const Score score = whiteSide.score - blackSide.score + EvalWeights[FeatureExchange] * exchangeFigure(white, black, kings);
  return whiteToMove ? score : -score;
}

Score weightedFeatures(const int features[EvalFeatureCount], const int16_t weights[EvalFeatureCount]) {
  Score score = 0;
  for (int i = 0; i < EvalFeatureCount; ++i) score += weights[i] * features[i];
  return score;
}
