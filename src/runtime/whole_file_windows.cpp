// Windows side of WriteWholeFile; the POSIX side is whole_file_posix.cpp.
#ifdef _WIN32

#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "draw/noncopyable.h"
#include "runtime/whole_file.h"

namespace glavo {

namespace fs = std::filesystem;

namespace {

class Handle : Noncopyable {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (valid()) ::CloseHandle(h_);
  }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }
  bool close() {
    const bool ok = ::CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE h_;
};

// The file a name finally points to, links followed; the name itself when
// nothing exists there yet.
std::wstring FinalPath(const std::wstring& name) {
  Handle h(::CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!h.valid()) return name;
  wchar_t buffer[32768];
  const DWORD n = ::GetFinalPathNameByHandleW(h.get(), buffer, 32768, FILE_NAME_NORMALIZED);
  return n > 0 && n < 32768 ? std::wstring(buffer, n) : name;
}

bool WriteAll(HANDLE h, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(h, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool ReadAll(HANDLE h, std::string& out) {
  char buffer[65536];
  while (true) {
    DWORD got = 0;
    if (!::ReadFile(h, buffer, sizeof buffer, &got, nullptr)) return false;
    if (got == 0) return true;
    out.append(buffer, got);
  }
}

bool Replace(HANDLE h, std::string_view bytes) {
  return ::SetFilePointer(h, 0, nullptr, FILE_BEGIN) == 0 && WriteAll(h, bytes) && ::SetEndOfFile(h) &&
         ::FlushFileBuffers(h);
}

// The access list of a file as a self-relative descriptor; empty when it
// cannot be read.
std::vector<unsigned char> AccessList(const std::wstring& path) {
  DWORD needed = 0;
  ::GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  std::vector<unsigned char> descriptor(needed);
  if (!needed || !::GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed)) {
    return {};
  }
  return descriptor;
}

// Not every implementation of ReplaceFileW carries the access list over
// (Wine's keeps the new file's own permissions): the old one is set again
// where it differs.
void RestoreAccessList(const std::wstring& path, std::vector<unsigned char>& before) {
  if (before.empty() || AccessList(path) == before) return;
  ::SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, before.data());
}

// The new content in a fresh sibling that then takes the target's place:
// ReplaceFileW carries the target's ACLs and attributes over to it.
bool ReplaceViaSibling(const std::wstring& target, DWORD attributes, std::string_view bytes, bool& noSibling) {
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  const std::wstring temp = target + L".tmp" + std::to_wstring(std::random_device{}());
  Handle h(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.valid()) {
    noSibling = true;
    return false;
  }
  std::vector<unsigned char> accessList = exists ? AccessList(target) : std::vector<unsigned char>{};
  bool ok = WriteAll(h.get(), bytes) && ::FlushFileBuffers(h.get());
  ok = h.close() && ok;
  if (ok) {
    ok = exists ? ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                                 nullptr) != 0
                : ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
  }
  if (!ok) {
    ::DeleteFileW(temp.c_str());
    return false;
  }
  // Nor the attributes.
  if (exists) ::SetFileAttributesW(target.c_str(), attributes);
  RestoreAccessList(target, accessList);
  return true;
}

}  // namespace

bool RewriteInPlace(const fs::path& path, std::string_view bytes) {
  Handle h(::CreateFileW(path.wstring().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.valid()) return false;
  std::string old;
  if (!ReadAll(h.get(), old)) return false;
  if (Replace(h.get(), bytes)) return true;
  Replace(h.get(), old);
  return false;
}

bool WriteWholeFile(const fs::path& path, std::string_view bytes) {
  const std::wstring target = FinalPath(path.wstring());
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DEVICE))) {
    return false;
  }
  // A file another program holds open without sharing is refused before
  // anything is created: a failing ReplaceFileW may leave files of its own.
  if (exists && !Handle(::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
                    .valid()) {
    return false;
  }
  bool noSibling = false;
  if (ReplaceViaSibling(target, attributes, bytes, noSibling)) return true;
  return noSibling && exists && RewriteInPlace(target, bytes);
}

}  // namespace glavo

#endif  // _WIN32
