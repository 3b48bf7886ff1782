// An empty temporary folder for a test that writes files; removed with the object.
#pragma once
#include <cstdlib>
#include <string>

struct ScratchDirectory {
  std::string path;

  ScratchDirectory() {
    char pattern[] = "/tmp/tarvenn-test-XXXXXX";
    if (mkdtemp(pattern)) path = pattern;
  }
  ~ScratchDirectory() {
    if (!path.empty()) std::system(("rm -rf '" + path + "'").c_str());
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
};
