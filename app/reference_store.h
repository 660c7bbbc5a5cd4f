// The references remembered with pictures: "references.ini" in the user's
// state folder, one section per picture (its absolute file name, escaped)
// with the reference's file name, placement and shown state, oldest first.
// Names are kept byte for byte: every byte outside printable ASCII, and the
// few that mean something in the file, is written as %XX. A damaged, huge or
// odd file is never trusted or overwritten: the store stops remembering.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/reference.h"

namespace cs {

inline constexpr const char* kReferencesFileName = "references.ini";
inline constexpr std::size_t kMaxReferenceEntries = 1000;
inline constexpr std::size_t kMaxReferencesFileBytes = std::size_t{1} << 20;

// Why the store gave up; it says so once.
enum class StoreProblem { None, Unreadable, Unwritable };

struct ReferenceEntry {
  std::string picture;    // absolute file name of the picture
  std::string reference;  // file name of the reference image
  ReferencePlacement placement;
  bool shown = true;
  bool onPreview = false;
  friend bool operator==(const ReferenceEntry&, const ReferenceEntry&) = default;
};

std::string EscapeReferenceName(std::string_view bytes);
// Nothing when the text holds a stray or bad escape.
std::optional<std::string> UnescapeReferenceName(std::string_view text);

std::string FormatReferenceEntries(const std::vector<ReferenceEntry>& entries);
// The entries of a file's text, oldest first; a picture named twice keeps
// its later entry, and only the newest 1,000 are kept. Nothing when the text
// is damaged: a line that is no section, key or comment, a bad escape or
// number, or a section without its reference.
std::optional<std::vector<ReferenceEntry>> ParseReferenceEntries(std::string_view text);

class ReferenceStore {
 public:
  // `path` empty: nothing is remembered.
  explicit ReferenceStore(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }
  // False once the file was found damaged, huge, odd or unwritable: from
  // then on nothing is read or written.
  bool usable() const { return usable_ && !path_.empty(); }

  // The file's entry for the picture. Each call reads the file afresh, so
  // what another editor wrote meanwhile counts. `problem` is set only when
  // the file has to be given up by this call.
  std::optional<ReferenceEntry> find(const std::string& picture, StoreProblem& problem);
  // Puts the entry last (newest) in place of the picture's own, drops the
  // oldest past 1,000 and replaces the file whole.
  void put(const ReferenceEntry& entry, StoreProblem& problem);
  void remove(const std::string& picture, StoreProblem& problem);

 private:
  bool read(std::vector<ReferenceEntry>& entries, StoreProblem& problem);
  void write(const std::vector<ReferenceEntry>& entries, StoreProblem& problem);

  std::string path_;
  bool usable_ = true;
};

// A file name made absolute against the current folder `cwd`, with "." and
// ".." parts and repeated slashes taken out by name alone.
std::string AbsoluteFileName(const std::string& name, const std::string& cwd);

}  // namespace cs
