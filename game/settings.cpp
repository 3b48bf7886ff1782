#include "game/settings.h"
#include "i18n/translate.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>
#include "files/atomic_file.h"
#include "files/file_locations.h"
#include "i18n/language.h"

namespace {

constexpr size_t LargestFile = 64 * 1024;
constexpr double MinSeconds = 0.01, MaxSeconds = 30.0;
const char* const Sides[2] = {"white", "black"};
const char* const LastFolderKey = "files.folder";
const char* const ReviewSecondsKey = "review.seconds";
const char* const StyleKey = "board.style";
const char* const PiecesKey = "board.pieces";
const char* const AnimationKey = "board.animation";
const char* const SoundKey = "board.sound";
constexpr size_t LongestChoiceName = 32;
const char* const LanguageKey = "view.language";

using Lines = std::vector<std::pair<std::string, std::string>>;  // key, value in file order

std::string trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Only "key = value" lines of printable text count; anything else is dropped.
Lines readLines(const std::string& path) {
  Lines lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  size_t total = 0;
  while (in && std::getline(in, line) && (total += line.size() + 1) <= LargestFile) {
    bool printable = true;
    for (unsigned char c : line) printable &= (c >= 0x20 && c != 0x7F) || c == '\t' || c == '\r';
    const size_t equals = line.find('=');
    if (!printable || line.empty() || line[0] == '#' || equals == std::string::npos) continue;
    const std::string key = trimmed(line.substr(0, equals));
    if (!key.empty()) lines.emplace_back(key, trimmed(line.substr(equals + 1)));
  }
  return lines;
}

const std::string* find(const Lines& lines, const std::string& key) {
  for (auto it = lines.rbegin(); it != lines.rend(); ++it)
    if (it->first == key) return &it->second;
  return nullptr;
}

void readSide(const Lines& lines, const std::string& side, SideSetup& choice) {
  if (const std::string* player = find(lines, side + ".player")) parseKind(*player, choice.kind);
  if (const std::string* seconds = find(lines, side + ".seconds")) readChoiceSeconds(*seconds, choice.seconds);
  if (const std::string* level = find(lines, side + ".level")) parseLevel(*level, choice.level);
  if (const std::string* clock = find(lines, side + ".clock")) parseTimeControl(*clock, choice.clock);
}

void setLine(Lines& lines, const std::string& key, const std::string& value) {
  for (auto& line : lines)
    if (line.first == key) {
      line.second = value;
      return;
    }
  lines.emplace_back(key, value);
}

}  // namespace

std::string settingsFolder() { return settingsFolderPath(currentFileEnvironment()); }

std::string newGameChoicesPath() {
  const std::string folder = settingsFolder();
  return folder.empty() ? "" : folder + "/new-game";
}

GameSetup readNewGameSetup(const std::string& path) {
  GameSetup setup;
  if (path.empty()) return setup;
  const Lines lines = readLines(path);
  readSide(lines, Sides[0], setup.white);
  readSide(lines, Sides[1], setup.black);
  return setup;
}

namespace {

// The settings file as it is written, its known lines and the ones it did not know.
bool writeLines(const std::string& path, const Lines& lines, std::string& error) {
  std::string text = "# Tarvenn: the new-game dialog's last choices\n";
  for (const auto& line : lines) text += line.first + " = " + line.second + "\n";
  return writeFileAtomically(path, text, error);
}

bool makeSettingsFolder(std::string& error) {
  const std::string folder = settingsFolder();
  if (folder.empty()) {
    error = _("no settings folder: neither XDG_CONFIG_HOME nor HOME is set");
    return false;
  }
  std::error_code failure;
  std::filesystem::create_directories(folder, failure);
  if (failure) {
    error = formatText(_("cannot create %s: %s"), folder.c_str(), failure.message().c_str());
    return false;
  }
  return true;
}

}  // namespace

bool writeNewGameSetup(const std::string& path, const GameSetup& setup, std::string& error) {
  Lines lines = readLines(path);
  const SideSetup* sides[2] = {&setup.white, &setup.black};
  for (int i = 0; i < 2; ++i) {
    const std::string side = Sides[i];
    const int level = (int)sides[i]->level;
    const bool knownKind = sides[i]->kind == PlayerKind::Person || sides[i]->kind == PlayerKind::Computer;
    if (!knownKind || level < 0 || level >= LevelCount ||
        !(sides[i]->seconds >= MinSeconds && sides[i]->seconds <= MaxSeconds)) {
      // TRANSLATORS: %s is the settings file's name of the side, "white" or "black".
      error = formatText(_("the new-game choices for %s cannot be saved: a name, level or time is out of range"),
                         side.c_str());
      return false;
    }
    setLine(lines, side + ".player", kindName(sides[i]->kind));
    setLine(lines, side + ".seconds", choiceSecondsText(sides[i]->seconds));
    setLine(lines, side + ".level", levelName(sides[i]->level));
    const TimeControl& clock = sides[i]->clock;
    setLine(lines, side + ".clock", timeControlText(clock));
  }
  return writeLines(path, lines, error);
}

GameSetup loadNewGameSetup() { return readNewGameSetup(newGameChoicesPath()); }

