// Load and save of each file format against reading or writing the same bytes
// raw, in the same run. The raw floors use plain POSIX calls on a file of the
// same size; saving is also compared with a raw write that is flushed to the
// disk, since every save flushes before it replaces the target.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/ratio.h"
#include "emulator/snapshot_export.h"
#include "formats/formats.h"
#include "render/compose.h"

namespace {

// A real picture, so the PNG encoder compresses what users export; the byte
// formats cost the same whatever the content.
cs::Picture samplePicture(int cellHeight) {
  cs::Picture pic;
  if (cs::LoadMgFile(CHROMASMITH_TESTDATA "/zx-image/example.mg4", pic)) std::abort();
  pic.vertSize = static_cast<uint8_t>(cellHeight);
  return pic;
}

// A scratch folder for the run's files, removed at exit.
struct Scratch {
  Scratch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "chromasmith-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path = pattern;
  }
  ~Scratch() {
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove_all(path, ec);
  }
  std::string file(const std::string& name) const { return path + "/" + name; }
  std::string path;
};
Scratch& scratch() {
  static Scratch s;
  return s;
}

void rawRead(const std::string& name, std::vector<uint8_t>& buf) {
  const int fd = ::open(name.c_str(), O_RDONLY);
  ssize_t n = 0;
  std::size_t got = 0;
  while ((n = ::read(fd, buf.data() + got, buf.size() - got)) > 0) got += std::size_t(n);
  ::close(fd);
}

void rawWrite(const std::string& name, const std::vector<uint8_t>& bytes, bool flush) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (::write(fd, bytes.data(), bytes.size()) < 0) std::abort();
  if (flush) ::fsync(fd);
  ::close(fd);
}

struct Format {
  std::string name;
  std::string ext;
  cs::Picture picture;
  std::function<cs::FileError(const std::string&, const cs::Picture&)> save;  // empty: no writer
  std::function<cs::FileError(const std::string&, cs::Picture&)> load;        // empty: no reader
};

cs::FileError savePng(const std::string& name, const cs::Picture& pic, int mode) {
  cs::ComposedImages images;
  cs::ComposePicture(pic, cs::ColourTables{}, images);
  return cs::WritePngExport(name, images.composite, pic.borderIndex0, pic.borderIndex1, mode);
}

std::vector<Format> formats() {
  return {
      {"MGS", ".mgs", samplePicture(1), cs::SaveMgsFile, cs::LoadMgsFile},
      {"MG1", ".mg1", samplePicture(1), cs::WriteMg1File, cs::LoadMgFile},
      {"MG4", ".mg4", samplePicture(4), cs::WriteMgFile, cs::LoadMgFile},
      {"IMG", ".img", samplePicture(8), cs::ExportImgFile,
       [](const std::string& n, cs::Picture& p) { return cs::ImportScreenFile(n, false, false, p); }},
      {"PNG 256x192", ".png", samplePicture(8),
       [](const std::string& n, const cs::Picture& p) { return savePng(n, p, 1); }, nullptr},
      {"PNG 1280x960", ".png", samplePicture(8),
       [](const std::string& n, const cs::Picture& p) { return savePng(n, p, 10); }, nullptr},
  };
}

// The floor of a load: a plain read of the same file's bytes.
void registerRawRead(const std::string& name, const std::string& file, std::size_t size) {
  benchmark::RegisterBenchmark(name.c_str(), [file, size](benchmark::State& st) {
    std::vector<uint8_t> buf(size);
    for (auto _ : st) {
      rawRead(file, buf);
      benchmark::DoNotOptimize(buf.data());
      benchmark::ClobberMemory();
    }
  });
}

