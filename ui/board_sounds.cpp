#include "ui/board_sounds.h"
#include <canberra.h>
#include <dirent.h>
#include <sys/stat.h>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

const char* const SoundNames[] = {"move", "capture", "game-end", "low-clock"};

bool isFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string soundFile(const std::vector<std::string>& folders, BoardSound sound) {
  const std::string name = std::string("/sounds/") + SoundNames[(int)sound] + ".wav";
  for (const std::string& folder : folders)
    if (!folder.empty() && isFile(folder + name)) return folder + name;
  return "";
}

bool soundDeviceFound(const char* pulseServer, const std::string& runtimeFolder, const std::string& deviceFolder) {
  if (pulseServer && *pulseServer) return true;
  struct stat info;
  if (!runtimeFolder.empty() && stat((runtimeFolder + "/pulse/native").c_str(), &info) == 0 && S_ISSOCK(info.st_mode))
    return true;
  DIR* devices = opendir(deviceFolder.c_str());
  if (!devices) return false;
  bool found = false;
  while (dirent* entry = readdir(devices)) {
    const size_t length = std::strlen(entry->d_name);
    if (std::strncmp(entry->d_name, "pcmC", 4) == 0 && length > 4 && entry->d_name[length - 1] == 'p') found = true;
  }
  closedir(devices);
  return found;
}

BoardSounds::BoardSounds(std::vector<std::string> folders) : folders(std::move(folders)) {}

BoardSounds::~BoardSounds() {
  if (context) ca_context_destroy(context);
}

void BoardSounds::play(BoardSound sound) {
  if (!on || unavailable) return;
  const std::string file = soundFile(folders, sound);
  if (file.empty()) return;
  if (!context) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!soundDeviceFound(std::getenv("PULSE_SERVER"), runtime ? runtime : "", "/dev/snd")) {
      unavailable = true;
      return;
    }
    if (ca_context_create(&context) != CA_SUCCESS) {
      context = nullptr;
      unavailable = true;
      return;
    }
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Tarvenn", CA_PROP_APPLICATION_ID, "tarvenn",
                            nullptr);
    if (ca_context_open(context) != CA_SUCCESS) {
      unavailable = true;
      return;
    }
  }
  // A new sound replaces the one before: id 1 for all of them.
  ca_context_cancel(context, 1);
  ca_context_play(context, 1, CA_PROP_MEDIA_FILENAME, file.c_str(), CA_PROP_CANBERRA_CACHE_CONTROL, "volatile",
                  nullptr);
}
