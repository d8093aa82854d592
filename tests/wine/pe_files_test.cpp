// The Windows builds as files: valid PE images of the right machine that
// import nothing but Windows system DLLs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "pe_header.h"
#include "wine_runner.h"

namespace glavo::wine {
namespace {

struct Build {
  const char* preset;
  std::string dir;
  std::uint16_t machine;
  std::uint16_t optionalMagic;
};

const Build kWin64{"mingw64", X86_64().buildDir, kMachineAmd64, 0x20B};
const Build kWin32{"mingw32", I686().buildDir, kMachineI386, 0x10B};

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// Lines of `objdump -p` that follow `marker`, with the marker cut off.
std::vector<std::string> ObjdumpValues(const std::string& dump, const std::string& marker) {
  std::vector<std::string> values;
  std::istringstream lines(dump);
  for (std::string line; std::getline(lines, line);) {
    const auto at = line.find(marker);
    if (at == std::string::npos) continue;
    std::string value = line.substr(at + marker.size());
    value.erase(0, value.find_first_not_of(" \t"));
    value.erase(value.find_last_not_of(" \t\r") + 1);
    values.push_back(value);
  }
  return values;
}

std::vector<std::string> ImportedDlls(const std::string& path) {
  const std::string objdump = X86_64().objdump;  // reads both machines' files
  EXPECT_TRUE(FileExists(objdump))
      << "x86_64-w64-mingw32-objdump was not found; install mingw-w64 (scripts/setup.sh)";
  const WineResult dump = RunCommand(ShellQuote(objdump) + " -p " + ShellQuote(path));
  EXPECT_EQ(dump.exitCode, 0) << "objdump -p " << path;
  std::vector<std::string> dlls;
  for (const std::string& name : ObjdumpValues(dump.output, "DLL Name:")) dlls.push_back(Lower(name));
  return dlls;
}

bool IsSystemDll(const std::string& dll) {
  static const std::set<std::string> kSystem = {
      "kernel32.dll", "user32.dll",   "gdi32.dll",  "msimg32.dll",  "msvcrt.dll",
      "ole32.dll",    "oleaut32.dll", "advapi32.dll", "shell32.dll", "shlwapi.dll",
      "comctl32.dll", "comdlg32.dll", "uxtheme.dll", "version.dll"};
  return kSystem.count(dll) != 0 || dll.rfind("api-ms-win-", 0) == 0;
}

// The image at `path` of `build`, checked as a PE file of its machine.
void CheckImage(const Build& build, const std::string& path, const std::string& target) {
  ASSERT_TRUE(FileExists(path)) << path << " is missing; build it with: cmake --preset "
                                << build.preset << " && cmake --build --preset " << build.preset
                                << " --target " << target;
  PeHeader header;
  std::string error;
  ASSERT_TRUE(ReadPeHeader(path, header, error)) << error;
  EXPECT_EQ(header.machine, build.machine) << path;
  EXPECT_EQ(header.optionalMagic, build.optionalMagic) << path;
  const std::vector<std::string> dlls = ImportedDlls(path);
  EXPECT_FALSE(dlls.empty()) << path << " imports nothing: objdump found no import table";
  for (const std::string& dll : dlls) {
    EXPECT_TRUE(IsSystemDll(dll)) << path << " imports " << dll << ", not a Windows system DLL";
  }
}

void CheckScene(const Build& build) {
  const std::string exe = build.dir + "/bin/glavo-scene.exe";
  CheckImage(build, exe, "glavo-scene");
  if (::testing::Test::HasFatalFailure()) return;
  PeHeader header;
  std::string error;
  ASSERT_TRUE(ReadPeHeader(exe, header, error));
  EXPECT_EQ(header.characteristics & kFileDll, 0) << "glavo-scene.exe is marked as a DLL";
  EXPECT_EQ(header.subsystem, 3) << "glavo-scene.exe should be a console program";
  const std::vector<std::string> dlls = ImportedDlls(exe);
  for (const char* needed : {"gdi32.dll", "msimg32.dll"}) {
    EXPECT_NE(std::find(dlls.begin(), dlls.end(), needed), dlls.end())
        << "glavo-scene.exe draws through " << needed << " but does not import it";
  }
}

void CheckServer(const Build& build) {
  const std::string ocx = build.dir + "/bin/glavowrap.ocx";
  CheckImage(build, ocx, "glavowrap");
  if (::testing::Test::HasFatalFailure()) return;
  PeHeader header;
  std::string error;
  ASSERT_TRUE(ReadPeHeader(ocx, header, error));
  EXPECT_NE(header.characteristics & kFileDll, 0) << "glavowrap.ocx is not marked as a DLL";
  const WineResult dump = RunCommand(ShellQuote(X86_64().objdump) + " -p " + ShellQuote(ocx));
  for (const char* entry :
       {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject", "DllCanUnloadNow"}) {
    // Export table rows end with the plain (undecorated) name.
    EXPECT_NE(dump.output.find(std::string(" ") + entry + "\n"), std::string::npos)
        << "glavowrap.ocx does not export " << entry << " by its plain name";
  }
}

TEST(PeFiles, SceneProgramIsA64BitImageOfSystemImportsOnly) { CheckScene(kWin64); }
TEST(PeFiles, SceneProgramIsA32BitImageOfSystemImportsOnly) { CheckScene(kWin32); }
TEST(PeFiles, ServerIsA64BitDllWithTheFourEntryPoints) { CheckServer(kWin64); }
TEST(PeFiles, ServerIsA32BitDllWithTheFourEntryPoints) { CheckServer(kWin32); }

}  // namespace
}  // namespace glavo::wine
