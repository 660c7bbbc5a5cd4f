// chromasmith-convert: converts pictures between the editor's file formats
// from the command line, for batch work and scripts. It loads and writes
// through the same core functions as the editor, so a file converted here is
// byte for byte what the editor would produce.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/convert_args.h"
#include "formats/formats.h"
#include "formats/image_import.h"
#include "formats/png_import.h"
#include "render/compose.h"

namespace {

using namespace cs;

constexpr int kExitOk = 0;
constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;

const char* const kHelp =
    "Usage: chromasmith-convert [--cell-height N] [--png-mode N] [--border B0,B1] INPUT OUTPUT\n"
    "       chromasmith-convert [--cell-height N] [--dither D] [--strength P] [--fit F] IMAGE.png OUTPUT\n"
    "       chromasmith-convert --info INPUT\n"
    "       chromasmith-convert --help\n"
    "\n"
    "Converts a ZX Spectrum GigaScreen picture from one file format to another.\n"
    "\n"
    "INPUT is read by its extension (any case):\n"
    "  .mgs                      native picture\n"
    "  .mg1 .mg2 .mg4 .mg8       multicolour picture (the header decides the cell height)\n"
    "  .img .$img                GigaScreen picture, plain or behind a 17-byte disk-file header\n"
    "  .scr .$scr                single screen (also 6144 bytes of pixels only), both screens get it\n"
    "  .png                      any image, converted into a picture as the editor's\n"
    "                            \"Import image...\" does\n"
    "It is loaded into a fresh picture (all black, cell height 1, border 0,0) exactly\n"
    "as the editor loads it.\n"
    "\n"
    "OUTPUT is written by its extension (any case):\n"
    "  .mgs                      native picture\n"
    "  .mg1                      MG1 layout, whatever the cell height\n"
    "  .mg2 .mg4 .mg8            layout of the picture's cell height (MG1 layout at cell height 1)\n"
    "  .img                      GigaScreen picture, 8x8 cells\n"
    "  .png                      the mixed picture as an RGB image\n"
    "An existing OUTPUT is replaced only after a complete write.\n"
    "\n"
    "Options:\n"
    "  --cell-height N   change the cell height to N (8, 4, 2 or 1) as \"Convert to 8xN\"\n"
    "                    does: the pixel and attribute data stay as loaded; a PNG INPUT\n"
    "                    is converted at that cell height (default 1)\n"
    "  --dither D        for a PNG INPUT: none, ordered or diffusion (default)\n"
    "  --strength P      for a PNG INPUT: share of the error diffusion passes on,\n"
    "                    0 ... 100 percent (default %d)\n"
    "  --fit F           for a PNG INPUT: cover (scaled to fill 256 x 192 and centred,\n"
    "                    the overhang cut off; default) or border (scaled to fit inside,\n"
    "                    centred on black)\n"
    "  --border B0,B1    set the border colours of screen 0 and screen 1 (0 ... 7 each)\n"
    "  --png-mode N      PNG size, 1 ... 11 (default 1):\n"
    "%s"
    "  --info            print the kind, cell height and border of INPUT\n"
    "  --help            show this text\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read or written (the error\n"
    "is printed on stderr and no OUTPUT is left behind), 2 for wrong arguments.\n";

enum class InputKind { Mgs, Mg, Img, HobetaImg, Scr, HobetaScr, Png };

std::optional<InputKind> inputKindOf(const std::string& name) {
  const std::string ext = LowerExtension(name);
  if (ext == ".mgs") return InputKind::Mgs;
  if (ext == ".mg1" || ext == ".mg2" || ext == ".mg4" || ext == ".mg8") return InputKind::Mg;
  if (ext == ".img") return InputKind::Img;
  if (ext == ".$img") return InputKind::HobetaImg;
  if (ext == ".scr") return InputKind::Scr;
  if (ext == ".$scr") return InputKind::HobetaScr;
  if (ext == ".png") return InputKind::Png;
  return std::nullopt;
}

const char* describe(InputKind kind) {
  switch (kind) {
    case InputKind::Mgs: return "MGS native picture";
    case InputKind::Mg: return "MG multicolour picture";
    case InputKind::Img: return "IMG GigaScreen picture";
    case InputKind::HobetaImg: return "$IMG GigaScreen picture with disk-file header";
    case InputKind::Scr: return "SCR screen";
    case InputKind::HobetaScr: return "$SCR screen with disk-file header";
    case InputKind::Png: return "PNG image";
  }
  return "";
}

FileError load(InputKind kind, const std::string& name, Picture& pic, const ImportOptions& import) {
  switch (kind) {
    case InputKind::Mgs: return LoadMgsFile(name, pic);
    case InputKind::Mg: return LoadMgFile(name, pic);
    case InputKind::Img: return ImportScreenFile(name, false, false, pic);
    case InputKind::HobetaImg: return ImportScreenFile(name, true, false, pic);
    case InputKind::Scr: return ImportScreenFile(name, false, true, pic);
    case InputKind::HobetaScr: return ImportScreenFile(name, true, true, pic);
    case InputKind::Png: {
      RgbImage image;
      if (const FileError err = ReadPngFile(name, image)) return err;
      ImportImage(image, import, pic);
      return {};
    }
  }
  return {FileErrorKind::Format};
}

enum class OutputKind { Mgs, Mg1, Mg, Img, Png };

std::optional<OutputKind> outputKindOf(const std::string& name) {
  const std::string ext = LowerExtension(name);
  if (ext == ".mgs") return OutputKind::Mgs;
  if (ext == ".mg1") return OutputKind::Mg1;
  if (ext == ".mg2" || ext == ".mg4" || ext == ".mg8") return OutputKind::Mg;
  if (ext == ".img") return OutputKind::Img;
  if (ext == ".png") return OutputKind::Png;
  return std::nullopt;
}

FileError save(OutputKind kind, const std::string& name, const Picture& pic, int pngMode) {
  switch (kind) {
    case OutputKind::Mgs: return SaveMgsFile(name, pic);
    case OutputKind::Mg1: return WriteMg1File(name, pic);
    case OutputKind::Mg: return WriteMgFile(name, pic);
    case OutputKind::Img: return ExportImgFile(name, pic);
    case OutputKind::Png: {
      ComposedImages images;
      ComposePicture(pic, ColourTables{}, images);
      return WritePngFile(name, BuildPngImage(images.composite, pic.borderIndex0, pic.borderIndex1, pngMode));
    }
  }
  return {FileErrorKind::Format};
}

int usageError(const std::string& message) {
  std::fprintf(stderr, "chromasmith-convert: %s\nTry 'chromasmith-convert --help'.\n", message.c_str());
  return kExitUsage;
}

std::string pngModeList() {
  std::string list;
  for (int mode = 1; mode <= kPngModeCount; ++mode)
    list += "                      " + std::to_string(mode) + (mode < 10 ? "   " : "  ") +
            PngSizeOf(mode).caption + "\n";
  return list;
}

int fileError(const std::string& name, const FileError& err) {
  std::fprintf(stderr, "chromasmith-convert: %s: %s\n", name.c_str(), err.text().c_str());
  return kExitFileError;
}

}  // namespace

