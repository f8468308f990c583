#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "support/runner.hpp"

namespace {

using suite::Produces;

TEST(Seqmod7, SquaringCountAndSignedResidues) {
  // c + 1 = 4, 2, 3: three, two and two squarings; c = -1: none, the start
  // matrix's element 1 is printed; a negative input keeps its sign.
  EXPECT_TRUE(Produces("seqmod7", "1 1 3\n1 1 1\n1 1 2\n5 6 1\n1 2 10\n-1 2 3\n4 9 -1\n0 0 0\n",
                       "2\n1\n1\n0\n0\n-4\n1\n"));
}

TEST(Seqmod7, ProductsWrapBeforeTheyAreReduced) {
  // b * b wraps at 64 bits (b = 2^32 + 1, then b = 3037000500) and the wrapped
  // product is what gets reduced.
  EXPECT_TRUE(Produces("seqmod7",
                       "1 4294967297 1\n3037000500 3037000500 5\n"
                       "-9223372036854775807 9223372036854775807 9223372036854775806\n0 0 0\n",
                       "2\n0\n0\n"));
}

TEST(Seqmod7, ZeroAnywhereEndsTheRun) {
  EXPECT_TRUE(Produces("seqmod7", "1 1 3\n5 0 7\n1 1 3\n", "2\n"));
  EXPECT_TRUE(Produces("seqmod7", "1 1 3\n5 7 0\n1 1 3\n", "2\n"));
  EXPECT_TRUE(Produces("seqmod7", "0 9 9\n1 1 3\n", ""));
  EXPECT_TRUE(Produces("seqmod7", "", ""));
}

TEST(Seqmod7, InputEndingEarlyStopsTheRun) {
  EXPECT_TRUE(Produces("seqmod7", "1 1 3\n3 4 5\n", "2\n6\n"));
  EXPECT_TRUE(Produces("seqmod7", "1 1 3\nx\n", "2\n"));
  // A part of a triple leaves the rest as it was: 3 1 3 is answered.
  EXPECT_TRUE(Produces("seqmod7", "1 1 3\n3", "2\n0\n"));
  // Before any whole triple the unread numbers are 0: nothing is answered.
  EXPECT_TRUE(Produces("seqmod7", "3 4", ""));
}

TEST(Seqmod7, NegativeExponentEndsTheRun) {
  EXPECT_TRUE(Produces("seqmod7", "1 1 3\n1 1 -2\n1 1 3\n", "2\n"));
  EXPECT_TRUE(Produces("seqmod7", "1 1 3\n1 1 9223372036854775807\n1 1 3\n", "2\n"));
}

// For non-negative a and b the output is the residue 0..6 of element (0, 1)
// of (1 1 / a b) raised to 2^L, L the bit length of c + 1.
TEST(Seqmod7, AgreesWithExactPowerModSeven) {
  using M = std::array<std::array<int, 2>, 2>;
  auto square = [](const M& x) {
    M r{};
    for (int i = 0; i < 2; ++i)
      for (int j = 0; j < 2; ++j) r[i][j] = (x[i][0] * x[0][j] + x[i][1] * x[1][j]) % 7;
    return r;
  };
  suite::Rng rng(7);
  std::string in, want;
  for (int i = 0; i < 2000; ++i) {
    int64_t a = rng.range(1, 3000000000), b = rng.range(1, 3000000000);
    int64_t c = rng.chance(50) ? rng.range(1, 100) : rng.range(1, INT64_MAX - 1);
    M m{{{1, 1}, {int(a % 7), int(b % 7)}}};
    for (uint64_t n = uint64_t(c) + 1; n != 0; n >>= 1) m = square(m);
    in += std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c) + "\n";
    want += std::to_string(m[0][1]) + "\n";
  }
  EXPECT_TRUE(Produces("seqmod7", in + "0 0 0\n", want));
}

// The remembered squarings against the model's 64 per triple: every residue
// of a and b with either sign, values whose products wrap, c + 1 of every
// bit length, then many triples drawn over the whole 64-bit range, each run
// ended by a zero, by the input's end or by a negative c + 1.
TEST(Seqmod7, MatchesModel) {
  std::vector<int64_t> ab = {3037000499, 3037000500, 4294967297, INT64_MAX, INT64_MIN, -INT64_MAX,
                             4611686018427387907, -1000000000000000005};
  for (int64_t v = -8; v <= 8; ++v)
    if (v != 0) ab.push_back(v);
  std::vector<int64_t> cs = {-1, 1, 2, 3, INT64_MAX - 1};
  for (int k = 2; k < 63; ++k) cs.insert(cs.end(), {(int64_t(1) << k) - 1, int64_t(1) << k});
  std::string in;
  for (int64_t a : ab)
    for (int64_t b : ab)
      for (int64_t c : cs)
        in += std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c) + "\n";
  ASSERT_TRUE(suite::MatchesModel("seqmod7", in + "0 0 0\n"));
  suite::Rng rng(77);
  auto nonzero = [&](int64_t lo, int64_t hi) {
    int64_t v = rng.pick(lo, hi);
    return v != 0 ? v : 1;
  };
  for (int round = 0; round < 40; ++round) {
    std::string in;
    for (int i = rng.range(0, 3000); i > 0; --i)
      in += std::to_string(nonzero(INT64_MIN, INT64_MAX)) + " " + std::to_string(nonzero(INT64_MIN, INT64_MAX)) +
            " " + std::to_string(nonzero(-1, INT64_MAX - 1)) + "\n";
    const char* ends[] = {"0 0 0\n1 1 3\n", "5 0 7\n", "1 1 -2\n1 1 3\n", "", "3", "3 4"};
    in += ends[rng.range(0, 5)];
    ASSERT_TRUE(suite::MatchesModel("seqmod7", in)) << in.substr(0, 200);
  }
}

// Numbers convert as strtoll does (a leading plus, leading zeros, beyond 64
// bits at the nearest bound), also across the 64 KiB blocks of the reader;
// a token that is not a number ends the run.
TEST(Seqmod7, ReadsNumbersAndStopsAtOtherTokens) {
  for (const std::string& in :
       {std::string("+5 +6 +7\n1\t1\v3\f2\r2\n2 1 1 3 5 5 5"),
        std::string("0000000000000000000000000000012 -00000000000000000000000000009 3\n0 0 0\n"),
        std::string("99999999999999999999 -99999999999999999999 5\n9223372036854775808 3 5\n"
                    "999999999999999999 -999999999999999999 9223372036854775806\n0 0 0\n")})
    EXPECT_TRUE(suite::MatchesModel("seqmod7", in)) << in;
  for (int pad = 65530; pad <= 65540; ++pad)
    for (const char* tok : {"123 4 5", "-9223372036854775807 1 1"})
      EXPECT_TRUE(suite::MatchesModel("seqmod7", "1 1 3\n" + std::string(pad, ' ') + tok + "\n1 1 3\n"))
          << pad << " " << tok;
  for (const char* in : {"1 1 3\n3x 5 5\n1 1 3\n", "1 1 3\n- 5 6 7\n", "1 1 3\n+-5 1 1\n"})
    EXPECT_TRUE(Produces("seqmod7", in, "2\n")) << in;
}

}  // namespace
