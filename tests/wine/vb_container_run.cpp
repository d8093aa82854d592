#include "vb_container_run.h"

#include <unistd.h>

#include <cstdio>

namespace glavo::wine {

const std::vector<std::string>& VbContainerRun::calls(const std::string& step) const {
  static const std::vector<std::string> none;
  auto it = steps.find(step);
  return it == steps.end() ? none : it->second;
}

std::string VbContainerRun::fact(const std::string& name) const {
  auto it = facts.find(name);
  return it == facts.end() ? "(missing " + name + ")" : it->second;
}

namespace {

DesktopRun RunOnce(const Bitness& b, const std::string& attempt) {
  const std::string tag = b.name + "-" + std::to_string(static_cast<long>(getpid())) + attempt;
  return RunOnDesktop(b, "glavo-vb-container.exe", std::string(GLAVO_TEST_OUTPUT_DIR) + "/vb-container-" + tag,
                      "vb_log.txt", "", std::string(GLAVO_WINE_PREFIX) + "-vb-" + tag, 300);
}

}  // namespace

VbContainerRun RunVbContainer(const Bitness& b) {
  VbContainerRun run{RunOnce(b, ""), {}, {}};
  // A system dialog that never showed is Wine's (under qemu's emulator), not
  // the control's; one more run, and a second such run fails as any other.
  if (!run.ran && !run.lines.empty() && run.lines.back().rfind("STUCK ", 0) == 0) {
    std::fprintf(stderr, "NOTE: %s; running the container once more\n", run.lines.back().c_str());
    static_cast<DesktopRun&>(run) = RunOnce(b, "-again");
  }
  std::string step;
  for (const std::string& line : run.lines) {
    if (line.rfind("STEP ", 0) == 0) {
      step = line.substr(5);
      run.steps[step];
    } else if (line.rfind("LOG ", 0) == 0) {
      run.steps[step].push_back(line.substr(4));
    } else if (line.rfind("FACT ", 0) == 0) {
      const auto space = line.find(' ', 5);
      run.facts[line.substr(5, space - 5)] = space == std::string::npos ? "" : line.substr(space + 1);
    }
  }
  return run;
}

}  // namespace glavo::wine
