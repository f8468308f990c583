#include "support/runner.hpp"

namespace {

using suite::Produces;

// One grid: "m n" and its rows.
std::string grid(const std::vector<std::string>& rows) {
  std::string s = std::to_string(rows.size()) + " " + std::to_string(rows.empty() ? 0 : rows[0].size()) + "\n";
  for (const auto& r : rows) s += r + "\n";
  return s;
}

// A rows x cols grid walked as one snake: full rows of '.', joined at
// alternating ends, with '*' between them; the snake's head is '@'.
std::vector<std::string> snake(int rows, int cols) {
  std::vector<std::string> g;
  for (int i = 0; i < rows; ++i) {
    if (i % 2 == 0) {
      g.push_back(std::string(cols, '.'));
    } else {
      std::string r(cols, '*');
      r[(i / 2) % 2 == 0 ? cols - 1 : 0] = '.';
      g.push_back(r);
    }
  }
  g[0][0] = '@';
  return g;
}

TEST(Blobcount, RegionsStartAtAtAndGrowThroughAllButStar) {
  EXPECT_TRUE(Produces("blobcount", grid({"*"}) + grid({"@"}) + "0 0\n", "0\n1\n"));
  EXPECT_TRUE(Produces("blobcount", grid({"@*", "*@"}) + "0 0\n", "1\n"));
  EXPECT_TRUE(Produces("blobcount", grid({"@*@"}) + grid({"@.@"}) + grid({"...", "..."}) + "0 0\n",
                       "2\n1\n0\n"));
  EXPECT_TRUE(Produces("blobcount", grid({"@@@", "@@@"}) + "0 0\n", "1\n"));
  // Arms that meet only in the last row, with and without an '@', are one region.
  EXPECT_TRUE(Produces("blobcount", grid({"@*@*.*@", ".*.*.*.", "......."}) + "0 0\n", "1\n"));
  // Every other character, digits and letters included, joins regions.
  EXPECT_TRUE(Produces("blobcount", grid({"@*x*@", "*1*#*", "@*-*@"}) + "0 0\n", "1\n"));
  // Labels are cleared between grids: the same grid counts the same twice.
  EXPECT_TRUE(Produces("blobcount", grid({"@*@", "***", "@*@"}) + grid({"@*@", "***", "@*@"}) + "0 0\n",
                       "4\n4\n"));
  // Characters past column n-1 are not examined.
  EXPECT_TRUE(Produces("blobcount", "1 2\n@*@@\n0 0\n", "1\n"));
}

TEST(Blobcount, TerminatingPairs) {
  // A zero in either place ends the series, and nothing is written for it.
  EXPECT_TRUE(Produces("blobcount", grid({"@"}) + "0 3\n" + grid({"@"}), "1\n"));
  EXPECT_TRUE(Produces("blobcount", grid({"@"}) + "3 0\n" + grid({"@"}), "1\n"));
  EXPECT_TRUE(Produces("blobcount", grid({"@"}) + "end\n" + grid({"@"}), "1\n"));
  // Negative sizes: m below 0 reads no rows, n below 0 reads them; both write 0.
  EXPECT_TRUE(Produces("blobcount", "-2 3\n2 -1\n@@\n@@\n1 1\n@\n0 0\n", "0\n0\n1\n"));
}

TEST(Blobcount, RegionsAtFullSize) {
  std::vector<std::string> full(105, std::string(104, '@'));
  EXPECT_TRUE(Produces("blobcount", grid(full) + "0 0\n", "1\n"));
  EXPECT_TRUE(Produces("blobcount", grid(snake(105, 104)) + "0 0\n", "1\n"));
  // A second '@' at the snake's tail belongs to the same region.
  auto g = snake(105, 104);
  g[104][103] = '@';
  EXPECT_TRUE(Produces("blobcount", grid(g) + "0 0\n", "1\n"));
  // '@' cells two apart in both directions, '*' between: every one alone.
  std::vector<std::string> dots(105, std::string(104, '*'));
  for (int i = 0; i < 105; i += 2)
    for (int j = 0; j < 104; j += 2) dots[i][j] = '@';
  EXPECT_TRUE(Produces("blobcount", grid(dots) + "0 0\n", std::to_string(53 * 52) + "\n"));
}

TEST(Blobcount, OutOfContractInput) {
  // A short row leaves its zero byte and an earlier row's tail in the grid:
  // "@" over "@*@" gives '@', zero byte, '@', joined by the zero byte.
  EXPECT_TRUE(Produces("blobcount", "1 3\n@*@\n1 3\n@\n0 0\n", "2\n1\n"));
  // Cells no row has stored act as '*': the '@' at the end of the long row
  // does not reach the short row's zero bytes below it.
  EXPECT_TRUE(Produces("blobcount", "2 300\n" + std::string(299, '*') + "@\n@\n0 0\n", "2\n"));
  // Larger than the capacity: the natural count.
  EXPECT_TRUE(Produces("blobcount", grid(snake(301, 250)) + "0 0\n", "1\n"));
  // Without a terminating pair the series ends with the input.
  EXPECT_TRUE(Produces("blobcount", grid({"@*@"}) + grid({"@"}), "2\n1\n"));
  // Input ending inside a grid's rows: that count is written, then the run
  // ends. The row not read keeps its zero bytes, which join the two '@'.
  EXPECT_TRUE(Produces("blobcount", "2 3\n@*@\n", "1\n"));
  EXPECT_TRUE(Produces("blobcount", "2 3\n@*@\n***\n2 3\n@.@\n", "2\n1\n"));
  EXPECT_TRUE(Produces("blobcount", "2147483647 2147483647\n@@\n", "1\n"));
  // A pair cut short ends the series.
  EXPECT_TRUE(Produces("blobcount", grid({"@"}) + "1", "1\n"));
}

// Random grids in series against the recursive search: sizes from negative
// to the capacity, rows now and then shorter than n (so earlier grids' bytes
// take part), characters other than '@' and '*' among the cells.
TEST(Blobcount, MatchesTheSearch) {
  suite::Rng rng(41);
  for (int round = 0; round < 60; ++round) {
    bool big = round % 6 == 0;
    std::string in;
    for (int g = int(rng.range(1, 6)); g > 0; --g) {
      int m = rng.chance(10) ? int(rng.pick(INT32_MIN, 0)) : int(rng.range(1, big ? 105 : 9));
      int n = rng.chance(10) ? int(rng.pick(INT32_MIN, 0)) : int(rng.range(1, big ? 104 : 9));
      in += std::to_string(m) + " " + std::to_string(n) + "\n";
      for (int i = 0; i < m; ++i) {
        int len = n > 0 && !rng.chance(10) ? n : int(rng.range(1, big ? 104 : 9));
        for (int j = 0; j < len; ++j) in += "@@**.x"[rng.range(0, rng.chance(90) ? 4 : 5)];
        in += "\n";
      }
    }
    in += "0 0\n";
    ASSERT_TRUE(suite::MatchesModel("blobcount", in)) << in.substr(0, 200);
  }
}

// m and n are read as "%d": a value beyond 32 bits keeps its low 32 bits.
TEST(Blobcount, SizesReadAsScanfDoes) {
  EXPECT_TRUE(Produces("blobcount", "4294967297 2\n@@\n0 0\n", "1\n"));
}

}  // namespace
