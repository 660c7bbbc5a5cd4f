#include "photo/image_import.h"

#include <algorithm>
#include <array>
#include <vector>

#include "colour/flicker.h"
#include "colour/perceptual.h"
#include "photo/import_palette.h"
#include "model/colour.h"

namespace cs {

namespace {

// How much of the noise of a two-mix pattern counts against it when the
// attributes are chosen and, for the ordered dither, when a pixel's pattern
// is chosen: error diffusion spreads its patterns finer than an ordered
// matrix, so it can afford wider ones.
constexpr float kOrderedSpread = 0.15f;
constexpr float kDiffusionSpread = 0.15f;
// Error diffusion passes on no more than this much error per component, so
// a cell whose mixes cannot reach its colours does not smear into the next.
constexpr float kErrorLimit = 48.0f;

float spreadFor(const ImportOptions& o) {
  switch (o.dither) {
    case Dither::None: return 1.0f;
    case Dither::Ordered: return kOrderedSpread;
    case Dither::Diffusion: {
      const float s = static_cast<float>(std::clamp(o.strength, 0, 100)) / 100.0f;
      return 1.0f - s * (1.0f - kDiffusionSpread);
    }
  }
  return 1.0f;
}

// Thresholds of the 8 x 8 ordered-dither matrix, in (0, 1): each doubling
// of the matrix puts the four quarters' values in the order 0, 2, 3, 1.
std::array<float, 64> bayerThresholds() {
  std::vector<int> m{0};
  for (int size = 1; size < 8; size *= 2) {
    const int twice = 2 * size;
    std::vector<int> next(static_cast<std::size_t>(twice * twice));
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const int v = 4 * m[static_cast<std::size_t>(y * size + x)];
        next[static_cast<std::size_t>(y * twice + x)] = v;
        next[static_cast<std::size_t>(y * twice + x + size)] = v + 2;
        next[static_cast<std::size_t>((y + size) * twice + x)] = v + 3;
        next[static_cast<std::size_t>((y + size) * twice + x + size)] = v + 1;
      }
    m = std::move(next);
  }
  std::array<float, 64> t{};
  for (std::size_t i = 0; i < 64; ++i) t[i] = (static_cast<float>(m[i]) + 0.5f) / 64.0f;
  return t;
}

struct Work {
  const MixSpace& space = TheMixSpace();
  std::vector<Din> din;  // the fitted image, row by row
  // The attributes of the cell of every pixel, row by row.
  std::vector<CellAttributes> cellOf;
  std::vector<uint8_t> choice;  // the mix index 0 ... 3 of every pixel
};

std::size_t at(int x, int y) { return static_cast<std::size_t>(y * kWidth + x); }

std::array<float, 4> distances(const Din& p, const std::array<int, 4>& mixes, const MixSpace& space) {
  return {distanceSquared(p, space.din[static_cast<std::size_t>(mixes[0])]),
          distanceSquared(p, space.din[static_cast<std::size_t>(mixes[1])]),
          distanceSquared(p, space.din[static_cast<std::size_t>(mixes[2])]),
          distanceSquared(p, space.din[static_cast<std::size_t>(mixes[3])])};
}

bool chooseAttributes(Work& w, int cellHeight, float spread, const std::atomic<bool>* cancel) {
  std::array<Din, 64> cell{};
  for (int column = 0; column < kColumns; ++column) {
    if (cancel && cancel->load(std::memory_order_relaxed)) return false;
    for (int line = 0; line < kLines;) {
      const CellSpan span = cellSpan(cellHeight, column, line);
      std::size_t n = 0;
      for (int y = line; y < line + span.height; ++y)
        for (int x = 8 * column; x < 8 * column + 8; ++x) cell[n++] = w.din[at(x, y)];
      const CellAttributes a = ChooseCellAttributes({cell.data(), n}, spread, w.space);
      for (int y = line; y < line + span.height; ++y)
        for (int x = 8 * column; x < 8 * column + 8; ++x) w.cellOf[at(x, y)] = a;
      line += span.height;
    }
  }
  return true;
}

void choosePlain(Work& w) {
  for (std::size_t i = 0; i < w.din.size(); ++i) {
    const std::array<int, 4> mixes = w.cellOf[i].mixes();
    w.choice[i] =
        static_cast<uint8_t>(ChoosePoint(distances(w.din[i], mixes, w.space), mixes, 1.0f, w.space).first);
  }
}

void chooseOrdered(Work& w, float spread) {
  static const std::array<float, 64> threshold = bayerThresholds();
  for (int y = 0; y < kLines; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const std::size_t i = at(x, y);
      const std::array<int, 4> mixes = w.cellOf[i].mixes();
      const PointChoice c = ChoosePoint(distances(w.din[i], mixes, w.space), mixes, spread, w.space);
      w.choice[i] = static_cast<uint8_t>(
          c.share > threshold[static_cast<std::size_t>((y % 8) * 8 + x % 8)] ? c.second : c.first);
    }
}

// Floyd-Steinberg in sRGB, the rows taken in alternate directions; each
// pixel shows the perceptually nearest of its cell's four mixes.
bool chooseDiffused(Work& w, const RgbImage& fitted, float strength, const std::atomic<bool>* cancel) {
  std::vector<std::array<float, 3>> here(kWidth + 2), below(kWidth + 2);
  for (int y = 0; y < kLines; ++y) {
    if (cancel && cancel->load(std::memory_order_relaxed)) return false;
    std::fill(below.begin(), below.end(), std::array<float, 3>{});
    const bool forward = y % 2 == 0;
    const int step = forward ? 1 : -1;
    for (int n = 0; n < kWidth; ++n) {
      const int x = forward ? n : kWidth - 1 - n;
      const std::size_t i = at(x, y);
      const Rgb src = fitted.at(x, y);
      const std::array<float, 3>& e = here[static_cast<std::size_t>(x + 1)];
      const float target[3] = {std::clamp(static_cast<float>(red(src)) + e[0], 0.0f, 255.0f),
                               std::clamp(static_cast<float>(green(src)) + e[1], 0.0f, 255.0f),
                               std::clamp(static_cast<float>(blue(src)) + e[2], 0.0f, 255.0f)};
      const std::array<int, 4> mixes = w.cellOf[i].mixes();
      const Din p = SrgbToDin(target[0], target[1], target[2]);
      const int k = ChoosePoint(distances(p, mixes, w.space), mixes, 1.0f, w.space).first;
      w.choice[i] = static_cast<uint8_t>(k);
      const Rgb shown = w.space.rgb[static_cast<std::size_t>(mixes[static_cast<std::size_t>(k)])];
      const float err[3] = {
          std::clamp((target[0] - static_cast<float>(red(shown))) * strength, -kErrorLimit, kErrorLimit),
          std::clamp((target[1] - static_cast<float>(green(shown))) * strength, -kErrorLimit, kErrorLimit),
          std::clamp((target[2] - static_cast<float>(blue(shown))) * strength, -kErrorLimit, kErrorLimit)};
      const std::size_t ahead = static_cast<std::size_t>(x + 1 + step),
                        behind = static_cast<std::size_t>(x + 1 - step);
      for (int c = 0; c < 3; ++c) {
        here[ahead][static_cast<std::size_t>(c)] += err[c] * (7.0f / 16);
        below[behind][static_cast<std::size_t>(c)] += err[c] * (3.0f / 16);
        below[static_cast<std::size_t>(x + 1)][static_cast<std::size_t>(c)] += err[c] * (5.0f / 16);
        below[ahead][static_cast<std::size_t>(c)] += err[c] * (1.0f / 16);
      }
    }
    std::swap(here, below);
  }
  return true;
}

void writePicture(const Work& w, int cellHeight, Picture& out) {
  out.vertSize = static_cast<uint8_t>(cellHeight);
  for (int column = 0; column < kColumns; ++column)
    for (int line = 0; line < kLines; ++line) {
      const CellAttributes& a = w.cellOf[at(8 * column, line)];
      const int entry = attrIndex(column, line);
      out.attrs(0)[entry] = a.ink0;
      out.attrs(0)[entry + 1] = a.pap0;
      out.attrs(1)[entry] = a.ink1;
      out.attrs(1)[entry + 1] = a.pap1;
      uint8_t bits0 = 0, bits1 = 0;
      for (int b = 0; b < 8; ++b) {
        const int k = w.choice[at(8 * column + b, line)];
        if (k & 2) bits0 |= BitMask[static_cast<std::size_t>(b)];
        if (k & 1) bits1 |= BitMask[static_cast<std::size_t>(b)];
      }
      out.pixels(0)[pixelIndex(column, line)] = bits0;
      out.pixels(1)[pixelIndex(column, line)] = bits1;
    }
}

}  // namespace

