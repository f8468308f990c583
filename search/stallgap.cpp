// stallgap: the largest distance d, between the smallest and the largest
// position, for which C items can be placed on distinct positions with
// neighbouring items at least d apart; the smallest position minus 1 when no
// d of that interval allows it.
//
// Input: N and C with "%d%d", then N positions with "%lld" each.
// Output: "%lld\n": the final upper bound hi.
//
// Cost: O(N log N) for the sort, then one pass over the positions per step,
// at most 64 steps.
//
// Method: the positions are sorted once. Bisection on d over
// [stall[0], stall[N-1]], the smallest and largest positions themselves:
// mid is the sum of the bounds divided by 2, truncated toward zero; when
// check(mid) holds, lo = mid + 1, else hi = mid - 1; hi is written. check
// places an item on stall[0] and then, walking up, on every position at
// least d past the last one placed, and holds when C or more are placed.
//
// Large positions: the midpoint is formed without forming the sum, and a
// gap between two positions is taken as its exact, non-negative value, even
// where it exceeds the 64-bit range (positions on both sides of 0 at over
// 2^62); a wrapped sum or gap would send the search outside its interval or
// judge far positions too close. The loop ends as soon as the bounds meet,
// so lo never steps past the largest 64-bit value; when even the smallest
// possible d fails at the smallest 64-bit position, hi = position - 1 wraps
// to the largest 64-bit value, which is written.
//
// Outside the contract: storage grows with the input, so more than 100,005
// positions get the natural answer. N of 0 or less reads nothing and leaves
// the single position 0, the first element of a zero-filled array. When a
// read fails (the input ends or a token is not a number), reading stops:
// with N up to 100,005 the unread positions are 0, as in a zero-filled
// array; beyond that, the positions end at the last one read.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

constexpr int kCapacity = 100005;

std::vector<long long> stall;
int N = 0;
int C = 0;

// (lo + hi) / 2 truncated toward zero, for any two 64-bit values.
int64_t half_toward_zero(int64_t lo, int64_t hi) {
  int64_t down = (lo >> 1) + (hi >> 1) + (lo & hi & 1);  // the sum halved, rounded down
  return down + (down < 0 && ((lo ^ hi) & 1));
}

// Whether `to` lies at least d past `from`, given from <= to.
bool far_enough(int64_t from, int64_t to, int64_t d) {
  return d <= 0 || uint64_t(to) - uint64_t(from) >= uint64_t(d);
}

bool check(int64_t d) {
  int64_t placed = 1;
  int64_t last = stall[0];
  for (size_t i = 1; i < stall.size(); ++i)
    if (far_enough(last, stall[i], d)) {
      ++placed;
      last = stall[i];
    }
  return placed >= int64_t(C);
}

int main() {
  scanf("%d%d", &N, &C);
  for (int i = 0; i < N; ++i) {
    long long v = 0;
    if (scanf("%lld", &v) != 1) break;
    stall.push_back(v);
  }
  if (int64_t(stall.size()) < N && N <= kCapacity) stall.resize(N, 0);
  if (stall.empty()) stall.push_back(0);
  std::sort(stall.begin(), stall.end());

  int64_t lo = stall.front(), hi = stall.back();
  while (lo <= hi) {
    int64_t mid = half_toward_zero(lo, hi);
    if (check(mid)) {
      if (mid == hi) break;  // lo would pass hi
      lo = mid + 1;
    } else {
      hi = int64_t(uint64_t(mid) - 1);
      if (mid == lo) break;  // hi is now below lo, or wrapped from the smallest value
    }
  }
  printf("%lld\n", (long long)hi);
  return 0;
}
