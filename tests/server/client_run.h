// Runs a build's Windows test client under Wine and indexes its output.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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

// A suite over the runs of client commands against each build's OCX.
class ClientRunTest : public ::testing::TestWithParam<Bitness> {
 protected:
  // `command` with the build's OCX and then `extra`, run once per test
  // program and build (with `timeoutSeconds`, a run of its own), into
  // run_; it must start and end with status 0.
  void Start(const std::string& command, const std::string& extra = "", int timeoutSeconds = 0);
  const WineResult* run_ = nullptr;

 private:
  WineResult own_;
};

// "PREFIX NAME=VALUE" lines of a run, keyed by NAME (first match wins).
std::map<std::string, std::string> Values(const WineResult& run, const std::string& prefix);
// "NAME=VALUE" lines of a run, keyed by NAME (last match wins).
std::map<std::string, std::string> NameValues(const WineResult& run);
// Lines that start with `prefix`, in order.
std::vector<std::string> LinesStartingWith(const WineResult& run, const std::string& prefix);

}  // namespace server_test
