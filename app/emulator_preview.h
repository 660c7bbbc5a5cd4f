// The emulator preview's hand-off: the picture file written into the zxview
// folder and the script started there, both fixed by the cell height.
#pragma once

#include <optional>
#include <string>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs {

struct PreviewFiles {
  const char* picture;  // written into the zxview folder
  const char* script;   // started there, with the folder as its working folder
  bool mg1Layout;
};

// None for a cell height other than 8, 4, 2 or 1.
std::optional<PreviewFiles> PreviewFilesFor(int cellHeight);

// Writes the Picture as the preview's picture file into `zxviewDir`,
// replacing an earlier one.
FileError WritePreviewPicture(const std::string& zxviewDir, const PreviewFiles& files, const Picture& pic);

}  // namespace cs
