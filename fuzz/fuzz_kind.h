// A fuzz target for picture readers found by extension: each input is fed to
// the decoder of every kind named, with the guarantees of CheckLoader.
#pragma once

#include <initializer_list>
#include <string>

#include "formats/picture_kinds.h"
#include "fuzz/fuzz_check.h"

namespace cs::fuzz {

inline int CheckKinds(const uint8_t* data, std::size_t size, std::initializer_list<const char*> extensions) {
  for (const char* ext : extensions) {
    const PictureKind* kind = PictureKindOf(std::string("x") + ext);
    if (!kind) std::abort();
    CheckLoader(data, size, [kind](std::span<const uint8_t> bytes, Picture& pic) {
      std::string note;
      return kind->decode(bytes, pic, note);
    });
  }
  return 0;
}

}  // namespace cs::fuzz
