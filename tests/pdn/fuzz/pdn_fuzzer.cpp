// libFuzzer entry: the input is a PDN file. Crashes, hangs and sanitizer reports are
// faults, and so is a file that reads but does not read back the same once rewritten.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include "pdn/pdn_reader.h"
#include "pdn/pdn_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const PdnReading reading = readPdn(std::string(reinterpret_cast<const char*>(data), size));
  if (!reading.ok()) return 0;
  std::string written;
  for (const PdnGame& game : reading.games) written += pdnText(game);
  const PdnReading again = readPdn(written);
  std::string rewritten;
  for (const PdnGame& game : again.games) rewritten += pdnText(game);
  if (!again.ok() || rewritten != written) std::abort();
  return 0;
}
