// The run's export files: free names, replacing only the run's own file,
// and failures that leave every file as it was.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "../model/unprivileged.h"
#include "output/export_files.h"
#include "output_fixture.h"

namespace morvadel::test {
namespace {

// A filler that writes the given text by name, as the exporters' libraries do.
FileFiller WritesThrough(const std::string& text) {
  return [text](const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return errno;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const bool closed = std::fclose(f) == 0;
    return ok && closed ? 0 : (errno ? errno : EIO);
  };
}

using ExportFilesTest = OutputTest;

TEST_F(ExportFilesTest, FirstWriteTakesTheFirstNameNoFileHas) {
  struct Case {
    std::vector<std::string> files, folders;  // there before the run
    std::string expected;
  };
  const Case cases[] = {
      {{}, {}, "Export.xlsx"},
      {{"Export.xlsx"}, {}, "Export-2.xlsx"},
      {{"Export.xlsx"}, {"Export-2.xlsx"}, "Export-3.xlsx"},
      {{"Export-2.xlsx"}, {}, "Export.xlsx"},
  };
  for (const Case& c : cases) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& f : c.files) WriteAll(Path(f), "theirs " + f);
    for (const auto& f : c.folders) fs::create_directories(dir / f);
    RunFile file("Export", ".xlsx");
    const ExportError e = file.Write(dir.string(), WritesThrough("ours"));
    ASSERT_TRUE(e.ok()) << c.expected;
    EXPECT_EQ(file.path(), Path(c.expected));
    EXPECT_EQ(ReadAll(file.path()), "ours");
    for (const auto& f : c.files) EXPECT_EQ(ReadAll(Path(f)), "theirs " + f) << "written over a file of before";
  }
}

TEST_F(ExportFilesTest, LaterWritesReplaceTheRunsOwnFileAndLeaveNoTemporaryFile) {
  RunFile file("Export", ".xlsx");
  ASSERT_TRUE(file.Write(dir.string(), WritesThrough("one")).ok());
  ASSERT_TRUE(file.Write(dir.string(), WritesThrough("two, longer")).ok());
  EXPECT_EQ(file.path(), Path("Export.xlsx"));
  EXPECT_EQ(ReadAll(file.path()), "two, longer");
  EXPECT_EQ(Files(), std::set<std::string>{"Export.xlsx"});
}

TEST_F(ExportFilesTest, AFileChangedOrReplacedByTheUserIsKeptAndTheRunMovesOn) {
  // Saved over by another program (other content), or replaced by a file
  // of the same size (another file renamed into place).
  for (bool sameSize : {false, true}) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    RunFile file("Export", ".docx");
    ASSERT_TRUE(file.Write(dir.string(), WritesThrough("run 1")).ok());
    const std::string users = sameSize ? "users" : "the user's edits";
    WriteAll(Path("other"), users);
    fs::rename(Path("other"), Path("Export.docx"));
    ASSERT_TRUE(file.Write(dir.string(), WritesThrough("run 2")).ok());
    EXPECT_EQ(ReadAll(Path("Export.docx")), users);
    EXPECT_EQ(file.path(), Path("Export-2.docx"));
    EXPECT_EQ(ReadAll(file.path()), "run 2");
    // From then on the new file is the run's.
    ASSERT_TRUE(file.Write(dir.string(), WritesThrough("run 3")).ok());
    EXPECT_EQ(file.path(), Path("Export-2.docx"));
    EXPECT_EQ(ReadAll(file.path()), "run 3");
  }
}

