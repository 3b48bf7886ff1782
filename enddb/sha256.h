// SHA-256 as lower-case hex, for checking database files: of a byte range at
// once, or fed in pieces so that a long check can stop between them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class Sha256 {
public:
  void add(const uint8_t* data, size_t size);
  // The sum of everything added; the object is used up.
  std::string hex();

private:
  uint32_t h[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
  uint8_t pending[64] = {};
  size_t pendingSize = 0;
  uint64_t total = 0;
  void compress(const uint8_t* block);
};

inline std::string sha256Hex(const uint8_t* data, size_t size) {
  Sha256 sum;
  sum.add(data, size);
  return sum.hex();
}
