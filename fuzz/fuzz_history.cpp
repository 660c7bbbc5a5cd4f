// The history's differences: arbitrary bytes taken as a difference must
// never write outside the Picture, and edits taken from the input, recorded
// and walked back and forth, must give every Picture back exactly.
#include <cstdlib>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "model/history.h"

namespace {

bool same(const cs::Picture& a, const cs::Picture& b) {
  return a.planes == b.planes && a.vertSize == b.vertSize && a.borderIndex0 == b.borderIndex0 &&
         a.borderIndex1 == b.borderIndex1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cs::Picture pic = cs::fuzz::Sentinel();
  cs::ApplyPictureDiff(std::vector<uint8_t>(data, data + size), pic);

  // Every 4 bytes an edit: a 2-byte offset into the Picture's bytes, a
  // length and a value; every 8th edit ends a step.
  std::vector<cs::Picture> truth{cs::fuzz::Sentinel()};
  cs::History h(truth[0], "Start", {4096, 1000});
  pic = truth[0];
  for (size_t i = 0; i + 4 <= size; i += 4) {
    const size_t off = (size_t(data[i]) | size_t(data[i + 1]) << 8) % (cs::kPlanesSize + 3);
    for (size_t k = off; k < off + data[i + 2] && k < cs::kPlanesSize + 3; ++k) {
      if (k < cs::kPlanesSize)
        pic.planes[k] = data[i + 3];
      else
        (k == cs::kPlanesSize       ? pic.vertSize
         : k == cs::kPlanesSize + 1 ? pic.borderIndex0
                                    : pic.borderIndex1) = data[i + 3];
    }
    if (i / 4 % 8 == 7 && h.record(pic, "Edit")) truth.push_back(pic);
  }
  const size_t dropped = truth.size() - h.size();
  cs::Picture walked;
  while (h.back(walked))
    if (!same(walked, truth[h.current() + dropped])) std::abort();
  while (h.forward(walked))
    if (!same(walked, truth[h.current() + dropped])) std::abort();
  return 0;
}