// Returns once a file changed now gets a later change time than path has:
// the file system's clock is coarser than its timestamps.
void WaitPastChangeTime(const std::string& path, const std::string& probe) {
  struct stat file {}, now {};
  ASSERT_EQ(::stat(path.c_str(), &file), 0);
  for (int i = 0; i < 5000; ++i) {
    std::ofstream(probe) << i;
    ASSERT_EQ(::stat(probe.c_str(), &now), 0);
    if (now.st_ctim.tv_sec != file.st_ctim.tv_sec ? now.st_ctim.tv_sec > file.st_ctim.tv_sec
                                                  : now.st_ctim.tv_nsec > file.st_ctim.tv_nsec)
      break;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  ::unlink(probe.c_str());
}

// What another program may leave behind in the run's file while it looks
// unchanged by its name, size and modification time.
enum class OtherChange {
  MadeReadOnly,
  // Edited in place, then its size and modification time put back, as
  // cp -p, rsync -t or touch -r leave a file.
  EditedInPlaceTimeRestored,
};

bool ChangeInPlace(const std::string& path, OtherChange change) {
  if (change == OtherChange::MadeReadOnly) return ::chmod(path.c_str(), 0444) == 0;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
  if (fd < 0) return false;
  const std::string theirs = "RUN 1";  // the size of what the run wrote
  const bool written = ::write(fd, theirs.data(), theirs.size()) == static_cast<ssize_t>(theirs.size());
  const timespec times[2] = {st.st_atim, st.st_mtim};
  const bool restored = ::futimens(fd, times) == 0;
  return ::close(fd) == 0 && written && restored;
}

TEST_F(ExportFilesTest, AFileMadeReadOnlyOrEditedUnseenIsKeptAndTheRunMovesOn) {
  struct Outcome {
    int err = -1;
    bool kept = false;    // their Export.xlsx as they left it
    bool movedOn = false; // the run wrote Export-2.xlsx
  };
  for (OtherChange change : {OtherChange::MadeReadOnly, OtherChange::EditedInPlaceTimeRestored})
    for (bool unprivileged : {false, true}) {
      SCOPED_TRACE(std::string(change == OtherChange::MadeReadOnly ? "read-only" : "edited in place") +
                   (unprivileged ? ", as a user" : ", as the current user"));
      fs::remove_all(dir);
      fs::create_directories(dir);
      if (unprivileged && ::geteuid() == 0) {
        ASSERT_EQ(::chown(dir.c_str(), kNobody, kNobody), 0);
      }
      const std::function<Outcome()> step = [&] {
        Outcome out;
        RunFile file("Export", ".xlsx");
        if (!file.Write(dir.string(), WritesThrough("run 1")).ok()) return out;
        WaitPastChangeTime(Path("Export.xlsx"), (dir.parent_path() / (dir.filename().string() + ".probe")).string());
        if (!ChangeInPlace(Path("Export.xlsx"), change)) return out;
        const std::string theirs = ReadAll(Path("Export.xlsx"));
        out.err = file.Write(dir.string(), WritesThrough("run 2")).err;
        out.kept = ReadAll(Path("Export.xlsx")) == theirs;
        out.movedOn = file.path() == Path("Export-2.xlsx") && ReadAll(file.path()) == "run 2";
        return out;
      };
      const Outcome out =
          unprivileged ? RunStepUnprivileged<Outcome>(step, [](int) { return Outcome{}; }) : step();
      EXPECT_EQ(out.err, 0);
      EXPECT_TRUE(out.kept);
      EXPECT_TRUE(out.movedOn);
      EXPECT_EQ(Files(), (std::set<std::string>{"Export.xlsx", "Export-2.xlsx"}));
    }
}

TEST_F(ExportFilesTest, ARunFileRemovedMeanwhileIsWrittenAgainUnderItsName) {
  RunFile file("Export", ".xlsx");
  ASSERT_TRUE(file.Write(dir.string(), WritesThrough("one")).ok());
  fs::remove(Path("Export.xlsx"));
  ASSERT_TRUE(file.Write(dir.string(), WritesThrough("two")).ok());
  EXPECT_EQ(file.path(), Path("Export.xlsx"));
  EXPECT_EQ(ReadAll(file.path()), "two");
}

TEST_F(ExportFilesTest, ANewFileOfTheRunTakesANewNameAndKeepsTheEarlierOne) {
  RunFile file("Export", ".docx");
  ASSERT_TRUE(file.Write(dir.string(), WritesThrough("first document"), true).ok());
  ASSERT_TRUE(file.Write(dir.string(), WritesThrough("second document"), true).ok());
  EXPECT_EQ(file.path(), Path("Export-2.docx"));
  EXPECT_EQ(ReadAll(Path("Export.docx")), "first document");
  EXPECT_EQ(ReadAll(Path("Export-2.docx")), "second document");
}

TEST_F(ExportFilesTest, AMissingFolderIsCreated) {
  RunFile file("Export", ".xlsx");
  const fs::path folder = dir / "Documents" / "deeper";
  ASSERT_TRUE(file.Write(folder.string(), WritesThrough("x")).ok());
  EXPECT_EQ(file.path(), (folder / "Export.xlsx").string());
}

TEST_F(ExportFilesTest, FailuresLeaveEveryFileAsItWasAndNameTheFile) {
  RunFile file("Export", ".xlsx");
  ASSERT_TRUE(file.Write(dir.string(), WritesThrough("good")).ok());

  // A disk that fills up half way through.
  {
    const std::string big(64 * 1024, 'x');
    DiskFull full(4096);
    const ExportError e = file.Write(dir.string(), WritesThrough(big));
    EXPECT_EQ(e.err, EFBIG);
    EXPECT_EQ(e.path, Path("Export.xlsx"));
  }
  EXPECT_EQ(ReadAll(Path("Export.xlsx")), "good");
  EXPECT_EQ(Files(), std::set<std::string>{"Export.xlsx"}) << "a temporary file was left";

  // A filler that fails on its own.
  EXPECT_EQ(file.Write(dir.string(), [](const std::string&) { return EIO; }).err, EIO);
  EXPECT_EQ(ReadAll(Path("Export.xlsx")), "good");
  EXPECT_EQ(Files(), std::set<std::string>{"Export.xlsx"});

  // The run's file stays its own after the failures.
  ASSERT_TRUE(file.Write(dir.string(), WritesThrough("better")).ok());
  EXPECT_EQ(file.path(), Path("Export.xlsx"));

  // A folder that cannot be one: a file stands in its place.
  WriteAll(Path("plain"), "a file");
  RunFile other("Export", ".xlsx");
  const ExportError e = other.Write(Path("plain"), WritesThrough("x"));
  EXPECT_FALSE(e.ok());
  EXPECT_EQ(e.path, Path("plain") + "/Export.xlsx");
  EXPECT_EQ(ReadAll(Path("plain")), "a file");
}

// The user's own folder made read-only; as root the write runs as another
// user, since root writes into read-only folders.
TEST_F(ExportFilesTest, AReadOnlyFolderIsReported) {
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(dir.c_str(), kNobody, kNobody), 0);
  }
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  const int err = RunStepUnprivileged<int>(
      [this] {
        RunFile file("Export", ".xlsx");
        const ExportError e = file.Write(dir.string(), WritesThrough("x"));
        return e.path == Path("Export.xlsx") ? e.err : -1;
      },
      [](int) { return -2; });
  fs::permissions(dir, fs::perms::owner_all);
  EXPECT_EQ(err, EACCES);
  EXPECT_TRUE(Files().empty());
}

