#include "game/save_place.h"
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include "files/file_locations.h"
#include "pdn/pdn_writer.h"

namespace {

constexpr size_t LongestName = 40;  // bytes of one player's name in a file name
constexpr size_t LargestDirsFile = 64 * 1024;

bool isFolder(const std::string& path) {
  std::error_code error;
  return !path.empty() && path[0] == '/' && std::filesystem::is_directory(path, error);
}

std::string trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// `"$HOME/Documents"`: the quotes go, backslash escapes are undone, $HOME is the home.
std::string dirsValue(std::string value, const std::string& home) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  std::string plain;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      plain += value[++i];
    } else if (value.compare(i, 7, "${HOME}") == 0) {
      plain += home;
      i += 6;
    } else if (value.compare(i, 5, "$HOME") == 0) {
      plain += home;
      i += 4;
    } else {
      plain += value[i];
    }
  }
  return plain;
}

std::string documentsIn(const std::string& dirsFile, const std::string& home) {
  std::ifstream in(dirsFile, std::ios::binary);
  std::string line, found;
  size_t total = 0;
  while (in && std::getline(in, line) && (total += line.size() + 1) <= LargestDirsFile) {
    line = trimmed(line);
    const size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
    if (trimmed(line.substr(0, equals)) == "XDG_DOCUMENTS_DIR") found = dirsValue(trimmed(line.substr(equals + 1)), home);
  }
  return found;
}

// A name as it may stand in a file name: letters, digits (UTF-8 ones too), '.', '-' and '_'.
std::string safePart(const std::string& name, const char* absent) {
  std::string safe;
  for (unsigned char c : name) {
    const bool kept = std::isalnum(c) || c >= 0x80 || c == '.' || c == '-' || c == '_';
    safe += kept ? (char)c : '_';
  }
  if (safe.size() > LongestName) {
    size_t cut = LongestName;
    while (cut > 0 && ((unsigned char)safe[cut] & 0xC0) == 0x80) --cut;  // not inside a character
    safe.resize(cut);
  }
  if (!safe.empty() && safe[0] == '.') safe[0] = '_';  // not a hidden file
  const bool unnamed = safe.empty() || safe.find_first_not_of("_?") == std::string::npos;
  return unnamed ? absent : safe;
}

bool isKnownDate(const std::string& date) {
  if (date.size() != 10 || date[4] != '.' || date[7] != '.') return false;
  for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (!std::isdigit((unsigned char)date[i])) return false;
  return true;
}

}  // namespace

SavePlaceFacts currentSavePlaceFacts(const std::string& lastFolder) {
  SavePlaceFacts facts;
  facts.lastFolder = lastFolder;
  const FileEnvironment environment = currentFileEnvironment();
  facts.configHome = environment.configHome;
  facts.home = environment.home;
  return facts;
}

std::string documentsFolder(const SavePlaceFacts& facts) {
  const std::string configBase = xdgBaseFolder(facts.configHome, facts.home, "/.config");
  if (configBase.empty()) return "";
  const std::string folder = documentsIn(configBase + "/user-dirs.dirs", facts.home);
  return isFolder(folder) ? folder : "";
}

std::string startFolder(const SavePlaceFacts& facts) {
  if (isFolder(facts.lastFolder)) return facts.lastFolder;
  const std::string documents = documentsFolder(facts);
  if (!documents.empty()) return documents;
  return isFolder(facts.home) ? facts.home : "";
}

std::string gameFileName(const std::string& white, const std::string& black, const std::string& date,
                         std::time_t today) {
  std::string day = isKnownDate(date) ? date : pdnDate(today);
  day[4] = day[7] = '-';
  return safePart(white, "White") + "-" + safePart(black, "Black") + "-" + day + ".pdn";
}
