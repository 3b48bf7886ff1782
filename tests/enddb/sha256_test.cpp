#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "enddb/sha256.h"

namespace {

std::string sumOf(const std::string& text) {
  return sha256Hex(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace

TEST(Sha256, KnownSumsIncludingThePaddingBoundaries) {
  EXPECT_EQ(sumOf(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(sumOf("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the first block.
  EXPECT_EQ(sumOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

// A long check is fed in steps: any split gives the sum of the whole.
TEST(Sha256, SumFedInPiecesEqualsTheSumOfTheWhole) {
  std::vector<uint8_t> bytes(1000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(i * 7 + 3);
  for (size_t size : {0, 1, 55, 56, 63, 64, 65, 119, 128, 1000}) {
    const std::string whole = sha256Hex(bytes.data(), size);
    for (size_t step : {1, 3, 63, 64, 65, 200}) {
      Sha256 sum;
      for (size_t done = 0; done < size; done += step) sum.add(bytes.data() + done, std::min(step, size - done));
      EXPECT_EQ(sum.hex(), whole) << size << " bytes in steps of " << step;
    }
  }
}
