// Running the Windows builds of the server under Wine from native tests:
// one private prefix per build in the build folder (its registry is the
// state the cases share), whose wineserver outlives each test program by a
// few seconds (a cold Wine start costs seconds, a warm one a fraction) and
// then stops by itself. Every case runs once per build (Bitness, from the
// Wine harness in tests/wine/harness).
#pragma once

#include <string>

#include "wine_runner.h"

namespace server_test {

using glavo::wine::Bitness;
using glavo::wine::BitnessName;
using glavo::wine::BothBitnesses;
using glavo::wine::RunCommand;
using glavo::wine::ShellQuote;
using glavo::wine::WindowsPath;
using glavo::wine::WineResult;

std::string OcxPath(const Bitness& b);     // <build>/bin/glavowrap.ocx
std::string ClientPath(const Bitness& b);  // <build>/bin/glavo_server_client.exe

class WineSession {
 public:
  // The session of `bitness`' prefix, created on first use.
  static WineSession& For(const Bitness& bitness);

  // Runs `<loader> <arguments>` (arguments already quoted for the shell).
  WineResult wine(const std::string& arguments, int timeoutSeconds = 120);
  // This build's regsvr32 (the 32-bit one from syswow64 for i686) on its OCX.
  WineResult regsvr32(const std::string& options);
  // This build's cscript running `script` (a host path) with `argument`.
  WineResult cscript(const std::string& script, const std::string& argument);

 private:
  explicit WineSession(const Bitness& bitness);
  std::string environment() const;
  Bitness bitness_;
  std::string prefix_;
  std::string problem_;  // empty when the prefix is ready
};

}  // namespace server_test
