// chromasmith-convert: converts pictures between the editor's file formats
// from the command line, for batch work and scripts. It loads and writes
// through the same core functions as the editor, so a file converted here is
// byte for byte what the editor would produce.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/convert_args.h"
#include "app/convert_help.h"
#include "app/language.h"
#include "app/tool_text.h"
#include "colour/flicker.h"
#include "emulator/snapshot_export.h"
#include "formats/formats.h"
#include "formats/image_file.h"
#include "model/translatable.h"
#include "photo/image_import.h"
#include "render/compose.h"
#include "render/gallery_palette.h"

namespace {

using namespace cs;

constexpr int kExitOk = 0;
constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;

// Image, or any picture kind of the readers' table (formats/picture_kinds.h).
enum class InputKind { Mgs, Mg, Img, HobetaImg, Scr, HobetaScr, Image, Other };

std::optional<InputKind> inputKindOf(const std::string& name) {
  const std::string ext = LowerExtension(name);
  if (ext == ".mgs") return InputKind::Mgs;
  if (ext == ".mg1" || ext == ".mg2" || ext == ".mg4" || ext == ".mg8") return InputKind::Mg;
  if (ext == ".img") return InputKind::Img;
  if (ext == ".$img") return InputKind::HobetaImg;
  if (ext == ".scr") return InputKind::Scr;
  if (ext == ".$scr") return InputKind::HobetaScr;
  if (ext == ".png" || ext == ".jpg" || ext == ".jpeg" || ext == ".jpe" || ext == ".jfif" || ext == ".gif" ||
      ext == ".bmp" || ext == ".dib")
    return InputKind::Image;
  if (PictureKindOf(name)) return InputKind::Other;
  return std::nullopt;
}

const char* describe(InputKind kind) {
  switch (kind) {
    case InputKind::Mgs: return CS_TRANSLATE_NOOP("Core", "MGS native picture");
    case InputKind::Mg: return CS_TRANSLATE_NOOP("Core", "MG multicolour picture");
    case InputKind::Img: return CS_TRANSLATE_NOOP("Core", "IMG GigaScreen picture");
    case InputKind::HobetaImg:
      return CS_TRANSLATE_NOOP("Core", "$IMG GigaScreen picture with disk-file header");
    case InputKind::Scr: return CS_TRANSLATE_NOOP("Core", "SCR screen");
    case InputKind::HobetaScr: return CS_TRANSLATE_NOOP("Core", "$SCR screen with disk-file header");
    case InputKind::Image: return CS_TRANSLATE_NOOP("Core", "image");
    case InputKind::Other: return CS_TRANSLATE_NOOP("Core", "picture");
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
    case InputKind::Image: {
      RgbImage image;
      if (const FileError err = ReadImageFile(name, image)) return err;
      ImportImage(image, import, pic);
      return {};
    }
    case InputKind::Other: {
      std::string note;
      const FileError err = LoadPicture(name, pic, note);
      if (!err && !note.empty())
        std::fprintf(stderr, "chromasmith-convert: %s: %s\n", name.c_str(), TrCoreText(note).c_str());
      return err;
    }
  }
  return {FileErrorKind::Format};
}

// Writer and Snapshot: the kinds other tools read (formats/picture_kinds.h)
// and the viewer's snapshots (emulator/snapshot_export.h).
enum class OutputKind { Mgs, Mg1, Mg, Img, Png, Writer, Snapshot };

std::optional<OutputKind> outputKindOf(const std::string& name) {
  const std::string ext = LowerExtension(name);
  if (ext == ".mgs") return OutputKind::Mgs;
  if (ext == ".mg1") return OutputKind::Mg1;
  if (ext == ".mg2" || ext == ".mg4" || ext == ".mg8") return OutputKind::Mg;
  if (ext == ".img") return OutputKind::Img;
  if (ext == ".png") return OutputKind::Png;
  if (PictureWriterOf(name)) return OutputKind::Writer;
  if (SnapshotKind snap{}; SnapshotKindOfName(name, snap)) return OutputKind::Snapshot;
  return std::nullopt;
}

FileError save(OutputKind kind, const std::string& name, const Picture& pic, int pngMode, ViewPalette palette) {
  switch (kind) {
    case OutputKind::Mgs: return SaveMgsFile(name, pic);
    case OutputKind::Mg1: return WriteMg1File(name, pic);
    case OutputKind::Mg: return WriteMgFile(name, pic);
    case OutputKind::Img: return ExportImgFile(name, pic);
    case OutputKind::Png: {
      ComposedImages images;
      const ColourTables tables = ViewPaletteTables(palette);
      ComposePicture(pic, tables, images);
      return WritePngExport(name, images.composite, mixedBorder(tables, pic.borderIndex0, pic.borderIndex1),
                            pngMode);
    }
    case OutputKind::Writer: return WritePicture(*PictureWriterOf(name), name, pic);
    case OutputKind::Snapshot: {
      SnapshotKind snap{};
      SnapshotKindOfName(name, snap);
      return WriteViewerSnapshot(name, pic, snap);
    }
  }
  return {FileErrorKind::Format};
}

// INPUT loaded, changed as the options say and written as OUTPUT; on failure
// the error and which of the two files it concerns.
struct ConvertResult {
  FileError error;
  const std::string* file = nullptr;
};

// How a PNG INPUT becomes a picture: the options given, else the editor's
// defaults, at the cell height asked for or a fresh picture's.
ImportOptions importOptionsOf(const ConvertOptions& opt) {
  ImportOptions import;
  import.cellHeight = opt.cellHeight.value_or(Picture{}.vertSize);
  import.dither = opt.dither.value_or(import.dither);
  import.strength = opt.strength.value_or(import.strength);
  import.fit = opt.fit.value_or(import.fit);
  return import;
}

ConvertResult convertFile(InputKind inKind, const std::string& input, OutputKind outKind,
                          const std::string& output, const ConvertOptions& opt) {
  // The editor's start-up state: all zero, cell height 1, border 0, 0.
  Picture pic;
  if (const FileError err = load(inKind, input, pic, importOptionsOf(opt))) return {err, &input};
  if (opt.cellHeight) ConvertPicture(pic, *opt.cellHeight);
  if (opt.border) {
    pic.borderIndex0 = static_cast<uint8_t>(opt.border->first);
    pic.borderIndex1 = static_cast<uint8_t>(opt.border->second);
  }
  if (opt.balanceFlicker) BalanceFlicker(pic, ComputeMixTable(), WholePicture(pic));
  if (const FileError err =
          save(outKind, output, pic, opt.pngMode, opt.palette.value_or(ViewPalette::ChromaSmith)))
    return {err, &output};
  return {};
}

// `message` is in this run's language already.
int usageError(const std::string& message) {
  std::fprintf(stderr, "chromasmith-convert: %s\n%s\n", message.c_str(),
               TrTool(CS_TRANSLATE_NOOP("Tools", "Try 'chromasmith-convert --help'.")));
  return kExitUsage;
}

int fileError(const std::string& name, const FileError& err) {
  std::fprintf(stderr, "chromasmith-convert: %s: %s\n", name.c_str(), TrCoreText(err.line()).c_str());
  return kExitFileError;
}

// A file by its identity, so a name reached another way still matches.
struct FileId {
  dev_t device;
  ino_t inode;
  friend auto operator<=>(const FileId&, const FileId&) = default;
};

std::optional<FileId> fileIdOf(const std::string& name) {
  struct stat st {};
  if (::stat(name.c_str(), &st) != 0) return std::nullopt;
  return FileId{st.st_dev, st.st_ino};
}

// Every FILE into the output folder under its own name with the extension
// of --to; one that fails leaves no output and the others go on.
int convertBatch(const ConvertOptions& opt) {
  const std::string& ext = *opt.to;
  const auto outKind = outputKindOf("." + ext);
  if (!outKind)
    return usageError(
        FormatText(TrTool(CS_TRANSLATE_NOOP("Tools", "cannot write kind '%1': unknown extension")), {ext}));
  const std::string& dir = *opt.outputDir;
  struct stat st {};
  if (::stat(dir.c_str(), &st) != 0) return fileError(dir, FileError::fromErrno(errno));
  if (!S_ISDIR(st.st_mode)) return fileError(dir, FileError::fromErrno(ENOTDIR));

  // An output may replace its own FILE (a conversion in place), never another
  // FILE of the run, which may not have been read yet.
  std::set<FileId> inputs;
  for (const std::string& f : opt.files)
    if (const auto id = fileIdOf(f)) inputs.insert(*id);
  std::set<std::string> written;
  std::vector<std::string> failures;
  // Each output is flushed before it takes its name; the folder once, at the end.
  std::optional<FolderSyncBatch> batch(std::in_place);
  const bool progress = ::isatty(STDERR_FILENO) == 1;
  int progressWidth = 0;
  const std::size_t total = opt.files.size();
  for (std::size_t i = 0; i < total; ++i) {
    if (progress)
      progressWidth = std::fprintf(stderr, "\r%s",
                                   FormatText(TrTool(CS_TRANSLATE_NOOP("Tools", "converting %1 of %2")),
                                              {std::to_string(i + 1), std::to_string(total)})
                                       .c_str());
    const std::string& input = opt.files[i];
    const std::string output =
        (std::filesystem::path(dir) / std::filesystem::path(input).stem()).string() + "." + ext;
    const auto inKind = inputKindOf(input);
    const auto outId = fileIdOf(output);
    std::string failure;
    if (!inKind) {
      failure = FormatText(TrTool(CS_TRANSLATE_NOOP("Tools", "%1: cannot tell its kind from its extension")),
                           {input});
    } else if (written.count(output)) {
      failure = FormatText(
          TrTool(CS_TRANSLATE_NOOP("Tools", "%1: not converted, as an earlier FILE was written to %2")),
          {input, output});
    } else if (outId && inputs.count(*outId) && outId != fileIdOf(input)) {
      failure = FormatText(
          TrTool(CS_TRANSLATE_NOOP("Tools", "%1: not converted, as %2 is another FILE of this run")),
          {input, output});
    } else if (const ConvertResult r = convertFile(*inKind, input, *outKind, output, opt); r.error) {
      failure = *r.file + ": " + TrCoreText(r.error.line());
    } else {
      written.insert(output);
      continue;
    }
    failures.push_back(std::move(failure));
  }
  batch.reset();
  if (progress) std::fprintf(stderr, "\r%*s\r", progressWidth, "");
  for (const std::string& failure : failures)
    std::fprintf(stderr, "chromasmith-convert: %s\n", failure.c_str());
  std::string summary = FormatText(TrTool(CS_TRANSLATE_NOOP("Tools", "converted %1 of %2 files")),
                                   {std::to_string(total - failures.size()), std::to_string(total)});
  if (!failures.empty())
    summary +=
        FormatText(TrTool(CS_TRANSLATE_NOOP("Tools", ", %1 failed")), {std::to_string(failures.size())});
  std::fprintf(stderr, "chromasmith-convert: %s\n", summary.c_str());
  return failures.empty() ? kExitOk : kExitFileError;
}

}  // namespace

