#include <cstdint>
#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;

std::string lines(std::initializer_list<const char*> values) {
  std::string s;
  for (const char* v : values) s += std::string(v) + "\n";
  return s;
}

// (n + 1) * 2^(n - 2) in integers, for every n the double computation holds exactly.
TEST(Powersum, ExactFromOneToFiftyNine) {
  std::string in = "59\n", want = "1\n";
  in += "1 ";
  for (int n = 2; n <= 59; ++n) {
    in += std::to_string(n) + " ";
    want += std::to_string(uint64_t(n + 1) << (n - 2)) + "\n";
  }
  EXPECT_TRUE(Produces("powersum", in, want));
}

TEST(Powersum, BelowOneIsZero) {
  // n = -2 sums to -0.0625: the truncated integer is 0, never "-0".
  EXPECT_TRUE(Produces("powersum", "7\n0 -1 -2 -3 -40 -1100 -2147483646\n",
                       lines({"0", "0", "0", "0", "0", "0", "0"})));
  // Where a 32-bit n - 2 would wrap into a huge exponent.
  EXPECT_TRUE(Produces("powersum", "2\n-2147483647 -2147483648\n", "0\n0\n"));
}

TEST(Powersum, BeyondTheRangeSaturates) {
  EXPECT_TRUE(Produces("powersum", "4\n60 61 1100 2147483647\n",
                       lines({"9223372036854775807", "9223372036854775807", "9223372036854775807",
                              "9223372036854775807"})));
}

TEST(Powersum, CountedList) {
  EXPECT_TRUE(Produces("powersum", "0\n5\n", ""));
  EXPECT_TRUE(Produces("powersum", "2\n30 10 4\n", "8321499136\n2816\n"));
  // A failed extraction ends the run; the answers already due stay.
  EXPECT_TRUE(Produces("powersum", "4\n3 4\n", "8\n20\n"));
  EXPECT_TRUE(Produces("powersum", "3\n3 y 4\n", "8\n"));
  EXPECT_TRUE(Produces("powersum", "-5\n1 2\n", "1\n3\n"));
}

// Counted lists against the literal model: T at and beyond its ends, equal to
// the values given or not, n across its whole range, some lists ended by a
// token that is not a number or a number beyond 32 bits.
TEST(Powersum, MatchesModel) {
  suite::Rng rng(58);
  const char* gaps[] = {" ", "\n", "\t", "\r\n", "  \n "};
  for (int run = 0; run < 60; ++run) {
    int k = int(run % 10 == 0 ? rng.range(20000, 30000) : rng.range(0, 40));
    int64_t t = rng.chance(60) ? k : rng.pick(INT32_MIN + 1 + k, int64_t(1) << 40);
    std::string in = std::to_string(t);
    for (int i = 0; i < k; ++i) {
      in += gaps[rng.range(0, 4)];
      int64_t n = rng.chance(50) ? rng.range(-3, 59) : rng.pick(-2147483646, 59);
      in += (n < 0 ? "" : rng.chance(10) ? "+" : rng.chance(10) ? "00" : "") + std::to_string(n);
    }
    if (rng.chance(20)) in += " x 1";  // a token that is not a number ends the list
    if (rng.chance(20))                  // so does a number beyond 32 bits
      in += " " + std::to_string(rng.chance(50) ? rng.pick(INT64_MIN, INT32_MIN - 1LL)
                                                : rng.pick(INT32_MAX + 1LL, INT64_MAX)) + " 1";
    ASSERT_TRUE(suite::MatchesModel("powersum", in)) << in.substr(0, 200);
  }
}

TEST(Powersum, AnswersEachValueBeforeTheNextIsSent) {
  suite::Session s("powersum");
  // The 3 comes with the 10, so the program holds it when it answers 10: it
  // must wait for the rest of that value, which is 30.
  s.send("3\n10\n3");
  EXPECT_EQ(s.receive(5), "2816\n");
  s.send("0 ");
  EXPECT_EQ(s.receive(11), "8321499136\n");
  // The last value unended: only the end of the input completes it.
  s.send("4");
  suite::Outcome r = s.finish();
  EXPECT_EQ(r.out, "20\n");
  EXPECT_EQ(r.status, 0);
}

}  // namespace
