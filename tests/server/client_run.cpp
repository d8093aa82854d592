#include "client_run.h"

namespace server_test {

std::string MissingClientMessage(const Bitness& b) {
  for (const auto& path : {OcxPath(b), ClientPath(b)}) {
    std::string missing = b.Missing(path);
    if (!missing.empty()) return missing;
  }
  return {};
}

WineResult RunClient(const Bitness& b, const std::string& arguments) {
  return WineSession::For(b).wine(ShellQuote(ClientPath(b)) + " " + arguments);
}

const WineResult& SharedClientRun(const Bitness& b, const std::string& arguments) {
  const auto run = [&](const Bitness& build) { return RunClient(build, arguments); };
  return glavo::wine::OncePerBitness<WineResult>(b, run, arguments);
}

void ClientRunTest::Start(const std::string& command, const std::string& extra, int timeoutSeconds) {
  const Bitness& b = GetParam();
  const std::string missing = MissingClientMessage(b);
  ASSERT_TRUE(missing.empty()) << missing;
  const std::string arguments = command + " " + ShellQuote(WindowsPath(OcxPath(b))) + (extra.empty() ? "" : " " + extra);
  if (timeoutSeconds > 0) {
    own_ = WineSession::For(b).wine(ShellQuote(ClientPath(b)) + " " + arguments, timeoutSeconds);
    run_ = &own_;
  } else {
    run_ = &SharedClientRun(b, arguments);
  }
  ASSERT_EQ(run_->exitCode, 0) << run_->output;
}

std::map<std::string, std::string> Values(const WineResult& run, const std::string& prefix) {
  std::map<std::string, std::string> values;
  for (const auto& line : run.lines()) {
    if (line.rfind(prefix + " ", 0) != 0) continue;
    std::string rest = line.substr(prefix.size() + 1);
    auto eq = rest.find('=');
    if (eq == std::string::npos) continue;
    values.emplace(rest.substr(0, eq), rest.substr(eq + 1));
  }
  return values;
}

std::map<std::string, std::string> NameValues(const WineResult& run) {
  std::map<std::string, std::string> values;
  for (const auto& line : run.lines()) {
    auto eq = line.find('=');
    if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return values;
}

std::vector<std::string> LinesStartingWith(const WineResult& run, const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& line : run.lines()) {
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  }
  return out;
}

}  // namespace server_test
