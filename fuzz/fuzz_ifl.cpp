// Feeds arbitrary bytes to the readers of the 8x2 and 8x4 multicolour screens.
#include "fuzz/fuzz_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return cs::fuzz::CheckKinds(data, size, {".ifl"});
}
