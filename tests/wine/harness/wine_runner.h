// Running the Windows builds' programs under Wine from native tests, in
// private prefixes under the build folder. See bitness.h for running one
// case per Windows build.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "bitness.h"

namespace glavo::wine {

struct WineResult {
  int exitCode = -1;
  std::string output;  // stdout and stderr of the program and of Wine
  std::vector<std::string> lines() const;  // `output` split, without '\r'
};

// A shell command's stdout and stderr together, and its exit status. The
// output goes through a file, not a pipe: Wine leaves helper processes
// running that would hold a pipe open until their wineserver ends.
WineResult RunCommand(const std::string& command);
std::string ShellQuote(const std::string& s);
bool FileExists(const std::string& path);
std::string ReadTextFile(const std::string& path);
// The Windows path of a host path (Wine's Z: drive).
std::string WindowsPath(const std::string& hostPath);

// "WINEPREFIX=... WINEDEBUG=-all WINEDLLOVERRIDES=..." and a space: no Mono
// or Gecko installer in a fresh prefix.
std::string WineEnvironment(const std::string& prefix);
// Makes `prefix` a 64-bit prefix that runs `bitness`' programs, creating it
// with wineboot when it is missing, or when it was made before wine32 was
// installed and so lacks the 32-bit side. `extraEnv` ("NAME=value ...")
// goes to wineboot. Empty, or why the prefix cannot be used.
std::string PreparePrefix(const Bitness& bitness, const std::string& prefix,
                          const std::string& extraEnv = "");
// The wineserver program, for its -k, -w and -p options.
std::string WineServer();
// Stops the prefix's wineserver and everything running in it.
void StopWineServer(const std::string& prefix);

// Whether `bitness` is the i686 build on a machine that runs 32-bit
// programs only under qemu's i386 emulator (run_i686_suite.sh says so).
bool EmulatedI686(const Bitness& bitness);

// Runs `exe` with `args` (passed as they are; host paths work through Z:)
// with `bitness`' loader in `prefix` (prepared first), under a time limit,
// and stops the prefix's wineserver afterwards. Under the emulator a run
// that ran out of time is tried again, up to three times in all.
WineResult RunUnderWine(const Bitness& bitness, const std::string& exe,
                        const std::vector<std::string>& args, const std::string& prefix,
                        int timeoutSeconds);

// What a program run on the desktop wrote to its results file, line by line
// (without '\r'); `ran` once it wrote "DONE", its last line.
struct DesktopRun {
  bool ran = false;
  std::string why;  // why it did not run or finish
  std::string outDir;
  std::vector<std::string> lines;
};

// Runs `bitness`' `program` (a file of its build folder) with the Windows
// paths of its OCX and of `outDir` (emptied first) and then `args`, in a
// Wine virtual desktop on a private X display, in a fresh prefix `prefix`
// whose wineserver starts on that display (one left from a display-less run
// would make window creation fail silently); the prefix is removed after.
// `env` ("NAME=value ...") goes to the program. Then reads outDir/`results`.
// Under the emulator a run that did not finish is tried again, up to three
// times in all, and a run whose results stay silent for two minutes ends.
DesktopRun RunOnDesktop(const Bitness& bitness, const std::string& program, const std::string& outDir,
                        const std::string& results, const std::string& args, const std::string& prefix,
                        int timeoutSeconds, const std::string& env = "");

// `make(b)` once per build (and `key`, for a suite with several runs) and
// process: ctest runs a suite's cases in one process, and they share its run.
template <class Run, class Make>
const Run& OncePerBitness(const Bitness& b, Make make, const std::string& key = "") {
  static std::map<std::string, Run> runs;
  auto it = runs.find(b.name + " " + key);
  if (it == runs.end()) it = runs.emplace(b.name + " " + key, make(b)).first;
  return it->second;
}

}  // namespace glavo::wine
