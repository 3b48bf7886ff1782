// Where the file chooser starts and the name it offers when a game is saved.
#pragma once
#include <ctime>
#include <string>

// What the choice depends on; currentSavePlaceFacts() reads it from the process.
struct SavePlaceFacts {
  std::string lastFolder;  // of the last game file opened or saved, kept in the settings
  std::string configHome;  // $XDG_CONFIG_HOME; ignored unless absolute
  std::string home;        // $HOME
};

SavePlaceFacts currentSavePlaceFacts(const std::string& lastFolder);

// The user's documents folder as the desktop's user-dirs.dirs names it
// (XDG_DOCUMENTS_DIR="$HOME/Documents"), looked for in the config home, else in
// ~/.config; "" when no such line names an existing folder.
std::string documentsFolder(const SavePlaceFacts& facts);
// The last folder while it exists, else the documents folder, else home ("" with none).
std::string startFolder(const SavePlaceFacts& facts);
// "Ana-Bruno-2026-12-08.pdn": the players and a date, with characters that are unsafe or
// awkward in file names replaced by '_'. `date` is a PDN date "2026.12.08"; one with unknown
// parts gives way to `today`.
std::string gameFileName(const std::string& white, const std::string& black, const std::string& date,
                         std::time_t today);
