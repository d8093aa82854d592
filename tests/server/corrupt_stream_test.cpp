// Damaged streams through the real IPersistStreamInit::Load, in both
// bitnesses: each is refused or loaded, and the control keeps working.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "client_run.h"
#include "wine_session.h"

namespace server_test {
namespace {

// More mutations per run with GLAVO_CORRUPT_STREAMS (the CI uses the default).
int Mutations() {
  const char* n = std::getenv("GLAVO_CORRUPT_STREAMS");
  return n && std::atoi(n) > 0 ? std::atoi(n) : 1050;
}

using CorruptStreamTest = ClientRunTest;

TEST_P(CorruptStreamTest, EveryDamagedStreamIsRefusedOrLoadedAndTheControlKeepsWorking) {
  const int count = Mutations();
  ASSERT_NO_FATAL_FAILURE(Start("corrupt-stream", std::to_string(count) + " 16", 280));
  const WineResult& run = *run_;
  bool done = false;
  int mutations = -1;
  for (const std::string& line : run.lines()) {
    if (line == "done") done = true;
    if (line.rfind("unusable ", 0) == 0 && line != "unusable 0") ADD_FAILURE() << line;
    if (line.rfind("mutations ", 0) == 0) mutations = std::atoi(line.c_str() + 10);
    std::istringstream in(line);
    std::string word, kind, totalWord, refusedWord;
    int total = 0, refused = 0;
    if (in >> word >> kind >> totalWord >> total >> refusedWord >> refused && word == "kind") {
      EXPECT_GT(total, 0) << kind;
      // Damage the header check sees, or a stream cut short, can never load.
      if (kind == "truncated" || kind == "wrong-magic" || kind == "later-version") {
        EXPECT_EQ(refused, total) << kind;
      }
    }
  }
  EXPECT_TRUE(done) << run.output;
  EXPECT_EQ(mutations, count);
  EXPECT_GE(mutations, 1000);
}

INSTANTIATE_TEST_SUITE_P(BothBitnesses, CorruptStreamTest, ::testing::ValuesIn(BothBitnesses()), BitnessName());

}  // namespace
}  // namespace server_test
