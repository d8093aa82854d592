// The two Windows builds that the Wine suites run, and how Wine runs each.
//
// Every suite that runs a Windows program parameterises over both builds, so
// that ctest lists and runs each case twice, named ".../x86_64" and
// ".../i686":
//
//   class MyTest : public ::testing::TestWithParam<glavo::wine::Bitness> {};
//
//   TEST_P(MyTest, Works) {
//     const Bitness& b = GetParam();
//     const std::string exe = b.bin("glavo-activex-host.exe");
//     const std::string missing = b.Missing(exe);
//     ASSERT_TRUE(missing.empty()) << missing;  // fails, never skips
//     WineResult run = RunUnderWine(b, exe, {WindowsPath(b.bin("glavowrap.ocx"))},
//                                   b.Prefix(GLAVO_TEST_OUTPUT_DIR "/wineprefix-mine"), 300);
//   }
//
//   INSTANTIATE_TEST_SUITE_P(BothBitnesses, MyTest, ::testing::ValuesIn(BothBitnesses()),
//                            BitnessName());
//
// Both builds run in 64-bit prefixes, as on 64-bit Windows: the i686 build
// with Wine's 32-bit loader (package wine32:i386), its system programs in
// C:\windows\syswow64. A prefix holds one registry, so suites that register
// the server keep one prefix per bitness (Prefix()), and CMake gives each
// bitness its own RESOURCE_LOCK (see tests/wine/CMakeLists.txt).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace glavo::wine {

enum class Arch { kX86_64, kI686 };

struct Bitness {
  Arch arch;
  std::string name;             // "x86_64" or "i686": the test-name suffix
  std::string preset;           // the CMake preset that builds it: "mingw64" or "mingw32"
  std::string buildDir;         // that preset's build folder (env GLAVO_WIN64_DIR / GLAVO_WIN32_DIR)
  std::string loader;           // Wine's loader for this bitness: wine64, or the 32-bit wine
  std::string systemDir;        // Windows path of this bitness' system programs
  std::string typelibPlatform;  // registry key of the type library: "win64" or "win32"
  std::string objdump;          // the mingw objdump of this bitness

  std::string bin(const std::string& file) const;   // <buildDir>/bin/<file>
  std::string regsvr32() const;                     // this bitness' regsvr32.exe (Windows path)
  std::string cscript() const;                      // this bitness' cscript.exe (Windows path)
  // `base` with the bitness appended: one prefix per bitness.
  std::string Prefix(const std::string& base) const;
  // Empty when Wine can run this bitness' programs; otherwise what to do.
  std::string LoaderProblem() const;
  // Empty when `path` (an output of this build) exists; otherwise a message
  // naming the preset that builds it.
  std::string MissingOutput(const std::string& path) const;
  // MissingOutput(path), then LoaderProblem(): what keeps Wine from running
  // `path`, with the command that fixes it, or empty.
  std::string Missing(const std::string& path) const;
};

Bitness X86_64();
Bitness I686();
std::vector<Bitness> BothBitnesses();

// Names parameterised cases after the bitness.
struct BitnessName {
  template <class ParamInfo>
  std::string operator()(const ParamInfo& info) const {
    return info.param.name;
  }
};

// How GoogleTest prints the parameter in messages.
inline void PrintTo(const Bitness& b, std::ostream* os) { *os << b.name; }

}  // namespace glavo::wine
