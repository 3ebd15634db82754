#pragma once
// Files written beside their target and renamed over it: a write that fails
// part way never leaves a half file nor damages what was there, and a
// finished one survives a power cut. A symbolic link is written through:
// the file it points to gets the new contents and the link stays. An
// existing file the user may not write is refused and left untouched; the
// new file keeps the old one's permissions and, where the system allows
// it, its owner and group.
#include <sys/types.h>

#include <string>
#include <string_view>

namespace morvadel {

// A temporary file in the target's folder. Fill it through path() (or the
// open descriptor), then Commit; a PendingFile that is not committed removes
// its file when it goes.
class PendingFile {
 public:
  // Creates the temporary file ".<name>.XXXXXX" beside target (beside the
  // file a link points to), its name kept within the folder's name limit,
  // with the owner of an existing target. Its permissions, the target's or
  // the usual ones for a new file, are given at Commit; until then only its
  // owner may read and write it. On failure ok() is false and error() holds
  // the errno: EACCES for an existing target the user may not write, EISDIR
  // for one that is no regular file.
  explicit PendingFile(const std::string& target);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  bool ok() const { return !path_.empty(); }
  int error() const { return error_; }
  const std::string& path() const { return path_; }
  int fd() const { return fd_; }

  // Writes all of data at the end of the file; false (and error()) on failure.
  bool Write(std::string_view data);

  // Gives the file its permissions, makes the data durable, renames the
  // file to target (through its links) and syncs the folder. With noReplace
  // the rename fails with EEXIST when target exists, and the file stays for
  // a Commit to another name. Returns 0 or errno; on any other failure the
  // temporary file is removed. target is never touched by a failure.
  int Commit(const std::string& target, bool noReplace = false);

 private:
  std::string path_;
  mode_t mode_ = 0;  // given at Commit
  int fd_ = -1;
  int error_ = 0;
  bool committed_ = false;
};

// 0 when target may be replaced: it names nothing, or a regular file the
// user may write (links followed); EISDIR for anything but a regular file;
// the permission check's errno (EACCES) for a file the user may not write.
// PendingFile refuses a target by the same check.
int RefusedTarget(const std::string& target);

// Writes content to target through a PendingFile; 0 or errno.
int WriteFileAtomically(const std::string& target, std::string_view content);

// The path a chain of symbolic links ends in (the path itself when it is no
// link, or names nothing yet); false with errno in err (ELOOP for a loop).
bool ResolveLinks(std::string& path, int& err);

// Makes a write past the file-size limit (ulimit -f) fail with EFBIG, which
// every save, export and print reports as a full disk, instead of ending the
// process by SIGXFSZ with the unsaved workbook and a temporary file left
// behind. The signal is caught by a handler that does nothing rather than
// ignored, so a program the run starts (the spreadsheet program, the
// document viewer) gets the system's default for it. Called once at
// start-up, before any file is written.
void CatchFileSizeSignal();

// The folder part of a path ("." when it has none) and the name part.
std::string DirectoryOf(const std::string& path);
std::string BaseName(const std::string& path);

}  // namespace morvadel
