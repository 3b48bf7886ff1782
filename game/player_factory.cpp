#include "game/player_factory.h"
#include "book/opening_book.h"
#include "player/computer_player.h"
#include "player/human_player.h"

Player* makePlayer(const SideSetup& side, const PlayerServices& services) {
  if (side.isPerson()) return new HumanPlayer(services.seat);
  if (!services.runner) return nullptr;
  static const OpeningBook noBook;
  ComputerPlayer* computer = new ComputerPlayer(side.seconds, *services.runner, services.book ? *services.book : noBook);
  computer->level = side.level;
  computer->drawOffers = side.drawOffers;
  return computer;
}
