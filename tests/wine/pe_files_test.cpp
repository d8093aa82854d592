// The OCX as a file, as objdump reads it: a DLL that imports nothing but
// Windows system DLLs (the runtime is linked in statically), with the
// exports regsvr32 and COM look up. That it is a DLL of its build's machine
// every suite that loads it with that build's loader shows; its type
// library's target system is the typelib suite's.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "wine_runner.h"

namespace glavo::wine {
namespace {

class PeFiles : public ::testing::TestWithParam<Bitness> {
 protected:
  // `objdump -p` of `path` of this build.
  void Read(const std::string& path) {
    const Bitness& b = GetParam();
    const std::string missing = b.MissingOutput(path);
    ASSERT_TRUE(missing.empty()) << missing;
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

TEST_P(PeFiles, ServerIsADllWithTheEntryPointsComLooksUp) {
  ASSERT_NO_FATAL_FAILURE(Read(GetParam().bin("glavowrap.ocx")));
  Imports();
  EXPECT_EQ(Exports(), (std::set<std::string>{"DllCanUnloadNow", "DllGetClassObject", "DllInstall",
                                              "DllRegisterServer", "DllUnregisterServer"}));
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, PeFiles, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine
