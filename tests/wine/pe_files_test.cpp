// The OCX as a file, as objdump reads it: a PE image of its build's machine,
// a DLL that imports nothing but Windows system DLLs (the runtime is linked
// in statically), with the exports regsvr32 and COM look up. Its type
// library's target system is the typelib suite's; that the test programs
// run under Wine, the suites that run them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "wine_runner.h"

namespace glavo::wine {
namespace {

class PeFiles : public ::testing::TestWithParam<Bitness> {
 protected:
  // `objdump -p` of `path` of this build, which must be a PE image of its machine.
  void Read(const std::string& path) {
    const Bitness& b = GetParam();
    const std::string missing = b.MissingOutput(path);
    ASSERT_TRUE(missing.empty()) << missing;
    const WineResult dump = RunCommand(ShellQuote(b.objdump) + " -p " + ShellQuote(path));
    ASSERT_EQ(dump.exitCode, 0) << dump.output;
    objdump_ = dump.lines();
    const bool x64 = b.arch == Arch::kX86_64;
    EXPECT_TRUE(Has(x64 ? "file format pei-x86-64" : "file format pei-i386")) << path;
    EXPECT_TRUE(Has(x64 ? "(PE32+)" : "(PE32)")) << path << ": PE32+ or PE32";
  }

  // Whether a line of the dump holds `text`.
  bool Has(const std::string& text) const {
    return std::any_of(objdump_.begin(), objdump_.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
  }
  // The characteristics' DLL flag: a line of its own below "Characteristics".
  bool IsDll() const {
    return std::find(objdump_.begin(), objdump_.end(), "\tDLL") != objdump_.end();
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
  EXPECT_TRUE(IsDll()) << "glavowrap.ocx is not marked as a DLL";
  Imports();
  EXPECT_EQ(Exports(), (std::set<std::string>{"DllCanUnloadNow", "DllGetClassObject", "DllInstall",
                                              "DllRegisterServer", "DllUnregisterServer"}));
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, PeFiles, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace glavo::wine
