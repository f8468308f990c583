#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "support/runner.hpp"

namespace {

using suite::Produces;

std::string values(const std::vector<int>& v) {
  std::string s = std::to_string(v.size()) + "\n";
  for (int x : v) s += std::to_string(x) + " ";
  return s + "\n";
}

TEST(Permcount, PassingAndFailingArrangements) {
  EXPECT_TRUE(Produces("permcount", "2\n1 4\n", "2\n"));
  EXPECT_TRUE(Produces("permcount", "2\n1 2\n", "1.414214    1\n1.414214    1\n0\n"));
  EXPECT_TRUE(Produces("permcount", "3\n2 8 2\n", "3\n"));
  EXPECT_TRUE(Produces("permcount", "3\n1 1 1\n", "1\n"));
  EXPECT_TRUE(Produces("permcount", "4\n4 4 4 9\n", "4\n"));
  EXPECT_TRUE(Produces("permcount", "1\n7\n", "1\n"));
  EXPECT_TRUE(Produces("permcount", "0\n", "1\n"));
  EXPECT_TRUE(Produces("permcount", "", "1\n"));
}

TEST(Permcount, WalkStartsFromTheInputOrder) {
  // 2 1 8 first, then 2 8 1, 8 1 2, 8 2 1, 1 2 8, 1 8 2.
  EXPECT_TRUE(Produces("permcount", "3\n2 1 8\n",
                       "1.414214    1\n2.828427    2\n2.828427    2\n1.414214    1\n1.414214    1\n"
                       "2.828427    2\n0\n"));
  // Only the first failing pair of an arrangement is traced: 4 1 3 passes
  // 4 * 1 and is traced at 1 * 3.
  EXPECT_TRUE(Produces("permcount", "3\n4 1 3\n",
                       "1.732051    1\n3.464102    3\n1.732051    1\n3.464102    3\n"
                       "1.732051    1\n3.464102    3\n0\n"));
}

TEST(Permcount, SinglePrecisionDecides) {
  // The roots are printed as single-precision values widened.
  EXPECT_TRUE(Produces("permcount", "2\n46340 46341\n", "46340.500000    46340\n46340.500000    46340\n0\n"));
  EXPECT_TRUE(Produces("permcount", "2\n1000 1001\n", "1000.499878    1000\n1000.499878    1000\n0\n"));
  // 4097 * 4099 = 16793603 rounds to 16793604 = 4098^2; 97 * 172961 = 2^24 + 1.
  EXPECT_TRUE(Produces("permcount", "2\n4097 4099\n", "2\n"));
  EXPECT_TRUE(Produces("permcount", "2\n97 172961\n", "2\n"));
}

TEST(Permcount, NegativeAndWrappedProducts) {
  EXPECT_TRUE(Produces("permcount", "2\n-1 4\n", "nan    0\nnan    0\n0\n"));
  EXPECT_TRUE(Produces("permcount", "2\n46341 46341\n", "nan    0\n0\n"));
  EXPECT_TRUE(Produces("permcount", "2\n65536 65536\n", "1\n"));
  // The root of a later pair is NaN: 4 1 -1 passes its first pair, fails its second.
  EXPECT_TRUE(Produces("permcount", "3\n4 1 -1\n",
                       "nan    0\nnan    0\nnan    0\nnan    0\nnan    0\nnan    0\n0\n"));
}

TEST(Permcount, MissingValuesAreZerosAndCountsOutsideTheStore) {
  // 3 values, one read: 4 0 0 in every order passes.
  EXPECT_TRUE(Produces("permcount", "3\n4", "3\n"));
  // After a token that is not a number no read succeeds: 2 0 0.
  EXPECT_TRUE(Produces("permcount", "3\n2 x 3", "3\n"));
  EXPECT_TRUE(Produces("permcount", "-5\n1 2\n", "1\n"));
  EXPECT_TRUE(Produces("permcount", "306\n1 1 1\n", ""));
  EXPECT_TRUE(Produces("permcount", values(std::vector<int>(305, 3)), "1\n"));
}

// Small multisets whose products stay exact in single precision: the count is
// the number of distinct arrangements with every neighbour product a perfect
// square, and each other arrangement writes one trace line.
TEST(Permcount, CountsAgreeWithExactSquareTest) {
  const int pool[] = {1, 2, 3, 4, 8, 9, 12, 18, 27, 0, -2};
  suite::Rng rng(54);
  for (int round = 0; round < 60; ++round) {
    std::vector<int> v(rng.range(1, 6));
    for (int& x : v) x = pool[rng.range(0, 10)];
    std::vector<int> s = v;
    std::sort(s.begin(), s.end());
    int total = 0, good = 0;
    do {
      ++total;
      bool ok = true;
      for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        long long p = 1LL * s[i] * s[i + 1];
        long long r = p < 0 ? -1 : std::llround(std::sqrt(double(p)));
        ok = ok && r * r == p;
      }
      good += ok;
    } while (std::next_permutation(s.begin(), s.end()));
    suite::Outcome got = suite::run_program("permcount", values(v));
    EXPECT_EQ(got.status, 0);
    EXPECT_EQ(got.out.substr(got.out.rfind('\n', got.out.size() - 2) + 1), std::to_string(good) + "\n")
        << values(v);
    EXPECT_EQ(std::count(got.out.begin(), got.out.end(), '\n'), total - good + 1) << values(v);
  }
}

