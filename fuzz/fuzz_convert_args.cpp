// The converter's command line from arbitrary bytes, split at NUL bytes into
// arguments. The parser must never read past an argument or the list; what
// it accepts must be something the converter can act on (the right number of
// files, every value in range, a batch's extension and folder together), and
// written back as a plain command line it must parse to the same options.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/convert_args.h"
#include "formats/png_export.h"
#include "model/picture.h"

namespace {

constexpr const char* kExtensionCharacters = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool sameOptions(const cs::ConvertOptions& a, const cs::ConvertOptions& b) {
  return a.help == b.help && a.version == b.version && a.info == b.info && a.cellHeight == b.cellHeight && a.border == b.border &&
         a.pngMode == b.pngMode && a.to == b.to && a.outputDir == b.outputDir && a.dither == b.dither &&
         a.strength == b.strength && a.fit == b.fit && a.files == b.files;
}

std::vector<std::string> commandLine(const cs::ConvertOptions& o) {
  std::vector<std::string> args;
  if (o.help) args.push_back("--help");
  if (o.version) args.push_back("--version");
  if (o.info) args.push_back("--info");
  if (o.cellHeight) args.push_back("--cell-height=" + std::to_string(*o.cellHeight));
  if (o.border)
    args.insert(args.end(),
                {"--border", std::to_string(o.border->first) + "," + std::to_string(o.border->second)});
  if (o.to) args.push_back("--to=" + *o.to);
  if (o.outputDir) args.insert(args.end(), {"--output-dir", *o.outputDir});
  if (o.dither) {
    const char* names[] = {"none", "ordered", "diffusion"};
    args.push_back(std::string("--dither=") + names[static_cast<int>(*o.dither)]);
  }
  if (o.strength) args.insert(args.end(), {"--strength", std::to_string(*o.strength)});
  if (o.fit) args.push_back(*o.fit == cs::FitMode::Cover ? "--fit=cover" : "--fit=border");
  args.insert(args.end(), {"--png-mode", std::to_string(o.pngMode), "--"});
  args.insert(args.end(), o.files.begin(), o.files.end());
  return args;
}

cs::ConvertArgs parse(const std::vector<std::string>& args) {
  // Each argument in an allocation of exactly its length and its NUL, the
  // list exactly as long as the arguments.
  std::vector<std::unique_ptr<char[]>> storage;
  const auto argv = std::make_unique<const char*[]>(args.size());
  for (std::size_t i = 0; i < args.size(); ++i) {
    storage.push_back(std::make_unique<char[]>(args[i].size() + 1));
    args[i].copy(storage.back().get(), args[i].size());
    argv[i] = storage.back().get();
  }
  return cs::ParseConvertArgs(std::span<const char* const>(argv.get(), args.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> args;
  for (std::size_t start = 0; start < size;) {
    std::size_t end = start;
    while (end < size && data[end] != 0) ++end;
    args.emplace_back(reinterpret_cast<const char*>(data) + start, end - start);
    start = end + 1;
  }
  const cs::ConvertArgs r = parse(args);
  if (r.error) {
    if (r.error->empty()) std::abort();
    return 0;
  }
  const cs::ConvertOptions& o = r.options;
  if (o.cellHeight && !cs::isValidCellHeight(*o.cellHeight)) std::abort();
  if (o.border &&
      (o.border->first < 0 || o.border->first > 7 || o.border->second < 0 || o.border->second > 7))
    std::abort();
  if (o.pngMode < 1 || o.pngMode > cs::kPngModeCount) std::abort();
  if (o.to && (o.to->empty() || o.to->find_first_not_of(kExtensionCharacters) != std::string::npos))
    std::abort();
  if (o.outputDir && o.outputDir->empty()) std::abort();
  if (o.strength && (*o.strength < 0 || *o.strength > 100)) std::abort();
  if (o.dither && static_cast<int>(*o.dither) > static_cast<int>(cs::Dither::Diffusion)) std::abort();
  if (!o.help && !o.version) {
    if (o.to.has_value() != o.outputDir.has_value()) std::abort();
    if (o.to ? o.files.empty() : o.files.size() != (o.info ? 1u : 2u)) std::abort();
    if (o.info && (o.cellHeight || o.border || o.to || o.dither || o.strength || o.fit)) std::abort();
  }

  const cs::ConvertArgs again = parse(commandLine(o));
  if (again.error || !sameOptions(again.options, o)) std::abort();
  return 0;
}