bool saveNewGameSetup(const GameSetup& setup, std::string& error) {
  return makeSettingsFolder(error) && writeNewGameSetup(newGameChoicesPath(), setup, error);
}

std::string readLastGameFolder(const std::string& path) {
  if (path.empty()) return "";
  const Lines lines = readLines(path);
  const std::string* folder = find(lines, LastFolderKey);
  return folder && !folder->empty() && (*folder)[0] == '/' ? *folder : "";
}

bool writeLastGameFolder(const std::string& path, const std::string& folder, std::string& error) {
  if (folder.empty() || folder[0] != '/' || folder.find_first_of("\n\r") != std::string::npos) {
    error = formatText(_("the folder %s cannot be kept: not an absolute path on one line"), folder.c_str());
    return false;
  }
  Lines lines = readLines(path);
  setLine(lines, LastFolderKey, folder);
  return writeLines(path, lines, error);
}

std::string loadLastGameFolder() { return readLastGameFolder(newGameChoicesPath()); }

bool saveLastGameFolder(const std::string& folder, std::string& error) {
  return makeSettingsFolder(error) && writeLastGameFolder(newGameChoicesPath(), folder, error);
}

std::string readLanguageChoice(const std::string& path) {
  if (path.empty()) return "";
  const Lines lines = readLines(path);
  const std::string* language = find(lines, LanguageKey);
  return language && languageIndex(*language) >= 0 ? *language : "";
}

bool writeLanguageChoice(const std::string& path, const std::string& language, std::string& error) {
  if (languageIndex(language) < 0) {
    error = formatText(_("the language %s cannot be kept: it is not one the game speaks"), language.c_str());
    return false;
  }
  Lines lines = readLines(path);
  setLine(lines, LanguageKey, language.empty() ? "system" : language);
  return writeLines(path, lines, error);
}

std::string loadLanguageChoice() { return readLanguageChoice(newGameChoicesPath()); }

bool saveLanguageChoice(const std::string& language, std::string& error) {
  return makeSettingsFolder(error) && writeLanguageChoice(newGameChoicesPath(), language, error);
}

bool readChoiceSeconds(const std::string& text, double& seconds) {
  if (text.empty() || text.size() > 16) return false;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(value) || value < MinSeconds || value > MaxSeconds) return false;
  seconds = value;
  return true;
}

std::string choiceSecondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", seconds);
  return text;
}

double readReviewSeconds(const std::string& path) {
  if (path.empty()) return 1;
  const Lines lines = readLines(path);
  const std::string* text = find(lines, ReviewSecondsKey);
  double seconds = 0;
  if (!text || !readChoiceSeconds(*text, seconds)) return 1;
  for (double offered : ReviewSeconds)
    if (seconds == offered) return seconds;
  return 1;
}

bool writeReviewSeconds(const std::string& path, double seconds, std::string& error) {
  Lines lines = readLines(path);
  setLine(lines, ReviewSecondsKey, choiceSecondsText(seconds));
  return writeLines(path, lines, error);
}

double loadReviewSeconds() { return readReviewSeconds(newGameChoicesPath()); }

bool saveReviewSeconds(double seconds, std::string& error) {
  return makeSettingsFolder(error) && writeReviewSeconds(newGameChoicesPath(), seconds, error);
}

namespace {

bool isChoiceName(const std::string& name) {
  if (name.empty() || name.size() > LongestChoiceName) return false;
  for (char c : name)
    if (!((c >= 'a' && c <= 'z') || c == '-')) return false;
  return true;
}

std::string choiceName(const Lines& lines, const char* key) {
  const std::string* name = find(lines, key);
  return name && isChoiceName(*name) ? *name : "";
}

bool switchedOn(const Lines& lines, const char* key) {
  const std::string* value = find(lines, key);
  return !value || *value != "off";
}

}  // namespace

BoardChoices readBoardChoices(const std::string& path) {
  BoardChoices choices;
  if (path.empty()) return choices;
  const Lines lines = readLines(path);
  choices.style = choiceName(lines, StyleKey);
  choices.pieces = choiceName(lines, PiecesKey);
  choices.animation = switchedOn(lines, AnimationKey);
  choices.sound = switchedOn(lines, SoundKey);
  return choices;
}

bool writeBoardChoices(const std::string& path, const BoardChoices& choices, std::string& error) {
  if (!isChoiceName(choices.style) || !isChoiceName(choices.pieces)) {
    error = formatText(_("the board style %s or piece set %s cannot be kept: not a name"), choices.style.c_str(),
                       choices.pieces.c_str());
    return false;
  }
  Lines lines = readLines(path);
  setLine(lines, StyleKey, choices.style);
  setLine(lines, PiecesKey, choices.pieces);
  setLine(lines, AnimationKey, choices.animation ? "on" : "off");
  setLine(lines, SoundKey, choices.sound ? "on" : "off");
  return writeLines(path, lines, error);
}

BoardChoices loadBoardChoices() { return readBoardChoices(newGameChoicesPath()); }

bool saveBoardChoices(const BoardChoices& choices, std::string& error) {
  return makeSettingsFolder(error) && writeBoardChoices(newGameChoicesPath(), choices, error);
}