// The search over prefixes against the literal walk. Values are drawn so
// that products repeat, overflow, go negative and sit where single precision
// rounds (4097 * 4099, 2^24 + 1); small pools give many equal values. Counts
// run from negative to the capacity, a long multiset holding one value but
// one, so that the literal walk stays short.
TEST(Permcount, MatchesModel) {
  const int pool[] = {0,  1,     2,     3,  4,      5,          8,    9,    16,   -1,
                      -4, 46341, 65536, 97, 172961, 2147483647, 4097, 4099, 4096, 16777217};
  suite::Rng rng(541);
  for (int round = 0; round < 200; ++round) {
    int t = int(round % 10 == 0 ? rng.pick(-3, 305) : rng.range(0, round % 20 == 1 ? 9 : 7));
    std::vector<int> v(std::max(t, 0));
    int from = int(rng.range(0, 19)), span = rng.chance(40) ? 3 : 20;
    for (int& x : v)
      x = rng.chance(70) ? pool[(from + rng.range(0, span - 1)) % 20] : int(rng.pick(INT32_MIN, INT32_MAX));
    if (t > 9) std::fill(v.begin() + 2, v.end(), v[1]), std::swap(v[0], v[rng.range(0, t - 1)]);
    std::string in = values(v);
    if (t < 0) in = std::to_string(t) + in.substr(1);
    if (rng.chance(10)) in = in.substr(0, in.size() / 2);  // values missing at the end
    ASSERT_TRUE(suite::MatchesModel("permcount", in)) << in.substr(0, 200);
  }
  // One value fails next to all the others: every one of the 9! arrangements
  // writes a line, in blocks cut at every depth.
  EXPECT_TRUE(suite::MatchesModel("permcount", values({49, 2, 1, 64, 9, 16, 25, 36, 4})));
}

// Where nothing fails the count is the multinomial of the counts modulo
// 1000000007, reached without walking the arrangements (13! of them here,
// minutes for the walk).
TEST(Permcount, PassingSubtreesAreCountedNotWalked) {
  auto multinomial = [](const std::vector<int>& counts) {
    const long long mod = 1000000007;
    long long r = 1;
    int n = 0;
    for (int k : counts) {
      n += k;
      std::vector<long long> row(n + 1, 0);
      row[0] = 1;
      for (int i = 1; i <= n; ++i)
        for (int j = i; j >= 1; --j) row[j] = (row[j] + row[j - 1]) % mod;
      r = r * row[k] % mod;
    }
    return std::to_string(r) + "\n";
  };
  std::vector<int> squares;
  for (int k = 13; k >= 1; --k) squares.push_back(3 * k * k);
  std::swap(squares[3], squares[8]);
  EXPECT_TRUE(Produces("permcount", values(squares), multinomial(std::vector<int>(13, 1))));
  std::vector<int> dup;
  for (int k = 0; k < 36; ++k) dup.push_back(k % 3 == 0 ? 0 : k % 3 == 1 ? 4 : 100);
  EXPECT_TRUE(Produces("permcount", values(dup), multinomial({12, 12, 12})));
  // 25! passing arrangements, beyond 64 bits: the count modulo 1000000007 alone.
  std::vector<int> wide;
  for (int k = 1; k <= 25; ++k) wide.push_back(3 * k * k);
  EXPECT_TRUE(Produces("permcount", values(wide), multinomial(std::vector<int>(25, 1))));
}

}  // namespace
