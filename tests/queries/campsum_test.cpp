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

TEST(Campsum, AFailedCountReadKeepsTheLastCaseSize) {
  // The second N is not a number: N stays 2, the counts stay zero, and the
  // word read takes the token that stopped the numbers.
  EXPECT_TRUE(Produces("campsum", "2\n2 5 6\nE\nx Q 0 1 Q 0 0 E\n", "Case 1:\nCase 2:\n0\n0\n"));
}

// Numbers convert as "%lld" does, keeping the low 32 bits: 4294967301 is 5,
// a huge value saturates (to -1 or 0 once cut), and a token that is not a
// number (less its sign) is the next word, the command keeping its old y.
TEST(Campsum, NumbersConvertAsTheCLibraryDoes) {
  EXPECT_TRUE(Produces("campsum",
                       one_case("2 4294967301 +7", "Q -0 1 A 0 99999999999999999999 Q 0 0 "
                                                   "S 1 -9223372036854775809 Q 1 1 Q 0 +x Q -1 0"),
                       "Case 1:\n12\n4\n7\n11\n4\n"));
}

// An answer comes out before the program waits for the next command.
TEST(Campsum, AnswersEachQueryBeforeTheNextIsSent) {
  suite::Session s("campsum");
  s.send("1\n3 1 2 3\nQ 0 2\n");
  EXPECT_EQ(s.receive(11), "Case 1:\n6\n");
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

// Many cases of varied sizes in a row: each case starts from its own counts,
// whatever the cases before it held.
TEST(Campsum, RandomCasesMatchTheLiteralLedger) {
  suite::Rng rng(11);
  for (int round = 0; round < 40; ++round) {
    int cases = int(rng.range(1, 6));
    std::string in = std::to_string(cases) + "\n";
    for (int c = 0; c < cases; ++c) {
      int n = int(rng.range(1, rng.chance(20) ? 300 : 9));
      in += std::to_string(n) + "\n";
      for (int i = 0; i < n; ++i)
        in += std::to_string(rng.chance(10) ? rng.range(-2147483647 - 1, 2147483647) : rng.range(-50, 50)) + " ";
      in += "\n";
      for (int q = int(rng.range(0, 30)); q > 0; --q) {
        static const char* words[] = {"A", "S", "Q", "Add", "Sub", "Query", "Move", "add"};
        std::string w = words[rng.range(0, 7)];
        int64_t x = rng.range(-3, n + 2);
        int64_t y = w[0] == 'Q' ? rng.range(std::max<int64_t>(x, 0), n + 3) : rng.range(-1000, 1000);
        if (w[0] == 'Q' && x > n - 1) x = n - 1;
        in += w + " " + std::to_string(x) + " " + std::to_string(y) + "\n";
      }
      in += "End\n";
    }
    ASSERT_TRUE(suite::MatchesModel("campsum", in));
  }
}

}  // namespace
