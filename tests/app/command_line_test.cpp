// The program's command line, run as the desktop or a shell runs it. A
// display that cannot be had shows that --help, --version and a wrong call
// are answered before any window system is asked for.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <algorithm>
#include <string>

namespace morvadel {
namespace {

struct ProgramRun {
  int exitCode = -1;
  bool crashed = false;
  std::string out, err;
};

ProgramRun RunProgram(const QStringList& args) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.insert("QT_QPA_PLATFORM", "no-such-platform");
  process.setProcessEnvironment(env);
  process.start(MORVADEL_PROGRAM, args);
  ProgramRun run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    run.err = "did not end";
    return run;
  }
  run.crashed = process.exitStatus() != QProcess::NormalExit;
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

TEST(CommandLine, VersionAndHelpAnswerOnStandardOutputWithoutADisplay) {
  const ProgramRun version = RunProgram({"--version"});
  EXPECT_FALSE(version.crashed);
  EXPECT_EQ(version.exitCode, 0) << version.err;
  EXPECT_EQ(version.out, "Morvadel " MORVADEL_VERSION "\n");
  EXPECT_EQ(version.err, "");
  for (const char* option : {"--help", "-h"}) {
    SCOPED_TRACE(option);
    const ProgramRun help = RunProgram({option});
    EXPECT_EQ(help.exitCode, 0) << help.err;
    EXPECT_EQ(help.err, "");
    // The usage line and one paragraph in English.
    EXPECT_EQ(help.out.rfind("Usage: morvadel [--help | --version | FILE]\n", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("FILE (.eka)"), std::string::npos) << help.out;
    EXPECT_EQ(std::count(help.out.begin(), help.out.end(), '\n'), 2) << help.out;
  }
}

// A wrong call says what is wrong and how to call on standard error, and
// ends with status 2 before any window is made.
TEST(CommandLine, AWrongCallEndsWithStatusTwoAndSaysWhyOnStandardError) {
  struct Case {
    QStringList args;
    const char* said;
  } cases[] = {
      {{"a.eka", "b.eka"}, "one workbook at a time: 'a.eka' and 'b.eka' were named"},
      {{"--", "a.eka", "b.eka"}, "one workbook at a time"},
      {{"--frobnicate"}, "unknown option '--frobnicate'"},
      {{"-platform", "offscreen"}, "unknown option '-platform'"},
      {{"a.eka", "-x"}, "unknown option '-x'"},
      {{"--version", "a.eka"}, "'--version' takes nothing else"},
      {{"--help", "--version"}, "'--help' takes nothing else"},
      {{""}, "an empty file name"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const ProgramRun run = RunProgram(c.args);
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind(std::string("morvadel: ") + c.said, 0), 0u) << run.err;
    EXPECT_NE(run.err.find("\nUsage: morvadel [--help | --version | FILE]\n"), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace morvadel
