// Static checks of both OCX builds: the exports regsvr32 and COM look up,
// a type library for the right bitness as resource TYPELIB 1, and imports
// of Windows system DLLs only (the runtime is linked in statically).
#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "pe_file.h"
#include "wine_session.h"

namespace server_test {
namespace {

class BinaryTest : public ::testing::TestWithParam<Bitness> {};

// The type library's target system: SYS_WIN32 = 1, SYS_WIN64 = 3.
std::uint32_t Syskind(const Bitness& b) { return b.arch == glavo::wine::Arch::kX86_64 ? 3 : 1; }

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST_P(BinaryTest, ExportsTheServerEntryPointsUndecorated) {
  const Bitness& b = GetParam();
  const std::string ocx = OcxPath(b);
  std::string missing = b.MissingOutput(ocx);
  ASSERT_TRUE(missing.empty()) << missing;
  WineResult dump = RunCommand(ShellQuote(b.objdump) + " -p " + ShellQuote(ocx));
  ASSERT_EQ(dump.exitCode, 0) << dump.output;
  std::set<std::string> exports;
  bool inExports = false;
  for (const auto& line : dump.lines()) {
    if (line.find("[Ordinal/Name Pointer] Table") != std::string::npos) inExports = true;
    else if (inExports && line.find('[') != std::string::npos) {
      exports.insert(line.substr(line.rfind(' ') + 1));
    } else if (inExports && line.empty()) {
      inExports = false;
    }
  }
  const std::set<std::string> expected = {"DllCanUnloadNow", "DllGetClassObject", "DllInstall",
                                          "DllRegisterServer", "DllUnregisterServer"};
  EXPECT_EQ(exports, expected) << dump.output;
}

TEST_P(BinaryTest, ImportsOnlyWindowsSystemLibraries) {
  const Bitness& b = GetParam();
  const std::string ocx = OcxPath(b);
  std::string missing = b.MissingOutput(ocx);
  ASSERT_TRUE(missing.empty()) << missing;
  WineResult dump = RunCommand(ShellQuote(b.objdump) + " -p " + ShellQuote(ocx));
  ASSERT_EQ(dump.exitCode, 0) << dump.output;
  const std::set<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll",
                                        "ole32.dll",    "oleaut32.dll", "msimg32.dll", "msvcrt.dll",
                                        "shell32.dll",  "comdlg32.dll", "comctl32.dll", "uxtheme.dll"};
  int count = 0;
  for (const auto& line : dump.lines()) {
    auto at = line.find("DLL Name: ");
    if (at == std::string::npos) continue;
    std::string dll = Lower(line.substr(at + 10));
    EXPECT_TRUE(system.count(dll)) << b.name << " imports " << dll;
    ++count;
  }
  EXPECT_GT(count, 0);
}

TEST_P(BinaryTest, EmbedsTheTypeLibraryOfItsBitnessAsTypelibOne) {
  const Bitness& b = GetParam();
  const std::string ocx = OcxPath(b);
  std::string missing = b.MissingOutput(ocx);
  ASSERT_TRUE(missing.empty()) << missing;
  PeFile pe(ocx);
  ASSERT_TRUE(pe.valid());
  EXPECT_EQ(pe.machine(), b.machine);
  auto typelib = pe.resource(u"TYPELIB", 1);
  ASSERT_TRUE(typelib.has_value()) << "no TYPELIB 1 resource in " << ocx;
  ASSERT_GE(typelib->size(), 24u);
  EXPECT_EQ(std::string(typelib->begin(), typelib->begin() + 4), "MSFT");
  // The low nibble of the header's flags word is the target system.
  std::uint32_t flags = (*typelib)[20] | ((*typelib)[21] << 8);
  EXPECT_EQ(flags & 0xF, Syskind(b)) << "the " << b.name << " build needs its own type library";
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, BinaryTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
