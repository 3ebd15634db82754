#include "model/file_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace morvadel {
namespace {

// The system's reasons read in the user's language.
TEST(FileErrors, TheSystemsReasonsReadInTheUsersLanguage) {
  struct Case {
    int err;
    const char* en;
    const char* hr;
  } cases[] = {
      {EACCES, "permission denied", "pristup nije dopušten"},
      {EPERM, "permission denied", "pristup nije dopušten"},
      {ENOSPC, "the disk is full", "disk je pun"},
      {EFBIG, "the disk is full", "disk je pun"},  // past the file-size limit
      {ENOENT, "no such file or folder", "nema takve datoteke ili mape"},
      {EISDIR, "it is a folder", "to je mapa"},
      {EROFS, "the disk is read-only", "disk je samo za čitanje"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DescribeSystemError(c.err, 2), c.en);
    EXPECT_EQ(DescribeSystemError(c.err, 1), c.hr);
  }
  // Any other reason still says something, and names its number in Croatian.
  EXPECT_FALSE(DescribeSystemError(EPIPE, 2).empty());
  EXPECT_EQ(DescribeSystemError(EPIPE, 1).rfind("pogreška sustava " + std::to_string(EPIPE), 0), 0u);
  EXPECT_EQ(DescribeSystemError(0, 1), "");

  FileError open;
  open.kind = FileError::Kind::CannotOpen;
  open.sysError = EACCES;
  EXPECT_EQ(DescribeFileError(open, "/x/a.eka", 2), "The file /x/a.eka cannot be read (permission denied).");
  EXPECT_EQ(DescribeFileError(open, "/x/a.eka", 1), "Datoteku /x/a.eka nije moguće pročitati (pristup nije dopušten).");
}

// "The existing file was left as it was" only where a file existed.
TEST(FileErrors, AFailedSaveSaysWhatHappened) {
  FileError e;
  e.kind = FileError::Kind::WriteFailed;
  e.sysError = ENOSPC;
  e.targetExisted = true;
  EXPECT_EQ(DescribeFileError(e, "a.eka", 2),
            "The workbook could not be saved to a.eka (the disk is full). The existing file was left as it "
            "was.");
  EXPECT_EQ(DescribeFileError(e, "a.eka", 1),
            "Radnu knjigu nije moguće spremiti u a.eka (disk je pun). Postojeća datoteka ostala je "
            "nepromijenjena.");
  e.targetExisted = false;
  e.sysError = ENOENT;
  EXPECT_EQ(DescribeFileError(e, "no/a.eka", 2),
            "The workbook could not be saved to no/a.eka (no such file or folder). Nothing was written.");
  EXPECT_EQ(DescribeFileError(e, "no/a.eka", 1),
            "Radnu knjigu nije moguće spremiti u no/a.eka (nema takve datoteke ili mape). Ništa nije zapisano.");
}

}  // namespace
}  // namespace morvadel

// ---- saving ----------------------------------------------------------------

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "unprivileged.h"

