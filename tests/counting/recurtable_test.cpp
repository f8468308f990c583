#include <cstdint>
#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;

// Term n of 1, 3, 5, 11, ... by its closed form (2^(n+1) +- 1) / 3. Unsigned
// 64-bit arithmetic holds it up to n = 63, where 2^64 - 1 is formed as 0 - 1.
std::string term(int n) {
  uint64_t p = n == 63 ? 0 : uint64_t(1) << (n + 1);
  p = n % 2 == 0 ? p + 1 : p - 1;
  return std::to_string(p / 3) + "\n";
}

TEST(Recurtable, EveryIndexOfTheTable) {
  std::string in = "31\n", want;
  for (int n = 30; n >= 0; --n) {
    in += std::to_string(n) + " ";
    want += n == 0 ? "0\n" : term(n);
  }
  EXPECT_TRUE(Produces("recurtable", in, want));
}

TEST(Recurtable, CountedList) {
  EXPECT_TRUE(Produces("recurtable", "0\n1 2 3\n", ""));
  EXPECT_TRUE(Produces("recurtable", "4\n5 5 1 5\n", "21\n21\n1\n21\n"));
  // Only T indices are read.
  EXPECT_TRUE(Produces("recurtable", "2\n4 10 30\n", "11\n683\n"));
}

TEST(Recurtable, IndicesBeyondTheTable) {
  std::string in = "33\n", want;
  for (int n = 31; n <= 63; ++n) {
    in += std::to_string(n) + " ";
    want += term(n);
  }
  EXPECT_TRUE(Produces("recurtable", in, want));
  EXPECT_TRUE(Produces("recurtable", "5\n-1 64 2147483647 -2147483648 3\n", "0\n0\n0\n0\n5\n"));
}

TEST(Recurtable, InputEndingEarly) {
  // A failed extraction ends the run; the answers already due stay.
  EXPECT_TRUE(Produces("recurtable", "5\n1 2\n", "1\n3\n"));
  EXPECT_TRUE(Produces("recurtable", "3\n4 x 5\n", "11\n"));
  EXPECT_TRUE(Produces("recurtable", "2147483647\n3\n", "5\n"));
  EXPECT_TRUE(Produces("recurtable", "-1\n1 2 3\n", "1\n3\n5\n"));
  EXPECT_TRUE(Produces("recurtable", "x\n1\n", ""));
}

// Counted lists against the literal model: T at and beyond its ends, equal to
// the indices given or not, indices written in any form extraction takes,
// some lists ended by a token that is not a number or a number beyond 32 bits.
TEST(Recurtable, MatchesModel) {
  suite::Rng rng(57);
  const char* gaps[] = {" ", "\n", "\t", "\r\n", "  \n "};
  for (int run = 0; run < 60; ++run) {
    int k = int(run % 10 == 0 ? rng.range(20000, 30000) : rng.range(0, 40));
    int64_t t = rng.chance(60) ? k : rng.pick(INT32_MIN + 1 + k, int64_t(1) << 40);
    std::string in = std::to_string(t);
    for (int i = 0; i < k; ++i) {
      in += gaps[rng.range(0, 4)];
      in += rng.chance(10) ? "+" : rng.chance(10) ? "00" : "";
      in += std::to_string(rng.pick(0, 30));
    }
    if (rng.chance(20)) in += " x 1";  // a token that is not a number ends the list
    if (rng.chance(20))                  // so does a number beyond 32 bits
      in += " " + std::to_string(rng.chance(50) ? rng.pick(INT64_MIN, INT32_MIN - 1LL)
                                                : rng.pick(INT32_MAX + 1LL, INT64_MAX)) + " 1";
    ASSERT_TRUE(suite::MatchesModel("recurtable", in)) << in.substr(0, 200);
  }
}

// A client that sends one index and waits must get its answer: the newline
// left after the index is no sign that the next one is on its way.
TEST(Recurtable, AnswersEachIndexBeforeTheNextIsSent) {
  suite::Session s("recurtable");
  // The 1 comes with the 4, so the program holds it when it answers 4: it
  // must wait for the rest of that index, which is 10.
  s.send("3\n4\n1");
  EXPECT_EQ(s.receive(3), "11\n");
  s.send("0\n");
  EXPECT_EQ(s.receive(4), "683\n");
  s.send("30\n");
  suite::Outcome r = s.finish();
  EXPECT_EQ(r.out, "715827883\n");
  EXPECT_EQ(r.status, 0);
}

}  // namespace