// Registers, per format: its save and load, and the raw floors for a file of
// the size it writes.
const bool registered = [] {
  for (const Format& f : formats()) {
    const std::string file = scratch().file("bench" + f.ext);
    const std::string rawFile = scratch().file("raw" + f.ext);
    const std::string label = f.name;
    if (f.save(file, f.picture)) std::abort();
    std::vector<uint8_t> bytes(std::filesystem::file_size(file));
    rawRead(file, bytes);

    const std::string save = "Save " + label, rawW = "Raw write " + label,
                      rawWS = "Raw flushed write " + label;
    benchmark::RegisterBenchmark(save.c_str(), [f, file](benchmark::State& st) {
      for (auto _ : st) benchmark::DoNotOptimize(f.save(file, f.picture));
    });
    benchmark::RegisterBenchmark(rawW.c_str(), [bytes, rawFile](benchmark::State& st) {
      for (auto _ : st) rawWrite(rawFile, bytes, false);
    });
    benchmark::RegisterBenchmark(rawWS.c_str(), [bytes, rawFile](benchmark::State& st) {
      for (auto _ : st) rawWrite(rawFile, bytes, true);
    });
    cs::bench::RegisterRatio(save, rawW, "save " + label + " / raw write");
    cs::bench::RegisterRatio(save, rawWS, "save " + label + " / raw flushed write");

    if (!f.load) continue;
    const std::string load = "Load " + label, rawR = "Raw read " + label;
    benchmark::RegisterBenchmark(load.c_str(), [f, file](benchmark::State& st) {
      cs::Picture pic;
      for (auto _ : st) {
        benchmark::DoNotOptimize(f.load(file, pic));
        benchmark::ClobberMemory();
      }
    });
    registerRawRead(rawR, file, bytes.size());
    cs::bench::RegisterRatio(load, rawR, "load " + label + " / raw read");
  }
  return true;
}();

// A file of each kind the editor opens that the formats above leave out: the
// writers' and the viewer's snapshots, an .img behind a header, the other
// tools' samples, and a tape and a text picture of the seeds.
std::vector<uint8_t> kindFile(const std::string& ext) {
  const cs::Picture pic = samplePicture(8);
  if (const cs::PictureWriter* writer = cs::PictureWriterOf(ext)) return writer->encode(pic);
  if (cs::SnapshotKind kind{}; cs::SnapshotKindOfName(ext, kind)) return cs::EncodeViewerSnapshot(pic, kind);
  std::vector<uint8_t> bytes;
  if (ext == ".$img") {  // an .img behind a disk-file header
    const std::vector<uint8_t> img = cs::EncodeImg(pic);
    bytes.assign(cs::kHobetaHeaderSize, 0);
    bytes.insert(bytes.end(), img.begin(), img.end());
    return bytes;
  }
  const std::string sample = ext == ".53c" ? ".atr" : ext;
  for (const char* dir : {"/zx-image/example", "/seeds/example"})
    if (!cs::ReadWholeFile(CHROMASMITH_TESTDATA + std::string(dir) + sample, 1 << 20, bytes)) return bytes;
  return {};
}

// Each such kind's load against a raw read of the same file.
const bool kindsRegistered = [] {
  for (const cs::PictureKind& kind : cs::PictureKinds()) {
    const std::string ext(kind.extension);
    if (ext == ".mgs" || ext == ".mg1" || ext == ".mg4" || ext == ".img") continue;  // measured above
    const std::vector<uint8_t> bytes = kindFile(ext);
    if (bytes.empty()) continue;
    const std::string file = scratch().file("kind" + ext);
    rawWrite(file, bytes, false);
    const std::string load = "Load " + ext, rawR = "Raw read " + ext;
    benchmark::RegisterBenchmark(load.c_str(), [file](benchmark::State& st) {
      cs::Picture pic;
      std::string note;
      for (auto _ : st) {
        if (cs::LoadPicture(file, pic, note)) std::abort();
        benchmark::ClobberMemory();
      }
    });
    registerRawRead(rawR, file, bytes.size());
    cs::bench::RegisterRatio(load, rawR, "load " + ext + " / raw read");
  }
  return true;
}();

}  // namespace
