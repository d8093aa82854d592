#include "pe_header.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace glavo::wine {
namespace {

// A minimal image: DOS header pointing at a PE header at 0x80.
std::string WriteImage(const char* name, std::uint16_t machine, std::uint16_t flags,
                       std::uint16_t magic, std::uint16_t subsystem, std::size_t size = 0x200) {
  std::vector<unsigned char> b(size, 0);
  b[0] = 'M';
  b[1] = 'Z';
  b[0x3C] = 0x80;
  const std::size_t pe = 0x80;
  if (pe + 4 <= b.size()) {
    b[pe] = 'P';
    b[pe + 1] = 'E';
  }
  auto put16 = [&](std::size_t at, std::uint16_t v) {
    if (at + 1 >= b.size()) return;
    b[at] = static_cast<unsigned char>(v & 255);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
  };
  put16(pe + 4, machine);
  put16(pe + 22, flags);
  put16(pe + 24, magic);
  put16(pe + 24 + 68, subsystem);
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                              static_cast<std::streamsize>(b.size()));
  return path;
}

TEST(PeHeader, ReadsMachineKindAndSubsystem) {
  PeHeader h;
  std::string error;
  ASSERT_TRUE(ReadPeHeader(WriteImage("a.exe", kMachineAmd64, 0x0022, 0x20B, 3), h, error))
      << error;
  EXPECT_EQ(h.machine, kMachineAmd64);
  EXPECT_EQ(h.characteristics & kFileDll, 0);
  EXPECT_EQ(h.optionalMagic, 0x20B);
  EXPECT_EQ(h.subsystem, 3);
  ASSERT_TRUE(ReadPeHeader(WriteImage("b.dll", kMachineI386, 0x2102, 0x10B, 2), h, error));
  EXPECT_EQ(h.machine, kMachineI386);
  EXPECT_NE(h.characteristics & kFileDll, 0);
  EXPECT_EQ(h.subsystem, 2);
}

TEST(PeHeader, RejectsWhatIsNotAnImage) {
  PeHeader h;
  std::string error;
  const std::string text = ::testing::TempDir() + "text.exe";
  std::ofstream(text) << "#!/bin/sh\necho not windows\n";
  EXPECT_FALSE(ReadPeHeader(text, h, error));
  EXPECT_NE(error.find("MZ"), std::string::npos);
  EXPECT_FALSE(ReadPeHeader(WriteImage("cut.exe", kMachineAmd64, 0, 0x20B, 3, 0x90), h, error));
  EXPECT_NE(error.find("truncated"), std::string::npos);
  EXPECT_FALSE(ReadPeHeader(::testing::TempDir() + "none.exe", h, error));
}

}  // namespace
}  // namespace glavo::wine
