#include <algorithm>
#include <cstdint>
#include <string>

#include "support/runner.hpp"

namespace {

using suite::Produces;

// One case over the given counts with the given commands (without 'E').
std::string one_case(const std::string& counts_with_n, const std::string& commands) {
  return "1\n" + counts_with_n + "\n" + commands + "\nEnd\n";
}

TEST(Campsum, CommandsActByFirstCharacterOnly) {
  EXPECT_TRUE(Produces("campsum", one_case("3 1 2 3", "Q 0 2 Add 1 4 Query 1 2 Sub 0 1 Q 0 0"),
                       "Case 1:\n6\n9\n0\n"));
  // Lower-case words and unknown words still consume their two numbers.
  EXPECT_TRUE(Produces("campsum", one_case("2 10 20", "add 0 5 Move 1 1 q 0 1 Q 0 1"),
                       "Case 1:\n30\n"));
  // Exit ends the case; the rest of the line is the next case's input.
  EXPECT_TRUE(Produces("campsum", "2\n1 4\nExit\n1 9\nQuit 0 0\nE\n", "Case 1:\nCase 2:\n9\n"));
  // A word made only of 'E...' ends at once; an 'E' word takes no numbers.
  EXPECT_TRUE(Produces("campsum", "1\n1 5\nEnd\nQ 0 0\n", "Case 1:\n"));
}

TEST(Campsum, SubtractionAndNegativeAmounts) {
  EXPECT_TRUE(Produces("campsum", one_case("3 0 0 0", "A 2 5 S 2 7 Q 2 2 S 1 -4 Q 1 1"),
                       "Case 1:\n-2\n4\n"));
}

TEST(Campsum, PositionsOutsideTheRowLandOnTheNearestEnd) {
  EXPECT_TRUE(Produces("campsum",
                       one_case("5 1 2 3 4 5", "Q 1 3 Q -4 1 Q 3 9 A -3 10 A 99 100 Q 0 0 Q 4 4"),
                       "Case 1:\n9\n3\n9\n11\n105\n"));
  // A single camp is the root and the leaf at once.
  EXPECT_TRUE(Produces("campsum", one_case("1 7", "A 5 1 S -5 3 Q 0 0 Q -9 9"), "Case 1:\n5\n5\n"));
}

TEST(Campsum, SumsWrapAtThirtyTwoBits) {
  EXPECT_TRUE(Produces("campsum", one_case("2 2147483647 1", "Q 0 1 S 0 -2147483648 Q 0 0"),
                       "Case 1:\n-2147483648\n-1\n"));
}

TEST(Campsum, EndOfInput) {
  // The input ends inside a case: the case ends and each missing case
  // writes its header alone.
  EXPECT_TRUE(Produces("campsum", "4\n2 1 2\nQ 0 1\n", "Case 1:\n3\nCase 2:\nCase 3:\nCase 4:\n"));
  // A word without its numbers acts on the last numbers read (here 0 5 of
  // the addition, a range cut to 0..2), then the input ends.
  EXPECT_TRUE(Produces("campsum", "1\n3 1 2 3\nQ 1 2 A 0 5 Q", "Case 1:\n5\n11\n"));
  // Counts cut short stay zero, and the word read fails at once.
  EXPECT_TRUE(Produces("campsum", "1\n4 1 2", "Case 1:\n"));
  EXPECT_TRUE(Produces("campsum", "", ""));
  EXPECT_TRUE(Produces("campsum", "0\n3 1 2 3\nQ 0 2\nE\n", ""));
}

// Numbers keep their low 32 bits: 4294967301 is 5, a huge value saturates
// (to -1 or 0 once cut). A token that is not a number ends the input: the
// command keeps the y it had, and the missing case writes its header alone.
TEST(Campsum, NumbersAndTokensThatAreNot) {
  EXPECT_TRUE(Produces("campsum",
                       one_case("2 4294967301 +7", "Q -0 1 A 0 99999999999999999999 Q 0 0 "
                                                   "S 1 -9223372036854775809 Q 1 1 Q 0 +x Q -1 0"),
                       "Case 1:\n12\n4\n7\n11\n"));
  EXPECT_TRUE(Produces("campsum", "2\n2 5 6\nQ 0 1 E\nx Q 0 1 E\n", "Case 1:\n11\nCase 2:\n"));
}

// An answer comes out before the program waits for the next command.
TEST(Campsum, AnswersEachQueryBeforeTheNextIsSent) {
  suite::Session s("campsum");
  s.send("1\n3 1 2 3\nQ 0 2\n");
  EXPECT_EQ(s.receive(10), "Case 1:\n6\n");
  s.send("A 1 4\nQ 1 1\n");
  EXPECT_EQ(s.receive(2), "6\n");
  s.send("E\n");
  suite::Outcome r = s.finish();
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.status, 0);
}

