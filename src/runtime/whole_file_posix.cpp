// POSIX side of WriteWholeFile; the Windows side is whole_file_windows.cpp.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>
#include <system_error>

#include "runtime/whole_file.h"

namespace glavo {

namespace fs = std::filesystem;

namespace {

// A link chain longer than this is treated as a loop.
constexpr int kMaxLinks = 40;

bool ResolveLinks(fs::path& path) {
  for (int i = 0; i < kMaxLinks; ++i) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return true;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) return false;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return false;
}

bool WriteAll(int fd, std::string_view bytes, off_t at) {
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), at);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
    at += n;
  }
  return true;
}

bool ReadAll(int fd, std::string& out) {
  char buffer[65536];
  off_t at = 0;
  while (true) {
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
    if (n < 0) return false;
    if (n == 0) return true;
    out.append(buffer, static_cast<std::size_t>(n));
    at += n;
  }
}

bool Replace(int fd, std::string_view bytes) {
  return WriteAll(fd, bytes, 0) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// The new content in a fresh sibling, renamed over the target. Returns
// false with `noSibling` set when the folder takes no new file.
bool ReplaceViaSibling(const fs::path& target, const struct stat* old, std::string_view bytes, bool& noSibling) {
  fs::path temp = target;
  temp += ".tmp" + std::to_string(std::random_device{}());
  // 0666 lets the umask decide for a new file, as a plain create would.
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    noSibling = true;
    return false;
  }
  bool ok = WriteAll(fd, bytes, 0) && ::fsync(fd) == 0;
  if (ok && old) {
    ok = ::fchmod(fd, old->st_mode & 07777) == 0;
    [[maybe_unused]] const int owner = ::fchown(fd, old->st_uid, old->st_gid);  // only a privileged writer can
  }
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace

bool RewriteInPlace(const fs::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  std::string old;
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ReadAll(fd, old);
  if (ok && !Replace(fd, bytes)) {
    Replace(fd, old);
    ok = false;
  }
  return ::close(fd) == 0 && ok;
}

bool WriteWholeFile(const fs::path& path, std::string_view bytes) {
  fs::path target = path;
  if (!ResolveLinks(target)) return false;
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists) {
    if (!S_ISREG(st.st_mode)) return false;
    // The mode bits and not access(): a privileged writer must respect them too.
    if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return false;
  }
  bool noSibling = false;
  if (ReplaceViaSibling(target, exists ? &st : nullptr, bytes, noSibling)) return true;
  return noSibling && exists && RewriteInPlace(target, bytes);
}

}  // namespace glavo

#endif  // !_WIN32