int main(int argc, char** argv) {
  const LanguageOption language = TakeLanguageOption(argc, argv);
  UseToolLanguage(ChooseLanguage(language, std::getenv));
  if (language.error) return usageError(TrCoreText(*language.error));
  const ConvertArgs args = ParseConvertArgs({language.rest.data() + 1, language.rest.size() - 1});
  if (args.error) return usageError(TrCoreText(*args.error));
  const ConvertOptions& opt = args.options;
  if (opt.help) {
    std::fputs(ConvertHelp().c_str(), stdout);
    return kExitOk;
  }
  if (opt.version) {
    std::printf("chromasmith-convert %s\n", CHROMASMITH_VERSION);
    return kExitOk;
  }

  if (opt.to) return convertBatch(opt);

  const std::string& input = opt.files[0];
  const auto inKind = inputKindOf(input);
  if (!inKind)
    return usageError(FormatText(
        TrTool(CS_TRANSLATE_NOOP("Tools", "cannot tell the kind of INPUT '%1' from its extension")),
        {input}));
  std::optional<OutputKind> outKind;
  if (!opt.info) {
    outKind = outputKindOf(opt.files[1]);
    if (!outKind)
      return usageError(FormatText(
          TrTool(CS_TRANSLATE_NOOP("Tools", "cannot write OUTPUT '%1': unknown extension")), {opt.files[1]}));
  }

  if (*inKind != InputKind::Image && (opt.dither || opt.strength || opt.fit))
    return usageError(
        TrTool(CS_TRANSLATE_NOOP("Tools", "--dither, --strength and --fit need an image INPUT")));

  if (opt.info) {
    Picture pic;
    if (const FileError err = load(*inKind, input, pic, importOptionsOf(opt))) return fileError(input, err);
    const std::string kindText =
        *inKind == InputKind::Other ? std::string(PictureKindOf(input)->description) : describe(*inKind);
    char score[32];
    std::snprintf(score, sizeof score, "%.1f", FlickerScore(pic));
    std::fputs(FormatText(TrTool(CS_TRANSLATE_NOOP(
                              "Tools", "kind: %1\ncell height: %2\nborder: %3,%4\nflicker score: %5\n")),
                          {TrCoreText(kindText), std::to_string(pic.vertSize),
                           std::to_string(pic.borderIndex0), std::to_string(pic.borderIndex1), score})
                   .c_str(),
               stdout);
    return kExitOk;
  }
  if (const ConvertResult r = convertFile(*inKind, input, *outKind, opt.files[1], opt); r.error)
    return fileError(*r.file, r.error);
  return kExitOk;
}
