#include "app/convert_help.h"

#include "app/tool_text.h"
#include "formats/png_export.h"
#include "model/translatable.h"
#include "photo/image_import.h"

namespace cs {

namespace {

// The --help text in parts, each translated as a whole and printed with a
// blank line between them; the PNG sizes are listed after kPngSizes.
const char* const kUsage = CS_TRANSLATE_NOOP(
    "Tools",
    "Usage: chromasmith-convert [--cell-height N] [--png-mode N] [--border B0,B1] INPUT OUTPUT\n"
    "  or:  chromasmith-convert [those options] --to EXT --output-dir DIR FILE...\n"
    "  or:  chromasmith-convert [--cell-height N] [--dither D] [--strength P] [--fit F] IMAGE OUTPUT\n"
    "  or:  chromasmith-convert [--balance-flicker] [--palette NAME] INPUT OUTPUT\n"
    "  or:  chromasmith-convert --info INPUT\n"
    "  or:  chromasmith-convert --help | --version\n");
const char* const kPurpose = CS_TRANSLATE_NOOP(
    "Tools", "Converts a ZX Spectrum GigaScreen picture from one file format to another.\n");
const char* const kInputs = CS_TRANSLATE_NOOP(
    "Tools",
    "INPUT is read by its extension (any case):\n"
    "  .mgs                      native picture\n"
    "  .mg1 .mg2 .mg4 .mg8       multicolour picture (the header decides the cell height)\n"
    "  .img .$img                GigaScreen picture, plain or behind a 17-byte disk-file header\n"
    "  .scr .$scr                single screen, both screens get it; also its 6144 bytes of\n"
    "                            pixels alone, or their top 2048 or 4096 (the rest cleared)\n"
    "  .png .jpg .jpeg .gif .bmp an image (PNG, JPEG, GIF or BMP, told apart by its\n"
    "                            contents; up to 8192 x 8192 pixels), converted into\n"
    "                            a picture as the editor's \"Import image...\" does\n"
    "  .ifl .mlt .mc .bmc4 .bsp .ch$ .zxp .atr .53c\n"
    "                            the multicolour and GigaScreen kinds of other tools\n"
    "  .sna .z80 .szx .tap       a snapshot's or a tape's screens (128K: banks 5 and 7)\n"
    "It is loaded into a fresh picture (all black, cell height 1, border 0,0) exactly\n"
    "as the editor loads it.\n");
const char* const kOutputs = CS_TRANSLATE_NOOP(
    "Tools",
    "OUTPUT is written by its extension (any case):\n"
    "  .mgs                      native picture\n"
    "  .mg1                      MG1 layout, whatever the cell height\n"
    "  .mg2 .mg4 .mg8            layout of the picture's cell height (MG1 layout at cell height 1)\n"
    "  .img                      GigaScreen picture, 8x8 cells\n"
    "  .png                      the mixed picture as an RGB image\n"
    "  .scr .ifl .mlt            screen 0 alone (.ifl 8x2, or 8x4 at cell heights 4 and 8;\n"
    "                            .mlt 8x1)\n"
    "  .bsp .ch$                 GigaScreen picture, 8x8 cells\n"
    "  .szx .z80 .sna            Pentagon 128 snapshot that shows the picture\n"
    "An existing OUTPUT is replaced only after a complete write.\n");
const char* const kBatch =
    CS_TRANSLATE_NOOP("Tools",
                      "With --to, every FILE is converted in this one process into DIR under its own\n"
                      "name with the extension EXT (one of the OUTPUT kinds above). A FILE that fails\n"
                      "leaves no output and the others go on; so does one whose output would replace\n"
                      "another FILE of the run or the output of an earlier one. The failures with their\n"
                      "reasons and the count follow at the end, on stderr, where a progress line shows\n"
                      "meanwhile when stderr is a terminal.\n");
const char* const kOptions = CS_TRANSLATE_NOOP(
    "Tools",
    "Options:\n"
    "  --cell-height N   change the cell height to N (8, 4, 2 or 1) as \"Convert to 8xN\"\n"
    "                    does: the pixel and attribute data stay as loaded; an image INPUT\n"
    "                    is converted at that cell height (default 1)\n"
    "  --dither D        for an image INPUT: none, ordered or diffusion (default)\n"
    "  --strength P      for an image INPUT: share of the error diffusion passes on,\n"
    "                    0 ... 100 percent (default %1)\n"
    "  --fit F           for an image INPUT: cover (scaled to fill 256 x 192 and centred,\n"
    "                    the overhang cut off; default) or border (scaled to fit inside,\n"
    "                    centred on black)\n"
    "  --border B0,B1    set the border colours of screen 0 and screen 1 (0 ... 7 each)\n"
    "  --png-mode N      PNG size, 1 ... 11 (default 1), from the list below\n"
    "  --balance-flicker exchange the two screens of those cells where that makes the\n"
    "                    picture flicker less; the mixed colours stay the same\n"
    "  --palette NAME    the colours of a PNG OUTPUT: chromaSmith (default) or one of\n"
    "                    the zxart gallery's: srgb, pulsar, orthodox, alone, electroscale\n"
    "  --to EXT          convert every FILE to the kind of extension EXT, for example png\n"
    "  --output-dir DIR  the existing folder the FILEs converted with --to go to\n"
    "  --info            print the kind, cell height, border and flicker score of INPUT\n"
    "  --language L      the language of the messages: en or ru (by default the\n"
    "                    locale's, as LANGUAGE, LC_ALL, LC_MESSAGES or LANG say)\n"
    "  --help            show this text\n"
    "  --version         print the program's version\n");
const char* const kPngSizes = CS_TRANSLATE_NOOP("Tools", "PNG sizes of --png-mode:\n");
const char* const kExitStatus =
    CS_TRANSLATE_NOOP("Tools",
                      "Exit status: 0 on success, 1 when a file cannot be read or written (the error\n"
                      "is printed on stderr and no OUTPUT is left behind) or any FILE of a batch\n"
                      "failed, 2 for wrong arguments.\n");

std::string pngModeList() {
  std::string list;
  for (int mode = 1; mode <= kPngModeCount; ++mode)
    list +=
        "  " + std::to_string(mode) + (mode < 10 ? "   " : "  ") + TrCoreText(PngSizeOf(mode).caption) + "\n";
  return list;
}

}  // namespace

std::string ConvertHelp() {
  std::string help;
  for (const char* part : {kUsage, kPurpose, kInputs, kOutputs, kBatch})
    help += std::string(TrTool(part)) + "\n";
  help += FormatText(TrTool(kOptions), {std::to_string(ImportOptions{}.strength)}) + "\n";
  help += std::string(TrTool(kPngSizes)) + pngModeList() + "\n" + TrTool(kExitStatus);
  return help;
}

}  // namespace cs
