#pragma once
// Saving as an unprivileged user: the tests run as root here and in CI,
// where the system's permission checks would not apply.
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <type_traits>

#include "model/file_io.h"

namespace morvadel {

inline constexpr uid_t kNobody = 65534;

// Runs `step` as the unprivileged user nobody when the tests run as root
// (as here and in CI), so that the system's permission checks apply; as
// the current user otherwise. What the step returns comes back from the
// other process; `failed` gives the result when the user cannot be changed
// to or nothing comes back (its argument: the system's error, or 0).
template <class T>
T RunStepUnprivileged(const std::function<T()>& step, const std::function<T(int err)>& failed) {
  static_assert(std::is_trivially_copyable_v<T>, "the result crosses a pipe");
  if (::geteuid() != 0) return step();
  int fds[2];
  if (::pipe(fds) != 0) return failed(errno);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    T out = ::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0 ? failed(errno) : step();
    const ssize_t n = ::write(fds[1], &out, sizeof out);
    ::_exit(n == static_cast<ssize_t>(sizeof out) ? 0 : 1);
  }
  ::close(fds[1]);
  T out{};
  if (::read(fds[0], &out, sizeof out) != static_cast<ssize_t>(sizeof out)) out = failed(0);
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return out;
}

// What a save in another process gave.
struct Outcome {
  FileError::Kind kind = FileError::Kind::None;
  int sysError = 0;
  bool targetExisted = false;
};

// A save run as by RunStepUnprivileged.
inline Outcome RunUnprivileged(const std::function<FileError()>& save) {
  return RunStepUnprivileged<Outcome>(
      [&save] {
        const FileError e = save();
        return Outcome{e.kind, e.sysError, e.targetExisted};
      },
      [](int err) { return Outcome{FileError::Kind::CannotOpen, err, false}; });
}

}  // namespace morvadel
