// A snapshot that shows the picture: the screens in RAM banks 5 and 7, the
// viewer (viewer.asm) in bank 2 with the picture's border pair and, below cell
// height 8, its line code and attribute streams; the machine is a Pentagon
// started in the viewer. The viewer uses no ROM routine and no ROM interrupt
// handler (it runs in IM 2 from its own table), so the snapshot runs with any
// ROM. The same snapshot serves the emulator preview and the export.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "formats/snapshot_file.h"
#include "model/picture.h"

namespace cs {

// The file's bytes, or nothing when libspectrum cannot write the kind.
std::vector<uint8_t> EncodeViewerSnapshot(const Picture& pic, SnapshotKind kind);

// The kind by the name's extension (.szx, .z80, .sna, any case), or none.
bool SnapshotKindOfName(const std::string& name, SnapshotKind& kind);

FileError WriteViewerSnapshot(const std::string& name, const Picture& pic, SnapshotKind kind);

}  // namespace cs
