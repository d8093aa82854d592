// Running the Windows builds' programs under Wine from native tests, in
// private prefixes under the build folder. See bitness.h for running one
// case per Windows build.
#pragma once

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

// Runs `exe` with `args` (passed as they are; host paths work through Z:)
// with `bitness`' loader in `prefix` (prepared first), under a time limit,
// and stops the prefix's wineserver afterwards.
WineResult RunUnderWine(const Bitness& bitness, const std::string& exe,
                        const std::vector<std::string>& args, const std::string& prefix,
                        int timeoutSeconds);

// Runs `bitness`' `program` (a file of its build folder) with the Windows
// paths of its OCX and of `outDir` (emptied first) and then `args`, in a
// Wine virtual desktop on a private X display, in a fresh prefix `prefix`
// whose wineserver starts on that display (one left from a display-less run
// would make window creation fail silently); the prefix is removed after.
// `env` ("NAME=value ...") goes to the program. Empty, or why it could not run.
std::string RunOnDesktop(const Bitness& bitness, const std::string& program, const std::string& outDir,
                         const std::string& args, const std::string& prefix, int timeoutSeconds,
                         const std::string& env = "");

}  // namespace glavo::wine
