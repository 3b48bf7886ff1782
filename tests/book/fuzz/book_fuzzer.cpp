// libFuzzer entry: the input is a book file, each line read into one book as
// both White's and Black's lines. Crashes, hangs and sanitizer reports are faults.
#include <cstddef>
#include <cstdint>
#include <string>
#include "book/opening_book.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  OpeningBook book;
  const std::string text(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    book.parseBookLine(line.c_str(), true);
    book.parseBookLine(line.c_str(), false);
    start = end + 1;
  }
  return 0;
}
