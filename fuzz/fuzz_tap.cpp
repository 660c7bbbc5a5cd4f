// Feeds arbitrary bytes to the readers of the tape image.
#include "fuzz/fuzz_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return cs::fuzz::CheckKinds(data, size, {".tap"});
}
