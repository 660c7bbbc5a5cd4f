// The screens of an emulator snapshot (.sna, .z80, .szx), read from the
// file itself: only the screens are unpacked. A 48K snapshot's screen (RAM
// bank 5) goes into both screens; a 128K or Pentagon snapshot gives screen 0
// from bank 5 and screen 1 from bank 7, the two screens the memory port can
// show, so a running GigaScreen program's two screens open as one 8x8
// picture. Both borders take the border colour the snapshot's machine shows.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs {

enum class SnapshotKind { Sna, Z80, Szx };

// The largest snapshot read: a Pentagon 1024's memory with room to spare.
inline constexpr std::size_t kSnapshotMaxFileSize = 2 << 20;

FileError DecodeSnapshot(std::span<const uint8_t> bytes, SnapshotKind kind, Picture& pic, std::string& note);

}  // namespace cs
