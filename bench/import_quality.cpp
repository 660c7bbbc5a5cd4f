#include "bench/import_quality.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "photo/import_palette.h"
#include "formats/image_file.h"
#include "model/colour.h"
#include "render/compose.h"

namespace cs::bench {

namespace {

uint8_t byte(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

// Hue across, from dark at the top through full colour to white at the
// bottom: every hue at every lightness.
RgbImage hueGradient() {
  RgbImage img(256, 192);
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) {
      const double h = x / 256.0 * 6, f = h - std::floor(h);
      const int sector = static_cast<int>(h);
      const double rgbFull[6][3] = {{1, f, 0},     {1 - f, 1, 0}, {0, 1, f},
                                    {0, 1 - f, 1}, {f, 0, 1},     {1, 0, 1 - f}};
      const double* c = rgbFull[sector];
      const double v = y / 191.0;
      double out[3];
      for (int k = 0; k < 3; ++k) out[k] = v < 0.5 ? c[k] * v * 2 : c[k] + (1 - c[k]) * (v - 0.5) * 2;
      img.set(x, y, rgb(byte(out[0] * 255), byte(out[1] * 255), byte(out[2] * 255)));
    }
  return img;
}

// Grey and two-colour ramps in horizontal bands: the steps between mixes
// of one colour family are where banding shows first.
RgbImage ramps() {
  RgbImage img(256, 192);
  const double ends[4][2][3] = {{{0, 0, 0}, {255, 255, 255}},
                                {{20, 40, 90}, {250, 200, 150}},
                                {{90, 30, 10}, {160, 230, 120}},
                                {{60, 0, 80}, {255, 240, 40}}};
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) {
      const auto& e = ends[y / 48];
      const double t = x / 255.0;
      img.set(x, y,
              rgb(byte(e[0][0] + (e[1][0] - e[0][0]) * t), byte(e[0][1] + (e[1][1] - e[0][1]) * t),
                  byte(e[0][2] + (e[1][2] - e[0][2]) * t)));
    }
  return img;
}

// Random colours on a coarse grid, smoothly interpolated, with a little
// fine noise on top: soft blotches of every colour, like an out-of-focus
// background, plus grain.
RgbImage noiseField(unsigned seed) {
  std::mt19937 rng(seed);
  constexpr int kGrid = 9;
  std::array<std::array<double, 3>, kGrid * kGrid> grid{};
  for (auto& c : grid)
    for (double& v : c) v = std::uniform_real_distribution<double>(0, 255)(rng);
  std::normal_distribution<double> grain(0, 6);
  RgbImage img(256, 192);
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) {
      const double gx = x / 256.0 * (kGrid - 1), gy = y / 192.0 * (kGrid - 1);
      const int ix = static_cast<int>(gx), iy = static_cast<int>(gy);
      double fx = gx - ix, fy = gy - iy;
      fx = fx * fx * (3 - 2 * fx);
      fy = fy * fy * (3 - 2 * fy);
      double out[3];
      for (int k = 0; k < 3; ++k) {
        const auto v = [&](int dx, int dy) {
          return grid[static_cast<std::size_t>((iy + dy) * kGrid + ix + dx)][static_cast<std::size_t>(k)];
        };
        out[k] = (v(0, 0) * (1 - fx) + v(1, 0) * fx) * (1 - fy) + (v(0, 1) * (1 - fx) + v(1, 1) * fx) * fy;
      }
      const double g = grain(rng);
      img.set(x, y, rgb(byte(out[0] + g), byte(out[1] + g), byte(out[2] + g)));
    }
  return img;
}

}  // namespace

std::vector<QualityImage> QualityImages() {
  std::vector<QualityImage> images;
  for (const char* name : {"astronaut", "chelsea", "coffee", "hubble_deep_field", "rocket"}) {
    RgbImage img;
    if (!ReadImageFile(std::string(CHROMASMITH_TESTDATA) + "/photos/" + name + ".png", img))
      images.push_back({name, std::move(img)});
  }
  images.push_back({"hue gradient", hueGradient()});
  images.push_back({"ramps", ramps()});
  images.push_back({"noise field", noiseField(7)});
  return images;
}

void NaiveImport(const RgbImage& fitted, int cellHeight, Picture& out) {
  const MixSpace& space = TheMixSpace();
  out.vertSize = static_cast<uint8_t>(cellHeight);
  std::vector<int> nearest(256 * 192);
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x) {
      const Din p = RgbToDin(fitted.at(x, y));
      int best = 0;
      for (int m = 1; m < kMixCount; ++m)
        if (distanceSquared(p, space.din[static_cast<std::size_t>(m)]) <
            distanceSquared(p, space.din[static_cast<std::size_t>(best)]))
          best = m;
      nearest[static_cast<std::size_t>(y * 256 + x)] = best;
    }
  for (int column = 0; column < kColumns; ++column)
    for (int line = 0; line < kLines;) {
      const CellSpan span = cellSpan(cellHeight, column, line);
      std::array<int, kMixCount> count{};
      for (int y = line; y < line + span.height; ++y)
        for (int x = 8 * column; x < 8 * column + 8; ++x)
          ++count[static_cast<std::size_t>(nearest[static_cast<std::size_t>(y * 256 + x)])];
      const int first = static_cast<int>(std::max_element(count.begin(), count.end()) - count.begin());
      count[static_cast<std::size_t>(first)] = -1;
      const int second =
          count[static_cast<std::size_t>(std::max_element(count.begin(), count.end()) - count.begin())] > 0
              ? static_cast<int>(std::max_element(count.begin(), count.end()) - count.begin())
              : first;
      CellColours c{static_cast<uint8_t>(first / 15), static_cast<uint8_t>(second / 15),
                    static_cast<uint8_t>(first % 15), static_cast<uint8_t>(second % 15)};
      CoupleBright(c.pap0, c.ink0);
      CoupleBright(c.pap1, c.ink1);
      const CellAttributes a{c.ink0, c.pap0, c.ink1, c.pap1};
      const std::array<int, 4> mixes = a.mixes();
      for (int y = line; y < line + span.height; ++y) {
        out.setCellColours(column, y, c);
        for (int x = 8 * column; x < 8 * column + 8; ++x) {
          const Din p = RgbToDin(fitted.at(x, y));
          int k = 0;
          for (int i = 1; i < 4; ++i)
            if (distanceSquared(p, space.din[static_cast<std::size_t>(mixes[static_cast<std::size_t>(i)])]) <
                distanceSquared(p, space.din[static_cast<std::size_t>(mixes[static_cast<std::size_t>(k)])]))
              k = i;
          out.setPixel(0, x, y, k & 2);
          out.setPixel(1, x, y, k & 1);
        }
      }
      line += span.height;
    }
}

ColourError PictureError(const RgbImage& fitted, const Picture& pic) {
  ComposedImages images;
  ComposePicture(pic, ColourTables{}, images);
  return MeanCiede2000(images.composite, fitted, kWidth, kLines);
}

}  // namespace cs::bench
