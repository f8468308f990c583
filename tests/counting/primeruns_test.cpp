#include <cstdint>
#include <string>
#include <vector>

#include "support/runner.hpp"

namespace {

using suite::Produces;

// Runs of consecutive primes below `limit` summing to n, counted directly.
std::vector<int> runs_below(int limit, int max_sum) {
  std::vector<bool> composite(limit, false);
  std::vector<int> primes;
  for (int i = 2; i < limit; ++i) {
    if (composite[i]) continue;
    primes.push_back(i);
    for (long long k = 1LL * i * i; k < limit; k += i) composite[k] = true;
  }
  std::vector<int> count(max_sum + 1, 0);
  for (std::size_t s = 0; s < primes.size(); ++s)
    for (std::size_t e = s, sum = 0; e < primes.size() && (sum += primes[e]) <= std::size_t(max_sum); ++e)
      ++count[sum];
  return count;
}

TEST(Primeruns, SmallQueriesAndTheEnds) {
  EXPECT_TRUE(Produces("primeruns", "1 2 3 5 17 41 53 12 20 666 9973 10005 -5 -2147483648 0\n",
                       "0\n1\n1\n2\n2\n3\n2\n1\n0\n0\n1\n0\n0\n0\n"));
}

TEST(Primeruns, ZeroEndsAndNothingAfterIsRead) {
  EXPECT_TRUE(Produces("primeruns", "5 41 0 17 x", "2\n3\n"));
  EXPECT_TRUE(Produces("primeruns", "0\n5\n", ""));
  // As "%d" reads them: the low 32 bits, 5 and then 0.
  EXPECT_TRUE(Produces("primeruns", "4294967301 4294967296 5\n", "2\n"));
}

TEST(Primeruns, InputEndingBeforeZeroStops) {
  EXPECT_TRUE(Produces("primeruns", "5 41", "2\n3\n"));
  EXPECT_TRUE(Produces("primeruns", "5 x 41 0", "2\n"));
  EXPECT_TRUE(Produces("primeruns", "", ""));
}

// The input is read 65536 bytes at a time: a number cut by that edge is one
// number, whichever digit the edge falls after.
TEST(Primeruns, NumbersAcrossTheBlockEdge) {
  for (int shift = 1; shift <= 9; ++shift)
    EXPECT_TRUE(Produces("primeruns", std::string(65536 - shift, '\n') + "9973 41 0", "1\n3\n"))
        << shift;
}

TEST(Primeruns, EveryQueryUpToTheCapacity) {
  std::vector<int> want = runs_below(10005, 10005);
  std::string in, out;
  for (int n = 1; n <= 10005; ++n) {
    in += std::to_string(n) + "\n";
    out += std::to_string(want[n]) + "\n";
  }
  EXPECT_TRUE(Produces("primeruns", in + "0\n", out));
}

// Beyond the capacity only the primes below 10005 are known to the program.
TEST(Primeruns, QueriesAboveTheCapacityUseTheListedPrimes) {
  std::vector<int> want = runs_below(10005, 200000);
  std::string in, out;
  for (int n : {10006, 10007, 12000, 20000, 49999, 100000, 199999}) {
    in += std::to_string(n) + "\n";
    out += std::to_string(want[n]) + "\n";
  }
  EXPECT_TRUE(Produces("primeruns", in + "2147483647 0\n", out + "0\n"));
}

// Queries up to the capacity are answered from counts taken once at start;
// the model slides a fresh window every time, repeated queries included.
TEST(Primeruns, MatchesModel) {
  suite::Rng rng(53);
  for (int round = 0; round < 30; ++round) {
    std::string in;
    for (int i = rng.range(0, 400); i > 0; --i) {
      int64_t n = rng.pick(INT32_MIN, 10005);
      in += std::to_string(n != 0 ? n : 10005) + (rng.chance(20) ? "\n" : " ");
    }
    if (rng.chance(80)) in += "0 7\n";
    ASSERT_TRUE(suite::MatchesModel("primeruns", in)) << in.substr(0, 200);
  }
}

}  // namespace
