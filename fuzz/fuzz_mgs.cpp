// Feeds arbitrary bytes to the MGS reader. It must never read outside the
// input, and it must either refuse the bytes leaving the Picture untouched or
// produce a Picture the editor can hold.
#include "formats/mgs_file.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cs::fuzz::CheckLoader(
      data, size, [](std::span<const uint8_t> bytes, cs::Picture& pic) { return cs::DecodeMgs(bytes, pic); });
  return 0;
}
