#include "vb_container_run.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "wine_runner.h"

namespace glavo::wine {
namespace {

void ReadLog(VbContainerRun& run) {
  std::istringstream lines(ReadTextFile(run.outDir + "/vb_log.txt"));
  std::string line, step;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("STEP ", 0) == 0) {
      step = line.substr(5);
      run.steps[step];
    } else if (line.rfind("LOG ", 0) == 0) {
      run.steps[step].push_back(line.substr(4));
    } else if (line.rfind("FACT ", 0) == 0) {
      const auto space = line.find(' ', 5);
      run.facts[line.substr(5, space - 5)] = space == std::string::npos ? "" : line.substr(space + 1);
    } else if (line == "DONE") {
      run.ran = true;
    }
  }
}

// Modification time, 0 for a missing file.
long long ModifiedAt(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return 0;
  return static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
}

// Holds an exclusive lock on a file for a scope: ctest runs each case in a
// process of its own, and the processes of one build share one run.
class FileLock {
 public:
  explicit FileLock(const std::string& path) : fd_(open(path.c_str(), O_CREAT | O_RDWR, 0644)) {
    if (fd_ >= 0) flock(fd_, LOCK_EX);
  }
  ~FileLock() {
    if (fd_ >= 0) close(fd_);
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_;
};

}  // namespace

const std::vector<std::string>& VbContainerRun::calls(const std::string& step) const {
  static const std::vector<std::string> none;
  auto it = steps.find(step);
  return it == steps.end() ? none : it->second;
}

std::string VbContainerRun::fact(const std::string& name) const {
  auto it = facts.find(name);
  return it == facts.end() ? "(missing " + name + ")" : it->second;
}

// A fresh prefix per run whose wineserver starts on the private display.
// A log that stopped before DONE is never reused.
VbContainerRun RunVbContainer(const Bitness& b) {
  VbContainerRun run;
  const std::string exe = b.bin("glavo-vb-container.exe");
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
  // One run per build serves every case: a finished log newer than the
  // container and the OCX is read again instead of running once more.
  run.outDir = std::string(GLAVO_TEST_OUTPUT_DIR) + "/vb-container-" + b.name;
  FileLock lock(run.outDir + ".lock");
  const std::string log = run.outDir + "/vb_log.txt";
  const long long logTime = ModifiedAt(log);
  if (logTime > ModifiedAt(exe) && logTime > ModifiedAt(ocx)) {
    ReadLog(run);
    if (run.ran) return run;
    run = VbContainerRun{};
    run.outDir = std::string(GLAVO_TEST_OUTPUT_DIR) + "/vb-container-" + b.name;
  }
  const std::string tag = b.name + "-" + std::to_string(static_cast<long>(getpid()));
  RunCommand("rm -rf " + ShellQuote(run.outDir) + " && mkdir -p " + ShellQuote(run.outDir));
  const std::string prefix = std::string(GLAVO_WINE_PREFIX) + "-vb-" + tag;
  StopWineServer(prefix);
  if (std::string problem = PreparePrefix(b, prefix); !problem.empty()) {
    run.why = problem;
    return run;
  }
  RunCommand(WineEnvironment(prefix) + "timeout 300 xvfb-run -a -s '-screen 0 1024x768x24' " +
             ShellQuote(b.loader) + " explorer /desktop=glavo,1024x768 " + ShellQuote(exe) + " " +
             ShellQuote(WindowsPath(ocx)) + " " + ShellQuote(WindowsPath(run.outDir)));
  StopWineServer(prefix);
  RunCommand("rm -rf " + ShellQuote(prefix));
  ReadLog(run);
  if (!run.ran) run.why = "the " + b.name + " container did not finish; see " + run.outDir + "/vb_log.txt";
  return run;
}

}  // namespace glavo::wine
