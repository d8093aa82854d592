#include "bitness.h"

#include <cstdlib>
#include <fstream>

#include "wine_runner.h"

namespace glavo::wine {
namespace {

std::string EnvOr(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value && *value ? value : fallback;
}

// Debian's /usr/bin/wine is a script that falls back to wine64 when wine32
// is missing, and wine64 cannot start 32-bit programs then: only a 32-bit
// ELF executable is the real 32-bit loader.
bool IsElf32Executable(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char header[5] = {};
  if (!in.read(header, sizeof header)) return false;
  return header[0] == 0x7F && header[1] == 'E' && header[2] == 'L' && header[3] == 'F' &&
         header[4] == 1;  // ELFCLASS32
}

}  // namespace

std::string Bitness::bin(const std::string& file) const { return buildDir + "/bin/" + file; }
std::string Bitness::regsvr32() const { return systemDir + "\\regsvr32.exe"; }
std::string Bitness::cscript() const { return systemDir + "\\cscript.exe"; }
std::string Bitness::Prefix(const std::string& base) const { return base + "-" + name; }

std::string Bitness::LoaderProblem() const {
  if (arch == Arch::kX86_64) {
    if (FileExists(loader)) return {};
    return "wine64 was not found (looked for '" + loader + "'); install Wine: bash scripts/setup.sh";
  }
  if (IsElf32Executable(loader)) return {};
  return "Wine's 32-bit loader was not found (looked for '" + loader +
         "', a 32-bit ELF program), so the i686 build cannot run; install wine32:i386 with "
         "bash scripts/setup.sh, then reconfigure: cmake --preset native";
}

std::string Bitness::MissingOutput(const std::string& path) const {
  if (FileExists(path)) return {};
  return path + " is missing; build it first: cmake --preset " + preset +
         " && cmake --build --preset " + preset;
}

std::string Bitness::Missing(const std::string& path) const {
  std::string missing = MissingOutput(path);
  return missing.empty() ? LoaderProblem() : missing;
}

Bitness X86_64() {
  return Bitness{Arch::kX86_64,
                 "x86_64",
                 "mingw64",
                 EnvOr("GLAVO_WIN64_DIR", GLAVO_WIN64_DIR),
                 GLAVO_WINE64,
                 "C:\\windows\\system32",
                 "win64",
                 GLAVO_OBJDUMP64};
}

Bitness I686() {
  return Bitness{Arch::kI686,
                 "i686",
                 "mingw32",
                 EnvOr("GLAVO_WIN32_DIR", GLAVO_WIN32_DIR),
                 GLAVO_WINE32,
                 "C:\\windows\\syswow64",
                 "win32",
                 GLAVO_OBJDUMP32};
}

std::vector<Bitness> BothBitnesses() { return {X86_64(), I686()}; }

}  // namespace glavo::wine
