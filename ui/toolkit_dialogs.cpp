#include "ui/toolkit_dialogs.h"
#include "i18n/translate.h"
#include <cstdio>
#include <cstdlib>
#include "ui/board_view.h"
#include "ui/clipboard.h"
#include "ui/markup.h"
#include "ui/message_boxes.h"
#include "ui/new_game_dialog.h"
#include "ui/review_dialog.h"
#include "ui/saved_game_files.h"
#include "ui/setup_dialog.h"

namespace {

const char* const PlayersTitle = N_("Players for this game");

}  // namespace

bool ToolkitDialogs::ask(const std::string& question) { return askQuestion("%s", question.c_str()); }

// The box runs an event loop of its own: it opens from a timer, outside the caller's call.
void ToolkitDialogs::askLater(const std::string& question, std::function<void(bool)> answered) {
  loop.after(0, [question, answered] { answered(askQuestion("%s", question.c_str())); });
}

void ToolkitDialogs::refuse(const std::string& heading, const std::string& reason) {
  showAlert("%s\n%s", heading.c_str(), plainForMarkup(reason).c_str());
}

bool ToolkitDialogs::chooseNewGame(GameSetup& setup) { return runNewGameDialog(setup); }

bool ToolkitDialogs::choosePlayers(GameSetup& setup) { return runPlayersDialog(_(PlayersTitle), setup); }

bool ToolkitDialogs::openGame(PdnGame& game) { return openSavedGame(game); }

void ToolkitDialogs::saveGame(const PdnGame& game) { saveGameAs(game); }

bool ToolkitDialogs::chooseReviewTime(double& seconds) { return runReviewDialog(seconds); }

bool ToolkitDialogs::setUp(Position& position, bool flipped) {
  return runSetUpDialog(position, flipped, mainBoard ? mainBoard->look : BoardLook{});
}

void ToolkitDialogs::copyText(const std::string& text) { copyToClipboard(text); }

void ToolkitDialogs::pasteText(std::function<void(const std::string&)> received) {
  requestClipboardText(std::move(received));
}

// Nothing else matters once the process ends: freeing the tables, the database and the
// windows would only keep the user waiting.
void ToolkitDialogs::exitProgram() {
  std::fflush(nullptr);
  std::_Exit(0);
}
