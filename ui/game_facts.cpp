#include "ui/game_facts.h"
#include <algorithm>
#include <ctime>
#include "game/game.h"
#include "pdn/pdn_writer.h"
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

// The tags that keep a computer's level and time in the game in play: "WhiteLevel", "BlackTime".
std::string sideTag(const char* side, const char* what) { return std::string(side) + what; }

// The kind of player: the Type tag, else (a game kept before it existed) the name tag.
SideChoice sideFromTags(const PdnGame& game, const char* sideName) {
  SideChoice side;
  for (const std::string& name : {game.tag(sideTag(sideName, "Type")), game.tag(sideName)})
    if (findPlayerType(name.c_str())) {
      side.player = name;
      break;
    }
  // Missing or damaged values leave the dialog's defaults.
  parseLevel(game.tag(sideTag(sideName, "Level")), side.level);
  readChoiceSeconds(game.tag(sideTag(sideName, "Time")), side.seconds);
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
  PdnGame pdn = recordToPdn(game.record, pdnResultOf(game), kindName(game.whitePlayer()), kindName(game.blackPlayer()));
  if (game.record.fileTags.empty()) {  // a game begun here; an opened one keeps its file's tags
    pdn.setTag("Event", "Tarvenn game");
    pdn.setTag("Date", pdnDate(std::time(nullptr)));
  }
  const struct {
    const char* side;
    const Player* player;
  } sides[] = {{"White", game.whitePlayer()}, {"Black", game.blackPlayer()}};
  for (const auto& s : sides) {
    pdn.setTag(sideTag(s.side, "Type"), kindName(s.player));
    const ComputerPlayer* computer = dynamic_cast<const ComputerPlayer*>(s.player);
    if (computer) {
      pdn.setTag(sideTag(s.side, "Level"), levelName(computer->level));
      pdn.setTag(sideTag(s.side, "Time"), choiceSecondsText(computer->timeLimit));
    } else {  // the file's computer was replaced by a person
      pdn.removeTag(sideTag(s.side, "Level"));
      pdn.removeTag(sideTag(s.side, "Time"));
    }
  }
  return pdn;
}

NewGameChoices choicesFromPdn(const PdnGame& game) {
  NewGameChoices choices;
  choices.white = sideFromTags(game, "White");
  choices.black = sideFromTags(game, "Black");
  return choices;
}
