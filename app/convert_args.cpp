#include "app/convert_args.h"

#include <algorithm>

#include "formats/png_export.h"
#include "model/picture.h"
#include "model/translatable.h"
#include "render/gallery_palette.h"

namespace cs {

namespace {

bool isAsciiAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A whole decimal number within [low, high], nothing else.
std::optional<int> parseNumber(const std::string& s, int low, int high) {
  if (s.empty() || s.size() > 3 || s.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int n = std::stoi(s);
  if (n < low || n > high) return std::nullopt;
  return n;
}

// Fills `opt` from the arguments; returns a message for the first wrong one.
std::optional<std::string> parse(std::span<const char* const> args, ConvertOptions& opt) {
  bool onlyFiles = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    if (onlyFiles || arg.size() < 2 || arg[0] != '-' || arg[1] != '-') {
      opt.files.push_back(arg);
      continue;
    }
    if (arg == "--") {
      onlyFiles = true;
      continue;
    }
    std::optional<std::string> value;
    if (const auto eq = arg.find('='); eq != std::string::npos) {
      value = arg.substr(eq + 1);
      arg.resize(eq);
    }
    const bool takesValue = arg == "--cell-height" || arg == "--png-mode" || arg == "--border" ||
                            arg == "--to" || arg == "--output-dir" || arg == "--dither" || arg == "--strength" ||
                            arg == "--fit" || arg == "--palette";
    if (!takesValue) {
      if (value) return FormatText(CS_TRANSLATE_NOOP("Core", "option %1 takes no value"), {arg});
      if (arg == "--help")
        opt.help = true;
      else if (arg == "--version")
        opt.version = true;
      else if (arg == "--info")
        opt.info = true;
      else if (arg == "--balance-flicker")
        opt.balanceFlicker = true;
      else
        return FormatText(CS_TRANSLATE_NOOP("Core", "unknown option %1"), {arg});
      continue;
    }
    if (!value) {
      if (i + 1 >= args.size())
        return FormatText(CS_TRANSLATE_NOOP("Core", "option %1 needs a value"), {arg});
      value = args[++i];
    }
    if (arg == "--cell-height") {
      const auto n = parseNumber(*value, 1, 8);
      if (!n || !isValidCellHeight(*n))
        return FormatText(CS_TRANSLATE_NOOP("Core", "cell height must be 8, 4, 2 or 1, not '%1'"), {*value});
      opt.cellHeight = n;
    } else if (arg == "--to") {
      const std::string ext = value->starts_with('.') ? value->substr(1) : *value;
      if (ext.empty() || ext.size() > 8 || !std::all_of(ext.begin(), ext.end(), isAsciiAlnum))
        return FormatText(CS_TRANSLATE_NOOP("Core", "--to takes an extension such as png, not '%1'"),
                          {*value});
      opt.to = ext;
    } else if (arg == "--output-dir") {
      if (value->empty()) return CS_TRANSLATE_NOOP("Core", "option --output-dir needs a folder");
      opt.outputDir = value;
    } else if (arg == "--png-mode") {
      const auto n = parseNumber(*value, 1, kPngModeCount);
      if (!n) return FormatText(CS_TRANSLATE_NOOP("Core", "PNG mode must be 1 ... 11, not '%1'"), {*value});
      opt.pngMode = *n;
    } else if (arg == "--dither") {
      if (*value == "none")
        opt.dither = Dither::None;
      else if (*value == "ordered")
        opt.dither = Dither::Ordered;
      else if (*value == "diffusion")
        opt.dither = Dither::Diffusion;
      else
        return FormatText(CS_TRANSLATE_NOOP("Core", "dither must be none, ordered or diffusion, not '%1'"),
                          {*value});
    } else if (arg == "--strength") {
      const auto n = parseNumber(*value, 0, 100);
      if (!n) return FormatText(CS_TRANSLATE_NOOP("Core", "strength must be 0 ... 100, not '%1'"), {*value});
      opt.strength = n;
    } else if (arg == "--palette") {
      opt.palette = viewPaletteByName(*value);
      if (!opt.palette) return FormatText(CS_TRANSLATE_NOOP("Core", "unknown palette '%1'"), {*value});
    } else if (arg == "--fit") {
      if (*value == "cover")
        opt.fit = FitMode::Cover;
      else if (*value == "border")
        opt.fit = FitMode::Border;
      else
        return FormatText(CS_TRANSLATE_NOOP("Core", "fit must be cover or border, not '%1'"), {*value});
    } else {
      const auto comma = value->find(',');
      const auto b0 = comma == std::string::npos ? std::nullopt : parseNumber(value->substr(0, comma), 0, 7);
      const auto b1 = comma == std::string::npos ? std::nullopt : parseNumber(value->substr(comma + 1), 0, 7);
      if (!b0 || !b1)
        return FormatText(CS_TRANSLATE_NOOP("Core", "border must be two colours 0 ... 7 as B0,B1, not '%1'"),
                          {*value});
      opt.border = std::pair{*b0, *b1};
    }
  }
  if (opt.help || opt.version) return std::nullopt;
  const bool importOptions = opt.dither || opt.strength || opt.fit;
  if (opt.info && (opt.cellHeight || opt.border || importOptions || opt.to || opt.outputDir || opt.balanceFlicker ||
                   opt.palette || opt.files.size() != 1))
    return CS_TRANSLATE_NOOP("Core", "--info takes one INPUT and no other option");
  if (opt.to.has_value() != opt.outputDir.has_value())
    return CS_TRANSLATE_NOOP("Core", "--to and --output-dir go together");
  if (opt.to && opt.files.empty()) return CS_TRANSLATE_NOOP("Core", "expected the FILEs to convert");
  if (!opt.info && !opt.to && opt.files.size() != 2)
    return CS_TRANSLATE_NOOP("Core", "expected INPUT and OUTPUT");
  return std::nullopt;
}

}  // namespace

ConvertArgs ParseConvertArgs(std::span<const char* const> args) {
  ConvertArgs result;
  result.error = parse(args, result.options);
  return result;
}

}  // namespace cs
