// How far a database computation has come, read from the progress text it writes
// (one "Calc db for A (K) vs B (L):....DONE" line per material class): a stream
// buffer that the computing thread writes into and the window thread polls.
#pragma once
#include <atomic>
#include <cstdint>
#include <streambuf>
#include <string>

class GenerationProgress : public std::streambuf {
public:
  explicit GenerationProgress(uint32_t pieces);
  // 0 before the first class is done, 1 when every class of up to `pieces` is.
  double fraction() const { return done.load() / total; }

protected:
  int overflow(int c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;

private:
  double total;
  std::atomic<double> done{0};
  std::string line;
  void lineEnded();
};
