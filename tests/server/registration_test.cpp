// regsvr32 against glavowrap.ocx under Wine, for each build with the
// regsvr32 of its bitness: machine and per-user registration write exactly
// the expected keys, and unregistration removes every one of them.
#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "client_run.h"

namespace server_test {
namespace {

const std::string kClsid = "CLSID\\{9F067B30-0E5B-4333-856F-D6F51C1BEB19}";
const std::string kPage = "CLSID\\{D2DCDE7E-0DB2-4234-A463-4BA9FA5C1C29}";
const std::string kLibid = "TypeLib\\{74C80248-5186-4C96-BB84-E44F9982274B}";
const std::string kIid = "Interface\\{3406EE48-7E9E-46B4-B339-017D354C4647}";
const std::string kDiid = "Interface\\{B1FE39DA-C4D2-4264-B6ED-026E7AB8DA82}";
const std::string kAutomationMarshaler = "{00020424-0000-0000-C000-000000000046}";
const std::string kDispatchMarshaler = "{00020420-0000-0000-C000-000000000046}";

std::vector<std::string> AllAbsent() {
  std::vector<std::string> rows = {"absent " + kClsid, "absent " + kPage, "absent Glavowrap.GlavoSkin",
                                   "absent Glavowrap.GlavoSkin.1", "absent " + kLibid,
                                   "absent " + kIid, "absent " + kDiid};
  std::sort(rows.begin(), rows.end());
  return rows;
}

// `platform` is the type library's key for the build: "win64" or "win32".
std::vector<std::string> ExpectedRows(const std::string& module, const std::string& platform) {
  const std::string folder = module.substr(0, module.rfind('\\'));
  const std::string libid = kLibid.substr(8);
  const std::string clsidValue = kClsid.substr(6);
  std::vector<std::string> rows;
  // A key, and its default value where it has one.
  const auto key = [&](const std::string& k, const std::string& value = "") {
    rows.push_back("key " + k);
    if (!value.empty()) rows.push_back("value " + k + "|@=" + value);
  };
  const auto named = [&](const std::string& k, const std::string& name, const std::string& value) {
    rows.push_back("value " + k + "|" + name + "=" + value);
  };
  for (const auto& [clsid, name] : {std::pair{kClsid, "GlavoSkin Control"}, std::pair{kPage, "GlavoSkin Property Page"}}) {
    key(clsid, name);
    key(clsid + "\\InprocServer32", module);
    named(clsid + "\\InprocServer32", "ThreadingModel", "Apartment");
  }
  key(kClsid + "\\ProgID", "Glavowrap.GlavoSkin.1");
  key(kClsid + "\\VersionIndependentProgID", "Glavowrap.GlavoSkin");
  key(kClsid + "\\Control");
  key(kClsid + "\\MiscStatus", "0");
  key(kClsid + "\\MiscStatus\\1", "131473");
  key(kClsid + "\\TypeLib", libid);
  key(kClsid + "\\Version", "1.0");
  key(kClsid + "\\Implemented Categories");
  key(kClsid + "\\Implemented Categories\\{40FC6ED4-2438-11CF-A3DB-080036F12502}");
  // Safe for initialising (CATID_SafeForInitializing), and not for scripting.
  key(kClsid + "\\Implemented Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}");
  key(kClsid + "\\ToolboxBitmap32", module + ", 1");
  for (const std::string progid : {"Glavowrap.GlavoSkin", "Glavowrap.GlavoSkin.1"}) {
    key(progid, "GlavoSkin Control");
    key(progid + "\\CLSID", clsidValue);
  }
  key("Glavowrap.GlavoSkin\\CurVer", "Glavowrap.GlavoSkin.1");
  key(kLibid);
  key(kLibid + "\\1.0", "Glavo Wrap ActiveX Control");
  key(kLibid + "\\1.0\\FLAGS", "2");
  key(kLibid + "\\1.0\\0");
  key(kLibid + "\\1.0\\0\\" + platform, module);
  key(kLibid + "\\1.0\\HELPDIR", folder);
  for (const auto& [iid, name, marshaler] :
       {std::tuple{kIid, "_GlavoSkin", kAutomationMarshaler}, std::tuple{kDiid, "__GlavoSkin", kDispatchMarshaler}}) {
    key(iid, name);
    key(iid + "\\ProxyStubClsid", marshaler);
    key(iid + "\\ProxyStubClsid32", marshaler);
    key(iid + "\\TypeLib", libid);
    named(iid + "\\TypeLib", "Version", "1.0");
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

class RegistrationTest : public ::testing::TestWithParam<Bitness> {
 protected:
  void SetUp() override {
    std::string missing = MissingClientMessage(GetParam());
    ASSERT_TRUE(missing.empty()) << missing;
    ocx_ = WindowsPath(OcxPath(GetParam()));
    // Start from a registry without the server in either scope.
    Regsvr32("/s /u");
    Regsvr32("/s /u /n /i:user");
  }
  void TearDown() override {
    Regsvr32("/s /u");
    Regsvr32("/s /u /n /i:user");
  }

  WineResult Regsvr32(const std::string& options) {
    return WineSession::For(GetParam()).regsvr32(options);
  }
  // The client of the same bitness sees the registry view that build's
  // hosts see (a 32-bit process reads the WOW64 view).
  std::vector<std::string> Dump(const std::string& scope) {
    WineResult r = RunClient(GetParam(), "registry " + scope);
    EXPECT_EQ(r.exitCode, 0) << r.output;
    return r.lines();
  }
  std::vector<std::string> Expected() const { return ExpectedRows(ocx_, GetParam().typelibPlatform); }

  std::string ocx_;
};

TEST_P(RegistrationTest, MachineRegistrationWritesExactlyTheExpectedKeysAndRemovesThemAll) {
  ASSERT_EQ(Dump("machine"), AllAbsent());

  WineResult reg = Regsvr32("/s");
  ASSERT_EQ(reg.exitCode, 0) << reg.output;
  EXPECT_EQ(Dump("machine"), Expected());
  EXPECT_EQ(Dump("user"), AllAbsent()) << "machine registration must not touch the user's classes";

  // Registering twice is harmless and changes nothing.
  ASSERT_EQ(Regsvr32("/s").exitCode, 0);
  EXPECT_EQ(Dump("machine"), Expected());

  // The toolbox picture the class names: 16 x 15, drawn in more than a few colours.
  WineResult toolbox = RunClient(GetParam(), "toolbox");
  EXPECT_EQ(toolbox.exitCode, 0) << toolbox.output;
  const auto pictures = LinesStartingWith(toolbox, "toolbox ");
  ASSERT_EQ(pictures.size(), 1u) << toolbox.output;
  EXPECT_EQ(pictures[0].rfind("toolbox 16x15 bpp=24 colours=", 0), 0u) << pictures[0];
  EXPECT_GE(std::stoi(pictures[0].substr(pictures[0].rfind('=') + 1)), 10) << pictures[0];

  WineResult unreg = Regsvr32("/s /u");
  ASSERT_EQ(unreg.exitCode, 0) << unreg.output;
  EXPECT_EQ(Dump("machine"), AllAbsent());
  // Unregistering what is not registered succeeds too.
  EXPECT_EQ(Regsvr32("/s /u").exitCode, 0);
}

TEST_P(RegistrationTest, PerUserRegistrationWritesTheSameKeysUnderTheUsersClasses) {
  WineResult reg = Regsvr32("/s /n /i:user");
  ASSERT_EQ(reg.exitCode, 0) << reg.output;
  EXPECT_EQ(Dump("user"), Expected());
  EXPECT_EQ(Dump("machine"), AllAbsent()) << "per-user registration needs no machine keys";

  WineResult unreg = Regsvr32("/s /u /n /i:user");
  ASSERT_EQ(unreg.exitCode, 0) << unreg.output;
  EXPECT_EQ(Dump("user"), AllAbsent());
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, RegistrationTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
