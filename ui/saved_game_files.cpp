#include "ui/saved_game_files.h"
#include "i18n/translate.h"
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Native_File_Chooser.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <algorithm>
#include <ctime>
#include "pdn/pdn_reader.h"
#include "game/message_text.h"
#include "pdn/pdn_writer.h"
#include "game/save_place.h"
#include "game/settings.h"
#include "ui/markup.h"
#include "ui/message_boxes.h"

namespace {

// TRANSLATORS: two filters of the file chooser, each a name, a tab and a pattern; keep the patterns.
const char* const PdnFilter = N_("PDN games\t*.pdn\nAll files\t*");

// The file last saved or opened in this run: Open offers it again.
std::string lastPath;

// The folder of the file last saved or opened, kept in the settings so that it outlives the run.
void rememberFolderOf(const std::string& path) {
  lastPath = path;
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return;
  std::string ignored;  // a settings folder that cannot be written only loses the folder
  saveLastGameFolder(slash == 0 ? "/" : path.substr(0, slash), ignored);
}

// The chosen path, or "" when the user cancels; a chooser error shows in a box. The chooser
// starts in `folder`, offering `name` there.
std::string choosePath(const char* title, int type, int options, const std::string& folder,
                       const std::string& name) {
  Fl_Native_File_Chooser chooser;
  chooser.title(title);
  chooser.type(type);
  chooser.options(options);
  chooser.filter(_(PdnFilter));
  if (!folder.empty()) chooser.directory(folder.c_str());
  if (!name.empty()) chooser.preset_file((folder.empty() ? name : folder + "/" + name).c_str());
  switch (chooser.show()) {
    case 0: return chooser.filename();
    case -1: showAlert("%s", plainForMarkup(chooser.errmsg() ? chooser.errmsg() : _("the file chooser failed")).c_str());
  }
  return "";
}

std::string chooserFolder() { return startFolder(currentSavePlaceFacts(loadLastGameFolder())); }

struct GamePicker {
  Fl_Window* window;
  Fl_Hold_Browser* list;
  int picked = 0;  // 1-based; 0 for none
};

void onPick(Fl_Widget*, void* data) {
  GamePicker* p = (GamePicker*)data;
  p->picked = p->list->value();
  if (p->picked > 0) p->window->hide();
}
void onCancelPick(Fl_Widget*, void* data) {
  GamePicker* p = (GamePicker*)data;
  p->picked = 0;
  p->window->hide();
}
void onListClick(Fl_Widget*, void* data) {
  if (Fl::event_clicks()) onPick(nullptr, data);  // a double click opens the game
}

// The number of the game the user picks (0 for none).
int pickGame(const std::vector<PdnGame>& games) {
  Fl_Group::current(nullptr);
  Fl_Window window(360, 260, _("Choose a game"));
  Fl_Hold_Browser* list = new Fl_Hold_Browser(10, 10, 340, 205);
  list->format_char(0);  // player names are shown as they are
  for (size_t i = 0; i < games.size(); ++i) list->add(gameListLine((int)i + 1, games[i]).c_str());
  list->value(1);
  GamePicker picker{&window, list};
  list->callback(onListClick, &picker);
  Fl_Return_Button* open = new Fl_Return_Button(180, 225, 80, 25, _("&Open"));
  open->callback(onPick, &picker);
  Fl_Button* cancel = new Fl_Button(270, 225, 80, 25, _("&Cancel"));
  cancel->callback(onCancelPick, &picker);
  window.callback(onCancelPick, &picker);
  window.resizable(list);
  window.end();
  window.set_modal();
  window.show();
  while (window.shown()) Fl::wait();
  return picker.picked;
}

}  // namespace

std::string gameListLine(int number, const PdnGame& game) {
  const int moves = wholeMoves((int)game.moves.size());
  // TRANSLATORS: a line of the game list: number, White's and Black's names, result (1-0), moves.
  return formatText(ngettext("%d. %s - %s, %s, %d move", "%d. %s - %s, %s, %d moves", moves), number,
                    game.tag("White", "?").c_str(), game.tag("Black", "?").c_str(), resultText(game.result), moves);
}

bool pickGameFromFile(const std::string& path, PdnGame& game) {
  const PdnReading reading = readPdnFile(path);
  if (!reading.ok()) {
    showAlert(_("Cannot open %s\n%s"), plainForMarkup(path).c_str(), plainForMarkup(reading.fault.describe()).c_str());
    return false;
  }
  if (reading.games.empty()) {
    showAlert(_("Cannot open %s\nthe file holds no game"), plainForMarkup(path).c_str());
    return false;
  }
  const int number = reading.games.size() == 1 ? 1 : pickGame(reading.games);
  if (number < 1) return false;
  game = reading.games[number - 1];
  return true;
}

bool openSavedGame(PdnGame& game) {
  const std::string folder = chooserFolder();
  const size_t slash = lastPath.rfind('/');
  const bool offerLast = slash != std::string::npos && lastPath.substr(0, std::max<size_t>(slash, 1)) == folder;
  const std::string path = choosePath(_("Open game"), Fl_Native_File_Chooser::BROWSE_FILE, 0, folder,
                                      offerLast ? lastPath.substr(slash + 1) : "");
  if (path.empty()) return false;
  rememberFolderOf(path);
  return pickGameFromFile(path, game);
}

bool saveGameAs(const PdnGame& game) {
  const std::string name = gameFileName(game.tag("White"), game.tag("Black"), game.tag("Date"), std::time(nullptr));
  std::string path = choosePath(_("Save game"), Fl_Native_File_Chooser::BROWSE_SAVE_FILE,
                                Fl_Native_File_Chooser::SAVEAS_CONFIRM | Fl_Native_File_Chooser::NEW_FOLDER,
                                chooserFolder(), name);
  if (path.empty()) return false;
  const size_t slash = path.rfind('/');
  if (path.find('.', slash == std::string::npos ? 0 : slash + 1) == std::string::npos) path += ".pdn";
  std::string error;
  if (savePdnGames(path, {game}, error)) {
    rememberFolderOf(path);
    return true;
  }
  showAlert(_("Cannot save %s\n%s"), plainForMarkup(path).c_str(), plainForMarkup(error).c_str());
  return false;
}
