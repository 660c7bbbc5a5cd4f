// Feeds arbitrary bytes to the readers of the 8x4 screen with border data and the bare attributes.
#include "fuzz/fuzz_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return cs::fuzz::CheckKinds(data, size, {".bmc4", ".atr"});
}
