#pragma once
// What the command line asks of the run, decided before Qt is started, so
// that --help, --version and a wrong call need no display.
#include <iosfwd>
#include <optional>
#include <string>

namespace morvadel {

struct StartRequest {
  // Set when the run ends here: 0 after --help or --version, 2 for a wrong call.
  std::optional<int> exitCode;
  // The workbook to open after the language choice (absolute), or empty.
  std::string workbook;
};

// Reads `morvadel [--help | --version | [--] FILE]`; what it has to say goes
// to `out` (asked for) or `err` (a wrong call).
StartRequest ReadCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// The command line is the program's own: Qt is given the program's name
// alone, and takes its settings from the environment.
StartRequest TakeCommandLine(int& argc, char** argv);

}  // namespace morvadel
