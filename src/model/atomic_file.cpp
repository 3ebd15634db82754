#include "atomic_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace morvadel {

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

PendingFile::PendingFile(const std::string& target) {
  std::string tmpl = DirectoryOf(target) + "/." + BaseName(target) + ".XXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  fd_ = ::mkstemp(name.data());
  if (fd_ < 0) {
    error_ = errno;
    return;
  }
  path_ = name.data();
  // The new file gets the old one's permissions, or the usual ones.
  struct stat st {};
  mode_t mode;
  if (::stat(target.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) {
      error_ = EISDIR;
      ::close(fd_);
      fd_ = -1;
      ::unlink(path_.c_str());
      return;
    }
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd_, mode) != 0) {
    error_ = errno;
    ::close(fd_);
    fd_ = -1;
    ::unlink(path_.c_str());
  }
}

PendingFile::~PendingFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !path_.empty()) ::unlink(path_.c_str());
}

bool PendingFile::Write(std::string_view data) {
  if (fd_ < 0) return false;
  const char* p = data.data();
  size_t left = data.size();
  while (left > 0) {
    ssize_t n = ::write(fd_, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      error_ = errno;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

namespace {

// rename that refuses to replace an existing target, where the file system
// allows it; otherwise a hard link (which never replaces) and an unlink.
int RenameNoReplace(const char* from, const char* to) {
  if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
  if (::link(from, to) == 0) {
    ::unlink(from);
    return 0;
  }
  if (errno == EEXIST) return EEXIST;
  // Neither is supported here: check, then rename.
  struct stat st {};
  if (::lstat(to, &st) == 0) return EEXIST;
  return ::rename(from, to) == 0 ? 0 : errno;
}

}  // namespace

int PendingFile::Commit(const std::string& target, bool noReplace) {
  if (committed_ || path_.empty()) return error_ ? error_ : EBADF;
  auto fail = [&](int err) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    ::unlink(path_.c_str());
    path_.clear();
    error_ = err;
    return err;
  };
  if (fd_ >= 0) {
    if (::fsync(fd_) != 0) return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(errno);
  }
  if (noReplace) {
    // The file stays for another name when this one is taken.
    if (int err = RenameNoReplace(path_.c_str(), target.c_str())) return err == EEXIST ? err : fail(err);
  } else if (::rename(path_.c_str(), target.c_str()) != 0) {
    return fail(errno);
  }
  committed_ = true;
  return 0;
}

int WriteFileAtomically(const std::string& target, std::string_view content) {
  PendingFile file(target);
  if (!file.ok()) return file.error();
  if (!file.Write(content)) return file.error();
  return file.Commit(target);
}

}  // namespace morvadel
