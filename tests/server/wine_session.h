// Running the Windows builds of the server under Wine from native tests:
// one private prefix in the build folder whose wineserver outlives each
// test program by a few seconds (a cold Wine start costs seconds, a warm
// one a fraction) and then stops by itself.
#pragma once

#include <string>
#include <vector>

namespace server_test {

struct RunResult {
  int exitCode = -1;
  std::string output;  // stdout and stderr together
  std::vector<std::string> lines() const;
};

// The x86_64 build folder (GLAVO_WIN64_DIR, or the environment variable of
// that name) and its outputs.
std::string Win64Dir();
std::string Win32Dir();
std::string OcxPath();      // <dir>/bin/glavowrap.ocx
std::string ClientPath();   // <dir>/bin/glavo_server_client.exe
// Empty when the file exists; otherwise a message naming the command that
// builds it.
std::string MissingBuildMessage(const std::string& path, const std::string& preset);

// A Windows path for a host path (the Z: drive).
std::string WindowsPath(const std::string& hostPath);

class WineSession {
 public:
  // Creates the prefix on first use.
  static WineSession& instance();
  ~WineSession();

  const std::string& prefix() const { return prefix_; }
  // Runs `wine64 <arguments>` (arguments already quoted for the shell).
  RunResult wine(const std::string& arguments, int timeoutSeconds = 120);

 private:
  WineSession();
  std::string environment() const;
  std::string prefix_;
  std::string problem_;
  bool ready_ = false;
};

RunResult RunShell(const std::string& command);
std::string Quote(const std::string& text);

}  // namespace server_test
