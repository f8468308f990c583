#include <cstdint>
#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;
using namespace std::string_literals;

constexpr int64_t kMod = 1000000007;

TEST(Abchains, StretchesBetweenRunsOfB) {
  const std::pair<const char*, const char*> cases[] = {
      {"ab\n", "1\n"},   {"aba\n", "3\n"}, {"abbaa\n", "5\n"}, {"baaab\n", "3\n"},
      {"bab\n", "1\n"},  {"aaa\n", "3\n"}, {"\n", "0\n"},      {"xyz\n", "0\n"},
      {"aXa\n", "2\n"},  {"a b a\n", "3\n"}, {"AaBa\n", "2\n"}, {"bbbb\n", "0\n"},
  };
  for (const auto& [in, want] : cases) EXPECT_TRUE(Produces("abchains", in, want)) << in;
}

TEST(Abchains, LineEnds) {
  EXPECT_TRUE(Produces("abchains", "abbba\r\n", "3\n"));
  EXPECT_TRUE(Produces("abchains", "abbba\rab\n", "3\n"));
  // Only the first line is read.
  EXPECT_TRUE(Produces("abchains", "ab\naaaa\n", "1\n"));
  // The end of the input finishes the line, also straight after a run of b.
  EXPECT_TRUE(Produces("abchains", "aba", "3\n"));
  EXPECT_TRUE(Produces("abchains", "aabb", "2\n"));
  EXPECT_TRUE(Produces("abchains", "", "0\n"));
}

TEST(Abchains, OddBytesAreOrdinary) {
  // 0xFF is not the end of the input, and a zero byte is no line end.
  EXPECT_TRUE(Produces("abchains", "a\xff" "a\n", "2\n"));
  EXPECT_TRUE(Produces("abchains", "a\0a\0ba\n"s, "5\n"));
  EXPECT_TRUE(Produces("abchains", "\xff\xff" "b\xff" "a\n", "1\n"));
}

// Forty stretches of one a: 2^40 reduced modulo 1000000007, minus 1.
TEST(Abchains, ProductIsReduced) {
  std::string in;
  for (int i = 0; i < 40; ++i) in += "ab";
  int64_t p = 1;
  for (int i = 0; i < 40; ++i) p = p * 2 % kMod;
  EXPECT_TRUE(Produces("abchains", in + "\n", std::to_string(p - 1) + "\n"));
  // Large stretches: 100000 a's in each of three stretches.
  std::string big = std::string(100000, 'a') + "b" + std::string(100000, 'a') + "bb" +
                    std::string(100000, 'a') + "\n";
  int64_t f = 100001;
  EXPECT_TRUE(Produces("abchains", big, std::to_string(f * f % kMod * f % kMod - 1) + "\n"));
}

}  // namespace
