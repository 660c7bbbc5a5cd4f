// The Z80 code assembled at build time from viewer.asm and rom.asm.
#pragma once

#include <cstdint>
#include <span>

namespace cs {

std::span<const uint8_t> ViewerCode();
std::span<const uint8_t> RomCode();  // 16 KB

}  // namespace cs
