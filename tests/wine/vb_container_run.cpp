#include "vb_container_run.h"

#include <unistd.h>

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

VbContainerRun RunVbContainer(const Bitness& b) {
  const std::string tag = b.name + "-" + std::to_string(static_cast<long>(getpid()));
  // Under qemu's i386 emulator a thread of Wine's file dialog faults now and
  // then, which the emulator cannot let Wine handle: the dialog never shows.
  const std::string outDir = std::string(GLAVO_TEST_OUTPUT_DIR) + "/vb-container-" + tag;
  VbContainerRun run{RunOnDesktop(b, "glavo-vb-container.exe", outDir, "vb_log.txt",
                                  EmulatedI686(b) ? "nofiledialogs" : "", std::string(GLAVO_WINE_PREFIX) + "-vb-" + tag,
                                  300),
                     {},
                     {}};
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
