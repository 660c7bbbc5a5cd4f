// The reference image: its placement over the picture, the layer it is drawn
// from, and the entries that remember it with pictures.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "app/reference_store.h"
#include "format_test_util.h"
#include "render/editor_rows.h"
#include "render/reference_layer.h"
#include "render/reference_placement.h"

namespace cs {
namespace {

using testing::ScratchDir;

ReferencePlacement placed(ReferenceFit fit, int scale, int x = 0, int y = 0) { return {fit, scale, x, y}; }

TEST(ReferencePlacement, FitAndCoverKeepTheAspectAndCentre) {
  // A 2:1 image: Fit leaves bands above and below, Cover cuts the sides.
  EXPECT_EQ(PlaceReference(512, 256, placed(ReferenceFit::Fit, 100)), (PictureRect{0, 32, 256, 128}));
  EXPECT_EQ(PlaceReference(512, 256, placed(ReferenceFit::Cover, 100)), (PictureRect{-64, 0, 384, 192}));
  // A tall image: the other way round.
  EXPECT_EQ(PlaceReference(100, 400, placed(ReferenceFit::Cover, 100)), (PictureRect{0, -416, 256, 1024}));
  // Scale and offsets; an odd leftover puts the extra pixel on the right.
  EXPECT_EQ(PlaceReference(512, 256, placed(ReferenceFit::Fit, 50, 3, -5)), (PictureRect{67, 59, 128, 64}));
  EXPECT_EQ(PlaceReference(1, 1, placed(ReferenceFit::Fit, 10)), (PictureRect{118, 86, 19, 19}));
  EXPECT_EQ(PlaceReference(8192, 1, placed(ReferenceFit::Fit, 10)).height, 1);  // a sliver stays
}

TEST(ReferencePlacement, EdgesAndDragsFallOnPicturePixelsAtEveryZoom) {
  const PictureRect r = PlaceReference(640, 480, placed(ReferenceFit::Cover, 137, -7, 11));
  const ReferencePlacement start = placed(ReferenceFit::Fit, 100, 4, 4);
  for (int zoom = kMinZoom; zoom <= kMaxZoom; ++zoom) {
    const int s = PixelScaleOf(zoom);
    EXPECT_EQ(ReferenceScreenRect(r, s), (ScreenRect{r.x * s, r.y * s, r.width * s, r.height * s}));
    // Whole picture pixels move by exactly that, less than half a pixel
    // not at all, a half away from zero.
    EXPECT_EQ(DragReference(start, 3 * s, -2 * s, s), placed(ReferenceFit::Fit, 100, 7, 2));
    EXPECT_EQ(DragReference(start, s / 2 - 1, 1 - s / 2, s), start);
    EXPECT_EQ(DragReference(start, s / 2, -s / 2, s), placed(ReferenceFit::Fit, 100, 5, 3));
  }
  // Far drags stop at the offset limit.
  EXPECT_EQ(DragReference({}, 1 << 24, 0, 4).offsetX, kMaxReferenceOffset);
}

TEST(ReferencePlacement, ScalingKeepsThePointUnderTheMouse) {
  const int w = 800, h = 600;
  for (const auto& [px, py] : {std::pair{0.0, 0.0}, {37.5, 120.25}, {255.0, 191.0}, {128.0, 96.0}}) {
    for (const auto& [from, to] : {std::pair{100, 250}, {250, 800}, {800, 10}, {10, 117}, {117, 100}}) {
      const ReferencePlacement p = placed(ReferenceFit::Fit, from, 10, -6);
      const PictureRect before = PlaceReference(w, h, p);
      const double u = (px - before.x) / before.width, v = (py - before.y) / before.height;
      const ReferencePlacement q = ScaleReferenceAbout(w, h, p, to, px, py);
      EXPECT_EQ(q.scale, to);
      const PictureRect r = PlaceReference(w, h, q);
      // The image point that was under the mouse is there still.
      EXPECT_NEAR(r.x + u * r.width, px, 1.0) << from << " to " << to;
      EXPECT_NEAR(r.y + v * r.height, py, 1.0) << from << " to " << to;
    }
  }
  EXPECT_EQ(ScaleReferenceAbout(w, h, {}, 5000, 1, 1).scale, kMaxReferenceScale);
  // Wheel notches stay in range and never stick at the bottom.
  EXPECT_EQ(std::vector({WheelReferenceScale(100, true), WheelReferenceScale(100, false),
                         WheelReferenceScale(10, false), WheelReferenceScale(790, true)}),
            std::vector({112, 88, 10, 800}));
  int s = 10;
  for (int i = 0; i < 60; ++i) s = WheelReferenceScale(s, true);
  EXPECT_EQ(s, kMaxReferenceScale);
}

// A layer of one colour over the whole picture, or over nothing.
ReferenceLayer flatLayer(uint32_t argb, int opacity) {
  std::vector<uint32_t> px(std::size_t(kWidth) * kLines, argb);
  ReferenceLayer layer;
  BuildReferenceLayer(px.data(), kWidth, opacity, layer);
  return layer;
}

TEST(ReferenceLayer, BlendsWithinOneLevelOfTheExactMix) {
  for (int opacity : {0, 1, 33, 50, 99, 100}) {
    for (int ref : {0, 1, 128, 254, 255}) {
      const ReferenceTexel t = flatLayer(0xFF000000u | uint32_t(ref) * 0x010101u, opacity).texels[0];
      for (int pic : {0, 77, 255}) {
        const Rgb out = BlendReference(rgb(pic, pic, 255 - pic), t);
        const double a = opacity / 100.0;
        EXPECT_NEAR(red(out), pic * (1 - a) + ref * a, 1.0) << opacity << " " << ref << " " << pic;
        EXPECT_NEAR(blue(out), (255 - pic) * (1 - a) + ref * a, 1.0);
        // No opacity and full opacity are exact.
        EXPECT_TRUE(opacity % 100 != 0 || out == (opacity ? rgb(ref, ref, ref) : rgb(pic, pic, 255 - pic)));
      }
    }
  }
  // Where the image does not reach, the picture shows unchanged.
  EXPECT_EQ(BlendReference(rgb(1, 2, 3), flatLayer(0, 100).texels[0]), rgb(1, 2, 3));
}

TEST(ReferenceLayer, LiesAboveThePictureAndBelowTheGrids) {
  const ReferenceLayer layer = flatLayer(0xFFFFFFFFu, 100);
  std::vector<Rgb> out(256), scratch;
  OverlayView v;
  v.scale = 8, v.cellHeight = 8, v.pixelGrid = true;
  RenderEditorArea(RgbImage(512, 384), v, {0, 0, 16, 16}, out.data(), 16, scratch, &layer);
  // Grid dots stay on top; the picture is under the reference.
  EXPECT_EQ(std::vector({out[0], out[1], out[16 + 3]}),
            std::vector({kPixelGridDot, kGridGrey, rgb(255, 255, 255)}));
  // The preview at 2:1 takes the same layer, only inside the block asked.
  RgbImage preview(6, 2, rgb(0, 0, 0));
  BlendReferenceArea(preview, 2, layer, 2, 0, 3, 1);
  const Rgb k = rgb(0, 0, 0), w = rgb(255, 255, 255);
  EXPECT_EQ(std::vector(preview.row(0), preview.row(0) + 12),
            std::vector({k, k, w, w, w, k, k, k, k, k, k, k}));
}

ReferenceEntry entry(const std::string& picture, int x = 0) {
  ReferenceEntry e{picture, "/photos/ref.png", placed(ReferenceFit::Cover, 150, x, -3), false, true};
  e.placement.opacity = 35;
  return e;
}

TEST(ReferenceStore, NamesAndEntriesRoundTripByteForByteAndAbsolute) {
  std::string every;
  for (int c = 0; c < 256; ++c) every += char(c);
  const std::string escaped = EscapeReferenceName(every);
  EXPECT_EQ(escaped.find_first_of(" \n\r\t[]=;#"), std::string::npos);
  EXPECT_EQ(UnescapeReferenceName(escaped), every);
  const std::vector<ReferenceEntry> entries = {entry("/pics/" + every), entry("/pics/a b.mgs", -4000)};
  EXPECT_EQ(ParseReferenceEntries(FormatReferenceEntries(entries)), entries);
  // A picture named twice keeps its later entry; unknown keys pass.
  const auto twice =
      ParseReferenceEntries("[/a]\nreference=/r1\n[/b]\nreference=/r2\nlater=1\n[/a]\nreference=/r3\n");
  ASSERT_TRUE(twice && twice->size() == 2u);
  EXPECT_TRUE((*twice)[0].picture == "/b" && (*twice)[1].reference == "/r3");
  // Picture names are made absolute by name alone.
  EXPECT_EQ(AbsoluteFileName("pic.mgs", "/home/u"), "/home/u/pic.mgs");
  EXPECT_EQ(AbsoluteFileName("./a/../b//pic.mgs", "/home/u/"), "/home/u/b/pic.mgs");
  EXPECT_EQ(AbsoluteFileName("/x/../../y", "/ignored"), "/y");
  EXPECT_EQ(AbsoluteFileName("..", "/"), "/");
}

TEST(ReferenceStore, DamagedTextIsRefusedWhole) {
  for (const char* text :
       {"reference=/r\n", "[/a]\n", "[/a]\nreference=/r\nopacity=101\n", "[/a]\nreference=%4\n",
        "[/a]\nreference=/r\nx=1.5\n", "[/a]\nreference=/r\nfit=stretch\n", "[/a\nreference=/r\n",
        "[/a]\nreference=/r\njunk\n", "[/a]\nreference=a b\n", "[/a]\nreference=/r\nshown=2\n"})
    EXPECT_FALSE(ParseReferenceEntries(text)) << text;
  EXPECT_TRUE(ParseReferenceEntries("; comment\n\n[/a]\r\nreference=/r\r\n"));
}

TEST(ReferenceStore, KeepsTheNewestThousandAndFindsWhatItPut) {
  ScratchDir dir;
  std::vector<ReferenceEntry> full;
  for (int i = 0; i <= int(kMaxReferenceEntries); ++i) full.push_back(entry("/p" + std::to_string(i), i));
  EXPECT_EQ(ParseReferenceEntries(FormatReferenceEntries(full))->front().picture, "/p1");
  full.pop_back();
  std::ofstream(dir.file("references.ini")) << FormatReferenceEntries(full);
  ReferenceStore store(dir.file("references.ini"));
  StoreProblem note = StoreProblem::None;
  // Putting an old one again makes it the newest; a new one drops the oldest.
  store.put(entry("/p0", 7), note);
  store.put(entry("/new"), note);
  EXPECT_EQ(store.find("/p0", note)->placement.offsetX, 7);
  EXPECT_FALSE(store.find("/p1", note));
  store.remove("/p0", note);
  EXPECT_FALSE(store.find("/p0", note));
  EXPECT_TRUE(note == StoreProblem::None && store.usable());
}

TEST(ReferenceStore, ABadFileIsNeverTrustedNorOverwritten) {
  ScratchDir dir;
  const auto check = [](const std::string& path) {
    ReferenceStore store(path);
    StoreProblem problem = StoreProblem::None;
    EXPECT_FALSE(store.find("/a", problem));
    EXPECT_TRUE(problem == StoreProblem::Unreadable && !store.usable()) << path;
    problem = StoreProblem::None;
    store.put(entry("/a"), problem);  // stopped: neither read nor written again, nor said again
    EXPECT_EQ(problem, StoreProblem::None);
  };
  std::ofstream(dir.file("damaged.ini")) << "[/a]\nreference=/r\nopacity=lots\n";
  std::ofstream(dir.file("huge.ini")) << std::string(kMaxReferencesFileBytes + 1, ';');
  ASSERT_EQ(::mkfifo(dir.file("fifo.ini").c_str(), 0600), 0);
  std::filesystem::create_directory(dir.file("folder.ini"));
  for (const char* name : {"damaged.ini", "huge.ini", "fifo.ini", "folder.ini"}) check(dir.file(name));
  EXPECT_EQ(std::filesystem::file_size(dir.file("damaged.ini")), 31u);
  // A file that cannot be made: the first write gives up.
  std::filesystem::create_symlink("/nonexistent-folder/references.ini", dir.file("dangling.ini"));
  ReferenceStore blocked(dir.file("dangling.ini"));
  StoreProblem problem = StoreProblem::None;
  blocked.put(entry("/a"), problem);
  EXPECT_TRUE(problem == StoreProblem::Unwritable && !blocked.usable());
}

}  // namespace
}  // namespace cs