TEST(Campsum, LongWordsAreReadWhole) {
  EXPECT_TRUE(Produces("campsum", one_case("2 3 4", "Q" + std::string(100000, 'z') + " 0 1"),
                       "Case 1:\n7\n"));
}

TEST(Campsum, OutsideTheContract) {
  // No camps: updates change nothing and queries write 0.
  EXPECT_TRUE(Produces("campsum", "2\n0\nA 0 1 Q 0 0\nE\n-3\nQ -1 1\nE\n", "Case 1:\n0\nCase 2:\n0\n"));
  // Empty and disjoint ranges write 0.
  EXPECT_TRUE(Produces("campsum", one_case("5 1 2 3 4 5", "Q 3 1 Q 0 -1 Q 7 9 Q -9 -2 Q 2 2"),
                       "Case 1:\n0\n0\n0\n0\n3\n"));
  // More camps than the ledger's usual capacity behave like any others.
  std::string counts = "60000";
  for (int i = 0; i < 60000; ++i) counts += " 1";
  EXPECT_TRUE(Produces("campsum", one_case(counts, "Q 0 59999 A 70000 5 Q 59999 59999 Q 50000 99999"),
                       "Case 1:\n60000\n6\n10005\n"));
}

// Many cases in a row, so that state left by one shows in the next: sizes
// from 1 to the capacity, counts, positions and amounts across 32 bits,
// query ranges that overlap the row, and now and then a count of cases
// beyond those present (the last one cut after a command).
TEST(Campsum, MatchesTheLiteralLedger) {
  suite::Rng rng(11);
  const int64_t lo = -2147483647 - 1, hi = 2147483647;
  static const char* words[] = {"A", "S", "Q", "Add", "Sub", "Query", "Move", "add", "q"};
  static const char* ends[] = {"End", "E", "Exit"};
  for (int round = 0; round < 60; ++round) {
    int cases = int(rng.range(0, 5));
    bool cut = cases > 0 && rng.chance(20);
    int64_t T = cut ? cases + rng.range(0, 3) : rng.chance(5) ? rng.pick(lo, -1) : cases;
    std::string in = std::to_string(T) + "\n";
    for (int c = 0; c < cases; ++c) {
      int64_t n = rng.chance(8) ? rng.pick(1, 50005) : rng.pick(1, 12);
      in += std::to_string(n) + "\n";
      for (int64_t i = 0; i < n; ++i) in += std::to_string(rng.pick(lo, hi)) + " ";
      for (int k = int(rng.range(0, 40)); k > 0; --k) {
        std::string w = words[rng.range(0, 8)];
        int64_t x = w[0] == 'Q' ? rng.pick(lo, n - 1) : rng.chance(50) ? rng.pick(0, n - 1) : rng.pick(lo, hi);
        int64_t y = w[0] == 'Q' ? rng.pick(std::max<int64_t>(x, 0), hi) : rng.pick(lo, hi);
        in += "\n" + w + " " + std::to_string(x) + " " + std::to_string(y);
      }
      if (!(cut && c == cases - 1)) in += std::string("\n") + ends[rng.range(0, 2)] + "\n";
    }
    ASSERT_TRUE(suite::MatchesModel("campsum", in)) << in.substr(0, 200);
  }
}

}  // namespace
