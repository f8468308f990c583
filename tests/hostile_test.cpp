// Every program, fed input outside its contract, must exit 0 in bounded time
// without a sanitizer report: empty input, truncated examples, tokens that are
// not numbers, numbers at and beyond the integer limits, very long tokens and
// arbitrary bytes.
#include <set>

#include "support/runner.hpp"

namespace {

using suite::Rng;
using suite::Outcome;
using namespace std::string_literals;

// Programs whose format writes output in proportion to a count read from the
// input (a line per case, even for cases missing from the input): a huge count
// legitimately streams without end, so reaching the output cap is not a fault.
const std::set<std::string> kOutputFollowsCounts = suite::programs_with("output-follows-counts");

std::string repeat(const std::string& piece, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += piece;
  return s;
}

std::vector<std::pair<std::string, std::string>> hostile_inputs(const std::string& name) {
  std::vector<std::pair<std::string, std::string>> in = {
      {"empty", ""},
      {"newline only", "\n"},
      {"word", "abc def\n"},
      {"one then word", "1 x 2 y\n"},
      {"int max", repeat("2147483647 ", 300)},
      {"int min", repeat("-2147483648 ", 300)},
      {"beyond 64 bits", repeat("99999999999999999999999 ", 300)},
      {"beyond -64 bits", repeat("-99999999999999999999999 ", 300)},
      {"64-bit limits", repeat("9223372036854775807 -9223372036854775808 ", 150)},
      {"mixed limits", repeat("3 2147483647 -2147483648 0 1 -1 4294967296 E Q A S\n", 40)},
      {"all zeros", repeat("0 ", 300)},
      {"all ones", repeat("1 ", 300)},
      {"long letters", std::string(1 << 20, 'a')},
      {"long digits", std::string(1 << 20, '7')},
      {"odd bytes", "2\n\0\xff\r\n1 \xff\0 3\r\n"s},
  };
  Rng rng(0x5eed);
  std::string bytes;
  for (int i = 0; i < 1 << 16; ++i) bytes += char(rng.range(0, 255));
  in.emplace_back("random bytes", bytes);
  std::string digits;
  for (int i = 0; i < 1 << 14; ++i) digits += "0123456789 -\n"[rng.range(0, 12)];
  in.emplace_back("random digits", digits);

  std::string example = suite::example_input(name);
  for (int quarter = 1; quarter <= 3; ++quarter)
    in.emplace_back("example cut at " + std::to_string(quarter) + "/4",
                    example.substr(0, example.size() * quarter / 4));
  if (!example.empty()) in.emplace_back("example without last byte", example.substr(0, example.size() - 1));
  return in;
}

class Hostile : public ::testing::TestWithParam<std::string> {};

TEST_P(Hostile, ExitsZeroInBoundedTime) {
  const std::string& name = GetParam();
  suite::Limits limits;
  limits.seconds = 60;
  limits.max_output = 16u << 20;
  for (const auto& [label, input] : hostile_inputs(name)) {
    SCOPED_TRACE(label);
    Outcome r = suite::run_program(name, input, limits);
    EXPECT_FALSE(r.timed_out);
    if (r.capped && kOutputFollowsCounts.count(name)) continue;
    EXPECT_FALSE(r.capped);
    EXPECT_EQ(r.status, 0);
  }
}

// Where a 32-bit number is read as "%d" reads it, a token beyond 32 bits
// keeps the low 32 bits of its value saturated at the 64-bit bounds, on
// 32-bit machines too (whose C library would saturate at 32 bits).
TEST(HugeTokens, KeepTheLowBitsOfTheSixtyFourBitValue) {
  using suite::Produces;
  EXPECT_TRUE(Produces("divpair", "1111111111111111111111111111111111111111\n", "-1\n"));
  EXPECT_TRUE(Produces("divpair", "4294967301\n", "2 3\n"));
  EXPECT_TRUE(Produces("campsum", "1\n1\n4294967303\nQ 0 0\nE\n", "Case 1:\n7\n"));
  EXPECT_TRUE(Produces("spancover", "1 3\n1 4294967298\n", "-1\n"));
  EXPECT_TRUE(Produces("pie", "1\n1 4294967297\n1\n", "1.5708\n"));
  EXPECT_TRUE(Produces("permcount", "4294967298\n4 4294967305\n", "2\n"));
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, Hostile, ::testing::ValuesIn(suite::all_programs()),
                         [](const auto& info) { return info.param; });

}  // namespace
