#include "model/history.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "model/editor_state.h"

namespace cs {

namespace {

// The bytes a step covers: the four planes, then the cell height and the
// border pair.
constexpr std::size_t kTailSize = 3;
constexpr std::size_t kStepBytes = kPlanesSize + kTailSize;
// Equal stretches shorter than this stay inside a run: a new run's header
// would cost about as much.
constexpr std::size_t kMergeGap = 6;
// Blocks compared whole before their parts: a pen point leaves all but a few
// of them equal, and one long compare runs at memory speed where many short
// ones would each pay their call.
constexpr std::size_t kTopBlock = 4096, kSplit = 8, kByteBlock = 64;

uint8_t* tailByte(Picture& p, std::size_t k) {
  return k == 0 ? &p.vertSize : k == 1 ? &p.borderIndex0 : &p.borderIndex1;
}
uint8_t byteAt(const Picture& p, std::size_t off) {
  return off < kPlanesSize ? p.planes[off] : *tailByte(const_cast<Picture&>(p), off - kPlanesSize);
}

void putVarint(std::vector<uint8_t>& out, std::size_t v) {
  while (v >= 0x80) {
    out.push_back(uint8_t(v | 0x80));
    v >>= 7;
  }
  out.push_back(uint8_t(v));
}

bool getVarint(const std::vector<uint8_t>& in, std::size_t& pos, std::size_t& v) {
  v = 0;
  for (int shift = 0; pos < in.size() && shift < 28; shift += 7) {
    const uint8_t b = in[pos++];
    v |= std::size_t(b & 0x7F) << shift;
    if (!(b & 0x80)) return true;
  }
  return false;
}

// Collects differing bytes into runs and writes each closed run.
class RunWriter {
 public:
  RunWriter(const Picture& a, const Picture& b, std::vector<uint8_t>& out) : a_(a), b_(b), out_(out) {}
  void differs(std::size_t off) {
    if (open_ && off - end_ <= kMergeGap) {
      end_ = off + 1;
      return;
    }
    close();
    open_ = true;
    start_ = off;
    end_ = off + 1;
  }
  void close() {
    if (!open_) return;
    putVarint(out_, start_ - written_);
    putVarint(out_, end_ - start_);
    std::size_t off = start_;
    for (; off < end_ && off < kPlanesSize; ++off) out_.push_back(a_.planes[off] ^ b_.planes[off]);
    for (; off < end_; ++off) out_.push_back(byteAt(a_, off) ^ byteAt(b_, off));
    written_ = end_;
    open_ = false;
  }