bool ConvertFittedImage(const RgbImage& fitted, const ImportOptions& options, Picture& out,
                        const std::atomic<bool>* cancel) {
  const int cellHeight = isValidCellHeight(options.cellHeight) ? options.cellHeight : 8;
  Work w;
  const std::size_t count = static_cast<std::size_t>(kWidth) * kLines;
  w.din.resize(count);
  w.cellOf.resize(count);
  w.choice.resize(count);
  for (int y = 0; y < kLines; ++y)
    for (int x = 0; x < kWidth; ++x) w.din[at(x, y)] = RgbToDin(fitted.at(x, y));
  if (!chooseAttributes(w, cellHeight, spreadFor(options), cancel)) return false;
  switch (options.dither) {
    case Dither::None: choosePlain(w); break;
    case Dither::Ordered: chooseOrdered(w, kOrderedSpread); break;
    case Dither::Diffusion:
      if (!chooseDiffused(w, fitted, static_cast<float>(std::clamp(options.strength, 0, 100)) / 100.0f,
                          cancel))
        return false;
      break;
  }
  if (cancel && cancel->load(std::memory_order_relaxed)) return false;
  writePicture(w, cellHeight, out);
  if (options.balanceFlicker) BalanceFlicker(out, ComputeMixTable(), WholePicture(out));
  return true;
}

bool ImportImage(const RgbImage& image, const ImportOptions& options, Picture& out,
                 const std::atomic<bool>* cancel) {
  return ConvertFittedImage(FitImage(image, options.fit), options, out, cancel);
}

}  // namespace cs
