#pragma once
// A folder of the test's own, and the helpers the exporter tests share.
#include <unistd.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <clocale>
#include <cstring>
#include <filesystem>
#include <optional>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "output/export_table.h"

namespace morvadel::test {

namespace fs = std::filesystem;

class OutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("morvadel_output_" + std::to_string(::getpid()) + "_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir, fs::perms::owner_all, ec);
    fs::remove_all(dir, ec);
  }
  std::string Path(const std::string& name) const { return (dir / name).string(); }

  static std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void WriteAll(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
  }
  // The names of the folder's files.
  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
  }

  fs::path dir;
};

// A file-size limit for the length of a scope: writes beyond it fail as on
// a full disk (the test program catches SIGXFSZ from its start, as the
// program does).
class DiskFull {
 public:
  explicit DiskFull(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit small = old_;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~DiskFull() { ::setrlimit(RLIMIT_FSIZE, &old_); }
  DiskFull(const DiskFull&) = delete;
  DiskFull& operator=(const DiskFull&) = delete;

 private:
  rlimit old_{};
};

// The C library's locale set, for the length of a scope, to one whose
// decimal mark is a comma, as on a Croatian desktop once Qt has set the
// desktop's locale at start-up. Where no such locale is installed, one is
// compiled into a folder of the test's own (localedef, Debian's "locales").
class CommaDecimalLocale {
 public:
  explicit CommaDecimalLocale(const fs::path& scratch) {
    previous_ = std::setlocale(LC_ALL, nullptr);
    if (const char* p = std::getenv("LOCPATH")) previousLocPath_ = p;
    for (const char* name : {"hr_HR.UTF-8", "de_DE.UTF-8"})
      if (Take(name)) return;
    const fs::path folder = scratch / "locales";
    fs::create_directories(folder);
    const std::string build = "localedef -i hr_HR -f UTF-8 '" + (folder / "hr_HR.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0) return;
    ::setenv("LOCPATH", folder.c_str(), 1);
    Take("hr_HR.UTF-8");
  }
  ~CommaDecimalLocale() {
    std::setlocale(LC_ALL, previous_.c_str());
    if (previousLocPath_) ::setenv("LOCPATH", previousLocPath_->c_str(), 1);
    else ::unsetenv("LOCPATH");
  }
  CommaDecimalLocale(const CommaDecimalLocale&) = delete;
  CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;
  bool ok() const { return ok_; }

 private:
  bool Take(const char* name) {
    ok_ = std::setlocale(LC_ALL, name) && std::strcmp(std::localeconv()->decimal_point, ",") == 0;
    if (!ok_) std::setlocale(LC_ALL, previous_.c_str());
    return ok_;
  }
  std::string previous_;
  std::optional<std::string> previousLocPath_;
  bool ok_ = false;
};

// A table from rows of texts; the title is given apart.
inline ExportTable MakeTable(const std::string& title, const std::vector<std::vector<std::string>>& rows) {
  const int cols = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  ExportTable t(title, static_cast<int>(rows.size()), cols);
  for (int r = 0; r < t.rows; ++r)
    for (int c = 0; c < cols; ++c) t.Text(r, c) = rows[static_cast<size_t>(r)][static_cast<size_t>(c)];
  return t;
}

}  // namespace morvadel::test
