// Feeds arbitrary bytes to the readers of the 8x1 multicolour screens in both bitmap orders.
#include "fuzz/fuzz_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return cs::fuzz::CheckKinds(data, size, {".mlt", ".mc"});
}
