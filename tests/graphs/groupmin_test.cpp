#include "graphs/graph_input.hpp"
#include "support/runner.hpp"

namespace {

using suite::graph_input;
using suite::Produces;

TEST(Groupmin, SearchesSkipReachedVertices) {
  EXPECT_TRUE(Produces("groupmin", "0 0\n", "0\n"));
  EXPECT_TRUE(Produces("groupmin", graph_input({4, -6, 9}, {}), "7\n"));
  // Vertex 3 goes to the search from 1; the search from 2 has only itself.
  EXPECT_TRUE(Produces("groupmin", graph_input({5, 1, 7}, {{1, 3}, {2, 3}}), "6\n"));
  EXPECT_TRUE(Produces("groupmin", graph_input({5, 9, 1}, {{1, 3}, {2, 3}}), "10\n"));
  // Links given larger vertex first are turned around: 1 reaches everything.
  EXPECT_TRUE(Produces("groupmin", graph_input({4, 3, 2, 1}, {{2, 1}, {3, 2}, {4, 3}}), "1\n"));
  EXPECT_TRUE(Produces("groupmin", graph_input({1, 2, 3}, {{1, 3}, {1, 2}}), "1\n"));
  // Self-links and repeated links change nothing.
  EXPECT_TRUE(Produces("groupmin", graph_input({5, 1, 7}, {{1, 1}, {1, 3}, {3, 1}, {2, 3}}), "6\n"));
}

TEST(Groupmin, TotalWrapsAndCostsAreSigned) {
  EXPECT_TRUE(Produces("groupmin", graph_input({9223372036854775807LL, 2}, {}),
                       "-9223372036854775807\n"));
  EXPECT_TRUE(Produces("groupmin", graph_input({-9223372036854775807LL - 1, 3}, {{1, 2}}),
                       "-9223372036854775808\n"));
}

TEST(Groupmin, ChainOfFullLength) {
  // 100,004 vertices in one chain: one search, as deep as the chain.
  EXPECT_TRUE(Produces("groupmin", suite::chain_input(100004, false), "1\n"));
  EXPECT_TRUE(Produces("groupmin", suite::chain_input(100004, true), "1\n"));
}

TEST(Groupmin, OutOfContractInput) {
  // Links naming no vertex are dropped.
  EXPECT_TRUE(Produces("groupmin", graph_input({5, 1, 7}, {{0, 2}, {3, 4}, {-1, 1}, {1, 3}}), "6\n"));
  // Input ending early: costs not read are 0 and join the total as such.
  EXPECT_TRUE(Produces("groupmin", "4 2\n5 6\n", "11\n"));
  // The missing second number keeps the one of the link before: 2-3 again, then 1-3.
  EXPECT_TRUE(Produces("groupmin", "3 5\n5 1 -7\n2 3\n1", "-6\n"));
  // Beyond the capacity the graph is still searched as a whole.
  EXPECT_TRUE(Produces("groupmin", suite::chain_input(300000, true), "1\n"));
  EXPECT_TRUE(Produces("groupmin", "2147483647 2147483647 4 5", "9\n"));
}

}  // namespace
