// Running a container program of one Windows build (glavo-activex-host.exe,
// glavo-vb-container.exe) in a Wine virtual desktop on a private X display,
// and reading the lines it writes: "CHECK name ok|fail detail" per
// behaviour of the ATL host; "STEP name", "LOG call" and "FACT name value"
// of the VB-style container; DONE at the end.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "wine_runner.h"

namespace glavo::wine {

struct HostRun : DesktopRun {
  std::map<std::string, std::string> checks;  // name -> "ok ..." / "fail ..."
};

// Runs `b`'s ATL host with `mode` after the output folder ("" for the full
// tour), stopped after `timeoutSeconds`.
HostRun RunHost(const Bitness& b, const std::string& mode, int timeoutSeconds = 300);

// Each named check was reached and is ok (a GoogleTest failure for each
// that is not).
void ExpectChecks(const HostRun& run, const std::vector<std::string>& names);

struct VbContainerRun : DesktopRun {
  std::map<std::string, std::vector<std::string>> steps;  // step -> "who.what detail" lines
  std::map<std::string, std::string> facts;
  // The calls of `step`; empty when the step never came.
  const std::vector<std::string>& calls(const std::string& step) const;
  // The fact, or "(missing NAME)".
  std::string fact(const std::string& name) const;
};

VbContainerRun RunVbContainer(const Bitness& b);

}  // namespace glavo::wine
