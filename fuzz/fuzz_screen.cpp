// Feeds arbitrary bytes to the SCR/IMG reader in all four of its kinds.
#include "formats/screen_file.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (bool withHeader : {false, true})
    for (bool singleScreen : {false, true})
      cs::fuzz::CheckLoader(data, size, [=](std::span<const uint8_t> bytes, cs::Picture& pic) {
        return cs::DecodeScreen(bytes, withHeader, singleScreen, pic);
      });
  return 0;
}
