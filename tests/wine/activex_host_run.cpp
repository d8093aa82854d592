#include "activex_host_run.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "wine_runner.h"

namespace glavo::wine {
namespace {

void ReadResults(HostRun& run) {
  std::istringstream lines(ReadTextFile(run.outDir + "/activex_result.txt"));
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();  // written in text mode
    if (line.rfind("CHECK ", 0) == 0) {
      const auto space = line.find(' ', 6);
      run.checks[line.substr(6, space - 6)] = space == std::string::npos ? "" : line.substr(space + 1);
    } else if (line == "DONE") {
      run.ran = true;
    }
  }
}

}  // namespace

// Per process: ctest may run the suites side by side.
HostRun RunHost(const Bitness& b, const std::string& mode, int timeoutSeconds) {
  HostRun run;
  const std::string tag = b.name + "-" + std::to_string(static_cast<long>(getpid()));
  std::string folder = mode;
  for (char& c : folder) c = c == ' ' ? '-' : c;
  run.outDir = std::string(GLAVO_TEST_OUTPUT_DIR) + "/activex-" + (mode.empty() ? "" : folder + "-") + tag;
  const std::string trace = "GLAVO_OLE_TRACE=" + ShellQuote(WindowsPath(run.outDir + "/ole_trace.txt"));
  run.why = RunOnDesktop(b, "glavo-activex-host.exe", run.outDir, mode,
                         std::string(GLAVO_WINE_PREFIX) + "-activex-" + tag, timeoutSeconds, trace);
  if (!run.why.empty()) return run;
  ReadResults(run);
  if (!run.ran) run.why = "the " + b.name + " host did not finish; see " + run.outDir;
  return run;
}

void ExpectChecks(const HostRun& run, const std::vector<std::string>& names, bool show) {
  for (const std::string& name : names) {
    auto it = run.checks.find(name);
    if (it == run.checks.end()) {
      ADD_FAILURE() << name << " was not reached";
      continue;
    }
    EXPECT_EQ(it->second.rfind("ok", 0), 0u) << name << ": " << it->second;
    if (show) std::printf("%s: %s\n", name.c_str(), it->second.c_str());
  }
}

}  // namespace glavo::wine
