#include "app/emulator_preview.h"

#include <filesystem>

#include "formats/mg_file.h"

namespace cs {

std::optional<PreviewFiles> PreviewFilesFor(int cellHeight) {
  switch (cellHeight) {
    case 1: return PreviewFiles{"image.mg1", "view8x1.sh", true};
    case 2: return PreviewFiles{"image.mg2", "view8x2.sh", false};
    case 4: return PreviewFiles{"image.mg4", "view8x4.sh", false};
    case 8: return PreviewFiles{"image.mg8", "view8x8.sh", false};
    default: return std::nullopt;
  }
}

FileError WritePreviewPicture(const std::string& zxviewDir, const PreviewFiles& files, const Picture& pic) {
  const std::string path = (std::filesystem::path(zxviewDir) / files.picture).string();
  return files.mg1Layout ? WriteMg1File(path, pic) : WriteMgFile(path, pic);
}

}  // namespace cs
