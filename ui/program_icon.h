// The program's icon as the desktop installs it, for the windows' title bars and the About box.
#pragma once
#include <string>
#include <vector>

class Fl_RGB_Image;

// The icon read from the first of the shared-file folders (share/tarvenn) whose
// ../icons/hicolor/128x128/apps/tarvenn.png is a readable PNG; null when none is. Owned by
// the caller.
Fl_RGB_Image* loadProgramIcon(const std::vector<std::string>& folders);