namespace {

// Folders this test program saw synced, each with whether the watched file
// already held its new contents at that moment.
struct SyncWatch {
  std::string file;
  std::string newContents;
  std::vector<std::pair<std::string, bool>> folders;
};
SyncWatch* g_syncWatch = nullptr;

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace

// Every fsync of this test program passes here on its way to the system.
extern "C" int fsync(int fd) {
  struct stat st {};
  if (g_syncWatch && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    char buf[PATH_MAX] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), buf, sizeof buf - 1);
    g_syncWatch->folders.emplace_back(n > 0 ? std::string(buf, static_cast<size_t>(n)) : "",
                                      Contents(g_syncWatch->file) == g_syncWatch->newContents);
  }
  return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace morvadel {
namespace {

namespace fs = std::filesystem;

class SaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("morvadel_save_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // The unprivileged user may write into the folder, as into one's own.
    if (::geteuid() == 0) {
      EXPECT_EQ(::chown(dir_.c_str(), kNobody, kNobody), 0);
    }
  }
  void TearDown() override {
    g_syncWatch = nullptr;
    fs::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }

  fs::path dir_;
};

// A read-only workbook was replaced and reported as saved; it is refused
// with the write-error message and stays as it was.
TEST_F(SaveTest, AFileTheUserMayNotWriteIsRefusedAndLeftAlone) {
  const std::string mine = Path("mine.eka");
  Write(mine, "old");
  ASSERT_EQ(::chmod(mine.c_str(), 0444), 0);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(mine.c_str(), kNobody, kNobody), 0);
  }
  Outcome out = RunUnprivileged([&] { return WriteWholeFile(mine, "new"); });
  EXPECT_EQ(out.kind, FileError::Kind::WriteFailed);
  EXPECT_EQ(out.sysError, EACCES);
  EXPECT_TRUE(out.targetExisted);
  EXPECT_EQ(Contents(mine), "old");
  EXPECT_EQ(fs::status(mine).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

  // A file of another owner in the user's folder keeps its contents and owner.
  if (::geteuid() != 0) GTEST_SKIP() << "a file of another owner needs a second user, which only root can give";
  const std::string theirs = Path("theirs.eka");
  Write(theirs, "old");
  ASSERT_EQ(::chmod(theirs.c_str(), 0644), 0);
  out = RunUnprivileged([&] { return WriteWholeFile(theirs, "new"); });
  EXPECT_EQ(out.kind, FileError::Kind::WriteFailed);
  EXPECT_EQ(Contents(theirs), "old");
  struct stat st {};
  ASSERT_EQ(::stat(theirs.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 0u);
  for (const auto& entry : fs::directory_iterator(dir_))
    EXPECT_EQ(entry.path().filename().string().rfind(".", 0), std::string::npos) << "temporary file left";
}

// A save refused for want of permission says whose permission: the file's
// own (a read-only workbook) or its folder's, instead of a bare "permission
// denied". Judged as the user who saves.
TEST_F(SaveTest, ARefusedSaveSaysWhetherTheFileOrItsFolderIsProtected) {
  const std::string readOnly = Path("read-only.eka");
  Write(readOnly, "old");
  ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
  const fs::path locked = dir_ / "locked";
  fs::create_directories(locked);
  const std::string inLocked = (locked / "firm.eka").string();
  Write(inLocked, "old");
  ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
  if (::geteuid() == 0) {
    for (const std::string& p : {readOnly, locked.string(), inLocked}) {
      ASSERT_EQ(::chown(p.c_str(), kNobody, kNobody), 0);
    }
  }
  struct Said {
    char en[400], hr[400];
  };
  const struct Case {
    std::string path, en, hr;
  } cases[] = {
      {readOnly,
       "The workbook could not be saved to " + readOnly +
           " (the file is write-protected). The existing file was left as it was.",
       "Radnu knjigu nije moguće spremiti u " + readOnly +
           " (datoteka je zaštićena od pisanja). Postojeća datoteka ostala je nepromijenjena."},
      {inLocked,
       "The workbook could not be saved to " + inLocked +
           " (there is no permission to write into that folder). The existing file was left as it was.",
       "Radnu knjigu nije moguće spremiti u " + inLocked +
           " (nema dozvole za pisanje u tu mapu). Postojeća datoteka ostala je nepromijenjena."},
  };
  for (const Case& c : cases) {
    const Said said = RunStepUnprivileged<Said>(
        [&c] {
          Said out{};
          const FileError e = WriteWholeFile(c.path, "new");
          std::snprintf(out.en, sizeof out.en, "%s", DescribeFileError(e, c.path, 2).c_str());
          std::snprintf(out.hr, sizeof out.hr, "%s", DescribeFileError(e, c.path, 1).c_str());
          return out;
        },
        [](int) { return Said{"no result", "no result"}; });
    EXPECT_EQ(std::string(said.en), c.en);
    EXPECT_EQ(std::string(said.hr), c.hr);
  }
  ::chmod(locked.c_str(), 0755);
}

// A save that may write keeps the file's owner, group and permissions.
TEST_F(SaveTest, ASavedFileKeepsItsOwnerAndPermissions) {
  const std::string path = Path("kept.eka");
  Write(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
  }
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  // As root: a user's workbook saved by root stays the user's.
  ASSERT_TRUE(WriteWholeFile(path, "new").ok());
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_EQ(Contents(path), "new");
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  // As the user.
  EXPECT_EQ(RunUnprivileged([&] { return WriteWholeFile(path, "newer"); }).kind, FileError::Kind::None);
  EXPECT_EQ(Contents(path), "newer");
}

// A save through a link writes the real workbook, and the link stays a
// link instead of becoming a file of its own.
TEST_F(SaveTest, ASymbolicLinkIsWrittenThrough) {
  fs::create_directories(dir_ / "real");
  Write(Path("real/book.eka"), "old");
  fs::create_symlink("real/book.eka", dir_ / "link.eka");          // relative
  fs::create_symlink(dir_ / "link.eka", dir_ / "chain.eka");       // a link to a link
  fs::create_symlink("real/new.eka", dir_ / "dangling.eka");       // to a file not there yet
  ASSERT_TRUE(WriteWholeFile(Path("link.eka"), "new").ok());
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.eka"));
  EXPECT_EQ(Contents(Path("real/book.eka")), "new");
  ASSERT_TRUE(WriteWholeFile(Path("chain.eka"), "newer").ok());
  EXPECT_TRUE(fs::is_symlink(dir_ / "chain.eka"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.eka"));
  EXPECT_EQ(Contents(Path("real/book.eka")), "newer");
  ASSERT_TRUE(WriteWholeFile(Path("dangling.eka"), "created").ok());
  EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.eka"));
  EXPECT_EQ(Contents(Path("real/new.eka")), "created");
  // A loop of links is reported, not followed for ever.
  fs::create_symlink("loop2.eka", dir_ / "loop1.eka");
  fs::create_symlink("loop1.eka", dir_ / "loop2.eka");
  const FileError loop = WriteWholeFile(Path("loop1.eka"), "x");
  EXPECT_EQ(loop.kind, FileError::Kind::WriteFailed);
  EXPECT_EQ(loop.sysError, ELOOP);
}

// A valid name as long as the file system allows saves: the temporary
// file's name is kept within the limit.
TEST_F(SaveTest, ANameAsLongAsTheFileSystemAllowsSaves) {
  const long limit = ::pathconf(dir_.c_str(), _PC_NAME_MAX);
  ASSERT_GT(limit, 8);
  std::string ascii(static_cast<size_t>(limit) - 4, 'a');
  std::string croatian;
  while (croatian.size() + 2 <= static_cast<size_t>(limit) - 4) croatian += "č";
  for (const std::string& stem : {ascii, croatian}) {
    const std::string path = Path(stem + ".eka");
    ASSERT_TRUE(WriteWholeFile(path, "first").ok());
    ASSERT_TRUE(WriteWholeFile(path, "second").ok());
    EXPECT_EQ(Contents(path), "second");
  }
  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(dir_)) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 2u) << "temporary file left";
}

// After the rename the folder is synced, so a finished save survives a
// power cut.
TEST_F(SaveTest, TheFolderIsSyncedAfterTheRename) {
  const std::string path = Path("sync.eka");
  Write(path, "old");
  SyncWatch watch{path, "new", {}};
  g_syncWatch = &watch;
  ASSERT_TRUE(WriteWholeFile(path, "new").ok());
  g_syncWatch = nullptr;
  ASSERT_FALSE(watch.folders.empty());
  EXPECT_EQ(fs::path(watch.folders.back().first), fs::canonical(dir_));
  EXPECT_TRUE(watch.folders.back().second) << "the folder was synced before the rename";
}

// What a failed save tells about the file that was there.
TEST_F(SaveTest, AFailedSaveSaysWhetherAFileWasThere) {
  FileError e = WriteWholeFile(Path("no/such/folder/x.eka"), "x");
  EXPECT_EQ(e.kind, FileError::Kind::WriteFailed);
  EXPECT_EQ(e.sysError, ENOENT);
  EXPECT_FALSE(e.targetExisted);
  EXPECT_EQ(DescribeFileError(e, "x.eka", 2).find("left as it was"), std::string::npos);
}

}  // namespace
}  // namespace morvadel
