#include "ui/game_facts.h"
#include <algorithm>
#include <ctime>
#include "game/game.h"
#include "game/pdn_writer.h"
#include "game/player_type.h"
#include "game/record_pdn.h"
#include "search/computer_player.h"
#include "ui/human_player.h"

namespace {

bool isHuman(const Player* player) { return dynamic_cast<const HumanPlayer*>(player) != nullptr; }

const char* kindName(const Player* player) {
  if (isHuman(player)) return "human";
  return dynamic_cast<const ComputerPlayer*>(player) ? "computer" : "?";
}

SideChoice sideFromTag(const std::string& name) {
  SideChoice side;
  if (findPlayerType(name.c_str())) side.player = name;
  return side;
}

}  // namespace

HumanSides humanSides(const Game& game) { return {isHuman(game.whitePlayer()), isHuman(game.blackPlayer())}; }

double hintSeconds(const Game& game) {
  double seconds = 1;
  for (const Player* player : {game.whitePlayer(), game.blackPlayer()})
    if (const ComputerPlayer* computer = dynamic_cast<const ComputerPlayer*>(player))
      seconds = std::max(seconds, computer->timeLimit);
  return seconds;
}

bool startsFlipped(const Game& game) {
  return isHuman(game.blackPlayer()) && dynamic_cast<const ComputerPlayer*>(game.whitePlayer());
}

PdnResult pdnResultOf(const Game& game) {
  switch (game.result()) {
    case Won: return game.whiteToMove() ? PdnResult::BlackWins : PdnResult::WhiteWins;
    case Drawn: return PdnResult::Draw;
    default: return PdnResult::Unfinished;
  }
}

PdnGame gameAsPdn(const Game& game) {
  PdnGame pdn = recordToPdn(game.record, pdnResultOf(game), kindName(game.whitePlayer()), kindName(game.blackPlayer()));
  pdn.setTag("Event", "Tarvenn game");
  pdn.setTag("Date", pdnDate(std::time(nullptr)));
  return pdn;
}

NewGameChoices choicesFromPdn(const PdnGame& game) {
  NewGameChoices choices;
  choices.white = sideFromTag(game.tag("White"));
  choices.black = sideFromTag(game.tag("Black"));
  return choices;
}
