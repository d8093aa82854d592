#include "activex_host_run.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace glavo::wine {

// Per process: ctest may run the suites side by side.
HostRun RunHost(const Bitness& b, const std::string& mode, int timeoutSeconds) {
  const std::string tag = b.name + "-" + std::to_string(static_cast<long>(getpid()));
  std::string folder = mode;
  for (char& c : folder) c = c == ' ' ? '-' : c;
  const std::string outDir =
      std::string(GLAVO_TEST_OUTPUT_DIR) + "/activex-" + (mode.empty() ? "" : folder + "-") + tag;
  const std::string trace = "GLAVO_OLE_TRACE=" + ShellQuote(WindowsPath(outDir + "/ole_trace.txt"));
  HostRun run{RunOnDesktop(b, "glavo-activex-host.exe", outDir, "activex_result.txt", mode,
                           std::string(GLAVO_WINE_PREFIX) + "-activex-" + tag, timeoutSeconds, trace),
              {}};
  for (const std::string& line : run.lines) {
    if (line.rfind("CHECK ", 0) != 0) continue;
    const auto space = line.find(' ', 6);
    run.checks[line.substr(6, space - 6)] = space == std::string::npos ? "" : line.substr(space + 1);
  }
  return run;
}

void ExpectChecks(const HostRun& run, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    auto it = run.checks.find(name);
    if (it == run.checks.end()) {
      ADD_FAILURE() << name << " was not reached";
      continue;
    }
    EXPECT_EQ(it->second.rfind("ok", 0), 0u) << name << ": " << it->second;
  }
}

}  // namespace glavo::wine
