// The command line of chromasmith-convert, read into options without touching
// any file: every check that needs only the arguments is made here, so the
// converter can rely on what it gets. The kinds of INPUT and OUTPUT come from
// their extensions, which the converter looks at itself.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "model/view_mode.h"
#include "photo/image_import.h"

namespace cs {

struct ConvertOptions {
  bool help = false;
  bool version = false;  // like help, wins over the files and options
  bool info = false;
  // Exchange screens cell by cell where that makes the picture flicker less.
  bool balanceFlicker = false;
  // The palette of a PNG OUTPUT: chromaSmith's own or one of the gallery's.
  std::optional<ViewPalette> palette;
  std::optional<int> cellHeight;              // 8, 4, 2 or 1
  std::optional<std::pair<int, int>> border;  // 0 ... 7 each
  int pngMode = 1;                            // 1 ... kPngModeCount
  // A batch: every file is converted into `outputDir` under its own name
  // with the extension `to` (letters and digits, given with or without its
  // dot). The two come together.
  std::optional<std::string> to;
  std::optional<std::string> outputDir;
  // How a PNG INPUT is converted into a picture; only with a PNG INPUT.
  std::optional<Dither> dither;
  std::optional<int> strength;  // 0 ... 100
  std::optional<FitMode> fit;
  // INPUT and OUTPUT; INPUT alone with `info`; one or more with `to`;
  // anything with `help`, which wins over every other option.
  std::vector<std::string> files;
};

// The options, or the message for the first wrong argument.
struct ConvertArgs {
  ConvertOptions options;
  std::optional<std::string> error;
};

// `args` are the arguments after the program's name. "--name value" and
// "--name=value" both work; after "--" every argument is a file name, and so
// is any argument not starting with "--".
ConvertArgs ParseConvertArgs(std::span<const char* const> args);

}  // namespace cs
