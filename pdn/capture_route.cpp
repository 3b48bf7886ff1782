#include "pdn/capture_route.h"
#include <cstddef>
#include <cstdint>
#include <unordered_set>

namespace {

class RouteSearch {
public:
  RouteSearch(const Position& before, SquareSet captured, const std::vector<int>& landings)
      : wanted(landings), origin(landings.front()) {
    const SquareSet originSquare = SquareSet(1) << origin;
    king = before.kings & originSquare;
    // The moving piece has left its square; captured pieces stay until the move ends.
    empty = before.empty() | originSquare;
    route.push_back(origin);
    found = search(origin, captured, 0);
  }

  std::vector<int> result() const { return found ? route : std::vector<int>(); }

private:
  const std::vector<int>& wanted;
  int origin;
  bool king;
  SquareSet empty;
  std::vector<int> route;
  bool found;
  std::unordered_set<uint64_t> deadEnds;

  static bool isSet(SquareSet set, int square) { return square >= 0 && (set >> square & 1); }

  // `matched`: how many of the wanted squares between the ends the route has passed.
  bool search(int square, SquareSet remaining, size_t matched) {
    const uint64_t key = uint64_t(remaining) | uint64_t(square) << 32 | uint64_t(matched) << 40;
    if (deadEnds.count(key)) return false;
    for (int direction = 0; direction < 4; ++direction)
      if (tryDirection(square, direction, remaining, matched)) return true;
    deadEnds.insert(key);
    return false;
  }

  bool tryDirection(int square, int direction, SquareSet remaining, size_t matched) {
    int over = DiagonalStep[direction][square];
    if (king)
      while (isSet(empty, over)) over = DiagonalStep[direction][over];
    if (!isSet(remaining, over)) return false;
    const SquareSet left = remaining & ~(SquareSet(1) << over);
    for (int landing = DiagonalStep[direction][over]; isSet(empty, landing);
         landing = DiagonalStep[direction][landing]) {
      if (land(landing, left, matched)) return true;
      if (!king) break;  // a man lands just behind the piece it takes
    }
    return false;
  }

  bool land(int landing, SquareSet remaining, size_t matched) {
    const size_t between = wanted.size() - 2;
    route.push_back(landing);
    if (remaining == 0) {
      if (matched == between && landing == wanted.back()) return true;
    } else {
      const size_t next = matched < between && landing == wanted[matched + 1] ? matched + 1 : matched;
      if (search(landing, remaining, next)) return true;
    }
    route.pop_back();
    return false;
  }
};

}  // namespace

std::vector<int> captureRoute(const Position& before, SquareSet captured, const std::vector<int>& landings) {
  if (landings.size() < 2 || captured == 0) return {};
  return RouteSearch(before, captured, landings).result();
}
