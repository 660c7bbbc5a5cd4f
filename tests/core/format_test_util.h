// Helpers shared by the file-format tests: pictures with every plane byte
// set, exact comparisons and a scratch folder per test.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "model/colour.h"
#include "model/picture.h"

namespace cs::testing {

// Every pixel byte random, every attribute entry a random colour index; the
// entries at lines the cell height ignores differ from the shown ones too.
inline Picture RandomPicture(unsigned seed, int cellHeight = 1) {
  Picture pic;
  std::mt19937 rng(seed);
  for (auto& b : pic.planes) b = static_cast<uint8_t>(rng());
  for (int i = kPixelBlockSize; i < kPlanesSize; ++i) pic.planes[static_cast<size_t>(i)] %= 15;
  pic.vertSize = static_cast<uint8_t>(cellHeight);
  pic.borderIndex0 = static_cast<uint8_t>(rng() % 8);
  pic.borderIndex1 = static_cast<uint8_t>(rng() % 8);
  return pic;
}

// RandomPicture whose every attribute entry keeps the BRIGHT rule of a ZX
// attribute (INK and PAP of one screen alike unless one is black), so each
// of its cells can be shown by real attributes.
inline Picture CoupledRandomPicture(unsigned seed, int cellHeight) {
  Picture pic = RandomPicture(seed, cellHeight);
  for (int screen = 0; screen < 2; ++screen)
    for (int i = 0; i < kAttrPlaneSize; i += 2) CoupleBright(pic.attrs(screen)[i + 1], pic.attrs(screen)[i]);
  return pic;
}

// Byte-exact equality of everything a loader may change. memcmp keeps the
// many truncation checks fast in the sanitizer build.
inline bool SamePicture(const Picture& a, const Picture& b) {
  return std::memcmp(a.planes.data(), b.planes.data(), a.planes.size()) == 0 && a.vertSize == b.vertSize &&
         a.borderIndex0 == b.borderIndex0 && a.borderIndex1 == b.borderIndex1;
}

inline std::vector<uint8_t> ReadBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::ofstream out(name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// `header` bytes of `fill` followed by `body`, as a file behind a disk-file
// header. Sized once and copied into, so no reallocation runs.
inline std::vector<uint8_t> WithHeader(std::size_t header, uint8_t fill, const std::vector<uint8_t>& body) {
  std::vector<uint8_t> out(header + body.size(), fill);
  std::copy(body.begin(), body.end(), out.begin() + static_cast<std::ptrdiff_t>(header));
  return out;
}

inline std::string TestData(const std::string& relative) {
  return std::string(CHROMASMITH_TESTDATA) + "/" + relative;
}

// A fresh folder for one test, removed with everything in it afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "chromasmith-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // The names in the folder, sorted.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace cs::testing
