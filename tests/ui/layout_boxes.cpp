// Prints where the main window puts its parts at a size, as shell assignments, so that the
// window tests find the boards, the status line and the log wherever the layout puts them:
//   layout_boxes WIDTH HEIGHT [analysis|graph|both|players]  ->  BoardX=0 BoardY=20 BoardSize=376 SmallX=... (one line)
// The third argument names the optional parts shown: the analysis panel, the graph strip or both,
// or the lines for the players' names and clocks (a game on a clock).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "ui/window_layout.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) return 2;
  LayoutParts parts;
  parts.coordinates = true;  // as the main window shows its board
  const char* shown = argc == 4 ? argv[3] : "";
  parts.analysisPanel = !std::strcmp(shown, "analysis") || !std::strcmp(shown, "both");
  parts.evaluationGraph = !std::strcmp(shown, "graph") || !std::strcmp(shown, "both");
  parts.playerLines = !std::strcmp(shown, "players");
  const WindowLayout l = layoutFor(std::atoi(argv[1]), std::atoi(argv[2]), parts);
  std::printf("BoardX=%d BoardY=%d BoardSize=%d SmallX=%d SmallY=%d SmallSize=%d StatusY=%d StatusW=%d "
              "LogTop=%d LogW=%d LogH=%d HistoryX=%d HistoryY=%d HistoryW=%d HistoryH=%d "
              "AnalysisX=%d AnalysisY=%d AnalysisW=%d AnalysisH=%d GraphX=%d GraphY=%d GraphW=%d GraphH=%d\n",
              l.board.x, l.board.y, l.board.w, l.smallBoard.x, l.smallBoard.y, l.smallBoard.w, l.status.y,
              l.status.w, l.log.y, l.log.w, l.log.h, l.history.x, l.history.y, l.history.w, l.history.h,
              l.analysis.x, l.analysis.y, l.analysis.w, l.analysis.h, l.graph.x, l.graph.y, l.graph.w, l.graph.h);
  return 0;
}
