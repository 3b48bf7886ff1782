// Runs a shell command for a test and collects its status, standard output and error.
#pragma once
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline CommandResult runCommand(const std::string& command) {
  const std::string errFile = "/tmp/tarvenn-test-stderr-" + std::to_string(getpid());
  CommandResult result;
  FILE* pipe = popen((command + " 2>" + errFile).c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::ifstream in(errFile);
  std::stringstream text;
  text << in.rdbuf();
  result.err = text.str();
  std::remove(errFile.c_str());
  return result;
}
