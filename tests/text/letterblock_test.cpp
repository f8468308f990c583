#include "support/runner.hpp"

namespace {

using suite::Produces;

// The block for size n: 3n lines of n copies of the token.
std::string block(int n) {
  std::string line;
  for (int j = 0; j < n; ++j) line += "JVQ";
  line += '\n';
  std::string out;
  for (int i = 0; i < 3 * n; ++i) out += line;
  return out;
}

TEST(Letterblock, SmallBlocks) {
  EXPECT_TRUE(Produces("letterblock", "0\n5\n", ""));
  EXPECT_TRUE(Produces("letterblock", "1\n1\n", "JVQ\nJVQ\nJVQ\n"));
  EXPECT_TRUE(Produces("letterblock", "2\n1 2\n", block(1) + block(2)));
  EXPECT_TRUE(Produces("letterblock", "4 3 0 -7 2", block(3) + block(2)));
}

TEST(Letterblock, LineCountIsAWrappingProduct) {
  // 3 * -1431655765 wraps to 1: one line of no copies.
  EXPECT_TRUE(Produces("letterblock", "1\n-1431655765\n", "\n"));
  // 3 * 715827883 wraps to a negative count: no line.
  EXPECT_TRUE(Produces("letterblock", "2\n715827883\n1\n", block(1)));
}

TEST(Letterblock, LongLines) {
  // Lines shorter than, equal to and longer than two of the program's runs.
  EXPECT_TRUE(Produces("letterblock", "3\n1023\n1024\n2049\n", block(1023) + block(1024) + block(2049)));
}

TEST(Letterblock, MissingSizesEndTheRun) {
  EXPECT_TRUE(Produces("letterblock", "5\n1\n", block(1)));
  EXPECT_TRUE(Produces("letterblock", "3\n1 x 2\n", block(1)));
  EXPECT_TRUE(Produces("letterblock", "-3\n1\n", ""));
  EXPECT_TRUE(Produces("letterblock", "2147483647\n", ""));
}

// Small sizes, and sizes at the 32-bit ends where 3n wraps to a small or
// negative line count; T up to its 32-bit end, more than the sizes given.
TEST(Letterblock, MatchesModel) {
  suite::Rng rng(65);
  const int64_t wraps[] = {INT32_MIN, INT32_MIN + 1, -1431655766, -1431655765, -1431655764, 1431655765};
  for (int round = 0; round < 200; ++round) {
    int sizes = int(rng.range(0, 5));
    int64_t T = rng.chance(80) ? sizes : rng.pick(0, INT32_MAX);
    std::string input = std::to_string(T) + "\n";
    for (int i = 0; i < sizes; ++i)
      input += std::to_string(rng.chance(20) ? wraps[rng.range(0, 5)] : rng.pick(-3, 40)) + " ";
    ASSERT_TRUE(suite::MatchesModel("letterblock", input)) << input.substr(0, 200);
  }
}

TEST(Letterblock, EnormousSizeStreams) {
  // One line of 2147483647 copies is 6 GiB: it must come out as it is made.
  suite::Limits limits;
  limits.max_output = 1u << 20;
  suite::Outcome r = suite::run_program("letterblock", "1\n2147483647\n", limits);
  ASSERT_TRUE(r.capped);
  ASSERT_GE(r.out.size(), limits.max_output);
  std::string head = r.out.substr(0, limits.max_output - limits.max_output % 3);
  std::string want;
  while (want.size() < head.size()) want += "JVQ";
  EXPECT_EQ(head, want);
}

TEST(Letterblock, WritesEachBlockBeforeTheNextSizeIsSent) {
  suite::Session s("letterblock");
  s.send("3\n1\n");
  EXPECT_EQ(s.receive(12), block(1));
  s.send("2\n");
  EXPECT_EQ(s.receive(42), block(2));
  s.send("0\n");
  suite::Outcome r = s.finish();
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.status, 0);
}

}  // namespace
