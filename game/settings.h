// The new-game dialog's last players and the folder of the last game file opened or saved,
// kept between runs in the user's settings file. A missing or damaged file, or a damaged
// value in it, gives the defaults silently.
#pragma once
#include <string>
#include "game/game_setup.h"

// $XDG_CONFIG_HOME/tarvenn, else $HOME/.config/tarvenn; empty when neither is set.
std::string settingsFolder();
std::string newGameChoicesPath();  // settingsFolder() + "/new-game", the settings file

// Each side's kind, time (0.01 to 30 s), level and clock as "white.player = computer",
// "white.seconds = 2.50", "white.level = strong", "white.clock = 300+3" ("-": seconds per
// move); the start is always the initial position.
GameSetup loadNewGameSetup();
// Creates the folder when missing; keeps lines of the file it does not know. Names are not kept.
bool saveNewGameSetup(const GameSetup& setup, std::string& error);

GameSetup readNewGameSetup(const std::string& path);
bool writeNewGameSetup(const std::string& path, const GameSetup& setup, std::string& error);

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

// The game review's time per position: one of ReviewSeconds, kept as "review.seconds = 3.00";
// 1 s when missing or any other value.
constexpr double ReviewSeconds[] = {0.5, 1, 3, 10};
double readReviewSeconds(const std::string& path);
bool writeReviewSeconds(const std::string& path, double seconds, std::string& error);
double loadReviewSeconds();
bool saveReviewSeconds(double seconds, std::string& error);
// How the board looks and sounds, kept as "board.style = wood", "board.pieces = shaded",
// "board.animation = off", "board.sound = on". The window knows the style and piece-set
// names; here a name is any short word of lower-case letters and dashes, else empty (the
// default). A damaged on/off value gives the default: on.
struct BoardChoices {
  std::string style, pieces;
  bool animation = true;
  bool sound = true;
};
BoardChoices readBoardChoices(const std::string& path);
bool writeBoardChoices(const std::string& path, const BoardChoices& choices, std::string& error);
BoardChoices loadBoardChoices();
bool saveBoardChoices(const BoardChoices& choices, std::string& error);
// The language chosen in the window ("" follows the desktop; "en", "pt_BR", "ru"), kept as
// "view.language = pt_BR" and applied at the next start; an unknown value reads as "".
std::string readLanguageChoice(const std::string& path);
bool writeLanguageChoice(const std::string& path, const std::string& language, std::string& error);
std::string loadLanguageChoice();
bool saveLanguageChoice(const std::string& language, std::string& error);
