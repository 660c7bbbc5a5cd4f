// The loaders' inner loops: files hold a screen row by row (a line, or a row
// of attributes, after another), the Picture column by column. Each function
// here turns one strip of 8 file rows by 16 byte columns into the planes at
// once, a transpose the vector unit does in a few dozen instructions where a
// byte at a time would take hundreds.
#pragma once

#include <cstddef>
#include <cstdint>

namespace cs {

// 8 rows of 16 pixel bytes (row i at rows + i * rowStride) into the 16
// columns of a pixel plane: byte k of row i goes to column k, line i, where
// `plane` points at column 0's first line of the strip.
void PixelStrip(const uint8_t* rows, std::ptrdiff_t rowStride, uint8_t* plane);

// 8 rows of 16 ZX attribute bytes, each row for `rowHeight` lines (1, 2, 4
// or 8), into the entries of 16 columns of an attribute plane: column k's
// 8 * rowHeight entries from `attrPlane` + k * 384 on.
void AttributeStrip(const uint8_t* rows, std::ptrdiff_t rowStride, int rowHeight, uint8_t* attrPlane);

// 8 rows of 8 attribute entries stored PAP first (row i at rows + i *
// rowStride) into the entries of 8 columns, one line each.
void PapFirstEntryStrip(const uint8_t* rows, std::ptrdiff_t rowStride, uint8_t* attrPlane);

// The largest of `count` bytes: the check of a block of colour indices.
uint8_t LargestByte(const uint8_t* bytes, std::size_t count);

}  // namespace cs
