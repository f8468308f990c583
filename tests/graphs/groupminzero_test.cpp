#include "graphs/graph_input.hpp"
#include "support/runner.hpp"

namespace {

using suite::graph_input;
using suite::Produces;

TEST(Groupminzero, SharedVerticesCountInEverySearch) {
  EXPECT_TRUE(Produces("groupminzero", "0 0\n", "0\n"));
  EXPECT_TRUE(Produces("groupminzero", graph_input({4, -6, 9}, {}), "7\n"));
  // Vertex 3 is cheapest for both searches that reach it.
  EXPECT_TRUE(Produces("groupminzero", graph_input({5, 9, 1}, {{1, 3}, {2, 3}}), "2\n"));
  EXPECT_TRUE(Produces("groupminzero", graph_input({5, 1, 7}, {{1, 3}, {2, 3}}), "6\n"));
  EXPECT_TRUE(Produces("groupminzero", graph_input({4, 3, 2, 1}, {{2, 1}, {3, 2}, {4, 3}}), "1\n"));
  // A repeated link enters its vertex twice with the same result.
  EXPECT_TRUE(Produces("groupminzero", graph_input({5, 9, 1}, {{1, 3}, {3, 1}, {2, 3}, {2, 3}}), "2\n"));
  // A vertex reached through a search already done still passes its minimum on:
  // 2 reaches 4 through 3, which the search from 1 entered first.
  EXPECT_TRUE(Produces("groupminzero", graph_input({8, 7, 6, -3}, {{1, 3}, {3, 4}, {2, 3}}), "-6\n"));
}

TEST(Groupminzero, TotalWraps) {
  EXPECT_TRUE(Produces("groupminzero", graph_input({9223372036854775807LL, 5, 9}, {{2, 3}}),
                       "-9223372036854775804\n"));
}

TEST(Groupminzero, ChainOfFullLength) {
  EXPECT_TRUE(Produces("groupminzero", suite::chain_input(100005, false), "1\n"));
  EXPECT_TRUE(Produces("groupminzero", suite::chain_input(100005, true), "1\n"));
}

TEST(Groupminzero, ManyPathsFinish) {
  // 60 layers of two vertices, each joined to both of the next layer: 2^60
  // paths lead to the last layer, which holds the cheapest cost.
  std::vector<long long> costs;
  std::vector<std::pair<int, int>> links;
  const int layers = 60;
  for (int i = 0; i < 2 * layers; ++i) costs.push_back(1000 - i);
  for (int l = 0; l + 1 < layers; ++l)
    for (int p = 1; p <= 2; ++p)
      for (int q = 1; q <= 2; ++q) links.emplace_back(2 * l + p, 2 * (l + 1) + q);
  // Vertices 1 and 2 both start searches and both reach vertex 120.
  EXPECT_TRUE(Produces("groupminzero", graph_input(costs, links), "1762\n"));
}

TEST(Groupminzero, OutOfContractInput) {
  // A self-link is dropped instead of being followed for ever.
  EXPECT_TRUE(Produces("groupminzero", graph_input({5, 1, 7}, {{1, 1}, {1, 3}, {3, 3}, {2, 3}}), "6\n"));
  EXPECT_TRUE(Produces("groupminzero", graph_input({5, 1, 7}, {{0, 2}, {3, 4}, {1, 3}}), "6\n"));
  EXPECT_TRUE(Produces("groupminzero", "4 2\n5 6\n", "11\n"));
  EXPECT_TRUE(Produces("groupminzero", suite::chain_input(300000, false), "1\n"));
}

// n from negative counts to the capacity and costs at both 64-bit ends, one
// program run each. Small graphs are dense, with repeated links and many
// shared vertices; large ones are forests, so the literal search stays cheap.
TEST(Groupminzero, MatchesLiteralSearch) {
  suite::Rng rng(4101);
  for (int round = 0; round < 150; ++round) {
    int n = round == 0 ? 100005 : int(rng.pick(INT32_MIN, rng.chance(5) ? 100005 : 12));
    std::string costs, links;
    // A count below 2 is followed by numbers that no cost or link may take.
    for (int i = 0, k = n < 2 ? int(rng.range(0, 3)) : n; i < k; ++i) costs += std::to_string(rng.pick(INT64_MIN, INT64_MAX)) + " ";
    int m = n < 2 ? int(rng.pick(INT32_MIN, 0)) : 0;
    for (int y = 2; y <= n && n > 12; ++y)
      if (rng.chance(70)) links += std::to_string(y) + " " + std::to_string(rng.range(1, y - 1)) + "\n", ++m;
    for (int i = n > 12 || n < 2 ? 0 : int(rng.range(0, 3 * n)); i > 0; --i, ++m) {
      int x = int(rng.range(1, n)), y = int(rng.range(1, n - 1));
      links += std::to_string(x) + " " + std::to_string(y + (y >= x)) + "\n";  // two different vertices
    }
    std::string input = std::to_string(n) + " " + std::to_string(m) + "\n" + costs + "\n" + links;
    ASSERT_TRUE(suite::MatchesModel("groupminzero", input)) << input.substr(0, 200);
  }
}

}  // namespace
