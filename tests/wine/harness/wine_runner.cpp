#include "wine_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace glavo::wine {

std::vector<std::string> WineResult::lines() const {
  std::vector<std::string> out;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
  }
  return out;
}

std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

bool FileExists(const std::string& path) { return std::ifstream(path).good(); }

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string WindowsPath(const std::string& hostPath) {
  std::string out = "Z:" + hostPath;
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

WineResult RunCommand(const std::string& command) {
  WineResult result;
  char path[] = "/tmp/glavo_wine_run_XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) {
    result.output = "cannot create a temporary file for the output of: " + command;
    return result;
  }
  close(fd);
  const int status =
      std::system(("(" + command + ") >" + ShellQuote(path) + " 2>&1 </dev/null").c_str());
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.output = ReadTextFile(path);
  std::remove(path);
  return result;
}

std::string WineEnvironment(const std::string& prefix) {
  return "WINEPREFIX=" + ShellQuote(prefix) + " WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' ";
}

std::string WineServer() { return GLAVO_WINESERVER; }

void StopWineServer(const std::string& prefix) {
  RunCommand(WineEnvironment(prefix) + "timeout 60 " + ShellQuote(WineServer()) + " -k");
}

std::string PreparePrefix(const Bitness& bitness, const std::string& prefix,
                          const std::string& extraEnv) {
  if (std::string problem = bitness.LoaderProblem(); !problem.empty()) return problem;
  const bool made = FileExists(prefix + "/system.reg");
  const std::string wow64Marker = prefix + "/drive_c/windows/syswow64/regsvr32.exe";
  const bool needs32 = bitness.arch == Arch::kI686;
  if (made && (!needs32 || FileExists(wow64Marker))) return {};
  if (made) {
    StopWineServer(prefix);
    RunCommand("rm -rf " + ShellQuote(prefix));
  }
  // Always the 64-bit wineboot: 32-bit programs run in 64-bit prefixes,
  // as on 64-bit Windows.
  const Bitness wine64 = X86_64();
  if (std::string problem = wine64.LoaderProblem(); !problem.empty()) return problem;
  const std::string env = WineEnvironment(prefix) + extraEnv + " ";
  RunCommand(env + "timeout 300 " + ShellQuote(wine64.loader) + " wineboot -i");
  // A new prefix writes its registry files when its wineserver exits.
  RunCommand(env + "timeout 120 " + ShellQuote(WineServer()) + " -w");
  if (!FileExists(prefix + "/system.reg")) return "the Wine prefix " + prefix + " could not be created";
  if (needs32 && !FileExists(wow64Marker)) {
    return "the Wine prefix " + prefix + " has no 32-bit side (no " + wow64Marker +
           "); install wine32:i386 with bash scripts/setup.sh";
  }
  return {};
}

bool EmulatedI686(const Bitness& bitness) {
  return bitness.arch == Arch::kI686 && std::getenv("GLAVO_I686_EMULATED") != nullptr;
}

namespace {

// Under qemu's i386 emulator a fault in one of Wine's threads is fatal now
// and then (the emulator gives Wine's handler no trap number, so a fault
// Wine would handle ends the thread), and the program hangs or never
// starts. Such a run is tried again; a fault of the program's own comes
// back every time.
int Attempts(const Bitness& bitness) { return EmulatedI686(bitness) ? 3 : 1; }

constexpr int kTimedOut = 124;  // timeout(1)'s exit status
constexpr int kSilentSeconds = 120;

// `command`, stopped with the prefix's wineserver once the results file has
// not grown for kSilentSeconds (the programs write a line every few seconds
// at most): a hung run under the emulator ends early, not at its time limit.
std::string StopWhenSilent(const std::string& command, const std::string& prefix, const std::string& results) {
  const std::string stop = WineEnvironment(prefix) + ShellQuote(WineServer()) + " -k";
  return "started=$(date +%s); (" + command + ") & program=$!; while kill -0 $program 2>/dev/null; do sleep 5; " +
         "last=$(stat -c %Y " + ShellQuote(results) + " 2>/dev/null || echo $started); " +
         "if [ $(($(date +%s) - last)) -ge " + std::to_string(kSilentSeconds) + " ]; then " + stop + "; fi; done; " +
         "wait $program";
}

void NoteAnotherAttempt(const std::string& what, int attempt, int attempts) {
  std::fprintf(stderr, "NOTE: under qemu's emulator %s; attempt %d of %d\n", what.c_str(), attempt, attempts);
}

}  // namespace

