#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "atomic_file.h"

namespace morvadel {
namespace {

FileError Failed(FileError::Kind kind, int err) {
  FileError e;
  e.kind = kind;
  e.sysError = err;
  return e;
}

FileError NotAFile(FileNode node) {
  FileError e;
  e.kind = FileError::Kind::NotAFile;
  e.node = node;
  return e;
}

FileNode NodeOf(mode_t mode) {
  if (S_ISREG(mode)) return FileNode::Regular;
  if (S_ISDIR(mode)) return FileNode::Folder;
  if (S_ISFIFO(mode)) return FileNode::Pipe;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return FileNode::Device;
  if (S_ISSOCK(mode)) return FileNode::Socket;
  return FileNode::Other;
}

}  // namespace

FileError ReadWholeFile(const std::string& path, size_t maxBytes, std::string& bytes) {
  // Looked at before it is opened: opening a pipe waits for a writer, and
  // opening a device may do something.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return Failed(FileError::Kind::CannotOpen, errno);
  if (!S_ISREG(st.st_mode)) return NotAFile(NodeOf(st.st_mode));
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Failed(FileError::Kind::CannotOpen, errno);
  // The path may have been replaced in between: what was opened counts.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const FileNode node = NodeOf(st.st_mode);
    ::close(fd);
    return NotAFile(node);
  }
  std::string data;
  // Sized once from what the file says it holds; a file that grows while
  // it is read still reads whole.
  if (st.st_size > 0 && static_cast<uintmax_t>(st.st_size) <= maxBytes) data.reserve(static_cast<size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      return Failed(FileError::Kind::CannotOpen, err);
    }
    if (n == 0) break;
    if (data.size() + static_cast<size_t>(n) > maxBytes) {
      ::close(fd);
      return Failed(FileError::Kind::TooLarge, 0);
    }
    data.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  bytes = std::move(data);
  return {};
}

FileError CheckNotAFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return NotAFile(NodeOf(st.st_mode));
  return {};
}

FileError WriteWholeFile(const std::string& path, std::string_view bytes) {
  std::string target = path;
  int err = 0;
  if (!ResolveLinks(target, err)) return Failed(FileError::Kind::WriteFailed, err);
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && !S_ISREG(old.st_mode)) return NotAFile(NodeOf(old.st_mode));
  if ((err = WriteFileAtomically(path, bytes)) != 0) {
    FileError e = Failed(FileError::Kind::WriteFailed, err);
    e.targetExisted = existed;
    return e;
  }
  return {};
}

namespace {

// The path a name stands for when it names no file yet.
std::string PlainPath(const std::string& path) {
  namespace fs = std::filesystem;
  std::string resolved = path;
  int err = 0;
  (void)ResolveLinks(resolved, err);  // a loop: compared as far as it resolved
  std::error_code ec;
  fs::path p = fs::absolute(resolved, ec);
  if (ec) p = resolved;
  const fs::path canonical = fs::weakly_canonical(p, ec);
  return (ec ? p : canonical).lexically_normal().string();
}

}  // namespace

bool NamesSameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  struct stat sa {}, sb {};
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  return PlainPath(a) == PlainPath(b);
}

std::string DescribeSystemError(int sysError, int16_t language) {
  const bool hr = language == 1;
  switch (sysError) {
    case EACCES:
    case EPERM: return hr ? "pristup nije dopušten" : "permission denied";
    // EFBIG: a write past the file-size limit, which to the user is a full disk.
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return hr ? "disk je pun" : "the disk is full";
    case ENOENT: return hr ? "nema takve datoteke ili mape" : "no such file or folder";
    case EISDIR: return hr ? "to je mapa" : "it is a folder";
    case ENOTDIR: return hr ? "dio putanje nije mapa" : "a part of the path is not a folder";
    case EROFS: return hr ? "disk je samo za čitanje" : "the disk is read-only";
    case ENAMETOOLONG: return hr ? "naziv je predug" : "the name is too long";
    case ELOOP: return hr ? "previše simboličkih veza" : "too many symbolic links";
    case EIO: return hr ? "pogreška pri čitanju ili pisanju diska" : "the disk could not be read or written";
    case EBUSY:
    case ETXTBSY: return hr ? "datoteka je u upotrebi" : "the file is in use";
    case EMFILE:
    case ENFILE: return hr ? "otvoreno je previše datoteka" : "too many files are open";
    case 0: return "";
    default: {
      const std::string system = std::strerror(sysError);
      return hr ? "pogreška sustava " + std::to_string(sysError) + ": " + system : system;
    }
  }
}

