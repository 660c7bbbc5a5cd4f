// The session's history: every step the user took, each a whole Picture
// (both pixel planes, both attribute planes, the cell height and the border
// pair) that can be brought back exactly. Only the step the history stands at
// is kept whole; every other step is stored as the bytes in which it differs
// from its older neighbour, run-length coded, so a pen stroke costs about the
// bytes it changed. The oldest steps go first once the steps would take more
// than the memory allowed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "model/picture.h"
#include "model/translatable.h"

namespace cs {

struct HistoryLimits {
  std::size_t maxBytes = std::size_t(64) << 20;  // the differences and names together
  std::size_t maxSteps = 100000;
};

class History {
 public:
  static constexpr std::size_t npos = std::size_t(-1);

  // A history of one step, `name`, that holds `start`.
  explicit History(const Picture& start, std::string name = CS_TRANSLATE_NOOP("Core", "Start"),
                   HistoryLimits limits = {});

  // Records `pic` as the step after the current one, under `name`; the steps
  // ahead of the current one are dropped first. A Picture equal to the
  // current step records nothing and returns false.
  bool record(const Picture& pic, std::string name);
  // Moves to step `index` (0 the oldest) and writes it into `pic` whole.
  // False, with `pic` untouched, for an index out of range or the current one.
  bool jumpTo(std::size_t index, Picture& pic);
  bool back(Picture& pic) { return current_ > 0 && jumpTo(current_ - 1, pic); }
  bool forward(Picture& pic) { return jumpTo(current_ + 1, pic); }

  std::size_t size() const { return steps_.size(); }
  std::size_t current() const { return current_; }
  const std::string& name(std::size_t index) const { return steps_[index].name; }
  // A number that stays with the step while it is kept, for caches.
  uint64_t id(std::size_t index) const { return steps_[index].id; }
  // The Picture of step `index`, without moving there.
  void pictureAt(std::size_t index, Picture& out) const;
  // The Picture the history stands at.
  const Picture& currentPicture() const { return picture_; }
  // Bytes the steps hold: differences, names and their bookkeeping.
  std::size_t bytes() const { return bytes_; }
  // Counts every record and jump: whoever shows the history sees it changed.
  uint64_t revision() const { return revision_; }

  // The current step is what the file on disk holds (after an open or a
  // save); `clean` says whether the history stands there.
  void markClean() { clean_ = current_; }
  void markChanged() { clean_ = npos; }
  bool clean() const { return clean_ == current_; }

 private:
  struct Step {
    std::string name;
    uint64_t id = 0;
    // The runs in which this step differs from the one before it (empty for
    // the oldest): gap, length, then the length's XOR bytes.
    std::vector<uint8_t> diff;
  };
  static std::size_t cost(const Step& s) { return sizeof(Step) + s.name.capacity() + s.diff.capacity(); }
  void dropOldest();

  HistoryLimits limits_;
  std::deque<Step> steps_;
  std::size_t current_ = 0;
  std::size_t clean_ = 0;
  std::size_t bytes_ = 0;
  uint64_t revision_ = 0;
  uint64_t nextId_ = 0;
  Picture picture_;
  std::vector<uint8_t> scratch_;
};

// The runs in which `a` and `b` differ, as History stores them, appended to
// `out`; empty when they are equal.
void EncodePictureDiff(const Picture& a, const Picture& b, std::vector<uint8_t>& out);
// XORs the runs into `pic`, turning one side of the difference into the other.
void ApplyPictureDiff(const std::vector<uint8_t>& diff, Picture& pic);

struct EditorState;
// Moves the state's Picture to step `index`, taking the undo snapshot first
// so that Ctrl+Z right after the jump returns to where the user was.
bool JumpHistory(History& h, EditorState& s, std::size_t index);

}  // namespace cs
