// perft and divide: leaf counts of the move tree, whole or per root move.
#include <cstdio>
#include "engine/movelist.h"
#include "engine/perft.h"
#include "tools/commands.h"
#include "engine/clock.h"
#include "tools/tool_args.h"

namespace {

constexpr long long MaxDepth = 30;

bool readDepthArgs(int argc, char** argv, ToolArgs& args, int& depth, int& status) {
  std::string error;
  long long value = 0;
  if (!parseToolArgs(argc, argv, {}, args, error)) {
    status = toolError(error);
    return false;
  }
  if (args.positional.size() != 1 || !readCount(args.positional[0], MaxDepth, value)) {
    status = toolError("DEPTH must be one whole number from 0 to 30");
    return false;
  }
  depth = (int)value;
  return true;
}

}  // namespace

int runPerft(int argc, char** argv) {
  ToolArgs args;
  int depth = 0, status = 0;
  if (!readDepthArgs(argc, argv, args, depth, status)) return status;
  for (int d = 1; d <= depth; ++d) {
    const double start = wallClock();
    const uint64_t nodes = perft(args.position, d);
    const double seconds = wallClock() - start;
    std::printf("depth %d nodes %llu time %.3f nps %.0f\n", d, (unsigned long long)nodes, seconds,
                seconds > 0 ? nodes / seconds : 0.0);
    std::fflush(stdout);
  }
  return 0;
}

int runDivide(int argc, char** argv) {
  ToolArgs args;
  int depth = 0, status = 0;
  if (!readDepthArgs(argc, argv, args, depth, status)) return status;
  if (depth < 1) return toolError("divide needs DEPTH of at least 1");
  uint64_t total = 0;
  for (const Move& move : MoveList(args.position)) {
    const uint64_t leaves = perft(move.after, depth - 1);
    char text[6] = {};
    move.writeNotation(text);
    std::printf("%s %llu\n", text, (unsigned long long)leaves);
    total += leaves;
  }
  std::printf("total %llu\n", (unsigned long long)total);
  return 0;
}
