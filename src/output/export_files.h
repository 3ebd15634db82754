#pragma once
// Where the exports write, and how a failure is told to the user.
#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

namespace morvadel {

// A failed export: the system's error number and the file it concerns.
struct ExportError {
  int err = 0;
  std::string path;
  // The refusal came from the file's own permission (an existing file the
  // user may not write), not from the folder's.
  bool fileProtected = false;
  bool ok() const { return err == 0; }
};

// The failure err of a write to path (0: none), with a permission error
// told as the file's or the folder's by what stands at path: a failed write
// leaves the file as it was.
ExportError WriteFailure(int err, const std::string& path);

// Why a file could not be written, in the language of the run.
std::string DescribeWriteError(const ExportError& e, int16_t language);

// Fills a temporary file at the given path; returns 0 or an errno.
using FileFiller = std::function<int(const std::string& path)>;

// A file the run owns in a folder: "Export.xlsx", or the first of
// "Export-2.xlsx", "Export-3.xlsx", ... that no file has, so a file that was
// there before is never written over. Later writes replace the run's file
// while it is still the one the run wrote last; once someone else has
// changed or replaced it, the run moves on to the next free name, so the
// user's own edits are never lost either. Every write goes through a
// temporary file beside the target, renamed over it.
class RunFile {
 public:
  RunFile(std::string base, std::string extension);

  // Writes the file into folder (created when missing); with newFile (a new
  // document of the run) under a new free name. A failure leaves the run's
  // file, and every other file, as it was.
  ExportError Write(const std::string& folder, const FileFiller& fill, bool newFile = false);
  // The run's file; empty before the first write.
  const std::string& path() const { return path_; }

 private:
  struct Stamp {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = -1;
    timespec mtime{};
    // Changed by every write, chmod and restored timestamp, which the
    // modification time alone does not show.
    timespec ctime{};
  };
  static bool StampOf(const std::string& path, Stamp& out);
  bool StillOurs() const;
  std::string NameAt(const std::string& folder, int index) const;

  std::string base_, extension_;
  std::string folder_, path_;
  int index_ = 0;  // of path_: 1 for "Export.xlsx", 2 for "Export-2.xlsx"
  Stamp stamp_;
};

}  // namespace morvadel
