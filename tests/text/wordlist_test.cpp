#include "support/runner.hpp"

namespace {

using suite::Produces;
using namespace std::string_literals;

TEST(Wordlist, NoLettersWritesNothing) {
  EXPECT_TRUE(Produces("wordlist", "", ""));
  EXPECT_TRUE(Produces("wordlist", " \t\n\v\f\r  \n", ""));
  EXPECT_TRUE(Produces("wordlist", "123 ,.; 4'5 -- \x80\xff\n", ""));
}

TEST(Wordlist, FoldsSortsAndDeduplicates) {
  EXPECT_TRUE(Produces("wordlist", "Hello hello HELLO\nhello\n", "hello\n"));
  EXPECT_TRUE(Produces("wordlist", "don't stop-now", "don\nnow\nstop\nt\n"));
  // A word sorts before its longer extensions; the capital folds onto "a".
  EXPECT_TRUE(Produces("wordlist", "b a ab A", "a\nab\nb\n"));
  EXPECT_TRUE(Produces("wordlist", "zeta\nAlpha\tmIx3mix\n", "alpha\nmix\nzeta\n"));
}

TEST(Wordlist, EveryNonLetterByteSeparates) {
  // UTF-8 e-acute: both bytes are separators.
  EXPECT_TRUE(Produces("wordlist", "caf\xc3\xa9\n", "caf\n"));
  EXPECT_TRUE(Produces("wordlist", "ab\0cd"s, "ab\ncd\n"));
  // Bytes that are letters in Latin-1 locales are not letters here.
  EXPECT_TRUE(Produces("wordlist", "x\xc0y\xe9z\xff", "x\ny\nz\n"));
  EXPECT_TRUE(Produces("wordlist", "[a`b@c{d]", "a\nb\nc\nd\n"));
}

// Text drawn from letters, white space, punctuation, digits, zero and high
// bytes, in runs so that words repeat and share prefixes.
std::string random_text(suite::Rng& rng, int length) {
  static const std::string pieces[] = {"a", "b", "A", "B", "ab", "ba", "z", "Zy", " ", "\n",
                                       "\t", "'", "-", "7", "\xe9", "\x80", "@", "["};
  std::string text;
  while (int(text.size()) < length) {
    if (rng.chance(3)) text += '\0';
    text += pieces[rng.range(0, std::size(pieces) - 1)];
  }
  return text;
}

TEST(Wordlist, MatchesModelOnRandomText) {
  suite::Rng rng(61);
  for (int i = 0; i < 250; ++i) {
    std::string text = random_text(rng, int(rng.range(0, 80)));
    ASSERT_TRUE(suite::MatchesModel("wordlist", text)) << "case " << i;
  }
}

TEST(Wordlist, MatchesModelOnManyDistinctWords) {
  suite::Rng rng(62);
  std::string text;
  for (int i = 0; i < 20000; ++i) {
    int len = int(rng.range(1, 8));
    for (int j = 0; j < len; ++j) text += char((rng.chance(20) ? 'A' : 'a') + rng.range(0, 25));
    text += " .,\n\xff"[rng.range(0, 4)];
  }
  EXPECT_TRUE(suite::MatchesModel("wordlist", text));
}

// Words of 10 to 15 letters over a two-letter alphabet: many share their
// first 12 letters, where a word stops fitting in one number, so short and
// long words interleave in the order.
TEST(Wordlist, MatchesModelAroundTwelveLetters) {
  suite::Rng rng(63);
  std::string text;
  for (int i = 0; i < 3000; ++i) {
    int len = int(rng.range(10, 15));
    for (int j = 0; j < len; ++j) text += "abzAZ"[rng.range(0, rng.chance(90) ? 1 : 4)];
    text += " ,\n"[rng.range(0, 2)];
  }
  EXPECT_TRUE(suite::MatchesModel("wordlist", text));
}

// More words than either list holds before it is first sorted and cleared
// of repeats, so both are compacted while the text is still being read.
TEST(Wordlist, MatchesModelPastTheFirstCompaction) {
  suite::Rng rng(64);
  std::string text;
  for (int i = 0; i < 1100000; ++i) {
    int len = rng.chance(1) ? int(rng.range(13, 16)) : int(rng.range(1, 4));
    for (int j = 0; j < len; ++j) text += "abcdE"[rng.range(0, 4)];
    text += " \n"[rng.range(0, 1)];
  }
  EXPECT_TRUE(suite::MatchesModel("wordlist", text));
}

}  // namespace
