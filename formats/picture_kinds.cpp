#include "formats/picture_kinds.h"

#include <vector>

#include "formats/bsp_chr_files.h"
#include "formats/file_io.h"
#include "formats/file_name.h"
#include "formats/mg_file.h"
#include "formats/mgs_file.h"
#include "formats/multicolour_files.h"
#include "formats/screen_file.h"
#include "formats/snapshot_file.h"
#include "formats/tap_file.h"
#include "formats/zxp_file.h"
#include "model/translatable.h"

namespace cs {

namespace {

using Bytes = std::span<const uint8_t>;

template <FileError (*Decode)(Bytes, Picture&)>
FileError plain(Bytes bytes, Picture& pic, std::string& note) {
  note.clear();
  return Decode(bytes, pic);
}

template <bool WithHeader, bool SingleScreen>
FileError screen(Bytes bytes, Picture& pic, std::string& note) {
  note.clear();
  return DecodeScreen(bytes, WithHeader, SingleScreen, pic);
}

FileError mlt(Bytes bytes, Picture& pic, std::string& note) { return DecodeMlt(bytes, false, pic, note); }
FileError mc(Bytes bytes, Picture& pic, std::string& note) { return DecodeMlt(bytes, true, pic, note); }

template <SnapshotKind Kind>
FileError snapshot(Bytes bytes, Picture& pic, std::string& note) {
  return DecodeSnapshot(bytes, Kind, pic, note);
}

constexpr std::size_t kImgMax = kHobetaHeaderSize + kImgFileSize;

constexpr PictureKind kKinds[] = {
    {".mgs", CS_TRANSLATE_NOOP("Core", "MGS native picture"), kMgsFileSize, true, plain<DecodeMgs>},
    {".mg1", CS_TRANSLATE_NOOP("Core", "MG multicolour picture"), MgFileSize(1), true, plain<DecodeMg>},
    {".mg2", CS_TRANSLATE_NOOP("Core", "MG multicolour picture"), MgFileSize(1), true, plain<DecodeMg>},
    {".mg4", CS_TRANSLATE_NOOP("Core", "MG multicolour picture"), MgFileSize(1), true, plain<DecodeMg>},
    {".mg8", CS_TRANSLATE_NOOP("Core", "MG multicolour picture"), MgFileSize(1), true, plain<DecodeMg>},
    {".img", CS_TRANSLATE_NOOP("Core", "IMG GigaScreen picture"), kImgMax, true, screen<false, false>},
    {".$img", CS_TRANSLATE_NOOP("Core", "$IMG GigaScreen picture with disk-file header"), kImgMax, true,
     screen<true, false>},
    {".scr", CS_TRANSLATE_NOOP("Core", "SCR screen"), kImgMax, true, screen<false, true>},
    {".$scr", CS_TRANSLATE_NOOP("Core", "$SCR screen with disk-file header"), kImgMax, true,
     screen<true, true>},
    {".ifl", CS_TRANSLATE_NOOP("Core", "IFL multicolour screen, 8x2 or 8x4"), kIfl2FileSize, false,
     DecodeIfl},
    {".mlt", CS_TRANSLATE_NOOP("Core", "MLT multicolour screen, 8x1"), kMltFileSize, false, mlt},
    {".mc", CS_TRANSLATE_NOOP("Core", "MC multicolour screen, 8x1, linear bitmap"), kMltFileSize, false, mc},
    {".bmc4", CS_TRANSLATE_NOOP("Core", "BMC4 multicolour screen, 8x4, with border"), kBmc4FileSize, false,
     DecodeBmc4},
    {".bsp", CS_TRANSLATE_NOOP("Core", "BSP picture with title and author"), 1 << 20, false, DecodeBsp},
    {".ch$", CS_TRANSLATE_NOOP("Core", "CHR$ picture of cells"), kChrHeaderSize + 255 * 255 * 18, false,
     DecodeChr},
    {".zxp", CS_TRANSLATE_NOOP("Core", "ZX-Paintbrush text picture"), kZxpMaxFileSize, false, DecodeZxp},
    {".atr", CS_TRANSLATE_NOOP("Core", "attributes alone"), kAtrFileSize, false, DecodeAtr},
    {".53c", CS_TRANSLATE_NOOP("Core", "attributes alone"), kAtrFileSize, false, DecodeAtr},
    {".sna", CS_TRANSLATE_NOOP("Core", "SNA snapshot"), kSnapshotMaxFileSize, false,
     snapshot<SnapshotKind::Sna>},
    {".z80", CS_TRANSLATE_NOOP("Core", "Z80 snapshot"), kSnapshotMaxFileSize, false,
     snapshot<SnapshotKind::Z80>},
    {".szx", CS_TRANSLATE_NOOP("Core", "SZX snapshot"), kSnapshotMaxFileSize, false,
     snapshot<SnapshotKind::Szx>},
    {".tap", CS_TRANSLATE_NOOP("Core", "TAP tape image"), kTapMaxFileSize, false, DecodeTap},
};

constexpr PictureWriter kWriters[] = {
    {".scr", CS_TRANSLATE_NOOP("Core", "SCR screen: screen 0, 8x8 cells"), EncodeScr},
    {".ifl", CS_TRANSLATE_NOOP("Core", "IFL multicolour screen: screen 0, 8x2 (8x4 at cell heights 4 and 8)"),
     EncodeIfl},
    {".mlt", CS_TRANSLATE_NOOP("Core", "MLT multicolour screen: screen 0, 8x1"), EncodeMlt},
    {".bsp", CS_TRANSLATE_NOOP("Core", "BSP GigaScreen picture with the border pair, 8x8 cells"), EncodeBsp},
    {".ch$", CS_TRANSLATE_NOOP("Core", "CHR$ GigaScreen picture, 32 x 24 cells"), EncodeChr},
};

}  // namespace

std::span<const PictureKind> PictureKinds() { return kKinds; }

std::span<const PictureWriter> PictureWriters() { return kWriters; }

const PictureWriter* PictureWriterOf(const std::string& name) {
  const std::string ext = LowerExtension(name);
  for (const PictureWriter& writer : kWriters)
    if (writer.extension == ext) return &writer;
  return nullptr;
}

FileError WritePicture(const PictureWriter& writer, const std::string& name, const Picture& pic) {
  return WriteFileAtomic(name, writer.encode(pic));
}

const PictureKind* PictureKindOf(const std::string& name) {
  const std::string ext = LowerExtension(name);
  for (const PictureKind& kind : kKinds)
    if (kind.extension == ext) return &kind;
  return nullptr;
}

std::string AllPicturePatterns() {
  std::string patterns;
  for (const PictureKind& kind : kKinds) {
    if (!patterns.empty()) patterns += ';';
    patterns += "*";
    patterns += kind.extension;
  }
  return patterns;
}

FileError LoadPicture(const PictureKind& kind, const std::string& name, Picture& pic, std::string& note) {
  FileBytes file;
  // One byte past the limit shows a file that is too long.
  if (FileError err = ReadFileHead(name, kind.maxBytes + (kind.ignoresTail ? 0 : 1), file)) return err;
  if (!kind.ignoresTail && file.bytes().size() > kind.maxBytes)
    return FileError::format(
        FormatText(CS_TRANSLATE_NOOP("Core", "a %1 file has at most %2 bytes, this one more"),
                   {std::string(kind.extension), std::to_string(kind.maxBytes)}));
  return kind.decode(file.bytes(), pic, note);
}

FileError LoadPicture(const std::string& name, Picture& pic, std::string& note) {
  const PictureKind* kind = PictureKindOf(name);
  if (!kind)
    return FileError::format(FormatText(CS_TRANSLATE_NOOP("Core", "no picture kind has the extension \"%1\""),
                                        {LowerExtension(name)}));
  return LoadPicture(*kind, name, pic, note);
}

}  // namespace cs
