// Theme and record files are written whole or not at all, in place of
// what the name points to: links, permissions and read-only files survive.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "cell/cell_theme_record.h"
#include "runtime/whole_file.h"
#include "scratch_dir.h"

namespace glavo::testing {
namespace {

namespace fs = std::filesystem;

class WholeFileTest : public ::testing::Test {
 protected:
  fs::path at(const std::string& name) const { return dir_.at(name); }
  void Put(const std::string& name, const std::string& text) const { dir_.put(name, text); }
  std::string Get(const std::string& name) const { return dir_.get(name); }
  std::size_t Entries() const {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(at(""))) ++n;
    return n;
  }
  static mode_t Mode(const fs::path& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st.st_mode & 07777;
  }

 private:
  test_files::ScratchDir dir_;
};

// Runs `body` in a child process, so that what it changes binds nobody
// else: the child's exit status, or -1 if it did not exit.
int ExitOfChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST_F(WholeFileTest, ALinkIsWrittenThroughAndStaysALink) {
  Put("real.gst", "old\r\n");
  fs::create_directory(at("sub"));
  fs::create_symlink("../real.gst", at("sub/link.gst"));  // relative, resolved from the link's folder
  fs::create_symlink(at("sub/link.gst"), at("chain.gst"));
  ASSERT_TRUE(WriteLineFile(at("chain.gst").u16string(), u"new"));
  EXPECT_TRUE(fs::is_symlink(at("chain.gst")));
  EXPECT_TRUE(fs::is_symlink(at("sub/link.gst")));
  EXPECT_EQ(Get("real.gst"), "new\r\n");
  EXPECT_EQ(Entries(), 3u) << "a temporary file was left behind";
}

TEST_F(WholeFileTest, ADanglingLinkCreatesItsTargetAndALoopIsRefused) {
  fs::create_symlink("made.gst", at("dangling.gst"));
  ASSERT_TRUE(WriteWholeFile(at("dangling.gst"), "x"));
  EXPECT_TRUE(fs::is_symlink(at("dangling.gst")));
  EXPECT_EQ(Get("made.gst"), "x");
  fs::create_symlink("loop-b", at("loop-a"));
  fs::create_symlink("loop-a", at("loop-b"));
  EXPECT_FALSE(WriteWholeFile(at("loop-a"), "x"));
}

TEST_F(WholeFileTest, TheFileIsReplacedWholeAndKeepsItsPermissionsANewOneGetsTheUsual) {
  Put("shared.gst", std::string(500, 'o'));
  fs::permissions(at("shared.gst"), static_cast<fs::perms>(0604));  // not what a new file gets
  ASSERT_TRUE(WriteWholeFile(at("shared.gst"), "newer"));
  EXPECT_EQ(Mode(at("shared.gst")), 0604u);
  EXPECT_EQ(Get("shared.gst"), "newer");
  // A new file gets the usual permissions.
  Put("plain.gst", "");
  ASSERT_TRUE(WriteWholeFile(at("fresh.gst"), "x"));
  EXPECT_EQ(Mode(at("fresh.gst")), Mode(at("plain.gst")));
}

TEST_F(WholeFileTest, AReadOnlyFileIsRefusedAndKept) {
  Put("locked.gst", "keep me");
  fs::permissions(at("locked.gst"), static_cast<fs::perms>(0444));
  EXPECT_FALSE(WriteLineFile(at("locked.gst").u16string(), u"new"));
  EXPECT_EQ(Get("locked.gst"), "keep me");
  EXPECT_EQ(Mode(at("locked.gst")), 0444u);
  // Also when the name is a link to it.
  fs::create_symlink("locked.gst", at("to-locked.gst"));
  EXPECT_FALSE(WriteWholeFile(at("to-locked.gst"), "new"));
  EXPECT_EQ(Get("locked.gst"), "keep me");
  EXPECT_EQ(Entries(), 2u);
}

TEST_F(WholeFileTest, FoldersAndSpecialFilesAreRefused) {
  fs::create_directory(at("folder.gst"));
  EXPECT_FALSE(WriteWholeFile(at("folder.gst"), "x"));
  ASSERT_EQ(::mkfifo(at("pipe.gst").c_str(), 0666), 0);
  EXPECT_FALSE(WriteWholeFile(at("pipe.gst"), "x")) << "a pipe would block the writer";
  EXPECT_FALSE(WriteWholeFile(at("no/such/folder/x.gst"), "x"));
  EXPECT_EQ(Entries(), 2u);
}

TEST_F(WholeFileTest, InAFolderThatTakesNoNewFileTheFileIsRewrittenInPlace) {
  Put("theme.gst", std::string(1000, 'o'));
  ASSERT_TRUE(RewriteInPlace(at("theme.gst"), "short"));
  EXPECT_EQ(Get("theme.gst"), "short");
  ASSERT_TRUE(RewriteInPlace(at("theme.gst"), std::string(3000, 'n')));
  EXPECT_EQ(Get("theme.gst"), std::string(3000, 'n'));
  EXPECT_FALSE(RewriteInPlace(at("missing.gst"), "x"));
  EXPECT_FALSE(fs::exists(at("missing.gst")));
}

// A write that fails part way (here: past a file size limit, set in a
// child process) leaves the old content.
TEST_F(WholeFileTest, AWriteThatFailsPartWayKeepsTheOldContent) {
  const std::string old(1000, 'o');
  Put("theme.gst", old);
  const int status = ExitOfChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{2000, 2000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const std::string big(3000, 'n');
    const bool sibling = WriteWholeFile(at("theme.gst"), big);
    const bool inPlace = RewriteInPlace(at("theme.gst"), big);
    return !sibling && !inPlace ? 0 : 1;
  });
  EXPECT_EQ(status, 0) << "a write past the limit reported success";
  EXPECT_EQ(Get("theme.gst"), old);
  EXPECT_EQ(Entries(), 1u) << "a temporary file was left behind";
}

// Folder permissions do not bind a privileged user, so a privileged run
// makes the writes from a child that has given its privileges up.
TEST_F(WholeFileTest, AFolderWithoutWritePermissionStillTakesTheWrite) {
  constexpr uid_t kNobody = 65534;
  Put("theme.gst", "old");
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(at("theme.gst").c_str(), kNobody, kNobody), 0);
  }
  fs::permissions(at(""), static_cast<fs::perms>(0555));
  const int status = ExitOfChild([&] {
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) return 2;
    const bool existing = WriteWholeFile(at("theme.gst"), "new");
    const bool fresh = WriteWholeFile(at("fresh.gst"), "new");  // no new file can be made there
    return existing && !fresh ? 0 : 1;
  });
  fs::permissions(at(""), static_cast<fs::perms>(0755));
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Get("theme.gst"), "new");
  EXPECT_EQ(Entries(), 1u);
}

}  // namespace
}  // namespace glavo::testing
