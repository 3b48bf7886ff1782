// The board's sounds, played through the desktop's event-sound library from the files the
// program installs (share/tarvenn/sounds). Without a sound device, or with a file
// missing, it stays silent and says nothing.
#pragma once
#include <string>
#include <vector>

struct ca_context;

enum class BoardSound { Move, Capture, GameEnd, LowClock };

// The file a sound is played from, looked for in each folder in turn; "" when none has it.
std::string soundFile(const std::vector<std::string>& folders, BoardSound sound);

// Whether a sound can be heard: a sound server answers at $PULSE_SERVER or in the runtime
// folder (pulse/native, as PipeWire offers it too), or the device folder holds an ALSA
// playback device (pcmC0D0p). Without one the library would only print its failures.
bool soundDeviceFound(const char* pulseServer, const std::string& runtimeFolder, const std::string& deviceFolder);

class BoardSounds {
public:
  // The folders the program's shared files may be in, the first one that has a sound wins.
  explicit BoardSounds(std::vector<std::string> folders);
  ~BoardSounds();
  BoardSounds(const BoardSounds&) = delete;
  BoardSounds& operator=(const BoardSounds&) = delete;

  bool on = true;
  // Starts the sound and returns at once.
  void play(BoardSound sound);

private:
  std::vector<std::string> folders;
  ca_context* context = nullptr;
  bool unavailable = false;  // the library found no way to play: no further tries
};