int main(int argc, char** argv) {
  const ConvertArgs args = ParseConvertArgs({argv + 1, argc > 1 ? static_cast<std::size_t>(argc - 1) : 0});
  if (args.error) return usageError(*args.error);
  const ConvertOptions& opt = args.options;
  if (opt.help) {
    std::printf(kHelp, ImportOptions{}.strength, pngModeList().c_str());
    return kExitOk;
  }

  const std::string& input = opt.files[0];
  const auto inKind = inputKindOf(input);
  if (!inKind) return usageError("cannot tell the kind of INPUT '" + input + "' from its extension");
  std::optional<OutputKind> outKind;
  if (!opt.info) {
    outKind = outputKindOf(opt.files[1]);
    if (!outKind) return usageError("cannot write OUTPUT '" + opt.files[1] + "': unknown extension");
  }

  if (*inKind != InputKind::Png && (opt.dither || opt.strength || opt.fit))
    return usageError("--dither, --strength and --fit need a PNG INPUT");

  // The editor's start-up state: all zero, cell height 1, border 0, 0.
  Picture pic;
  ImportOptions import;
  import.cellHeight = opt.cellHeight.value_or(pic.vertSize);
  import.dither = opt.dither.value_or(import.dither);
  import.strength = opt.strength.value_or(import.strength);
  import.fit = opt.fit.value_or(import.fit);
  if (const FileError err = load(*inKind, input, pic, import)) return fileError(input, err);

  if (opt.info) {
    std::printf("kind: %s\ncell height: %d\nborder: %d,%d\n", describe(*inKind), pic.vertSize,
                pic.borderIndex0, pic.borderIndex1);
    return kExitOk;
  }
  if (opt.cellHeight) ConvertPicture(pic, *opt.cellHeight);
  if (opt.border) {
    pic.borderIndex0 = static_cast<uint8_t>(opt.border->first);
    pic.borderIndex1 = static_cast<uint8_t>(opt.border->second);
  }
  if (const FileError err = save(*outKind, opt.files[1], pic, opt.pngMode))
    return fileError(opt.files[1], err);
  return kExitOk;
}
