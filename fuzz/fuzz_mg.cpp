// Feeds arbitrary bytes to the MG1/MG2/MG4/MG8 reader.
#include "formats/mg_file.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cs::fuzz::CheckLoader(
      data, size, [](std::span<const uint8_t> bytes, cs::Picture& pic) { return cs::DecodeMg(bytes, pic); });
  return 0;
}
