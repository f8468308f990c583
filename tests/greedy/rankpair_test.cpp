#include <algorithm>

#include "support/runner.hpp"

namespace {

using suite::Produces;

std::string sequences(const std::vector<long long>& a, const std::vector<long long>& b) {
  std::string s = std::to_string(a.size()) + "\n";
  for (long long x : a) s += std::to_string(x) + " ";
  s += "\n";
  for (long long x : b) s += std::to_string(x) + " ";
  return s + "\n";
}

// The trace for sequences whose ties, in both, are left by std::sort with a
// comparison of the value alone on records of value and index.
std::string sorted_trace(const std::vector<long long>& a_values, const std::vector<long long>& b_values) {
  struct rec {
    long long value, index;
  };
  auto by_value = [](rec x, rec y) { return x.value < y.value; };
  std::vector<rec> a, b;
  for (std::size_t i = 0; i < a_values.size(); ++i) a.push_back({a_values[i], (long long)i});
  for (std::size_t i = 0; i < b_values.size(); ++i) b.push_back({b_values[i], (long long)i});
  std::sort(a.begin(), a.end(), by_value);
  std::sort(b.begin(), b.end(), by_value);
  long long n = (long long)a.size();
  std::vector<long long> rank(a.size());
  for (long long l = 0; l < n; ++l) rank[b[l].index] = n - 1 - l;
  std::string out;
  for (long long k = 0; k < n; ++k) out += "a\n" + std::to_string(k) + ":" + std::to_string(a[k].value) + "\n";
  for (long long j = 0; j + 1 < n; ++j) out += std::to_string(a[rank[j]].value) + " ";
  for (long long q = 0; q < n; ++q) out += "ans\n" + std::to_string(q) + ":" + std::to_string(rank[q]) + "\n";
  return out;
}

TEST(Rankpair, TraceLayout) {
  EXPECT_TRUE(Produces("rankpair", "0\n", ""));
  EXPECT_TRUE(Produces("rankpair", "1\n-4\n9\n", "a\n0:-4\nans\n0:0\n"));
  // The partner values run on into the line of the first "ans".
  EXPECT_TRUE(Produces("rankpair", "2\n8 3\n1 2\n", "a\n0:3\na\n1:8\n8 ans\n0:1\nans\n1:0\n"));
  EXPECT_TRUE(Produces("rankpair", "3\n1 2 3\n30 10 20\n",
                       "a\n0:1\na\n1:2\na\n2:3\n1 3 ans\n0:0\nans\n1:2\nans\n2:1\n"));
  EXPECT_TRUE(Produces("rankpair", "2\n-9223372036854775808 9223372036854775807\n-5 -4294967296\n",
                       "a\n0:-9223372036854775808\na\n1:9223372036854775807\n"
                       "-9223372036854775808 ans\n0:0\nans\n1:1\n"));
}

TEST(Rankpair, FewTiesKeepInputOrder) {
  // Up to 16 records the sort leaves equal values in input order: of the two
  // 5s, position 0 is the smaller, so it gets the larger partner.
  EXPECT_TRUE(Produces("rankpair", "4\n10 -3 7 10\n5 1 5 -2\n",
                       "a\n0:-3\na\n1:7\na\n2:10\na\n3:10\n"
                       "7 10 -3 ans\n0:1\nans\n1:2\nans\n2:0\nans\n3:3\n"));
}

TEST(Rankpair, ManyTiesFollowTheStandardSort) {
  suite::Rng rng(4202);
  for (int n : {17, 40, 1000, 200005}) {
    std::vector<long long> a(n), b(n);
    for (auto& x : a) x = rng.range(-3, 3);
    for (auto& x : b) x = rng.range(0, n > 100 ? 9 : 2);
    SCOPED_TRACE(n);
    EXPECT_TRUE(Produces("rankpair", sequences(a, b), sorted_trace(a, b)));
  }
}

TEST(Rankpair, OneTieAmongDistinctValues) {
  // A single pair of equal values among thousands of distinct ones, placed
  // where the standard sort puts the later of the two first.
  suite::Rng rng(4204);
  for (int attempt = 0; attempt < 200; ++attempt) {
    std::vector<long long> a(3000), b(3000);
    for (auto& x : a) x = (long long)rng.bits();
    for (auto& x : b) x = (long long)rng.bits();
    std::size_t first = std::size_t(rng.range(0, 2998)), second = std::size_t(rng.range(first + 1, 2999));
    b[second] = b[first];
    struct rec {
      long long value, index;
    };
    std::vector<rec> order;
    for (std::size_t i = 0; i < b.size(); ++i) order.push_back({b[i], (long long)i});
    std::sort(order.begin(), order.end(), [](rec x, rec y) { return x.value < y.value; });
    auto at = std::find_if(order.begin(), order.end(), [&](rec r) { return r.value == b[first]; });
    if (at->index == (long long)first) continue;
    EXPECT_TRUE(Produces("rankpair", sequences(a, b), sorted_trace(a, b)));
    return;
  }
  FAIL() << "no arrangement where the standard sort swaps the tie";
}

TEST(Rankpair, OutOfContractInput) {
  // Values missing at the end of the input are 0.
  EXPECT_TRUE(Produces("rankpair", "3\n5 -1 2\n7", sorted_trace({5, -1, 2}, {7, 0, 0})));
  EXPECT_TRUE(Produces("rankpair", "3\n5", sorted_trace({5, 0, 0}, {0, 0, 0})));
  // A huge count with little input writes a trace of bounded length.
  suite::Outcome r = suite::run_program("rankpair", "2147483647 1 2 3\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_LT(r.out.size(), std::size_t(16) << 20);
  EXPECT_EQ(r.out.substr(0, 12), "a\n0:0\na\n1:0\n");
  // Beyond the capacity with every value given: the natural trace.
  std::vector<long long> a(250000), b(250000);
  for (int i = 0; i < 250000; ++i) a[i] = i, b[i] = (i * 7919LL) % 250000;
  EXPECT_TRUE(Produces("rankpair", sequences(a, b), sorted_trace(a, b)));
}

TEST(Rankpair, TraceComesOnceTheLastValueIsSent) {
  // The input is not closed: the trace is due once all 2n values are there.
  suite::Session s("rankpair");
  s.send("2\n8 3\n1 2\n");
  EXPECT_EQ(s.receive(30), "a\n0:3\na\n1:8\n8 ans\n0:1\nans\n1:0\n");
  EXPECT_EQ(s.finish().status, 0);
}

}  // namespace
