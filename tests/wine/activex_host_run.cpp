#include "activex_host_run.h"

#include <unistd.h>

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

// Runs `b`'s host with `mode` after the output folder ("" for the full
// tour), in a fresh prefix of its own whose wineserver starts on the
// private X display: one left from a display-less run would make window
// creation fail silently.
HostRun RunHost(const Bitness& b, const std::string& mode, int timeoutSeconds) {
  HostRun run;
  const std::string exe = b.bin("glavo-activex-host.exe");
  const std::string ocx = b.bin("glavowrap.ocx");
  for (const std::string& path : {exe, ocx}) {
    if (std::string missing = b.Missing(path); !missing.empty()) {
      run.why = missing;
      return run;
    }
  }
  if (RunCommand("command -v xvfb-run").exitCode != 0) {
    run.why = "xvfb-run was not found; install it: bash scripts/setup.sh";
    return run;
  }
  // Per process: ctest may run the cases side by side.
  const std::string tag = b.name + "-" + std::to_string(static_cast<long>(getpid()));
  std::string folder = mode;
  for (char& c : folder) c = c == ' ' ? '-' : c;
  run.outDir = std::string(GLAVO_TEST_OUTPUT_DIR) + "/activex-" + (mode.empty() ? "" : folder + "-") + tag;
  RunCommand("rm -rf " + ShellQuote(run.outDir) + " && mkdir -p " + ShellQuote(run.outDir));
  const std::string prefix = std::string(GLAVO_WINE_PREFIX) + "-activex-" + tag;
  const std::string env = WineEnvironment(prefix) + "GLAVO_OLE_TRACE=" +
                          ShellQuote(WindowsPath(run.outDir + "/ole_trace.txt")) + " ";
  StopWineServer(prefix);
  RunCommand(env + "timeout " + std::to_string(timeoutSeconds) + " xvfb-run -a -s '-screen 0 1024x768x24' " + ShellQuote(b.loader) +
             " explorer /desktop=glavo,1024x768 " + ShellQuote(exe) + " " +
             ShellQuote(WindowsPath(ocx)) + " " + ShellQuote(WindowsPath(run.outDir)) +
             (mode.empty() ? "" : " " + mode));
  StopWineServer(prefix);
  RunCommand("rm -rf " + ShellQuote(prefix));
  ReadResults(run);
  if (!run.ran) run.why = "the " + b.name + " host did not finish; see " + run.outDir;
  return run;
}

}  // namespace glavo::wine
