#include "vb_container_run.h"

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

VbContainerRun RunVbContainer(const Bitness& b) {
  VbContainerRun run;
  run.outDir = std::string(GLAVO_TEST_OUTPUT_DIR) + "/vb-container-" + b.name;
  const std::string prefix =
      std::string(GLAVO_WINE_PREFIX) + "-vb-" + b.name + "-" + std::to_string(static_cast<long>(getpid()));
  run.why = RunOnDesktop(b, "glavo-vb-container.exe", run.outDir, "", prefix, 300);
  if (!run.why.empty()) return run;
  ReadLog(run);
  if (!run.ran) run.why = "the " + b.name + " container did not finish; see " + run.outDir + "/vb_log.txt";
  return run;
}

}  // namespace glavo::wine
