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
// of a and b with either sign, values whose products wrap, and c + 1 of every
// bit length.
TEST(Seqmod7, MatchesModelOnEveryResidueAndBitLength) {
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
  suite::Rng rng(77);
  for (int i = 0; i < 20000; ++i) {
    int64_t a = int64_t(rng.bits() | 1), b = int64_t(rng.bits() | 2);
    int64_t c = rng.range(1, (int64_t(1) << rng.range(1, 62)) - 1);
    in += std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c) + "\n";
  }
  EXPECT_TRUE(suite::MatchesModel("seqmod7", in + "0 0 0\n"));
}

// The line reader converts as "%lld" does: signs, leading zeros, numbers
// beyond 64 bits, a sign without digits (consumed, so the next read resumes
// after it), a NUL byte, and numbers across the reader's 64 KiB chunks.
TEST(Seqmod7, ReadsAsScanfDoes) {
  using namespace std::string_literals;
  for (const std::string& in :
       {"+5 +6 +7\n+-5 1 1\n"s, "1 1 3\n4 - 5 6 7\n9 9 9\n0 0 0\n"s, "1 1 3\n4 5 +\n"s,
        "0000000000000000000000000000012 -00000000000000000000000000009 3\n0 0 0\n"s,
        "99999999999999999999 -99999999999999999999 5\n9223372036854775808 3 5\n3 9223372036854775808 5\n"
        "999999999999999999 -999999999999999999 9223372036854775806\n0 0 0\n"s,
        "1 1 3\n4\0 5 6\n1 1 3\n"s, "1\t1\v3\f2\r2\n2 1 1 3x 5 5 5"s})
    EXPECT_TRUE(suite::MatchesModel("seqmod7", in)) << in;
  for (int pad = 65530; pad <= 65540; ++pad)
    for (const char* tok : {"123 4 5", "-9223372036854775807 1 1", "- 4 5 6"})
      EXPECT_TRUE(suite::MatchesModel("seqmod7", "1 1 3\n" + std::string(pad, ' ') + tok + "\n1 1 3\n"))
          << pad << " " << tok;
}

}  // namespace
