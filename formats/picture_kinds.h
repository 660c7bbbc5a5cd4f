// Every kind of picture file the editor opens and the converter takes as
// INPUT, found by the file's extension (any case). One table serves the open
// dialog's "All pictures" filter, dropped files and the converter.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs {

struct PictureKind {
  std::string_view extension;    // lower case, with its dot: ".ifl"
  std::string_view description;  // for the converter's --help and --info
  // The most bytes read. A kind of fixed layout that ignores what follows it
  // gets only this much; every other kind is refused when the file is
  // longer, so its decoder sees that a file is too long.
  std::size_t maxBytes;
  bool ignoresTail;
  // Changes `pic` only on success; `note` gets a remark for the status bar
  // when the Picture cannot show all of the file.
  FileError (*decode)(std::span<const uint8_t> bytes, Picture& pic, std::string& note);
};

std::span<const PictureKind> PictureKinds();

// The kind of a file name by its extension, or null.
const PictureKind* PictureKindOf(const std::string& name);

// "*.mgs;*.mg1;..." for a file dialog's filter.
std::string AllPicturePatterns();

// Reads the file named (its bytes as the system spells them) as its kind.
// An unknown extension is refused with "Error file format".
FileError LoadPicture(const std::string& name, Picture& pic, std::string& note);
FileError LoadPicture(const PictureKind& kind, const std::string& name, Picture& pic, std::string& note);

// The kinds other tools read that the editor exports and the converter
// writes as OUTPUT, besides its own; each writes the whole file at once.
struct PictureWriter {
  std::string_view extension;
  std::string_view description;
  std::vector<uint8_t> (*encode)(const Picture& pic);
};

std::span<const PictureWriter> PictureWriters();
const PictureWriter* PictureWriterOf(const std::string& name);
FileError WritePicture(const PictureWriter& writer, const std::string& name, const Picture& pic);

}  // namespace cs
