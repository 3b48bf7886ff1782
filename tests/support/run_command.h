// Runs a shell command for a test and collects its status, standard output and error.
#pragma once
#include <gtest/gtest.h>
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

// How the engine tool answers bad input: nothing on standard output, one line
// "tarvenn-engine: ..." on standard error, status 2.
inline void expectRejectedWithOneLine(const CommandResult& r, const std::string& arguments) {
  EXPECT_EQ(r.status, 2) << arguments;
  EXPECT_EQ(r.out, "") << arguments;
  EXPECT_EQ(r.err.rfind("tarvenn-engine: ", 0), 0u) << arguments << ": " << r.err;
  EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << arguments << ": " << r.err;
}
