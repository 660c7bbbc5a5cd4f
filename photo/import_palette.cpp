#include "photo/import_palette.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/colour.h"

namespace cs {

namespace {

// A cell has at most 64 pixels; its colours are gathered into this many
// clusters at most, a cluster standing for its pixels by its mean.
constexpr int kMaxPixels = 64;
constexpr int kMaxClusters = 6;
// Attribute choices scored with the dithering in mind, at most, taken in
// the order of their score without it; and how many of the best of those
// are scored again on every pixel.
constexpr int kMaxScored = 256;
constexpr int kFinalists = 6;

constexpr float kInfinity = std::numeric_limits<float>::infinity();

struct Point {
  Din c;
  float weight = 0;
};

// Up to `k` clusters: centres seeded by taking the pixel farthest from those
// chosen so far (the first farthest from the mean), then a few rounds of
// moving each centre to the mean of its pixels.
int clusterPixels(std::span<const Din> px, int k, std::array<Point, kMaxClusters>& out) {
  const int n = static_cast<int>(px.size());
  Din mean;
  for (const Din& p : px) {
    mean.L += p.L;
    mean.a += p.a;
    mean.b += p.b;
  }
  mean = {mean.L / static_cast<float>(n), mean.a / static_cast<float>(n), mean.b / static_cast<float>(n)};
  int seed = 0;
  float far = -1;
  for (int i = 0; i < n; ++i) {
    const float d = distanceSquared(px[static_cast<std::size_t>(i)], mean);
    if (d > far) {
      far = d;
      seed = i;
    }
  }
  std::array<Din, kMaxClusters> centre{};
  std::array<float, kMaxPixels> nearest;
  nearest.fill(kInfinity);
  int count = 0;
  while (seed >= 0) {
    const Din chosen = px[static_cast<std::size_t>(seed)];
    centre[static_cast<std::size_t>(count++)] = chosen;
    if (count == k) break;
    seed = -1;
    far = 0;
    for (int i = 0; i < n; ++i) {
      float& d = nearest[static_cast<std::size_t>(i)];
      d = std::min(d, distanceSquared(px[static_cast<std::size_t>(i)], chosen));
      if (d > far) {
        far = d;
        seed = i;
      }
    }
  }

  std::array<int, kMaxPixels> owner{};
  for (int round = 0; round < 3; ++round) {
    std::array<Point, kMaxClusters> sum{};
    for (int i = 0; i < n; ++i) {
      const Din& p = px[static_cast<std::size_t>(i)];
      int best = 0;
      float bestD = kInfinity;
      for (int c = 0; c < count; ++c) {
        const float d = distanceSquared(p, centre[static_cast<std::size_t>(c)]);
        if (d < bestD) {
          bestD = d;
          best = c;
        }
      }
      owner[static_cast<std::size_t>(i)] = best;
      Point& s = sum[static_cast<std::size_t>(best)];
      s.c.L += p.L;
      s.c.a += p.a;
      s.c.b += p.b;
      s.weight += 1;
    }
    for (int c = 0; c < count; ++c) {
      const Point& s = sum[static_cast<std::size_t>(c)];
      if (s.weight > 0)
        centre[static_cast<std::size_t>(c)] = {s.c.L / s.weight, s.c.a / s.weight, s.c.b / s.weight};
    }
  }
  int used = 0;
  for (int c = 0; c < count; ++c) {
    float weight = 0;
    for (int i = 0; i < n; ++i) weight += owner[static_cast<std::size_t>(i)] == c ? 1.0f : 0.0f;
    if (weight > 0) out[static_cast<std::size_t>(used++)] = {centre[static_cast<std::size_t>(c)], weight};
  }
  return used;
}

// One screen's possible attributes: two colours of one brightness (black
// goes with either), INK the lower index. Swapping INK and PAP only swaps
// the pixel bits, so each unordered pair is enough.
struct ScreenPair {
  int ink, pap;
};
constexpr int kPairCount = 71;
constexpr std::array<ScreenPair, kPairCount> kPairs = [] {
  std::array<ScreenPair, kPairCount> pairs{};
  int n = 0;
  for (int a = 0; a < 15; ++a)
    for (int b = a; b < 15; ++b)
      if (a == 0 || b == 0 || (a % 2) == (b % 2)) pairs[static_cast<std::size_t>(n++)] = {a, b};
  return pairs;
}();

// A pairing of two screens' attributes and its score.
struct Candidate {
  float cost = kInfinity;
  int screen0 = 0, screen1 = 0;  // indices into kPairs
  CellAttributes attributes() const {
    const ScreenPair p = kPairs[static_cast<std::size_t>(screen0)],
                     q = kPairs[static_cast<std::size_t>(screen1)];
    return {static_cast<uint8_t>(p.ink), static_cast<uint8_t>(p.pap), static_cast<uint8_t>(q.ink),
            static_cast<uint8_t>(q.pap)};
  }
  // Lower cost first; equal costs in a fixed order, so every run agrees.
  friend bool operator<(const Candidate& x, const Candidate& y) {
    if (x.cost != y.cost) return x.cost < y.cost;
    if (x.screen0 != y.screen0) return x.screen0 < y.screen0;
    return x.screen1 < y.screen1;
  }
};

// Keeps the best `N` candidates seen, best first.
template <int N>
struct Best {
  std::array<Candidate, N> list{};
  float bound() const { return list.back().cost; }
  void offer(const Candidate& c) {
    if (!(c < list.back())) return;
    int at = N - 1;
    while (at > 0 && c < list[static_cast<std::size_t>(at - 1)]) {
      list[static_cast<std::size_t>(at)] = list[static_cast<std::size_t>(at - 1)];
      --at;
    }
    list[static_cast<std::size_t>(at)] = c;
  }
};

}  // namespace

const MixSpace& TheMixSpace() {
  static const MixSpace space = [] {
    MixSpace s;
    const MixTable table = ComputeMixTable();
    for (int m = 0; m < kMixCount; ++m) {
      s.rgb[static_cast<std::size_t>(m)] =
          table.at(static_cast<uint8_t>(m / 15), static_cast<uint8_t>(m % 15));
      s.din[static_cast<std::size_t>(m)] = RgbToDin(s.rgb[static_cast<std::size_t>(m)]);
    }
    s.between.resize(static_cast<std::size_t>(kMixCount * kMixCount));
    for (int m = 0; m < kMixCount; ++m)
      for (int n = 0; n < kMixCount; ++n)
        s.between[static_cast<std::size_t>(m * kMixCount + n)] =
            distanceSquared(s.din[static_cast<std::size_t>(m)], s.din[static_cast<std::size_t>(n)]);
    return s;
  }();
  return space;
}

PointChoice ChoosePoint(const std::array<float, 4>& d, const std::array<int, 4>& mixes, float spread,
                        const MixSpace& space) {
  PointChoice best;
  best.cost = d[0];
  for (int k = 1; k < 4; ++k)
    if (d[static_cast<std::size_t>(k)] < best.cost) best = {k, k, 0, d[static_cast<std::size_t>(k)]};
  if (spread >= 1) return best;
  for (int k = 0; k < 3; ++k)
    for (int l = k + 1; l < 4; ++l) {
      const float dk = d[static_cast<std::size_t>(k)], dl = d[static_cast<std::size_t>(l)];
      // A pattern costs at least `spread` times its nearer end.
      if (spread * std::min(dk, dl) >= best.cost) continue;
      const int mk = mixes[static_cast<std::size_t>(k)], ml = mixes[static_cast<std::size_t>(l)];
      if (mk == ml) continue;
      const float e = space.distance(mk, ml);
      if (e <= 0) continue;
      // Along the line from mix k to mix l the point projects to u; the
      // noise term pulls the best share towards the nearer end.
      const float u = (dk - dl + e) / (2 * e);
      const float t = (u - spread / 2) / (1 - spread);
      if (t <= 0 || t >= 1) continue;  // a single mix does as well
      const float cost = dk - t * (dk + e - dl) + t * t * e + spread * t * (1 - t) * e;
      if (cost < best.cost) best = {k, l, t, cost};
    }
  return best;
}

CellAttributes ChooseCellAttributes(std::span<const Din> pixels, float spread, const MixSpace& space) {
  std::array<Point, kMaxClusters> points{};
  const int clusters = std::min(pixels.size() > 16 ? kMaxClusters : 4, static_cast<int>(pixels.size()));
  const int pointCount = clusterPixels(pixels, clusters, points);
  std::array<std::array<float, kMixCount>, kMaxClusters> dist;
  for (int j = 0; j < pointCount; ++j)
    for (int m = 0; m < kMixCount; ++m)
      dist[static_cast<std::size_t>(j)][static_cast<std::size_t>(m)] =
          distanceSquared(points[static_cast<std::size_t>(j)].c, space.din[static_cast<std::size_t>(m)]);

  // Every pairing scored on the clusters by the nearest of its four mixes.
  // That score splits by screen: with screen 0's attributes fixed, a
  // cluster's best with screen-1 colour x is the nearer of its two mixes
  // with x, so each screen-1 pair costs one lookup per colour. Swapping the
  // screens gives the same four mixes, so each pairing is scored once.
  const bool dithered = spread < 1;
  Best<kFinalists> finalists;
  std::vector<Candidate> all;
  if (dithered) all.reserve(kPairCount * (kPairCount + 1) / 2);
  std::array<std::array<float, 15>, kMaxClusters> withColour{};
  for (int i = 0; i < kPairCount; ++i) {
    const ScreenPair p = kPairs[static_cast<std::size_t>(i)];
    for (int j = 0; j < pointCount; ++j)
      for (int x = 0; x < 15; ++x)
        withColour[static_cast<std::size_t>(j)][static_cast<std::size_t>(x)] =
            std::min(dist[static_cast<std::size_t>(j)][static_cast<std::size_t>(15 * p.ink + x)],
                     dist[static_cast<std::size_t>(j)][static_cast<std::size_t>(15 * p.pap + x)]);
    for (int k = i; k < kPairCount; ++k) {
      const ScreenPair q = kPairs[static_cast<std::size_t>(k)];
      // Without dithering this score is the final one, so only the best few
      // are kept and a pairing stops counting once it cannot be among them.
      const float bound = dithered ? kInfinity : finalists.bound();
      float cost = 0;
      for (int j = 0; j < pointCount && cost < bound; ++j) {
        const auto& w = withColour[static_cast<std::size_t>(j)];
        cost += points[static_cast<std::size_t>(j)].weight *
                std::min(w[static_cast<std::size_t>(q.ink)], w[static_cast<std::size_t>(q.pap)]);
      }
      if (dithered)
        all.push_back({cost, i, k});
      else
        finalists.offer({cost, i, k});
    }
  }

  // With dithering a pairing can do better than its nearest mixes, but never
  // better than `spread` times their score; the best by that score are
  // scored with the patterns until none left can win.
  const std::size_t scored = std::min<std::size_t>(kMaxScored, all.size());
  const auto cut = all.begin() + static_cast<std::ptrdiff_t>(scored);
  if (cut != all.end()) std::nth_element(all.begin(), cut, all.end());
  std::sort(all.begin(), cut);
  for (std::size_t n = 0; n < scored; ++n) {
    Candidate c = all[n];
    if (spread * c.cost >= finalists.bound()) break;
    const std::array<int, 4> mixes = c.attributes().mixes();
    float cost = 0;
    for (int j = 0; j < pointCount && cost < finalists.bound(); ++j) {
      const auto& dj = dist[static_cast<std::size_t>(j)];
      const std::array<float, 4> toMixes{
          dj[static_cast<std::size_t>(mixes[0])], dj[static_cast<std::size_t>(mixes[1])],
          dj[static_cast<std::size_t>(mixes[2])], dj[static_cast<std::size_t>(mixes[3])]};
      cost += points[static_cast<std::size_t>(j)].weight * ChoosePoint(toMixes, mixes, spread, space).cost;
    }
    c.cost = cost;
    finalists.offer(c);
  }

  // The finalists again, on every pixel.
  CellAttributes best = finalists.list[0].attributes();
  float bestCost = kInfinity;
  for (const Candidate& f : finalists.list) {
    if (f.cost == kInfinity) break;
    const CellAttributes attrs = f.attributes();
    const std::array<int, 4> mixes = attrs.mixes();
    float cost = 0;
    for (const Din& p : pixels) {
      const std::array<float, 4> d{distanceSquared(p, space.din[static_cast<std::size_t>(mixes[0])]),
                                   distanceSquared(p, space.din[static_cast<std::size_t>(mixes[1])]),
                                   distanceSquared(p, space.din[static_cast<std::size_t>(mixes[2])]),
                                   distanceSquared(p, space.din[static_cast<std::size_t>(mixes[3])])};
      cost += ChoosePoint(d, mixes, spread, space).cost;
      if (cost >= bestCost) break;
    }
    if (cost < bestCost) {
      bestCost = cost;
      best = attrs;
    }
  }
  return best;
}

}  // namespace cs
