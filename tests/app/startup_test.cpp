// The program as the desktop starts it.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace morvadel {
namespace {

constexpr unsigned long long kFileSizeBit = 1ull << (SIGXFSZ - 1);

// One mask of a process's status in /proc ("SigIgn": the signals it
// ignores, "SigCgt": those it catches); false once it has gone.
bool SignalMask(pid_t pid, const std::string& key, unsigned long long& mask) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key + ":", 0) == 0) {
      mask = std::stoull(line.substr(key.size() + 1), nullptr, 16);
      return true;
    }
  return false;
}

// A write past a file-size limit must fail, to be reported as a full disk,
// not end the run with its unsaved workbook: the program catches SIGXFSZ
// from its start, whoever started it.
TEST(StartUp, TheProgramCatchesTheSignalOfTheFileSizeLimit) {
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

  unsigned long long mask = 0;
  bool running = true, caught = false;
  // The program sets it up first of all; a generous wait for a loaded machine.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (running && !caught && std::chrono::steady_clock::now() < deadline) {
    running = SignalMask(pid, "SigCgt", mask) && ::waitpid(pid, nullptr, WNOHANG) == 0;
    caught = running && (mask & kFileSizeBit) != 0;
    if (!caught) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  EXPECT_TRUE(running) << "the program ended at start-up";
  EXPECT_TRUE(caught) << "SigCgt " << std::hex << mask;
}

// A program the run starts (the spreadsheet program and the document viewer
// of the exports, the desktop's query for them) gets the system's default
// for the file-size signal: the run's own way of meeting the limit is not
// passed on. The shell reports its own masks, as Qt starts it: waited for,
// and detached as the desktop opener starts the viewer.
TEST(StartUp, ProgramsTheRunStartsGetTheDefaultForTheFileSizeSignal) {
  struct sigaction own {};
  ASSERT_EQ(::sigaction(SIGXFSZ, nullptr, &own), 0);
  ASSERT_NE(own.sa_handler, SIG_DFL) << "this test program is set up as the program is";

  const QString script = QStringLiteral(
      "while read -r key value; do case $key in SigIgn:|SigCgt:) echo \"$key $value\";; esac; done "
      "</proc/$$/status; echo end");
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const bool detached : {false, true}) {
    QProcess process;
    process.setProgram("/bin/sh");
    process.setArguments({"-c", script});
    QString said;
    if (detached) {
      const QString out = dir.filePath("masks");
      process.setStandardOutputFile(out);
      ASSERT_TRUE(process.startDetached());
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
      while (!said.contains("end") && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        QFile file(out);
        if (file.open(QIODevice::ReadOnly)) said = QString::fromUtf8(file.readAll());
      }
    } else {
      process.start();
      ASSERT_TRUE(process.waitForFinished(60000));
      said = QString::fromUtf8(process.readAllStandardOutput());
    }
    ASSERT_TRUE(said.contains("end")) << "detached " << detached << ": " << said.toStdString();
    for (const QString& key : {QStringLiteral("SigIgn"), QStringLiteral("SigCgt")}) {
      const QRegularExpressionMatch m = QRegularExpression(key + ": ([0-9a-f]+)").match(said);
      ASSERT_TRUE(m.hasMatch()) << said.toStdString();
      EXPECT_EQ(m.captured(1).toULongLong(nullptr, 16) & kFileSizeBit, 0u)
          << (detached ? "detached: " : "waited for: ") << key.toStdString() << " " << m.captured(1).toStdString();
    }
  }
}

}  // namespace
}  // namespace morvadel
