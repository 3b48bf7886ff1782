#include "app/first_start.h"
#include <FL/Fl.H>
#include <atomic>
#include <iostream>
#include <string>
#include <thread>
#include "app/generation_progress.h"
#include "enddb/database.h"
#include "enddb/program_steps.h"
#include "ui/markup.h"
#include "ui/message_boxes.h"
#include "ui/progress_window.h"

namespace {

constexpr uint32_t FirstStartPieces = 4;

// Computes the tables on a worker thread while this one keeps the progress window
// drawn; the worker's progress lines go to `progress` instead of the terminal.
bool buildWithProgressWindow(uint32_t pieces) {
  ProgressWindow window("Tarvenn: first start",
                        "Computing the end-game database for up to 4 pieces (a few seconds, once)...");
  GenerationProgress progress(pieces);
  std::streambuf* console = std::cout.rdbuf(&progress);
  std::atomic<bool> finished{false};
  bool built = false;
  std::thread worker([&] {
    built = endgameDatabase.build(pieces, true);
    finished = true;
  });
  while (!finished) {
    Fl::wait(0.05);
    window.setFraction(progress.fraction());
  }
  worker.join();
  std::cout.rdbuf(console);
  return built;
}

}  // namespace

void prepareGameDatabase(const GameFiles& files) {
  if (!files.inDataFolder) {
    prepareStartupDatabase();
    return;
  }
  if (!files.problem.empty()) {
    showAlert("%s", plainForMarkup("Tarvenn cannot make its data folder " + files.folder + ":\n" + files.problem +
                              ".\n\nThe game starts with the 3-piece end-game database in memory.")
                        .c_str());
    prepareStartupDatabase(files.databaseFolder);
    return;
  }
  if (endgameDatabase.load(24, files.databaseFolder) >= FirstStartPieces) return;
  if (!buildWithProgressWindow(FirstStartPieces)) {
    showAlert("There is not enough memory for the 4-piece end-game database.\n\n"
              "The game starts with the 3-piece database.");
    prepareStartupDatabase(files.databaseFolder);
    return;
  }
  const std::vector<std::string> failed = endgameDatabase.save(files.databaseFolder);
  if (!failed.empty())
    showAlert("%s", plainForMarkup("Tarvenn cannot write its end-game database:\n" + failed.front() +
                              "\n\nThe game uses the database it computed until it ends.")
                        .c_str());
}
