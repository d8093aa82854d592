#include "wine_session.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace server_test {
namespace {

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

std::string EnvOr(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value && *value ? value : fallback;
}

}  // namespace

std::vector<std::string> RunResult::lines() const {
  std::vector<std::string> out;
  std::istringstream in(output);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
  }
  return out;
}

std::string Win64Dir() { return EnvOr("GLAVO_WIN64_DIR", GLAVO_WIN64_DIR); }
std::string Win32Dir() { return EnvOr("GLAVO_WIN32_DIR", GLAVO_WIN32_DIR); }
std::string OcxPath() { return Win64Dir() + "/bin/glavowrap.ocx"; }
std::string ClientPath() { return Win64Dir() + "/bin/glavo_server_client.exe"; }

std::string MissingBuildMessage(const std::string& path, const std::string& preset) {
  if (Exists(path)) return {};
  return path + " is missing; build it first: cmake --preset " + preset +
         " && cmake --build --preset " + preset;
}

std::string WindowsPath(const std::string& hostPath) {
  std::string out = "Z:" + hostPath;
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

std::string Quote(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

// Output goes through a file, not a pipe: Wine leaves helper processes
// running that would hold a pipe open until the wineserver ends.
RunResult RunShell(const std::string& command) {
  RunResult result;
  char path[] = "/tmp/glavo_server_test_XXXXXX";
  int fd = mkstemp(path);
  if (fd < 0) return result;
  close(fd);
  int status = std::system(("(" + command + ") >" + Quote(path) + " 2>&1 </dev/null").c_str());
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream in(path, std::ios::binary);
  result.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  std::remove(path);
  return result;
}

WineSession& WineSession::instance() {
  static WineSession session;
  return session;
}

// The wineserver stays up ten seconds after the last Wine process of the
// prefix has ended, then stops by itself: the test cases, each a program
// of its own, find it warm, and nothing is left running after the suite.
WineSession::WineSession() : prefix_(std::string(GLAVO_SERVER_WORK_DIR) + "/wineprefix") {
  if (!Exists(GLAVO_WINE64) || !Exists(GLAVO_WINESERVER)) {
    problem_ = "wine64 or wineserver was not found (looked for " + std::string(GLAVO_WINE64) +
               "); install Wine with scripts/setup.sh";
    return;
  }
  if (!Exists(prefix_ + "/system.reg")) {
    RunShell("env " + environment() + " timeout 300 " + Quote(GLAVO_WINE64) + " wineboot -i");
    // The registry files are written when the wineserver exits: wait for it.
    RunShell("env " + environment() + " timeout 120 " + Quote(GLAVO_WINESERVER) + " -w");
  }
  ready_ = Exists(prefix_ + "/system.reg");
  if (!ready_) problem_ = "the Wine prefix " + prefix_ + " could not be created";
  if (ready_) RunShell("env " + environment() + " " + Quote(GLAVO_WINESERVER) + " -p10");
}

WineSession::~WineSession() = default;

std::string WineSession::environment() const {
  // No display: the control draws on memory bitmaps and opens no window.
  return "WINEPREFIX=" + Quote(prefix_) + " WINEDEBUG=-all DISPLAY=";
}

RunResult WineSession::wine(const std::string& arguments, int timeoutSeconds) {
  if (!ready_) {
    RunResult failed;
    failed.output = problem_;
    return failed;
  }
  return RunShell("cd " + Quote(GLAVO_SERVER_WORK_DIR) + " && env " + environment() + " timeout " +
                  std::to_string(timeoutSeconds) + " " + Quote(GLAVO_WINE64) + " " + arguments);
}

}  // namespace server_test
