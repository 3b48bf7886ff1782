#include "ui/controller/game_facts.h"
#include <ctime>
#include "game/game.h"
#include "pdn/pdn_writer.h"
#include "game/record_pdn.h"
#include "game/setup_tags.h"

HumanSides humanSides(const Game& game) { return humanSides(game.setup()); }

double hintSeconds(const Game& game) { return hintSeconds(game.setup()); }

bool startsFlipped(const Game& game) { return startsFlipped(game.setup()); }

PdnResult pdnResultOf(const Game& game) {
  switch (game.result()) {
    case Won: return game.whiteWon() ? PdnResult::WhiteWins : PdnResult::BlackWins;
    case Drawn: return PdnResult::Draw;
    default: return PdnResult::Unfinished;
  }
}

void endAsSaved(Game& game, PdnResult result) {
  if (result == PdnResult::Draw) game.endAs(Drawn, false);
  else if (result != PdnResult::Unfinished) game.endAs(Won, result == PdnResult::WhiteWins);
}

PdnGame gameAsPdn(const Game& game) {
  const GameSetup& setup = game.setup();
  PdnGame pdn = recordToPdn(game.record, pdnResultOf(game), sideTitle(setup.white), sideTitle(setup.black));
  if (game.record.fileTags.empty()) {  // a game begun here; an opened one keeps its file's tags
    pdn.setTag("Event", "Tarvenn game");
    pdn.setTag("Date", pdnDate(std::time(nullptr)));
  }
  writeSetupTags(setup, pdn);
  return pdn;
}
