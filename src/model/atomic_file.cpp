#include "atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

namespace morvadel {

namespace {

constexpr int kMaxLinks = 40;  // as the system itself follows them

// ".name.XXXXXX" beside the target, shortened where the name would pass the
// folder's name limit; the cut never splits a UTF-8 character.
std::string TemporaryTemplate(const std::string& dir, const std::string& base) {
  long limit = ::pathconf(dir.c_str(), _PC_NAME_MAX);
  if (limit <= 0) limit = NAME_MAX;
  const std::string suffix = ".XXXXXX";
  size_t room = static_cast<size_t>(limit) > suffix.size() + 1 ? static_cast<size_t>(limit) - suffix.size() - 1 : 0;
  std::string stem = base;
  if (stem.size() > room) {
    while (room > 0 && (static_cast<unsigned char>(stem[room]) & 0xC0) == 0x80) --room;
    stem.resize(room);
  }
  return dir + "/." + stem + suffix;
}

// Makes a rename durable. Where the folder cannot be synced (some file
// systems refuse it) the file is in place all the same.
void SyncFolder(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Nothing to do: the write that raised the signal reports it.
void NoteFileSizeSignal(int) {}

}  // namespace

// Renaming needs only the folder's permission; a file the user may not
// write must not be replaced all the same.
int RefusedTarget(const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return 0;
  if (!S_ISREG(st.st_mode)) return EISDIR;
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return errno;
  return 0;
}

// The write that passed the limit returns EFBIG once the handler is done.
// An ignored signal would stay ignored in every program started by exec; a
// caught one starts there at the default.
void CatchFileSizeSignal() {
  struct sigaction caught {};
  caught.sa_handler = NoteFileSizeSignal;
  caught.sa_flags = SA_RESTART;
  sigemptyset(&caught.sa_mask);
  ::sigaction(SIGXFSZ, &caught, nullptr);
}

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

bool ResolveLinks(std::string& path, int& err) {
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno == ENOENT) return true;
      err = errno;
      return false;
    }
    if (!S_ISLNK(st.st_mode)) return true;
    std::vector<char> buf(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
    const ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size());
    if (n < 0) {
      err = errno;
      return false;
    }
    const std::string target(buf.data(), static_cast<size_t>(n));
    path = !target.empty() && target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
  }
  err = ELOOP;
  return false;
}

PendingFile::PendingFile(const std::string& requested) {
  std::string target = requested;
  if (!ResolveLinks(target, error_)) return;
  if ((error_ = RefusedTarget(target)) != 0) return;
  std::string tmpl = TemporaryTemplate(DirectoryOf(target), BaseName(target));
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  fd_ = ::mkstemp(name.data());
  if (fd_ < 0) {
    error_ = errno;
    return;
  }
  path_ = name.data();
  // The new file gets the old one's owner, or stays the user's: root saving
  // a user's file leaves it the user's, others keep the group where they
  // belong to it. Its permissions (the old file's, or the usual ones) come
  // at Commit: until then its owner may read and write it whatever they
  // are, so a writer that opens it by its name (the PDF writer, which also
  // reads it back) can.
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    mode_ = st.st_mode & 07777;
    if (::fchown(fd_, st.st_uid, st.st_gid) != 0) (void)::fchown(fd_, static_cast<uid_t>(-1), st.st_gid);
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode_ = 0666 & ~mask;
  }
  if (::fchmod(fd_, S_IRUSR | S_IWUSR) != 0) {
    error_ = errno;
    ::close(fd_);
    fd_ = -1;
    ::unlink(path_.c_str());
    path_.clear();
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

int PendingFile::Commit(const std::string& requested, bool noReplace) {
  if (committed_ || path_.empty()) return error_ ? error_ : EBADF;
  auto fail = [&](int err) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    ::unlink(path_.c_str());
    path_.clear();
    error_ = err;
    return err;
  };
  std::string target = requested;
  int err = 0;
  if (!noReplace) {
    if (!ResolveLinks(target, err)) return fail(err);
    if ((err = RefusedTarget(target)) != 0) return fail(err);
  }
  if (fd_ >= 0) {
    if (::fchmod(fd_, mode_) != 0) return fail(errno);
    if (::fsync(fd_) != 0) return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(errno);
  }
  if (noReplace) {
    // The file stays for another name when this one is taken.
    if ((err = RenameNoReplace(path_.c_str(), target.c_str())) != 0) return err == EEXIST ? err : fail(err);
  } else if (::rename(path_.c_str(), target.c_str()) != 0) {
    return fail(errno);
  }
  committed_ = true;
  SyncFolder(DirectoryOf(target));
  return 0;
}

int WriteFileAtomically(const std::string& target, std::string_view content) {
  PendingFile file(target);
  if (!file.ok()) return file.error();
  if (!file.Write(content)) return file.error();
  return file.Commit(target);
}

}  // namespace morvadel
