// Recovery copies: while a picture has unsaved changes, the editor keeps a
// copy of it in the user's state folder, so a crash or a kill loses nothing.
// Each running editor has its own copy, "<id>.mgs" (the Picture as a native
// file) beside "<id>.name" (its file name), and holds a lock on "<id>.lock"
// for as long as it runs: a copy whose lock can be taken belongs to an editor
// that is no longer running, and the next start offers it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/file_error.h"
#include "model/picture.h"

namespace cs {

// "$XDG_STATE_HOME/chromasmith", or "~/.local/state/chromasmith" when that is
// unset or not absolute; empty when neither is known.
std::string RecoveryFolder(const char* xdgStateHome, const char* home);

// A copy left by an editor that is no longer running.
struct RecoveryCopy {
  std::string stem;      // the path without ".mgs"
  int64_t modified = 0;  // seconds since the epoch
};

// A copy read back: the Picture and the file name it had.
struct RecoveredPicture {
  Picture picture;
  std::string fileName;
};

class RecoveryStore {
 public:
  // `id` names this editor's files; it must differ between editors, even
  // one started later under the same process id.
  RecoveryStore(std::string folder, std::string id);
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  const std::string& folder() const { return folder_; }
  // Creates the folder and takes this editor's lock; done by the first write.
  FileError open();
  // Replaces this editor's copy, each file written whole or not at all.
  // Safe from one worker thread while no other call runs.
  FileError write(const Picture& pic, const std::string& fileName);
  // Removes this editor's copy (the lock stays until `close`).
  void remove();
  // Removes the copy and the lock: the editor closes cleanly.
  void close();

  // Removes the temporary files that editors killed while writing their
  // copies left: those of editors no longer running, never a running one's.
  // Done at start, before `orphans`.
  void removeTemporariesOfEndedEditors() const;
  // The copies of editors no longer running, newest first. Each is locked by
  // this store from here on, so a second editor starting now does not offer
  // it too.
  std::vector<RecoveryCopy> orphans();
  // Reads a copy whole; an error says the copy is damaged.
  FileError read(const RecoveryCopy& copy, RecoveredPicture& out) const;
  // Renames a damaged copy aside (never deletes it); the new path, or empty.
  std::string moveAside(const RecoveryCopy& copy) const;
  // Removes a copy that was restored or discarded.
  void discard(const RecoveryCopy& copy) const;

 private:
  std::string folder_;
  std::string stem_;
  int lockFd_ = -1;
  std::vector<int> heldLocks_;  // of the orphans offered
};

}  // namespace cs
