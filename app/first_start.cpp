#include "app/first_start.h"
#include "i18n/translate.h"
#include <FL/Fl.H>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include "app/database_notes.h"
#include "app/progress_fraction.h"
#include "enddb/database.h"
#include "enddb/program_steps.h"
#include "player/message_log.h"
#include "ui/markup.h"
#include "ui/message_boxes.h"
#include "ui/progress_window.h"

namespace {

constexpr uint32_t FirstStartPieces = 4;
// Tables from this size up are checked once the game runs: the start stays fast.
constexpr uint32_t CheckedLater = 5;

// Computes the tables on a worker thread while this one keeps the progress window
// drawn; the computation reports its progress to the window.
bool buildWithProgressWindow(EndgameDatabase& database, uint32_t pieces, const char* title, const std::string& text) {
  ProgressWindow window(title, text.c_str());
  ProgressFraction progress;
  std::atomic<bool> finished{false};
  bool built = false;
  std::thread worker([&] {
    built = database.build(pieces, &progress);
    finished = true;
  });
  while (!finished) {
    Fl::wait(0.05);
    window.setFraction(progress.fraction());
  }
  worker.join();
  return built;
}

// Offers to compute the refused files again (up to `refused`'s largest piece
// count) and, when the player agrees, writes them and hands their tables to the
// game. Returns the notes for the log.
std::vector<std::string> offerRebuild(const std::vector<RefusedFile>& refused, const std::string& folder) {
  std::string text;
  uint32_t pieces = 0;
  for (const RefusedFile& file : refused) {
    text += refusalNote(file) + "\n";
    if (file.pieces > pieces) pieces = file.pieces;
  }
  std::vector<std::string> notes;
  const std::string where = folder.empty() ? _("the working folder") : folder;
  const bool several = refused.size() > 1, long_ = pieces >= 5;
  const char* question = several ? (long_ ? _("Rebuild them in %s? The %u-piece database takes several minutes to compute.")
                                          : _("Rebuild them in %s? The %u-piece database takes a few seconds to compute."))
                                 : (long_ ? _("Rebuild it in %s? The %u-piece database takes several minutes to compute.")
                                          : _("Rebuild it in %s? The %u-piece database takes a few seconds to compute."));
  const bool rebuild =
      askAlert(_("Play &without"), _("&Rebuild"), "%s",
               plainForMarkup(text + "\n" + formatText(question, where.c_str(), unsigned(pieces))).c_str());
  EndgameDatabase computed;
  if (rebuild && !buildWithProgressWindow(computed, pieces, _("Tarvenn: rebuilding the database"),
                                          formatText(_("Computing the end-game database for up to %u pieces again..."),
                                                     unsigned(pieces)))) {
    showAlert(_("There is not enough memory for the %u-piece end-game database."), unsigned(pieces));
  }
  for (const RefusedFile& file : refused) {
    if (!computed.usable(file.pieces)) {
      notes.push_back(refusalNote(file));
      continue;
    }
    const std::string problem = computed.saveTable(file.pieces, folder);
    if (!problem.empty())
      showAlert("%s", plainForMarkup(formatText(_("Tarvenn cannot write its end-game database:\n%s\n\n"
                                                  "The game uses the table it computed until it ends."),
                                                problem.c_str()))
                          .c_str());
    endgameDatabase.adoptTable(file.pieces, computed);
    notes.push_back(rebuiltNote(file));
  }
  return notes;
}

// Whether a table of up to `pieces` has no file (as opposed to a refused one).
bool fileMissing(const DatabaseLoad& load, uint32_t pieces) {
  for (uint32_t n = 1; n <= pieces; ++n) {
    bool refused = false;
    for (const RefusedFile& file : load.refused) refused |= file.pieces == n;
    if (!refused && !endgameDatabase.usable(n)) return true;
  }
  return false;
}

// Computes the 4-piece database on a first start and writes it.
void computeFirstStart(const std::string& folder) {
  if (!buildWithProgressWindow(endgameDatabase, FirstStartPieces, _("Tarvenn: first start"),
                               _("Computing the end-game database for up to 4 pieces (a few seconds, once)..."))) {
    showAlert("%s", _("There is not enough memory for the 4-piece end-game database.\n\n"
                      "The game starts with the 3-piece database."));
    return;
  }
  const std::vector<std::string> failed = endgameDatabase.save(folder);
  if (!failed.empty())
    showAlert("%s", plainForMarkup(formatText(_("Tarvenn cannot write its end-game database:\n%s\n\n"
                                                "The game uses the database it computed until it ends."),
                                              failed.front().c_str()))
                        .c_str());
}

struct LargeTableRefusal {
  RefusedFile file;
  std::string folder;
  MessageLog* log;
};

// On the window's thread: the note in the log, then the offer.
void largeTableRefused(void* data) {
  std::unique_ptr<LargeTableRefusal> refusal(static_cast<LargeTableRefusal*>(data));
  refusal->log->post(MsgEvent, refusalNote(refusal->file).c_str());
  for (const std::string& note : offerRebuild({refusal->file}, refusal->folder))
    if (note != refusalNote(refusal->file)) refusal->log->post(MsgEvent, note.c_str());
}

}  // namespace

DatabaseStart prepareGameDatabase(const GameFiles& files) {
  DatabaseStart start;
  start.folder = files.databaseFolder;
  if (files.inDataFolder && !files.problem.empty())
    showAlert("%s", plainForMarkup(formatText(_("Tarvenn cannot make its data folder %s:\n%s.\n\n"
                                                "The game starts with the 3-piece end-game database in memory."),
                                              files.folder.c_str(), files.problem.c_str()))
                        .c_str());
  const DatabaseLoad load = endgameDatabase.load(24, start.folder, CheckedLater);
  start.unchecked = load.unchecked;
  if (files.inDataFolder && files.problem.empty() && fileMissing(load, FirstStartPieces)) {
    computeFirstStart(start.folder);
    for (const RefusedFile& file : load.refused)
      start.notes.push_back(endgameDatabase.usable(file.pieces) ? rebuiltNote(file) : refusalNote(file));
  } else if (!load.refused.empty()) {
    start.notes = offerRebuild(load.refused, start.folder);
  }
  computeMissingTables(StartupPieces);
  return start;
}

GameDatabaseCheck::GameDatabaseCheck(const DatabaseStart& start, MessageLog& log) {
  for (const std::string& note : start.notes) log.post(MsgEvent, note.c_str());
  if (start.unchecked.empty()) return;
  thread = std::thread([this, tables = start.unchecked, folder = start.folder, &log] {
    for (uint32_t pieces : tables) {
      LargeTableRefusal refusal{{}, folder, &log};
      if (!endgameDatabase.checkTable(pieces, folder, refusal.file, &stop) && !refusal.file.name.empty())
        Fl::awake(largeTableRefused, new LargeTableRefusal(refusal));
    }
  });
}

GameDatabaseCheck::~GameDatabaseCheck() {
  stop = true;
  if (thread.joinable()) thread.join();
}
