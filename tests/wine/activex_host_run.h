// Running glavo-activex-host.exe of one Windows build in a Wine virtual
// desktop on a private X display, and reading the lines it writes: one
// CHECK line per behaviour, DONE at the end.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "wine_runner.h"

namespace glavo::wine {

struct HostRun : DesktopRun {
  std::map<std::string, std::string> checks;  // name -> "ok ..." / "fail ..."
};

// Runs `b`'s host with `mode` after the output folder ("" for the full
// tour), in a fresh prefix of its own, stopped after `timeoutSeconds`.
HostRun RunHost(const Bitness& b, const std::string& mode, int timeoutSeconds = 300);

// Each named check was reached and is ok (a GoogleTest failure for each
// that is not).
void ExpectChecks(const HostRun& run, const std::vector<std::string>& names);

}  // namespace glavo::wine