WineResult RunUnderWine(const Bitness& bitness, const std::string& exe,
                        const std::vector<std::string>& args, const std::string& prefix,
                        int timeoutSeconds) {
  if (std::string problem = PreparePrefix(bitness, prefix); !problem.empty()) {
    return WineResult{127, problem};
  }
  std::string command = WineEnvironment(prefix) + "timeout " + std::to_string(timeoutSeconds) +
                        " " + ShellQuote(bitness.loader) + " " + ShellQuote(exe);
  for (const std::string& a : args) command += " " + ShellQuote(a);
  WineResult result;
  for (int attempt = 1, attempts = Attempts(bitness); attempt <= attempts; ++attempt) {
    if (attempt > 1) NoteAnotherAttempt(exe + " ran out of time", attempt, attempts);
    result = RunCommand(command);
    StopWineServer(prefix);
    if (result.exitCode != kTimedOut) break;
  }
  return result;
}

namespace {

// The program's run in a fresh prefix; `started` once it could be started.
DesktopRun RunOnDesktopOnce(const Bitness& bitness, const std::string& exe, const std::string& ocx,
                            const std::string& outDir, const std::string& results, const std::string& args,
                            const std::string& prefix, int timeoutSeconds, const std::string& env, bool& started) {
  DesktopRun run{false, "", outDir, {}};
  RunCommand("rm -rf " + ShellQuote(outDir) + " && mkdir -p " + ShellQuote(outDir));
  StopWineServer(prefix);
  if (run.why = PreparePrefix(bitness, prefix); !run.why.empty()) return run;
  started = true;
  const std::string program = WineEnvironment(prefix) + env + " timeout " + std::to_string(timeoutSeconds) +
                              " xvfb-run -a -s '-screen 0 1024x768x24' " + ShellQuote(bitness.loader) +
                              " explorer /desktop=glavo,1024x768 " + ShellQuote(exe) + " " +
                              ShellQuote(WindowsPath(ocx)) + " " + ShellQuote(WindowsPath(outDir)) +
                              (args.empty() ? "" : " " + args);
  RunCommand(EmulatedI686(bitness) ? StopWhenSilent(program, prefix, outDir + "/" + results) : program);
  StopWineServer(prefix);
  RunCommand("rm -rf " + ShellQuote(prefix));
  run.lines = WineResult{0, ReadTextFile(outDir + "/" + results)}.lines();
  run.ran = !run.lines.empty() && run.lines.back() == "DONE";
  return run;
}

}  // namespace

DesktopRun RunOnDesktop(const Bitness& bitness, const std::string& program, const std::string& outDir,
                        const std::string& results, const std::string& args, const std::string& prefix,
                        int timeoutSeconds, const std::string& env) {
  DesktopRun run{false, "", outDir, {}};
  const std::string exe = bitness.bin(program);
  const std::string ocx = bitness.bin("glavowrap.ocx");
  for (const std::string& path : {exe, ocx}) {
    if (run.why = bitness.Missing(path); !run.why.empty()) return run;
  }
  if (RunCommand("command -v xvfb-run").exitCode != 0) {
    run.why = "xvfb-run was not found; install it: bash scripts/setup.sh";
    return run;
  }
  for (int attempt = 1, attempts = Attempts(bitness); attempt <= attempts; ++attempt) {
    if (attempt > 1) NoteAnotherAttempt(run.why, attempt, attempts);
    bool started = false;
    run = RunOnDesktopOnce(bitness, exe, ocx, outDir, results, args, prefix, timeoutSeconds, env, started);
    if (run.ran || !started) break;
    run.why = program + " (" + bitness.name + ") did not finish (time limit " + std::to_string(timeoutSeconds) +
              " s); " + (run.lines.empty() ? "it wrote nothing" : "its last line: " + run.lines.back()) + "; see " +
              outDir + "/" + results;
  }
  return run;
}

}  // namespace glavo::wine
