// The Windows builds as files: PE images of their build's machine that
// import nothing but Windows system DLLs (the runtime is linked in
// statically); the OCX with the exports regsvr32 and COM look up and a type
// library of its bitness as resource TYPELIB 1.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "pe_file.h"
#include "wine_runner.h"

namespace glavo::wine {
namespace {

class PeFiles : public ::testing::TestWithParam<Bitness> {
 protected:
  // `path` of this build, read as a PE file of its machine.
  void Read(const std::string& path, PeFile& out) {
    const Bitness& b = GetParam();
    const std::string missing = b.MissingOutput(path);
    ASSERT_TRUE(missing.empty()) << missing;
    out = PeFile(path);
    ASSERT_TRUE(out.valid()) << path;
    EXPECT_EQ(out.machine(), b.machine) << path;
    EXPECT_EQ(out.optionalMagic(), b.arch == Arch::kX86_64 ? 0x20B : 0x10B) << path << ": PE32+ or PE32";
    const WineResult dump = RunCommand(ShellQuote(b.objdump) + " -p " + ShellQuote(path));
    ASSERT_EQ(dump.exitCode, 0) << dump.output;
    objdump_ = dump.lines();
  }

  // The DLLs the last file read imports, each checked as a Windows system DLL.
  std::set<std::string> Imports() const {
    static const std::set<std::string> kSystem = {
        "kernel32.dll", "user32.dll",  "gdi32.dll",  "advapi32.dll", "ole32.dll",    "oleaut32.dll",
        "msimg32.dll",  "msvcrt.dll",  "shell32.dll", "comdlg32.dll", "comctl32.dll", "uxtheme.dll"};
    std::set<std::string> dlls;
    for (const std::string& line : objdump_) {
      const auto at = line.find("DLL Name: ");
      if (at == std::string::npos) continue;
      std::string dll = line.substr(at + 10);
      for (char& c : dll) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_TRUE(kSystem.count(dll)) << GetParam().name << " imports " << dll << ", not a Windows system DLL";
      dlls.insert(dll);
    }
    EXPECT_FALSE(dlls.empty()) << "objdump found no import table";
    return dlls;
  }

  // The names of the export table (undecorated names end the rows).
  std::set<std::string> Exports() const {
    std::set<std::string> exports;
    bool inExports = false;
    for (const std::string& line : objdump_) {
      if (line.find("[Ordinal/Name Pointer] Table") != std::string::npos) {
        inExports = true;
      } else if (inExports && line.find('[') != std::string::npos) {
        exports.insert(line.substr(line.rfind(' ') + 1));
      } else if (inExports && line.empty()) {
        inExports = false;
      }
    }
    return exports;
  }

  std::vector<std::string> objdump_;
};

TEST_P(PeFiles, ServerIsADllWithTheEntryPointsAndTheTypeLibraryOfItsBitness) {
  PeFile ocx("");
  ASSERT_NO_FATAL_FAILURE(Read(GetParam().bin("glavowrap.ocx"), ocx));
  EXPECT_NE(ocx.characteristics() & kFileDll, 0) << "glavowrap.ocx is not marked as a DLL";
  Imports();
  EXPECT_EQ(Exports(), (std::set<std::string>{"DllCanUnloadNow", "DllGetClassObject", "DllInstall",
                                              "DllRegisterServer", "DllUnregisterServer"}));
  const auto typelib = ocx.resource(u"TYPELIB", 1);
  ASSERT_TRUE(typelib.has_value()) << "no TYPELIB 1 resource";
  ASSERT_GE(typelib->size(), 24u);
  EXPECT_EQ(std::string(typelib->begin(), typelib->begin() + 4), "MSFT");
  // The low nibble of the header's flags word is the target system: SYS_WIN64 = 3, SYS_WIN32 = 1.
  const std::uint32_t flags = (*typelib)[20] | ((*typelib)[21] << 8);
  EXPECT_EQ(flags & 0xF, GetParam().arch == Arch::kX86_64 ? 3u : 1u) << "each build needs its own type library";
}

TEST_P(PeFiles, SceneProgramIsAConsoleProgramDrawingThroughGdi) {
  PeFile exe("");
  ASSERT_NO_FATAL_FAILURE(Read(GetParam().bin("glavo-scene.exe"), exe));
  EXPECT_EQ(exe.characteristics() & kFileDll, 0) << "glavo-scene.exe is marked as a DLL";
  EXPECT_EQ(exe.subsystem(), 3) << "glavo-scene.exe should be a console program";
  const std::set<std::string> dlls = Imports();
  for (const char* needed : {"gdi32.dll", "msimg32.dll"}) {
    EXPECT_TRUE(dlls.count(needed)) << "glavo-scene.exe draws through " << needed << " but does not import it";
  }
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, PeFiles, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine
