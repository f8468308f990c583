// stonegap: the largest distance d from 0 to the span of the positions such
// that B of them can be kept with neighbouring kept positions at least d
// apart; -1 when even d = 0 keeps fewer than B (B greater than A).
//
// Input: A and B with "%lld%lld", then A positions with "%lld" each.
// Output: "%lld\n": the final upper bound hi.
//
// Method: the positions are sorted once. Bisection on d over [0, span], the
// span being the largest position minus the smallest: mid is the sum of the
// bounds shifted right one bit; when check(mid) holds, lo = mid + 1, else
// hi = mid - 1; hi is written. check keeps stones[0] and then, walking up,
// every position at least d past the last one kept, and holds when B or
// more are kept.
// Cost: O(A log A) for the sort, then one pass over the positions per step,
// about log2(span) + 1 steps.
//
// Large positions: a gap between two positions is taken as its exact,
// non-negative value, even where it exceeds the 64-bit range, and the
// midpoint is formed without overflow. A span beyond 2^63 - 1 (positions on
// both sides of 0 at over 2^62) cannot be held by the signed bound hi; the
// search then covers [0, 2^63 - 1], the largest answer it can write, and
// the loop ends as soon as the bounds meet, so lo never steps past it.
//
// Outside the contract: storage grows with the input, so more than
// 1,000,005 positions get the natural answer. A of 0 or less reads nothing
// and leaves the single position 0, the first element of a zero-filled
// array. When a read fails (the input ends or a token is not a number),
// reading stops: with A up to 1,000,005 the unread positions are 0, as in a
// zero-filled array; beyond that, the positions end at the last one read.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <vector>

constexpr long long kCapacity = 1000005;

std::vector<long long> stones;
long long A = 0;
long long B = 0;

// Whether `to` lies at least d (>= 0) past `from`, given from <= to.
bool far_enough(int64_t from, int64_t to, int64_t d) { return uint64_t(to) - uint64_t(from) >= uint64_t(d); }

bool check(int64_t d) {
  int64_t kept = 1;
  int64_t last = stones[0];
  for (size_t i = 1; i < stones.size(); ++i)
    if (far_enough(last, stones[i], d)) {
      ++kept;
      last = stones[i];
    }
  return kept >= B;
}

int main() {
  scanf("%lld%lld", &A, &B);
  stones.reserve(size_t(std::clamp(A, 0LL, kCapacity)));
  for (long long i = 0; i < A; ++i) {
    long long v = 0;
    if (scanf("%lld", &v) != 1) break;
    stones.push_back(v);
  }
  if ((long long)stones.size() < A && A <= kCapacity) stones.resize(size_t(A), 0);
  if (stones.empty()) stones.push_back(0);
  std::sort(stones.begin(), stones.end());

  const uint64_t top = uint64_t(std::numeric_limits<int64_t>::max());
  int64_t lo = 0, hi = int64_t(std::min(uint64_t(stones.back()) - uint64_t(stones.front()), top));
  while (lo <= hi) {
    int64_t mid = lo + ((hi - lo) >> 1);  // (lo + hi) >> 1 for bounds >= 0, without the sum
    if (check(mid)) {
      if (mid == hi) break;  // lo would pass hi
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  printf("%lld\n", (long long)hi);
  return 0;
}
