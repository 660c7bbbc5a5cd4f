// Feeds arbitrary bytes to the readers of the three snapshot kinds.
#include "fuzz/fuzz_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return cs::fuzz::CheckKinds(data, size, {".sna", ".z80", ".szx"});
}