TEST_F(ExportFilesTest, ErrorMessagesNameTheFileAndTheReasonInTheRunsLanguage) {
  struct Case {
    int err;
    const char* hr;
    const char* en;
  };
  const Case cases[] = {
      {EACCES, "nema dozvole za pisanje", "no permission to write"},
      {EROFS, "samo za čitanje", "read-only"},
      {ENOSPC, "disk je pun", "the disk is full"},
      {EFBIG, "disk je pun", "the disk is full"},
      {ENOTDIR, "mapa ne postoji", "the folder does not exist"},
      {EIO, "pogreška pri čitanju ili pisanju diska", "the disk could not be read or written"},
      {ELOOP, "previše simboličkih veza", "too many symbolic links"},
  };
  for (const Case& c : cases) {
    const ExportError e = WriteFailure(c.err, "/home/ana/Documents/Export.xlsx");
    const std::string hr = DescribeWriteError(e, kCroatian), en = DescribeWriteError(e, kEnglish);
    EXPECT_NE(hr.find("/home/ana/Documents/Export.xlsx"), std::string::npos);
    EXPECT_NE(hr.find(c.hr), std::string::npos) << hr;
    EXPECT_NE(hr.find("ostale su nepromijenjene"), std::string::npos) << hr;
    EXPECT_NE(en.find("/home/ana/Documents/Export.xlsx"), std::string::npos);
    EXPECT_NE(en.find(c.en), std::string::npos) << en;
    EXPECT_NE(en.find("left as they were"), std::string::npos) << en;
  }
  // Refused by the file's own permission, not the folder's.
  ExportError e{EACCES, "/home/ana/page.html"};
  e.fileProtected = true;
  EXPECT_EQ(DescribeWriteError(e, kEnglish),
            "The file /home/ana/page.html could not be written: the file is write-protected. "
            "Existing files were left as they were.");
  EXPECT_EQ(DescribeWriteError(e, kCroatian),
            "Datoteku /home/ana/page.html nije moguće zapisati: datoteka je zaštićena od pisanja. "
            "Postojeće datoteke ostale su nepromijenjene.");
}

}  // namespace
}  // namespace morvadel::test
