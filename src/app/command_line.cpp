#include "app/command_line.h"

#include <filesystem>
#include <iostream>
#include <string_view>

namespace morvadel {
namespace {

constexpr std::string_view kUsage = "Usage: morvadel [--help | --version | FILE]\n";

constexpr std::string_view kHelp =
    "Usage: morvadel [--help | --version | FILE]\n"
    "Morvadel analyses company financial statements in Croatian or English: it starts with the language "
    "choice and, when a workbook FILE (.eka) is named, opens it in the main window after that choice, as "
    "the Open command would; --help shows this text and --version the program's version.\n";

StartRequest WrongCall(std::ostream& err, const std::string& why) {
  err << "morvadel: " << why << "\n" << kUsage;
  return {2, {}};
}

}  // namespace

StartRequest ReadCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  std::optional<std::string> file;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      const bool help = arg == "--help" || arg == "-h", version = arg == "--version";
      if (!help && !version) return WrongCall(err, "unknown option '" + arg + "'");
      if (argc != 2) return WrongCall(err, "'" + arg + "' takes nothing else");
      if (help)
        out << kHelp;
      else
        out << "Morvadel " << MORVADEL_VERSION << "\n";
      return {0, {}};
    }
    if (file) return WrongCall(err, "one workbook at a time: '" + *file + "' and '" + arg + "' were named");
    if (arg.empty()) return WrongCall(err, "an empty file name");
    file = arg;
  }
  if (!file) return {};
  // As the Open dialog names it: from the root, links kept as named.
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(*file, ec);
  return {std::nullopt, ec ? *file : absolute.lexically_normal().string()};
}

StartRequest TakeCommandLine(int& argc, char** argv) {
  StartRequest request = ReadCommandLine(argc, argv, std::cout, std::cerr);
  argc = 1;
  return request;
}

}  // namespace morvadel
