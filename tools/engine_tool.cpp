// tarvenn-engine: the engine without a window, for scripts, tests and benchmarks.
#include <cstring>
#include "tools/commands.h"
#include "tools/tool_args.h"

namespace {

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);
};

const Command Commands[] = {
    {"perft", runPerft},
    {"divide", runDivide},
    {"moves", runMoves},
    {"think", runThink},
    {"play", runPlay},
    {"book", runBook},
    {"probe", runProbe},
    {"search", runSearch},
    {"pdn", runPdn},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return toolError("usage: tarvenn-engine COMMAND [options]");
  for (const Command& command : Commands)
    if (std::strcmp(argv[1], command.name) == 0) return command.run(argc - 2, argv + 2);
  return toolError(std::string("unknown command: ") + argv[1]);
}
