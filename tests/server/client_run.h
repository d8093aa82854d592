// Runs the Windows test client under Wine and indexes its output.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "wine_session.h"

namespace server_test {

// `glavo_server_client <arguments>`; empty `missing` when both the client
// and the OCX exist, otherwise the message to fail with.
RunResult RunClient(const std::string& arguments);
std::string MissingClientMessage();

// "PREFIX NAME=VALUE" lines of a run, keyed by NAME (first match wins).
std::map<std::string, std::string> Values(const RunResult& run, const std::string& prefix);
// Lines that start with `prefix`, in order.
std::vector<std::string> LinesStartingWith(const RunResult& run, const std::string& prefix);

}  // namespace server_test
