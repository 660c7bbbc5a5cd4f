// chromasmith-zxsnap: turns a multicolour picture file into a Pentagon 128
// snapshot that shows it. Screen 0 goes into RAM bank 5, screen 1 into bank 7
// and the viewer (viewer.asm) into bank 2; the snapshot starts the viewer,
// which flips between the two screens on every frame interrupt.
//
//   chromasmith-zxsnap IN.mg8 OUT.szx   (any of .mg1/.mg2/.mg4/.mg8; the
//                                        viewer gives every cell its own
//                                        colours in time with the beam)
//   chromasmith-zxsnap --rom OUT.rom    writes the 16 KB ROM the emulator
//                                        runs the snapshot with
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/language.h"
#include "app/tool_text.h"
#include "emulator/embedded_code.h"
#include "emulator/snapshot_export.h"
#include "formats/file_io.h"
#include "formats/mg_file.h"
#include "model/translatable.h"

namespace {

using namespace cs;

// `text` is in this run's language already.
int fail(const std::string& text) {
  std::fprintf(stderr, "chromasmith-zxsnap: %s\n", text.c_str());
  return 1;
}

const char* const kUsage = CS_TRANSLATE_NOOP("Tools",
                                             "Usage: chromasmith-zxsnap IN.mgN OUT.szx\n"
                                             "  or:  chromasmith-zxsnap --rom OUT.rom\n"
                                             "  or:  chromasmith-zxsnap --help | --version\n");

// Printed after kUsage by --help.
const char* const kHelp =
    CS_TRANSLATE_NOOP("Tools",
                      "\n"
                      "Makes a Pentagon 128 snapshot (SZX) that shows a GigaScreen picture in an\n"
                      "emulator: screen 0 in RAM bank 5, screen 1 in bank 7 and a viewer that shows\n"
                      "them in turn, one each frame, with their border colours. IN.mgN is a .mg1,\n"
                      ".mg2, .mg4 or .mg8 file; for cell heights 4, 2 and 1 the viewer sets every\n"
                      "cell's colours in step with the beam. The emulator preview's scripts\n"
                      "(view8x8.sh ...) run it and start fuse with the snapshot.\n"
                      "\n"
                      "Options:\n"
                      "  --rom OUT.rom   write the 16 KB ROM the snapshot is run with\n"
                      "  --language L    the language of the messages: en or ru (by default the\n"
                      "                  locale's, as LANGUAGE, LC_ALL, LC_MESSAGES or LANG say)\n"
                      "  --help          show this text\n"
                      "  --version       print the program's version\n"
                      "\n"
                      "Exit status: 0 on success, 1 when a file cannot be read or written, 2 for\n"
                      "wrong arguments.\n");

}  // namespace

int main(int argc, char** argv) {
  LanguageOption language = TakeLanguageOption(argc, argv);
  UseToolLanguage(ChooseLanguage(language, std::getenv));
  if (language.error) {
    std::fprintf(stderr, "chromasmith-zxsnap: %s\n%s", TrCoreText(*language.error).c_str(), TrTool(kUsage));
    return 2;
  }
  argc = static_cast<int>(language.rest.size());
  argv = language.rest.data();
  const std::string first = argc > 1 ? argv[1] : "";
  if (argc == 2 && first == "--help") {
    std::printf("%s%s", TrTool(kUsage), TrTool(kHelp));
    return 0;
  }
  if (argc == 2 && first == "--version") {
    std::printf("chromasmith-zxsnap %s\n", CHROMASMITH_VERSION);
    return 0;
  }
  if (argc != 3) {
    std::fputs(TrTool(kUsage), stderr);
    return 2;
  }
  const std::string in = argv[1], out = argv[2];
  if (in == "--rom") {
    if (const FileError err = WriteFileAtomic(out, RomCode()))
      return fail(out + ": " + TrCoreText(err.text()));
    return 0;
  }
  Picture pic;
  if (const FileError err = LoadMgFile(in, pic)) return fail(in + ": " + TrCoreText(err.text()));
  const std::vector<uint8_t> snapshot = EncodeViewerSnapshot(pic, SnapshotKind::Szx);
  if (snapshot.empty())
    return fail(TrTool(CS_TRANSLATE_NOOP("Tools", "libspectrum could not write the snapshot")));
  if (const FileError err = WriteFileAtomic(out, snapshot)) return fail(out + ": " + TrCoreText(err.text()));
  return 0;
}