std::string DescribePermissionReason(bool fileProtected, int16_t language) {
  const bool hr = language == 1;
  if (fileProtected) return hr ? "datoteka je zaštićena od pisanja" : "the file is write-protected";
  return hr ? "nema dozvole za pisanje u tu mapu" : "there is no permission to write into that folder";
}

std::string DescribeWriteReason(int err, const std::string& path, int16_t language) {
  if (err != EACCES && err != EPERM) return DescribeSystemError(err, language);
  const int refused = RefusedTarget(path);
  return DescribePermissionReason(refused == EACCES || refused == EPERM, language);
}

namespace {

const char* NodeName(FileNode node, bool hr) {
  switch (node) {
    case FileNode::Folder: return hr ? "mapa" : "a folder";
    case FileNode::Pipe: return hr ? "imenovana cijev (pipe)" : "a named pipe";
    case FileNode::Device: return hr ? "uređaj" : "a device";
    case FileNode::Socket: return hr ? "utičnica (socket)" : "a socket";
    case FileNode::Regular:
    case FileNode::Other: break;
  }
  return hr ? "posebna datoteka sustava" : "a special file of the system";
}

}  // namespace

std::string DescribeFileError(const FileError& e, const std::string& path, int16_t language) {
  const bool hr = language == 1;
  const std::string reason = DescribeSystemError(e.sysError, language);
  const std::string why = reason.empty() ? "" : " (" + reason + ")";
  switch (e.kind) {
    case FileError::Kind::None:
      return "";
    case FileError::Kind::CannotOpen:
      return hr ? "Datoteku " + path + " nije moguće pročitati" + why + "."
                : "The file " + path + " cannot be read" + why + ".";
    case FileError::Kind::NotAFile:
      return hr ? std::string(path) + " je " + NodeName(e.node, hr) + ", a ne datoteka radne knjige."
                : path + " is " + NodeName(e.node, hr) + ", not a workbook file.";
    case FileError::Kind::TooLarge:
    case FileError::Kind::NotWorkbook:
      return hr ? "Datoteka " + path + " nije radna knjiga (.eka)."
                : "The file " + path + " is not a workbook (.eka).";
    case FileError::Kind::TooShort:
      return hr ? "Datoteka " + path + " nije potpuna radna knjiga: završava prije retka " +
                      std::to_string(e.line) + " (radna knjiga ima 25.615 redaka)."
                : "The file " + path + " is not a complete workbook: it ends before line " +
                      std::to_string(e.line) + " (a workbook has 25,615 lines).";
    case FileError::Kind::BadUnitIndex:
      return hr ? "Datoteka " + path + " nije ispravna radna knjiga: redak " + std::to_string(e.line) +
                      " (jedinica iznosa) ne sadrži cijeli broj."
                : "The file " + path + " is not a valid workbook: line " + std::to_string(e.line) +
                      " (the unit of the amounts) does not hold a whole number.";
    case FileError::Kind::BadShowCompany:
      return hr ? "Datoteka " + path + " nije ispravna radna knjiga: redak " + std::to_string(e.line) +
                      " (ispis imena poduzeća) ne sadrži cijeli broj."
                : "The file " + path + " is not a valid workbook: line " + std::to_string(e.line) +
                      " (the show-company flag) does not hold a whole number.";
    case FileError::Kind::WriteFailed: {
      const std::string writeReason = DescribeWriteReason(e.sysError, path, language);
      const std::string why = writeReason.empty() ? "" : " (" + writeReason + ")";
      if (e.targetExisted)
        return hr ? "Radnu knjigu nije moguće spremiti u " + path + why +
                        ". Postojeća datoteka ostala je nepromijenjena."
                  : "The workbook could not be saved to " + path + why + ". The existing file was left as it was.";
      return hr ? "Radnu knjigu nije moguće spremiti u " + path + why + ". Ništa nije zapisano."
                : "The workbook could not be saved to " + path + why + ". Nothing was written.";
    }
  }
  return "";
}

}  // namespace morvadel
