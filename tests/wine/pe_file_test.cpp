#include "pe_file.h"

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

TEST(PeFile, ReadsMachineKindAndSubsystem) {
  const PeFile exe(WriteImage("a.exe", 0x8664, 0x0022, 0x20B, 3));
  ASSERT_TRUE(exe.valid());
  EXPECT_EQ(exe.machine(), 0x8664);
  EXPECT_EQ(exe.characteristics() & kFileDll, 0);
  EXPECT_EQ(exe.optionalMagic(), 0x20B);
  EXPECT_EQ(exe.subsystem(), 3);
  const PeFile dll(WriteImage("b.dll", 0x014C, 0x2102, 0x10B, 2));
  ASSERT_TRUE(dll.valid());
  EXPECT_EQ(dll.machine(), 0x014C);
  EXPECT_NE(dll.characteristics() & kFileDll, 0);
  EXPECT_EQ(dll.subsystem(), 2);
  EXPECT_FALSE(dll.resource(u"TYPELIB", 1).has_value());  // no resources at all
}

TEST(PeFile, RejectsWhatIsNotAnImage) {
  const std::string text = ::testing::TempDir() + "text.exe";
  std::ofstream(text) << "#!/bin/sh\necho not windows\n";
  EXPECT_FALSE(PeFile(text).valid());
  EXPECT_FALSE(PeFile(WriteImage("cut.exe", 0x8664, 0, 0x20B, 3, 0x90)).valid());
  EXPECT_FALSE(PeFile(::testing::TempDir() + "none.exe").valid());
}

}  // namespace
}  // namespace glavo::wine
