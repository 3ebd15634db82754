#pragma once
// Saving as an unprivileged user: the tests run as root here and in CI,
// where the system's permission checks would not apply.
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "model/file_io.h"

namespace morvadel {

inline constexpr uid_t kNobody = 65534;

// What a save in another process gave.
struct Outcome {
  FileError::Kind kind = FileError::Kind::None;
  int sysError = 0;
  bool targetExisted = false;
};

// Runs `save` as the unprivileged user nobody when the tests run as root
// (as here and in CI), so that the system's permission checks apply; as
// the current user otherwise.
inline Outcome RunUnprivileged(const std::function<FileError()>& save) {
  if (::geteuid() != 0) {
    const FileError e = save();
    return {e.kind, e.sysError, e.targetExisted};
  }
  int fds[2];
  if (::pipe(fds) != 0) return {FileError::Kind::CannotOpen, errno, false};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    Outcome out;
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
      out = {FileError::Kind::CannotOpen, errno, false};
    } else {
      const FileError e = save();
      out = {e.kind, e.sysError, e.targetExisted};
    }
    const ssize_t n = ::write(fds[1], &out, sizeof out);
    ::_exit(n == static_cast<ssize_t>(sizeof out) ? 0 : 1);
  }
  ::close(fds[1]);
  Outcome out{FileError::Kind::CannotOpen, 0, false};
  if (::read(fds[0], &out, sizeof out) != static_cast<ssize_t>(sizeof out)) out.kind = FileError::Kind::CannotOpen;
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return out;
}

}  // namespace morvadel
