#include "ui/controller/evaluation_graph.h"
#include <algorithm>

std::vector<GraphPoint> graphPoints(const GameReview& review, const Position& start) {
  std::vector<GraphPoint> points;
  bool whiteToMove = start.whiteToMove;
  for (const ReviewedPosition& position : review.positions) {
    GraphPoint point;
    const int sign = whiteToMove ? 1 : -1;
    point.exact = position.exactMoves != 0;
    point.value = point.exact ? sign * (position.exactMoves > 0 ? GraphClip : -GraphClip)
                              : std::clamp(sign * position.value, -GraphClip, GraphClip);
    points.push_back(point);
    whiteToMove = !whiteToMove;
  }
  return points;
}

int graphPointX(int ply, int count, int width) {
  if (count <= 1 || width <= 1) return 0;
  return (int)((2LL * ply * (width - 1) + (count - 1)) / (2LL * (count - 1)));  // rounded
}

int graphPlyAt(int x, int count, int width) {
  if (count <= 0) return -1;
  if (count == 1 || width <= 1) return 0;
  x = std::clamp(x, 0, width - 1);
  // The nearest point: rounded, not cut, so that each point owns the half-steps either side.
  const long long step2 = 2LL * x * (count - 1) + (width - 1);
  return (int)std::min<long long>(count - 1, step2 / (2LL * (width - 1)));
}

int graphValueY(int value, int height) {
  if (height <= 1) return 0;
  value = std::clamp(value, -GraphClip, GraphClip);
  return (int)((long long)(GraphClip - value) * (height - 1) / (2 * GraphClip));
}
