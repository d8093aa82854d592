// Runs a build's Windows test client under Wine and indexes its output.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "wine_session.h"

namespace server_test {

// `glavo_server_client <arguments>` of build `b`, in its session.
WineResult RunClient(const Bitness& b, const std::string& arguments);
// The same, run once per test program and build: the cases of a suite run
// in one test program (tests/server/CMakeLists.txt) and read one run.
const WineResult& SharedClientRun(const Bitness& b, const std::string& arguments);
// Empty when `b`'s client and OCX exist and Wine can run them, otherwise
// the message to fail with.
std::string MissingClientMessage(const Bitness& b);

// "PREFIX NAME=VALUE" lines of a run, keyed by NAME (first match wins).
std::map<std::string, std::string> Values(const WineResult& run, const std::string& prefix);
// Lines that start with `prefix`, in order.
std::vector<std::string> LinesStartingWith(const WineResult& run, const std::string& prefix);

}  // namespace server_test
