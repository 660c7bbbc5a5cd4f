#include "colour/perceptual.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace cs {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;

float linear(float c) {
  const float v = std::clamp(c, 0.0f, 255.0f) / 255.0f;
  return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
}

float labF(float t) {
  constexpr float kEpsilon = 216.0f / 24389.0f;  // (6/29)^3
  constexpr float kKappa = 24389.0f / 27.0f;
  return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16.0f) / 116.0f;
}

double hueDegrees(double b, double a) {
  if (a == 0 && b == 0) return 0;
  const double h = std::atan2(b, a) / kDeg;
  return h < 0 ? h + 360 : h;
}

}  // namespace

Lab SrgbToLab(float r, float g, float b) {
  const float lr = linear(r), lg = linear(g), lb = linear(b);
  // sRGB primaries to XYZ, each row divided by the D65 white's component.
  const float x = (0.4124564f * lr + 0.3575761f * lg + 0.1804375f * lb) / 0.95047f;
  const float y = 0.2126729f * lr + 0.7151522f * lg + 0.0721750f * lb;
  const float z = (0.0193339f * lr + 0.1191920f * lg + 0.9503041f * lb) / 1.08883f;
  const float fx = labF(x), fy = labF(y), fz = labF(z);
  return {116.0f * fy - 16.0f, 500.0f * (fx - fy), 200.0f * (fy - fz)};
}

Din LabToDin(const Lab& lab) {
  // DIN99o: lightness and chroma compressed logarithmically, the a-b plane
  // turned by 26 degrees and its second axis shortened.
  const float c26 = 0.89879405f, s26 = 0.43837115f;
  const float e = lab.a * c26 + lab.b * s26;
  const float f = 0.83f * (-lab.a * s26 + lab.b * c26);
  const float g = std::sqrt(e * e + f * f);
  const float chroma = std::log1p(0.075f * g) / 0.0435f;
  const float lightness = 303.67f * std::log1p(0.0039f * lab.L);
  if (g == 0) return {lightness, 0, 0};
  // Turning (e, f) back by 26 degrees keeps the hue; the chroma is scaled.
  const float k = chroma / g;
  return {lightness, k * (e * c26 - f * s26), k * (e * s26 + f * c26)};
}

double Ciede2000(const Lab& x, const Lab& y) {
  const double c1 = std::hypot(double(x.a), double(x.b)), c2 = std::hypot(double(y.a), double(y.b));
  const double cMean7 = std::pow((c1 + c2) / 2, 7);
  const double g = 0.5 * (1 - std::sqrt(cMean7 / (cMean7 + std::pow(25.0, 7))));
  const double a1 = (1 + g) * x.a, a2 = (1 + g) * y.a;
  const double cp1 = std::hypot(a1, double(x.b)), cp2 = std::hypot(a2, double(y.b));
  const double h1 = hueDegrees(x.b, a1), h2 = hueDegrees(y.b, a2);

  const double dL = double(y.L) - double(x.L);
  const double dC = cp2 - cp1;
  double dh = 0;
  if (cp1 * cp2 != 0) {
    dh = h2 - h1;
    if (dh > 180) dh -= 360;
    if (dh < -180) dh += 360;
  }
  const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(dh * kDeg / 2);

  const double lMean = (double(x.L) + double(y.L)) / 2;
  const double cpMean = (cp1 + cp2) / 2;
  double hMean = h1 + h2;
  if (cp1 * cp2 != 0) {
    if (std::fabs(h1 - h2) <= 180)
      hMean /= 2;
    else
      hMean = hMean < 360 ? (hMean + 360) / 2 : (hMean - 360) / 2;
  }
  const double t = 1 - 0.17 * std::cos((hMean - 30) * kDeg) + 0.24 * std::cos(2 * hMean * kDeg) +
                   0.32 * std::cos((3 * hMean + 6) * kDeg) - 0.20 * std::cos((4 * hMean - 63) * kDeg);
  const double dTheta = 30 * std::exp(-std::pow((hMean - 275) / 25, 2));
  const double cpMean7 = std::pow(cpMean, 7);
  const double rc = 2 * std::sqrt(cpMean7 / (cpMean7 + std::pow(25.0, 7)));
  const double l50 = (lMean - 50) * (lMean - 50);
  const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
  const double sc = 1 + 0.045 * cpMean;
  const double sh = 1 + 0.015 * cpMean * t;
  const double rt = -std::sin(2 * dTheta * kDeg) * rc;
  const double tl = dL / sl, tc = dC / sc, th = dH / sh;
  return std::sqrt(std::max(0.0, tl * tl + tc * tc + th * th + rt * tc * th));
}

namespace {

// Lab of every pixel of the top-left part, plain or after the 3 x 3 box blur
// of the sRGB values.
std::vector<Lab> labOf(const RgbImage& img, int width, int height, bool blur) {
  std::vector<Lab> out(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      float r = 0, g = 0, b = 0;
      const int reach = blur ? 1 : 0;
      for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
          const Rgb c = img.at(std::clamp(x + dx, 0, width - 1), std::clamp(y + dy, 0, height - 1));
          r += static_cast<float>(red(c));
          g += static_cast<float>(green(c));
          b += static_cast<float>(blue(c));
        }
      const float n = blur ? 9.0f : 1.0f;
      out[static_cast<std::size_t>(y * width + x)] = SrgbToLab(r / n, g / n, b / n);
    }
  return out;
}

double meanDifference(const std::vector<Lab>& p, const std::vector<Lab>& q) {
  double sum = 0;
  for (std::size_t i = 0; i < p.size(); ++i) sum += Ciede2000(p[i], q[i]);
  return p.empty() ? 0 : sum / static_cast<double>(p.size());
}

}  // namespace

ColourError MeanCiede2000(const RgbImage& a, const RgbImage& b, int width, int height) {
  return {meanDifference(labOf(a, width, height, false), labOf(b, width, height, false)),
          meanDifference(labOf(a, width, height, true), labOf(b, width, height, true))};
}

}  // namespace cs