 private:
  const Picture& a_;
  const Picture& b_;
  std::vector<uint8_t>& out_;
  bool open_ = false;
  std::size_t start_ = 0, end_ = 0, written_ = 0;
};

// Reports the differing bytes of [off, off + len) in order, looking only
// into the parts of a block that differ.
void scanPlanes(const uint8_t* pa, const uint8_t* pb, std::size_t off, std::size_t len, RunWriter& runs) {
  if (len <= kByteBlock) {  // word by word: cheaper than one more call
    for (std::size_t w = off; w < off + len; w += 8) {
      uint64_t x, y;
      std::memcpy(&x, pa + w, 8);
      std::memcpy(&y, pb + w, 8);
      if (x == y) continue;
      for (std::size_t i = w; i < w + 8; ++i)
        if (pa[i] != pb[i]) runs.differs(i);
    }
    return;
  }
  if (std::memcmp(pa + off, pb + off, len) == 0) return;
  const std::size_t part = len / kSplit;
  for (std::size_t p = off; p < off + len; p += part) scanPlanes(pa, pb, p, part, runs);
}

}  // namespace

void EncodePictureDiff(const Picture& a, const Picture& b, std::vector<uint8_t>& out) {
  static_assert(kPlanesSize % kTopBlock == 0 && kTopBlock % (kSplit * kSplit * kByteBlock) == 0);
  RunWriter runs(a, b, out);
  for (std::size_t block = 0; block < kPlanesSize; block += kTopBlock)
    scanPlanes(a.planes.data(), b.planes.data(), block, kTopBlock, runs);
  for (std::size_t k = 0; k < kTailSize; ++k)
    if (byteAt(a, kPlanesSize + k) != byteAt(b, kPlanesSize + k)) runs.differs(kPlanesSize + k);
  runs.close();
}

void ApplyPictureDiff(const std::vector<uint8_t>& diff, Picture& pic) {
  std::size_t pos = 0, off = 0;
  while (pos < diff.size()) {
    std::size_t gap = 0, len = 0;
    if (!getVarint(diff, pos, gap) || !getVarint(diff, pos, len)) return;
    off += gap;
    if (off + len > kStepBytes || pos + len > diff.size()) return;
    const uint8_t* x = diff.data() + pos;
    const std::size_t inPlanes = off < kPlanesSize ? std::min(len, kPlanesSize - off) : 0;
    uint8_t* p = pic.planes.data() + off;
    for (std::size_t i = 0; i < inPlanes; ++i) p[i] ^= x[i];
    for (std::size_t i = inPlanes; i < len; ++i) *tailByte(pic, off + i - kPlanesSize) ^= x[i];
    pos += len;
    off += len;
  }
}

History::History(const Picture& start, std::string name, HistoryLimits limits)
    : limits_(limits), picture_(start) {
  steps_.push_back({std::move(name), nextId_++, {}});
  bytes_ = cost(steps_.back());
  scratch_.reserve(kStepBytes + 64);
}

bool History::record(const Picture& pic, std::string name) {
  scratch_.clear();
  EncodePictureDiff(picture_, pic, scratch_);
  if (scratch_.empty()) return false;
  while (steps_.size() > current_ + 1) {
    bytes_ -= cost(steps_.back());
    steps_.pop_back();
  }
  if (clean_ != npos && clean_ > current_) clean_ = npos;
  steps_.push_back({std::move(name), nextId_++, std::vector<uint8_t>(scratch_.begin(), scratch_.end())});
  bytes_ += cost(steps_.back());
  // The difference turns the current step into the new one: cheaper than a
  // copy of the whole Picture when little changed.
  ApplyPictureDiff(steps_.back().diff, picture_);
  current_ = steps_.size() - 1;
  while (steps_.size() > 1 && (bytes_ > limits_.maxBytes || steps_.size() > limits_.maxSteps)) dropOldest();
  ++revision_;
  return true;
}

void History::dropOldest() {
  // The second step becomes the oldest: its difference to the dropped one is
  // no longer needed.
  bytes_ -= cost(steps_.front());
  steps_.pop_front();
  bytes_ -= steps_.front().diff.capacity();
  std::vector<uint8_t>().swap(steps_.front().diff);
  --current_;
  clean_ = clean_ == 0 || clean_ == npos ? npos : clean_ - 1;
}

bool History::jumpTo(std::size_t index, Picture& pic) {
  if (index >= steps_.size() || index == current_) return false;
  // Each step's difference leads from its older neighbour to it, and back.
  for (; current_ > index; --current_) ApplyPictureDiff(steps_[current_].diff, picture_);
  for (; current_ < index; ++current_) ApplyPictureDiff(steps_[current_ + 1].diff, picture_);
  pic = picture_;
  ++revision_;
  return true;
}

void History::pictureAt(std::size_t index, Picture& out) const {
  out = picture_;
  if (index >= steps_.size()) return;
  for (std::size_t i = current_; i > index; --i) ApplyPictureDiff(steps_[i].diff, out);
  for (std::size_t i = current_; i < index; ++i) ApplyPictureDiff(steps_[i + 1].diff, out);
}

bool JumpHistory(History& h, EditorState& s, std::size_t index) {
  if (index >= h.size() || index == h.current()) return false;
  TakeUndoSnapshot(s);
  return h.jumpTo(index, s.picture);
}

}  // namespace cs
