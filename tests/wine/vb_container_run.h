// Running glavo-vb-container.exe of one Windows build in a Wine virtual
// desktop on a private X display, and reading its call log: the calls of
// each scenario step in order, and the facts the container saw.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "wine_runner.h"

namespace glavo::wine {

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
