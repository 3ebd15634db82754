#pragma once
// A step run in a child process, for what a test must not do to itself: a
// limit set, a user changed, a signal that ends the process.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>

namespace morvadel::test {

// Runs `step` in a child process and gives back the text it returned;
// "ended by signal N" when the system ended the child instead. Only the
// parent's calling thread goes on in the child: a step that needs another
// (Qt paints big pictures on a pool of threads) waits for ever, so windows
// are built before, in the parent.
inline std::string InChildProcess(const std::function<std::string()>& step) {
  int fds[2];
  if (::pipe(fds) != 0) return "no pipe";
  const pid_t pid = ::fork();
  if (pid < 0) return "no child process";
  if (pid == 0) {
    ::close(fds[0]);
    ::alarm(120);  // a child that waits for a thread it has not got ends, and the test says so
    const std::string out = step();
    for (size_t done = 0; done < out.size();) {
      const ssize_t n = ::write(fds[1], out.data() + done, out.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) ::_exit(1);
      done += static_cast<size_t>(n);
    }
    ::_exit(0);  // nothing of the test program runs on in the child
  }
  ::close(fds[1]);
  std::string out;
  char buf[4096];
  for (;;) {
    const ssize_t n = ::read(fds[0], buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    out.append(buf, static_cast<size_t>(n));
  }
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFSIGNALED(status)) return "ended by signal " + std::to_string(WTERMSIG(status));
  return out;
}

}  // namespace morvadel::test
