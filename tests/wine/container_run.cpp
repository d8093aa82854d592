#include "container_run.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace glavo::wine {
namespace {

// `program` in a fresh prefix, both its prefix and its output folder named
// after `name`, the build and this process: ctest may run the suites side
// by side. The control traces its OLE calls there, for people.
DesktopRun RunContainer(const Bitness& b, const std::string& program, std::string name, const std::string& results,
                        const std::string& args, int timeoutSeconds) {
  for (char& c : name) c = c == ' ' ? '-' : c;
  const std::string tag = name + "-" + b.name + "-" + std::to_string(static_cast<long>(getpid()));
  const std::string outDir = std::string(GLAVO_TEST_OUTPUT_DIR) + "/" + tag;
  const std::string trace = "GLAVO_OLE_TRACE=" + ShellQuote(WindowsPath(outDir + "/ole_trace.txt"));
  return RunOnDesktop(b, program, outDir, results, args, std::string(GLAVO_WINE_PREFIX) + "-" + tag, timeoutSeconds,
                      trace);
}

// What follows "TAG name " on each line tagged `tag`, by name.
std::map<std::string, std::string> Tagged(const std::vector<std::string>& lines, const std::string& tag) {
  std::map<std::string, std::string> named;
  const std::string start = tag + " ";
  for (const std::string& line : lines) {
    if (line.rfind(start, 0) != 0) continue;
    const auto space = line.find(' ', start.size());
    named[line.substr(start.size(), space - start.size())] = space == std::string::npos ? "" : line.substr(space + 1);
  }
  return named;
}

}  // namespace

HostRun RunHost(const Bitness& b, const std::string& mode, int timeoutSeconds) {
  HostRun run{RunContainer(b, "glavo-activex-host.exe", "activex" + (mode.empty() ? "" : " " + mode),
                           "activex_result.txt", mode, timeoutSeconds),
              {}};
  run.checks = Tagged(run.lines, "CHECK");
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
  // Under qemu's i386 emulator a thread of Wine's file dialog faults now and
  // then, which the emulator cannot let Wine handle: the dialog never shows.
  VbContainerRun run{RunContainer(b, "glavo-vb-container.exe", "vb-container", "vb_log.txt",
                                  EmulatedI686(b) ? "nofiledialogs" : "", 300),
                     {},
                     {}};
  run.facts = Tagged(run.lines, "FACT");
  std::string step;
  for (const std::string& line : run.lines) {
    if (line.rfind("STEP ", 0) == 0) {
      step = line.substr(5);
      run.steps[step];
    } else if (line.rfind("LOG ", 0) == 0) {
      run.steps[step].push_back(line.substr(4));
    }
  }
  return run;
}

}  // namespace glavo::wine
