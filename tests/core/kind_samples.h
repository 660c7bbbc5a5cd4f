// One file of every picture kind the editor reads, for the tests that open
// them all: the samples of other tools where one fits the screen, our own
// files for the rest.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "formats/formats.h"

namespace cs::testing {

// The files written into `dir`, in the order of PictureKinds().
inline std::vector<std::string> FilesOfEveryKind(const std::string& data, const std::string& dir) {
  Picture pic;
  if (LoadMgFile(data + "/zx-image/example.mg8", pic)) return {};
  const std::vector<uint8_t> img = EncodeImg(pic);
  std::vector<std::string> files;
  for (const PictureKind& kind : PictureKinds()) {
    const std::string ext(kind.extension);
    const std::string file = dir + "/example" + ext;
    std::vector<uint8_t> bytes = ext == ".ch$" ? EncodeChr(pic)  // the sample is taller than the screen
                                 : ext == ".53c" ? std::vector<uint8_t>(img.begin() + 6144, img.begin() + 6912)
                                                 : std::vector<uint8_t>();
    if (ext == ".$img") bytes.insert(bytes.end(), 17, 0), bytes.insert(bytes.end(), img.begin(), img.end());
    for (const char* folder : {"/zx-image/example", "/seeds/example"})
      if (bytes.empty() && ReadWholeFile(data + folder + ext, 1 << 20, bytes)) bytes.clear();
    if (bytes.empty() || WriteFileAtomic(file, bytes)) return {};
    files.push_back(file);
  }
  return files;
}

}  // namespace cs::testing
