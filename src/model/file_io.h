#pragma once
// Reading and replacing whole files safely, and the messages of their
// failures in the user's language.
#include <cstdint>
#include <string>
#include <string_view>

namespace morvadel {

// What a path names when it is not a regular file.
enum class FileNode { Regular, Folder, Pipe, Device, Socket, Other };

struct FileError {
  enum class Kind {
    None,
    CannotOpen,      // the system refused to open or read the file (sysError)
    NotAFile,        // the path names a folder, a pipe, a device... (node)
    TooLarge,        // larger than the reader takes
    NotWorkbook,     // not a workbook (.eka) at all
    TooShort,        // a workbook that ends before its last line (line)
    BadUnitIndex,    // the unit line holds no whole number (line)
    BadShowCompany,  // the show-company line holds no whole number (line)
    WriteFailed,     // writing failed (sysError); see targetExisted
  };
  Kind kind = Kind::None;
  int line = 0;                      // the offending line, where there is one
  int sysError = 0;                  // the system's error number, where there is one
  FileNode node = FileNode::Regular; // NotAFile: what the path names
  bool targetExisted = false;        // WriteFailed: a file stood there and is as it was
  bool ok() const { return kind == Kind::None; }
};

// The system's error in the user's language (1 Croatian, otherwise
// English), in lower case without a full stop: "permission denied",
// "pristup nije dopušten".
std::string DescribeSystemError(int sysError, int16_t language);
// Why a write was refused for want of permission: the file's own
// protection, or the folder's.
std::string DescribePermissionReason(bool fileProtected, int16_t language);
// Why writing `path` failed with the system's error err: for a refused
// permission, whether the file itself is protected or its folder is
// (judged now, for the user running the program); otherwise the system's
// reason.
std::string DescribeWriteReason(int err, const std::string& path, int16_t language);

// A message for the user naming the file and what is wrong, in the user's
// language; "" when e is ok.
std::string DescribeFileError(const FileError& e, const std::string& path, int16_t language);

// Reads a whole regular file into `bytes`. A folder, a pipe, a device or a
// socket is refused at once (NotAFile) without waiting for data, and a file
// of more than maxBytes is refused (TooLarge). `bytes` is changed only on
// success.
FileError ReadWholeFile(const std::string& path, size_t maxBytes, std::string& bytes);

// Replaces the contents of the file at `path` by `bytes`, or creates it,
// through WriteFileAtomically (atomic_file.h: a link is written through, a
// file the user may not write is refused, a failure leaves what was there
// as it was). A target that is no regular file is refused (NotAFile); a
// failed write says whether a file stood there (targetExisted).
FileError WriteWholeFile(const std::string& path, std::string_view bytes);

// True when the two paths name one file: the same device and inode where
// both name an existing file (so links, hard links and every other spelling
// count), otherwise the same path once links are followed and the path is
// made absolute and plain ("/data/./a/../firm.eka" is "/data/firm.eka").
// An empty path names no file.
bool NamesSameFile(const std::string& a, const std::string& b);

// NotAFile when something other than a regular file stands at `path`
// (links followed), so a name can be turned down before a workbook is
// pointed at it; ok when a file or nothing is there.
FileError CheckNotAFile(const std::string& path);

}  // namespace morvadel
