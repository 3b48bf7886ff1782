// The database of an ordinary run. In the data folder a first start, one without
// the 4-piece database, computes it there with a progress window; a failure is
// shown in a message box and the game starts with what it has. A damaged or
// short file is named in a box that offers to rebuild it and in the game's log;
// the 5-piece file, large, is checked on a thread of its own once the game runs.
#pragma once
#include <atomic>
#include <string>
#include <thread>
#include <vector>
#include "files/file_locations.h"

// What the game's log is told once the window shows, and the check left to do.
struct DatabaseStart {
  std::vector<std::string> notes;  // one line per refused file
  std::string folder;              // the database's folder, for loads and saves
  std::vector<uint32_t> unchecked; // tables left for GameDatabaseCheck to check
};

// Needs the toolkit prepared (prepareToolkit) for its windows.
DatabaseStart prepareGameDatabase(const GameFiles& files);

// Writes the notes into the game's log and checks the tables left unchecked on
// a thread of its own; a damaged one is noted in the log and offered for
// rebuilding on the window's thread. Made once the main window is built; the
// check stops, unfinished, when the object goes.
class GameDatabaseCheck {
public:
  explicit GameDatabaseCheck(const DatabaseStart& start);
  ~GameDatabaseCheck();
  GameDatabaseCheck(const GameDatabaseCheck&) = delete;
  GameDatabaseCheck& operator=(const GameDatabaseCheck&) = delete;

private:
  std::atomic<bool> stop{false};
  std::thread thread;
};
