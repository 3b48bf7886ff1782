#include "files/file_locations.h"
#include <pwd.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const BookNames[] = {"white.ouv", "black.ouv"};

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The program's folder under an XDG base folder.
std::string ownFolder(const std::string& base, const std::string& home, const char* underHome) {
  const std::string folder = xdgBaseFolder(base, home, underHome);
  return folder.empty() ? "" : folder + "/tarvenn";
}

bool isGameFileName(const std::string& name) {
  if (name == BookNames[0] || name == BookNames[1]) return true;
  return name.size() >= 9 && name.compare(0, 5, "enddb") == 0 && name.compare(name.size() - 4, 4, ".bin") == 0;
}

bool isFile(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// The user's own book file when the data folder holds one, else the installed copy;
// with neither, the data folder's name, which then reads as an empty book.
std::string bookFile(const std::string& dataFolder, const std::string& installed, const char* name) {
  const std::string own = dataFolder + "/" + name;
  if (isFile(own) || installed.empty()) return own;
  return installed + "/" + name;
}

}  // namespace

std::string xdgBaseFolder(const std::string& base, const std::string& home, const char* underHome) {
  if (!base.empty() && base[0] == '/') return base;
  if (!home.empty()) return home + underHome;
  return "";
}

FileEnvironment currentFileEnvironment() {
  FileEnvironment environment;
  std::error_code error;
  environment.workingFolder = fs::current_path(error).string();
  environment.dataHome = environmentValue("XDG_DATA_HOME");
  environment.configHome = environmentValue("XDG_CONFIG_HOME");
  environment.home = environmentValue("HOME");
  if (environment.home.empty())
    if (const passwd* user = getpwuid(getuid())) environment.accountHome = user->pw_dir ? user->pw_dir : "";
  environment.dataDirs = environmentValue("XDG_DATA_DIRS");
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (!error) environment.programFolder = program.parent_path().string();
  return environment;
}

bool holdsGameFiles(const std::string& folder) {
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
    if (isGameFileName(entry->path().filename().string())) return true;
  return false;
}

std::string dataFolderPath(const FileEnvironment& environment) {
  const std::string& home = environment.home.empty() ? environment.accountHome : environment.home;
  return ownFolder(environment.dataHome, home, "/.local/share");
}

// Without $HOME the settings are not kept; only the data folder falls back on the password database.
std::string settingsFolderPath(const FileEnvironment& environment) {
  return ownFolder(environment.configHome, environment.home, "/.config");
}

std::string gameInPlayPath(const FileEnvironment& environment) {
  const std::string folder = dataFolderPath(environment);
  return folder.empty() ? "" : folder + "/game-in-play.pdn";
}

std::vector<std::string> installedFolders(const FileEnvironment& environment) {
  std::vector<std::string> candidates;
  // An installed program finds its own copy first, whatever prefix it went to.
  if (!environment.programFolder.empty()) candidates.push_back(environment.programFolder + "/../share/tarvenn");
  std::istringstream dirs(environment.dataDirs.empty() ? "/usr/local/share:/usr/share" : environment.dataDirs);
  for (std::string dir; std::getline(dirs, dir, ':');)
    if (!dir.empty() && dir[0] == '/') candidates.push_back(dir + "/tarvenn");
  return candidates;
}

std::string installedBookFolder(const FileEnvironment& environment) {
  for (const std::string& folder : installedFolders(environment))
    if (isFile(folder + "/" + BookNames[0]) || isFile(folder + "/" + BookNames[1]))
      return fs::path(folder).lexically_normal().string();
  return "";
}

namespace {

// Started inside its own data folder, the game still finds the installed book there.
bool isDataFolder(const std::string& folder, const FileEnvironment& environment) {
  std::error_code error;
  const std::string dataFolder = dataFolderPath(environment);
  return !dataFolder.empty() && fs::equivalent(folder, dataFolder, error);
}

}  // namespace

GameFiles locateGameFiles(const FileEnvironment& environment) {
  GameFiles files;
  if (holdsGameFiles(environment.workingFolder) && !isDataFolder(environment.workingFolder, environment)) {
    files.folder = environment.workingFolder;
    files.whiteBook = BookNames[0];
    files.blackBook = BookNames[1];
    return files;
  }
  files.inDataFolder = true;
  files.folder = dataFolderPath(environment);
  if (files.folder.empty()) {
    files.problem = "neither XDG_DATA_HOME nor HOME names a folder";
  } else {
    std::error_code error;
    fs::create_directories(files.folder, error);
    if (!error && !fs::is_directory(files.folder, error)) error = std::make_error_code(std::errc::not_a_directory);
    if (error) files.problem = error.message();
  }
  files.databaseFolder = files.folder;
  const std::string installed = installedBookFolder(environment);
  files.whiteBook = bookFile(files.folder, installed, BookNames[0]);
  files.blackBook = bookFile(files.folder, installed, BookNames[1]);
  return files;
}
