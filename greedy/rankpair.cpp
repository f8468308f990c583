// rankpair: pairs two sequences by opposite rank and writes a trace of it.
//
// Input: n, then n signed 64-bit values of the first sequence, then n of the
// second.
// Output, in this order:
//   for each record k of the sorted first sequence: "a\n", then "k:value"
//   and an end of line (newline and flush);
//   for each input position j of the second sequence but the last: the value
//   of its partner, with "%lld " (no newline follows the last one);
//   for each input position q of the second sequence: "ans\n", then
//   "q:rank" and an end of line, where rank is the partner's position in
//   the sorted first sequence.
// The l-th smallest of the second sequence is partnered with position
// n - 1 - l of the sorted first one. Both sequences are sorted with
// std::sort and `cmp` (value alone, no tie-break), so tied values of the
// second sequence get their partners in the order that sort leaves them.
// The stream and printf write through the one synchronised standard output,
// so the pieces come out in program order.
//
// Cost: two O(n log n) sorts, the rest linear; 2n flushes.
//
// Outside the contract: storage grows with n, so n above 200,005 gets its
// natural trace when the input holds all 2n values. When a read fails (the
// input ends, or a token is not a number), reading stops and the values not
// read are 0, as the zero-filled storage leaves them; the sequences then hold
// n records, but never more than the larger of 200,005 and the number of
// values read, so that a huge n with little input writes a bounded trace.
// n of 0 or less writes nothing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <vector>

struct node {
  long long value, index;
};

constexpr int kCapacity = 200005;

std::vector<node> a, b;
std::vector<long long> ans;

bool cmp(node x, node y) { return x.value < y.value; }

// Reads up to n values into seq; returns false when a read fails.
bool read_values(std::vector<node>& seq, int n) {
  for (int i = 0; i < n; ++i) {
    long long value = 0;
    if (scanf("%lld", &value) != 1) return false;
    seq.push_back({value, i});
  }
  return true;
}

int main() {
  int n = 0;
  scanf("%d", &n);
  if (n <= 0) return 0;
  if (!read_values(a, n) || !read_values(b, n)) {
    // Values not read are 0; the record count is bounded by what was read.
    long long bound = std::max<long long>(kCapacity, (long long)(a.size() + b.size()));
    n = int(std::min<long long>(n, bound));
    for (std::vector<node>* seq : {&a, &b})
      for (int i = int(seq->size()); i < n; ++i) seq->push_back({0, i});
  }
  ans.assign(std::size_t(n), 0);

  std::sort(a.begin(), a.end(), cmp);
  std::sort(b.begin(), b.end(), cmp);
  for (int k = 0; k < n; ++k) std::cout << "a\n" << k << ":" << a[k].value << std::endl;
  for (int l = 0; l < n; ++l) ans[int32_t(b[l].index)] = n - 1 - l;
  for (int j = 0; j < n - 1; ++j) printf("%lld ", a[int32_t(ans[j])].value);
  for (int q = 0; q < n; ++q) std::cout << "ans\n" << q << ":" << ans[q] << std::endl;
  return 0;
}
