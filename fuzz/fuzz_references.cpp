// The remembered references' file: any text either is refused as damaged or
// gives at most the bound of entries, which written out and read back give
// the same entries; any bytes as a name come back unchanged from their escape.
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/reference_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string name(text);
  if (cs::UnescapeReferenceName(cs::EscapeReferenceName(name)) != name) std::abort();
  const auto entries = cs::ParseReferenceEntries(text);
  if (!entries) return 0;
  if (entries->size() > cs::kMaxReferenceEntries) std::abort();
  const auto again = cs::ParseReferenceEntries(cs::FormatReferenceEntries(*entries));
  if (!again || *again != *entries) std::abort();
  return 0;
}
