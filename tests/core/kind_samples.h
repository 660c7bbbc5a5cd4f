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
    std::vector<uint8_t> bytes;
    if (ext == ".$img") {
      bytes.assign(17, 0);
      bytes.insert(bytes.end(), img.begin(), img.end());
    } else if (ext == ".ch$") {
      bytes = EncodeChr(pic);  // the sample is taller than the screen
    } else if (ext == ".53c") {
      bytes.assign(img.begin() + 6144, img.begin() + 6912);
    } else {
      for (const char* folder : {"/zx-image/example", "/seeds/example"})
        if (!ReadWholeFile(data + folder + ext, 1 << 20, bytes)) break;
    }
    if (bytes.empty() || WriteFileAtomic(file, bytes)) return {};
    files.push_back(file);
  }
  return files;
}

}  // namespace cs::testing
