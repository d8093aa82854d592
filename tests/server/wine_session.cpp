#include "wine_session.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <signal.h>

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

// Xvfb on the first free display number from 140 on.
void WineSession::startDisplay() {
  for (int n = 140; n < 200; ++n) {
    const std::string lock = "/tmp/.X" + std::to_string(n) + "-lock";
    if (Exists(lock)) continue;
    const std::string display = ":" + std::to_string(n);
    pid_t pid = fork();
    if (pid == 0) {
      std::freopen("/dev/null", "w", stdout);
      std::freopen("/dev/null", "w", stderr);
      execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    if (pid < 0) return;
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
    for (int wait = 0; wait < 100 && !Exists(socket); ++wait) usleep(50000);
    if (!Exists(socket)) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
      continue;
    }
    display_ = display;
    displayPid_ = pid;
    return;
  }
}

WineSession::WineSession() : prefix_(std::string(GLAVO_SERVER_WORK_DIR) + "/wineprefix") {
  startDisplay();
  if (!Exists(prefix_ + "/system.reg")) {
    RunShell("env " + environment() + " timeout 300 " + Quote(GLAVO_WINE64) + " wineboot -i");
  }
  ready_ = Exists(prefix_ + "/system.reg") && !display_.empty();
  if (ready_) RunShell("env " + environment() + " " + Quote(GLAVO_WINESERVER) + " -p >/dev/null 2>&1 </dev/null");
}

WineSession::~WineSession() {
  RunShell("env " + environment() + " " + Quote(GLAVO_WINESERVER) + " -k");
  if (displayPid_ > 0) {
    kill(displayPid_, SIGTERM);
    waitpid(displayPid_, nullptr, 0);
  }
}

std::string WineSession::environment() const {
  return "WINEPREFIX=" + Quote(prefix_) + " WINEDEBUG=-all DISPLAY=" + display_;
}

RunResult WineSession::wine(const std::string& arguments, int timeoutSeconds) {
  if (!ready_) {
    RunResult failed;
    failed.output = "the Wine prefix " + prefix_ + " or its virtual display could not be started";
    return failed;
  }
  return RunShell("cd " + Quote(GLAVO_SERVER_WORK_DIR) + " && env " + environment() + " timeout " +
                  std::to_string(timeoutSeconds) + " " + Quote(GLAVO_WINE64) + " " + arguments);
}

}  // namespace server_test
