#include "wine_session.h"

#include <map>

namespace server_test {

std::string OcxPath(const Bitness& b) { return b.bin("glavowrap.ocx"); }
std::string ClientPath(const Bitness& b) { return b.bin("glavo_server_client.exe"); }

WineSession& WineSession::For(const Bitness& bitness) {
  // Sessions live for the test program, as their wineservers do.
  static std::map<std::string, WineSession> sessions;
  auto it = sessions.find(bitness.name);
  if (it == sessions.end()) it = sessions.emplace(bitness.name, WineSession(bitness)).first;
  return it->second;
}

// The wineserver stays up ten seconds after the last Wine process of the
// prefix has ended, then stops by itself: the test cases, each a program
// of its own, find it warm, and nothing is left running after the suite.
WineSession::WineSession(const Bitness& bitness)
    : bitness_(bitness),
      prefix_(bitness.Prefix(std::string(GLAVO_SERVER_WORK_DIR) + "/wineprefix")) {
  problem_ = glavo::wine::PreparePrefix(bitness_, prefix_, "DISPLAY=");
  if (problem_.empty()) RunCommand(environment() + ShellQuote(glavo::wine::WineServer()) + " -p10");
}

std::string WineSession::environment() const {
  // No display: the control draws on memory bitmaps and opens no window.
  return glavo::wine::WineEnvironment(prefix_) + "DISPLAY= ";
}

WineResult WineSession::wine(const std::string& arguments, int timeoutSeconds) {
  if (!problem_.empty()) return WineResult{-1, problem_};
  return RunCommand("cd " + ShellQuote(GLAVO_SERVER_WORK_DIR) + " && env " + environment() +
                    "timeout " + std::to_string(timeoutSeconds) + " " +
                    ShellQuote(bitness_.loader) + " " + arguments);
}

WineResult WineSession::regsvr32(const std::string& options) {
  return wine(ShellQuote(bitness_.regsvr32()) + " " + options + " " +
              ShellQuote(WindowsPath(OcxPath(bitness_))));
}

WineResult WineSession::cscript(const std::string& script, const std::string& argument) {
  return wine(ShellQuote(bitness_.cscript()) + " //nologo " + ShellQuote(WindowsPath(script)) + " " +
              ShellQuote(argument));
}

}  // namespace server_test
