// A fresh folder for one test's files, removed with its contents when the
// test ends (write permission given back first, for tests that take it).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace glavo::test_files {

class ScratchDir {
 public:
  ScratchDir() : path_(std::filesystem::temp_directory_path() / UniqueName()) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::filesystem::path at(const std::string& name) const { return path_ / name; }
  // The name as the controls take it.
  std::u16string file(const std::string& name) const { return at(name).u16string(); }
  void put(const std::string& name, const std::string& bytes) const {
    std::ofstream(at(name), std::ios::binary) << bytes;
  }
  std::string get(const std::string& name) const {
    std::ifstream in(at(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

 private:
  // The process and the running test, so that parallel runs never share one.
  static std::string UniqueName() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "glavo-" + std::to_string(::getpid()) + "-" +
                       (test ? std::string(test->test_suite_name()) + "-" + test->name() : "scratch");
    std::replace(name.begin(), name.end(), '/', '_');  // parameterised names
    return name;
  }

  std::filesystem::path path_;
};

}  // namespace glavo::test_files
