// The program as the desktop starts it.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace morvadel {
namespace {

// The signals a process ignores, from its status in /proc; false once it
// has gone.
bool IgnoredSignals(pid_t pid, unsigned long long& mask) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("SigIgn:", 0) == 0) {
      mask = std::stoull(line.substr(7), nullptr, 16);
      return true;
    }
  return false;
}

// A write past a file-size limit must fail, to be reported as a full disk,
// not end the run with its unsaved workbook: the program ignores SIGXFSZ
// from its start, whoever started it.
TEST(StartUp, TheProgramIgnoresTheSignalOfTheFileSizeLimit) {
  int ready[2];
  ASSERT_EQ(::pipe2(ready, O_CLOEXEC), 0);
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    ::signal(SIGXFSZ, SIG_DFL);  // as a desktop starts a program, not as this test program runs
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::execl(MORVADEL_PROGRAM, MORVADEL_PROGRAM, static_cast<char*>(nullptr));
    ::_exit(127);
  }
  // The pipe closes when the program has taken the child's place.
  ::close(ready[1]);
  char byte;
  while (::read(ready[0], &byte, 1) < 0 && errno == EINTR) {
  }
  ::close(ready[0]);

  constexpr unsigned long long kBit = 1ull << (SIGXFSZ - 1);
  unsigned long long mask = 0;
  bool running = true, ignored = false;
  // The program sets it up first of all; a generous wait for a loaded machine.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (running && !ignored && std::chrono::steady_clock::now() < deadline) {
    running = IgnoredSignals(pid, mask) && ::waitpid(pid, nullptr, WNOHANG) == 0;
    ignored = running && (mask & kBit) != 0;
    if (!ignored) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  EXPECT_TRUE(running) << "the program ended at start-up";
  EXPECT_TRUE(ignored) << "SigIgn " << std::hex << mask;
}

}  // namespace
}  // namespace morvadel
