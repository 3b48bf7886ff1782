// Where both programs find their files: the opening book (white.ouv, black.ouv) and the
// end-game database (enddb1.bin, ...). A working folder that holds any of them is
// used as it is; otherwise (and in the data folder itself) the user's data folder,
// $XDG_DATA_HOME/tarvenn (else ~/.local/share/tarvenn), whose own book wins over the
// installed copy. The settings live in $XDG_CONFIG_HOME/tarvenn (else ~/.config/tarvenn).
#pragma once
#include <string>
#include <vector>

// What the choice depends on, read from the process by currentFileEnvironment().
struct FileEnvironment {
  std::string workingFolder;  // absolute
  std::string dataHome;       // $XDG_DATA_HOME; ignored unless absolute
  std::string configHome;     // $XDG_CONFIG_HOME; ignored unless absolute
  std::string home;           // $HOME
  std::string accountHome;    // the user's home in the password database, read when $HOME is unset
  std::string dataDirs;       // $XDG_DATA_DIRS; empty means /usr/local/share:/usr/share
  std::string programFolder;  // folder of the running program, empty when unknown
};

struct GameFiles {
  bool inDataFolder = false;   // false: the working folder holds the game's files
  std::string folder;          // absolute; where the database is read and written
  std::string databaseFolder;  // for the database's load and save: "" for the working folder
  std::string whiteBook;       // the book files to read
  std::string blackBook;
  std::string problem;         // why the data folder could not be made; empty when it is there
};

FileEnvironment currentFileEnvironment();
// An XDG base folder ($XDG_CONFIG_HOME, $XDG_DATA_HOME): `base` where it is absolute, as the
// desktop's base-folder rules say, else `home` + `underHome` ("/.config"); "" with neither.
std::string xdgBaseFolder(const std::string& base, const std::string& home, const char* underHome);

// Whether `folder` holds white.ouv, black.ouv or an enddb*.bin.
bool holdsGameFiles(const std::string& folder);
// The data folder's path, "" when there is neither XDG_DATA_HOME nor a home.
std::string dataFolderPath(const FileEnvironment& environment);
// The settings folder's path, "" when there is neither XDG_CONFIG_HOME nor HOME.
std::string settingsFolderPath(const FileEnvironment& environment);
// Where a game in play is kept when the program ends, for the next start to resume:
// game-in-play.pdn in the data folder; "" when there is no data folder.
std::string gameInPlayPath(const FileEnvironment& environment);
// The folders an installed copy of the program's shared files may live in, in the order
// they are tried: beside the running program, then in each absolute XDG_DATA_DIRS entry.
std::vector<std::string> installedFolders(const FileEnvironment& environment);
// Where the installed copy of the book lives, "" when none is installed.
std::string installedBookFolder(const FileEnvironment& environment);
// Chooses the folder and the book files; makes the data folder when it is chosen.
GameFiles locateGameFiles(const FileEnvironment& environment);
