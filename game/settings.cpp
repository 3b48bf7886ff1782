#include "game/settings.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>
#include "files/atomic_file.h"
#include "files/file_locations.h"

namespace {

constexpr size_t LargestFile = 64 * 1024;
constexpr double MinSeconds = 0.01, MaxSeconds = 30.0;
const char* const Sides[2] = {"white", "black"};
const char* const LastFolderKey = "files.folder";

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
    error = "no settings folder: neither XDG_CONFIG_HOME nor HOME is set";
    return false;
  }
  std::error_code failure;
  std::filesystem::create_directories(folder, failure);
  if (failure) {
    error = "cannot create " + folder + ": " + failure.message();
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
      error = "the new-game choices for " + side + " cannot be saved: a name, level or time is out of range";
      return false;
    }
    setLine(lines, side + ".player", kindName(sides[i]->kind));
    setLine(lines, side + ".seconds", choiceSecondsText(sides[i]->seconds));
    setLine(lines, side + ".level", levelName(sides[i]->level));
    const TimeControl& clock = sides[i]->clock;
    setLine(lines, side + ".clock", clock.onClock() ? timeControlText(clock) : "-");
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
    error = "the folder " + folder + " cannot be kept: not an absolute path on one line";
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
