// The new-game dialog's last choices and the folder of the last game file opened or saved,
// kept between runs in the user's settings file. A missing or damaged file, or a damaged
// value in it, gives the defaults silently.
#pragma once
#include <string>
#include "game/level.h"

struct SideChoice {
  std::string player = "human";  // a player type's name; the window checks it is registered
  double seconds = 1.0;          // the computer's time per move, 0.01 to 30
  Level level = DefaultLevel;    // the computer's level; an unknown name in the file reads as the default
};

struct NewGameChoices {
  SideChoice white, black;
};

// $XDG_CONFIG_HOME/tarvenn, else $HOME/.config/tarvenn; empty when neither is set.
std::string settingsFolder();
std::string newGameChoicesPath();  // settingsFolder() + "/new-game", the settings file

NewGameChoices loadNewGameChoices();
// Creates the folder when missing; keeps lines of the file it does not know.
bool saveNewGameChoices(const NewGameChoices& choices, std::string& error);

NewGameChoices readNewGameChoices(const std::string& path);
bool writeNewGameChoices(const std::string& path, const NewGameChoices& choices, std::string& error);

// A computer's time as the settings write it ("2.50") and read it back: a number from 0.01
// to 30 and nothing else; false leaves `seconds` as it was.
std::string choiceSecondsText(double seconds);
bool readChoiceSeconds(const std::string& text, double& seconds);

// The folder of the last game file opened or saved ("" when none or not an absolute path),
// kept in the settings file as "files.folder = /home/ana/games".
std::string readLastGameFolder(const std::string& path);
bool writeLastGameFolder(const std::string& path, const std::string& folder, std::string& error);
std::string loadLastGameFolder();
bool saveLastGameFolder(const std::string& folder, std::string& error);
