// Prints where the main window puts its parts at a size, as shell assignments, so that the
// window tests find the boards, the status line and the log wherever the layout puts them:
//   layout_boxes WIDTH HEIGHT [players]  ->  BoardX=0 BoardY=20 BoardSize=376 SmallX=... (one line)
// With "players" the lines for the players' names and clocks are shown (a game on a clock).
#include <cstdio>
#include <cstdlib>
#include <string>
#include "ui/window_layout.h"

int main(int argc, char** argv) {
  if (argc != 3 && !(argc == 4 && std::string(argv[3]) == "players")) return 2;
  LayoutParts parts;
  parts.playerLines = argc == 4;
  const WindowLayout l = layoutFor(std::atoi(argv[1]), std::atoi(argv[2]), parts);
  std::printf("BoardX=%d BoardY=%d BoardSize=%d SmallX=%d SmallY=%d SmallSize=%d StatusY=%d StatusW=%d "
              "LogTop=%d LogW=%d LogH=%d HistoryX=%d HistoryY=%d HistoryW=%d HistoryH=%d\n",
              l.board.x, l.board.y, l.board.w, l.smallBoard.x, l.smallBoard.y, l.smallBoard.w, l.status.y,
              l.status.w, l.log.y, l.log.w, l.log.h, l.history.x, l.history.y, l.history.w, l.history.h);
  return 0;
}
