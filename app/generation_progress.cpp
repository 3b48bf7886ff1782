#include "app/generation_progress.h"
#include <cstdio>
#include "enddb/index.h"

namespace {

// Positions with a pieces of the mover (k of them kings) and b of the opponent (l kings).
double classPositions(uint32_t a, uint32_t k, uint32_t b, uint32_t l) {
  return double(BinomialTable[32][a + b]) * BinomialTable[a + b][a] * BinomialTable[a][k] * BinomialTable[b][l];
}

}  // namespace

// Every class with both sides on the board: m pieces on C(32, m) square sets,
// each split between the sides in 2^m - 2 ways and crowned in 2^m ways.
GenerationProgress::GenerationProgress(uint32_t pieces) : total(0) {
  for (uint32_t m = 2; m <= pieces; ++m) total += double(BinomialTable[32][m]) * ((1u << m) - 2) * (1u << m);
  if (total == 0) total = 1;
}

int GenerationProgress::overflow(int c) {
  if (c == '\n')
    lineEnded();
  else if (c != traits_type::eof())
    line += char(c);
  return traits_type::not_eof(c);
}

std::streamsize GenerationProgress::xsputn(const char* text, std::streamsize count) {
  for (std::streamsize i = 0; i < count; ++i) overflow((unsigned char)text[i]);
  return count;
}

// A class and its mirror image are solved together on one line.
void GenerationProgress::lineEnded() {
  unsigned a, k, b, l;
  const bool finished = line.size() >= 4 && line.compare(line.size() - 4, 4, "DONE") == 0;
  if (finished && std::sscanf(line.c_str(), "Calc db for %u (%u) vs %u (%u):", &a, &k, &b, &l) == 4 &&
      a + b <= MaxDatabasePieces && k <= a && l <= b) {
    const bool ownMirror = a == b && k == l;
    done.store(done.load() + classPositions(a, k, b, l) * (ownMirror ? 1 : 2));
  }
  line.clear();
}
