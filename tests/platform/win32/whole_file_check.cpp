#include "whole_file_check.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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
  report("whole-file-refuses-missing-folder", !glavo::WriteWholeFile(dir / "no" / "such.gst", "x"), "");

  Put(file, std::string(1000, 'o'));
  const bool inPlace = glavo::RewriteInPlace(file, "short") && Get(file) == "short";
  report("whole-file-rewrites-in-place", inPlace, "content '" + Get(file).substr(0, 20) + "'");

  // A file another program holds open without sharing: the write fails and
  // the content stays.
  HANDLE lock = ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  const bool lockedWritten = glavo::WriteWholeFile(file, "lost");
  ::CloseHandle(lock);
  report("whole-file-locked-keeps-content",
         lock != INVALID_HANDLE_VALUE && !lockedWritten && Get(file) == "short" && Entries(dir) == 3,
         "written " + std::to_string(lockedWritten) + ", content '" + Get(file) + "', entries " + Names(dir));

  std::error_code ignored;
  fs::remove_all(dir, ignored);
}

}  // namespace win32_check
