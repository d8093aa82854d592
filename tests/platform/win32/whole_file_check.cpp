#include "win32_checks.h"

#include <windows.h>
#include <sddl.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "cell/cell_theme_record.h"
#include "runtime/whole_file.h"

namespace win32_check {

namespace {

namespace fs = std::filesystem;

std::string Get(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void Put(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

std::size_t Entries(const fs::path& dir) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

std::string Names(const fs::path& dir) {
  std::string names;
  for (const auto& e : fs::directory_iterator(dir)) names += e.path().filename().string() + " ";
  return names;
}

// A fresh folder under the temporary folder, removed again by the caller.
fs::path MakeFolder() {
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  const fs::path dir = fs::path(temp) / ("glavo-whole-" + std::to_string(::GetCurrentProcessId()));
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  fs::create_directories(dir);
  return dir;
}

// The file's access list in SDDL, or "" when it cannot be read.
std::wstring AccessList(const fs::path& path) {
  DWORD needed = 0;
  ::GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  std::vector<BYTE> descriptor(needed ? needed : 1);
  LPWSTR text = nullptr;
  if (!needed || !::GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed) ||
      !::ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.data(), SDDL_REVISION_1,
                                                              DACL_SECURITY_INFORMATION, &text, nullptr)) {
    return L"";
  }
  std::wstring out = text;
  ::LocalFree(text);
  return out;
}

// A replaced file keeps its access list: one set here (protected, full
// control for the system and the administrators, reading for users) is
// read back and compared after the write. Wine keeps no list of its own: it
// maps the one set onto the file's mode and reads back what that mode
// allows, which is still narrower than a new file's (no one else may read
// it), so a write that made a new file would show.
void CheckAccessListKept(Report report, const fs::path& file) {
  PSECURITY_DESCRIPTOR wanted = nullptr;
  bool set = ::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;FA;;;SY)(A;;FA;;;BA)(A;;FR;;;BU)",
                                                                     SDDL_REVISION_1, &wanted, nullptr);
  set = set && ::SetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, wanted);
  ::LocalFree(wanted);
  const std::wstring before = AccessList(file);
  const bool narrow = before.rfind(L"D:", 0) == 0 && before.find(L";;;WD)") == std::wstring::npos;
  report("whole-file-access-list-set", set && narrow, std::string(before.begin(), before.end()));
  const bool written = glavo::WriteWholeFile(file, "acl");
  const std::wstring after = AccessList(file);
  report("whole-file-keeps-access-list", written && Get(file) == "acl" && after == before,
         std::string(after.begin(), after.end()));
}

// A file another program holds open, sharing nothing or only reading: the
// write fails and the content stays; reading works only where it is shared.
void CheckLocked(Report report, const fs::path& dir, const fs::path& file) {
  const std::pair<const char*, DWORD> sharings[] = {{"none", 0}, {"read", FILE_SHARE_READ}};
  for (const auto& [name, sharing] : sharings) {
    HANDLE lock = ::CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, sharing, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool written = glavo::WriteWholeFile(file, "lost");
    const auto line = glavo::ReadFirstLine(file.u16string());
    ::CloseHandle(lock);
    report((std::string("whole-file-locked-keeps-content-") + name).c_str(),
           lock != INVALID_HANDLE_VALUE && !written && Get(file) == "short" && Entries(dir) == 3,
           "written " + std::to_string(written) + ", content '" + Get(file) + "', entries " + Names(dir));
    report((std::string("locked-file-read-where-shared-") + name).c_str(),
           sharing ? line == u"short" : !line, line ? "read" : "not read");
  }
}

}  // namespace

void CheckWholeFile(Report report) {
  const fs::path dir = MakeFolder();
  const fs::path file = dir / "theme.gst";

  Put(file, std::string(500, 'o'));
  const bool replaced = glavo::WriteWholeFile(file, "new\r\n");
  report("whole-file-replaces", replaced && Get(file) == "new\r\n" && Entries(dir) == 1,
         "content '" + Get(file).substr(0, 20) + "', entries " + std::to_string(Entries(dir)));

  ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  const bool hiddenWritten = glavo::WriteWholeFile(file, "hidden");
  const DWORD after = ::GetFileAttributesW(file.c_str());
  report("whole-file-keeps-attributes",
         hiddenWritten && Get(file) == "hidden" && after != INVALID_FILE_ATTRIBUTES && (after & FILE_ATTRIBUTE_HIDDEN),
         "written " + std::to_string(hiddenWritten) + ", attributes " + std::to_string(after));
  ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);

  ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  const bool readOnlyWritten = glavo::WriteWholeFile(file, "lost");
  const DWORD kept = ::GetFileAttributesW(file.c_str());
  report("whole-file-refuses-read-only",
         !readOnlyWritten && Get(file) == "hidden" && (kept & FILE_ATTRIBUTE_READONLY) && Entries(dir) == 1,
         "written " + std::to_string(readOnlyWritten) + ", content '" + Get(file) + "'");
  ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);

  const fs::path fresh = dir / "fresh.gst";
  report("whole-file-creates", glavo::WriteWholeFile(fresh, "x") && Get(fresh) == "x", "");

  const fs::path folder = dir / "folder.gst";
  fs::create_directory(folder);
  report("whole-file-refuses-folder", !glavo::WriteWholeFile(folder, "x") && fs::is_directory(folder), "");
  report("folder-read-as-no-file", !glavo::ReadFirstLine(folder.u16string()), "");
  report("whole-file-refuses-missing-folder", !glavo::WriteWholeFile(dir / "no" / "such.gst", "x"), "");

  Put(file, std::string(1000, 'o'));
  const bool inPlace = glavo::RewriteInPlace(file, "short") && Get(file) == "short";
  report("whole-file-rewrites-in-place", inPlace, "content '" + Get(file).substr(0, 20) + "'");

  CheckLocked(report, dir, file);
  CheckAccessListKept(report, file);

  std::error_code ignored;
  fs::remove_all(dir, ignored);
}

}  // namespace win32_check
