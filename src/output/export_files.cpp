#include "output/export_files.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "model/atomic_file.h"
#include "model/file_io.h"
#include "model/shared_state.h"

namespace morvadel {

namespace {
// Names tried before the run gives up on a folder full of exports.
constexpr int kMaxNameIndex = 9999;
}  // namespace

ExportError WriteFailure(int err, const std::string& path) {
  ExportError e{err, path};
  if (err == EACCES || err == EPERM) {
    const int refused = RefusedTarget(path);
    e.fileProtected = refused == EACCES || refused == EPERM;
  }
  return e;
}

std::string DescribeWriteError(const ExportError& e, int16_t language) {
  const bool hr = language == kCroatian;
  std::string reason;
  switch (e.err) {
    case EACCES:
    case EPERM:
      reason = DescribePermissionReason(e.fileProtected, language);
      break;
    case EROFS:
      reason = hr ? "mapa je samo za čitanje" : "the folder is read-only";
      break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      reason = hr ? "disk je pun" : "the disk is full";
      break;
    case ENOENT:
    case ENOTDIR:
      reason = hr ? "mapa ne postoji" : "the folder does not exist";
      break;
    case EISDIR:
      reason = hr ? "na tom mjestu je mapa" : "a folder stands in its place";
      break;
    case EEXIST:
      reason = hr ? "nema slobodnog imena datoteke" : "there is no free file name";
      break;
    default:
      reason = DescribeSystemError(e.err, language);
      break;
  }
  return hr ? "Datoteku " + e.path + " nije moguće zapisati: " + reason +
                  ". Postojeće datoteke ostale su nepromijenjene."
            : "The file " + e.path + " could not be written: " + reason +
                  ". Existing files were left as they were.";
}

RunFile::RunFile(std::string base, std::string extension)
    : base_(std::move(base)), extension_(std::move(extension)) {}

bool RunFile::StampOf(const std::string& path, Stamp& out) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  out.dev = st.st_dev;
  out.ino = st.st_ino;
  out.size = st.st_size;
  out.mtime = st.st_mtim;
  out.ctime = st.st_ctim;
  return true;
}

bool RunFile::StillOurs() const {
  Stamp now;
  if (!StampOf(path_, now)) return false;
  auto same = [](const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
  return now.dev == stamp_.dev && now.ino == stamp_.ino && now.size == stamp_.size && same(now.mtime, stamp_.mtime) &&
         same(now.ctime, stamp_.ctime);
}

std::string RunFile::NameAt(const std::string& folder, int index) const {
  const std::string name = index <= 1 ? base_ + extension_ : base_ + "-" + std::to_string(index) + extension_;
  return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

ExportError RunFile::Write(const std::string& folder, const FileFiller& fill, bool newFile) {
  if (folder.empty()) return {ENOENT, NameAt(folder, 1)};
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec && !std::filesystem::is_directory(folder)) return {ec.value() ? ec.value() : ENOTDIR, NameAt(folder, 1)};

  bool replace = false;  // over the run's own file
  int start = 1;
  if (!newFile && !path_.empty() && folder == folder_) {
    struct stat st {};
    if (::lstat(path_.c_str(), &st) != 0) {
      start = index_;  // gone: its name is free again
    } else if (StillOurs()) {
      replace = true;
      start = index_;
    } else {
      start = index_ + 1;  // changed by someone else: keep their file
    }
  }
  // The first name no file has.
  if (!replace) {
    struct stat st {};
    while (start <= kMaxNameIndex && ::lstat(NameAt(folder, start).c_str(), &st) == 0) ++start;
    if (start > kMaxNameIndex) return {EEXIST, NameAt(folder, 1)};
  }

  std::string target = NameAt(folder, start);
  PendingFile file(target);
  if (!file.ok()) return WriteFailure(file.error(), target);
  if (int err = fill(file.path())) return {err, target};
  int err = file.Commit(target, !replace);
  // A name taken meanwhile: the next free one.
  while (err == EEXIST && !replace && start < kMaxNameIndex) {
    target = NameAt(folder, ++start);
    err = file.Commit(target, true);
  }
  if (err) return WriteFailure(err, target);

  folder_ = folder;
  path_ = target;
  index_ = start;
  // Taken after the rename, the last thing the run does to the file: it
  // changes the file's change time too.
  StampOf(path_, stamp_);
  return {};
}

}  // namespace morvadel
