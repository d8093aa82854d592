// Running the Windows build's programs under Wine, in a private prefix.
#pragma once

#include <string>
#include <vector>

namespace glavo::wine {

struct WineResult {
  int exitCode = -1;
  std::string output;  // stdout and stderr of the program and of Wine
};

// Runs `exe` with `args` under wine64 (WINEDEBUG=-all, a time limit, the
// prefix `prefix`, created on first use) and stops the prefix's wineserver
// afterwards. Arguments are passed as they are (host paths work: Wine maps
// them through its Z: drive).
WineResult RunUnderWine(const std::string& exe, const std::vector<std::string>& args,
                        const std::string& prefix, int timeoutSeconds);

bool FileExists(const std::string& path);
std::string ReadTextFile(const std::string& path);
// Output of a shell command (stdout only) and its exit status.
WineResult RunCommand(const std::string& command);
std::string ShellQuote(const std::string& s);

}  // namespace glavo::wine
