#include "wine_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace glavo::wine {

std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

bool FileExists(const std::string& path) { return std::ifstream(path).good(); }

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

WineResult RunCommand(const std::string& command) {
  WineResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  const int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

WineResult RunUnderWine(const std::string& exe, const std::vector<std::string>& args,
                        const std::string& prefix, int timeoutSeconds) {
  if (!FileExists(GLAVO_WINE64)) {
    return WineResult{127, std::string("wine64 was not found (GLAVO_WINE64 = ") + GLAVO_WINE64 +
                               "); install the wine64 package (scripts/setup.sh)"};
  }
  // mscoree/mshtml off: no Mono or Gecko installer prompt in a fresh prefix.
  const std::string env = "WINEPREFIX=" + ShellQuote(prefix) +
                          " WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' ";
  std::string command = env + "timeout " + std::to_string(timeoutSeconds) + " " +
                        ShellQuote(GLAVO_WINE64) + " " + ShellQuote(exe);
  for (const std::string& a : args) command += " " + ShellQuote(a);
  WineResult result = RunCommand(command + " 2>&1");
  RunCommand(env + "timeout 60 " + ShellQuote(GLAVO_WINESERVER) + " -k >/dev/null 2>&1");
  return result;
}

}  // namespace glavo::wine
