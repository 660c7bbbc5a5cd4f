// Perceptual colour math for converting pictures and for judging how close a
// converted picture comes to its source: sRGB to CIELAB (D65), the DIN99o
// space, whose plain Euclidean distance follows CIEDE2000 closely and so can
// drive a fast search, and CIEDE2000 itself for the final measure.
#pragma once

#include "model/rgb_image.h"

namespace cs {

struct Lab {
  float L = 0, a = 0, b = 0;
};

// A point in DIN99o; squared distances between points are what the
// converter's searches compare.
struct Din {
  float L = 0, a = 0, b = 0;
};

inline float distanceSquared(const Din& p, const Din& q) {
  const float dl = p.L - q.L, da = p.a - q.a, db = p.b - q.b;
  return dl * dl + da * da + db * db;
}

// sRGB components on the 0 ... 255 scale (fractions and values a little
// outside the range allowed, as error diffusion produces them).
Lab SrgbToLab(float r, float g, float b);
Din LabToDin(const Lab& lab);
inline Din SrgbToDin(float r, float g, float b) { return LabToDin(SrgbToLab(r, g, b)); }
inline Lab RgbToLab(Rgb c) {
  return SrgbToLab(static_cast<float>(red(c)), static_cast<float>(green(c)), static_cast<float>(blue(c)));
}
inline Din RgbToDin(Rgb c) { return LabToDin(RgbToLab(c)); }

// CIEDE2000 colour difference with kL = kC = kH = 1.
double Ciede2000(const Lab& x, const Lab& y);

// Mean CIEDE2000 between the top-left width x height parts of two images:
// pixel by pixel, and after a 3 x 3 box blur of both (edges repeated), which
// is roughly what the eye integrates over a dither pattern.
struct ColourError {
  double plain = 0;
  double blurred = 0;
};
ColourError MeanCiede2000(const RgbImage& a, const RgbImage& b, int width, int height);

}  // namespace cs
