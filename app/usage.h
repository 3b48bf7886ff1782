// The texts of tarvenn --help and --version.
#pragma once
#include <string>
#include "files/file_locations.h"

// The usage, naming the data folder and the installed book of this environment.
std::string usageText(const FileEnvironment& environment);
// "tarvenn 0.8": the name and the version the build was made with
std::string versionText();
