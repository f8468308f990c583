// halfraise: the largest x, from the middle value up to 10^14, such that
// raising every value of the upper half of the sorted values to at least x
// costs at most k in total (an element's cost is how far it lies below x).
//
// Input: n and k with "%lld%lld", then n values with "%lld".
// Output: "%lld\n" with the answer: the final hi of a bisection over
// [arr[n / 2], 10^14] after sorting. It is 100000000000000 when every
// candidate is affordable (or the middle value lies above 10^14) and the
// middle value minus 1 when k is negative.
//
// Cost: O(n log n) for the sort, then about 47 steps of at most n / 2 + 1
// elements each.
//
// Method: sort once, then bisect with mid = floor((lo + hi) / 2); on success
// lo = mid + 1, otherwise hi = mid - 1. check(x) walks the upper half (index
// n / 2 on) and adds x - arr[i] while the element lies below x, failing as
// soon as the total passes k. The half is ascending, so the elements below x
// come first and the later ones only lower a running sum that has already
// passed its peak: stopping at the first element not below x gives the
// same verdict as walking to the end. The total is kept exact in unsigned
// 64-bit arithmetic (each term lies in 1 .. 2^64 - 1 and is compared with
// what is left of k before it is added), so values anywhere in the 64-bit
// range cannot wrap it; the midpoint is taken as lo + (hi - lo) / 2 rounded
// down, the same floor without forming lo + hi.
//
// Outside the contract: storage is sized to the input, so n above 200005
// keeps every value the input supplies. A negative n reads nothing and is
// taken as 0: no values, the middle value is 0 as in the zero-filled array,
// and the answer is 100000000000000 or -1. When the input ends, or a value is
// not a number, reading stops there; for n up to 200005 the missing values
// are 0 as in a zero-filled array and still join the sort, beyond it n
// becomes the number of values read. When the middle value is the least
// 64-bit value and k is negative, "middle value minus 1" wraps to
// 9223372036854775807, which is written, and the search stops there.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <vector>

constexpr long long kCapacity = 200005;
constexpr int64_t kTop = 100000000000000;  // 10^14

std::vector<int64_t> arr;
int64_t n, k;
size_t half;  // the middle index, n / 2

void read_values() {
  long long count = 0;
  if (scanf("%lld%lld", &count, (long long*)&k) < 1 || count < 0) count = 0;
  for (long long i = 0; i < count; ++i) {
    long long v = 0;
    if (scanf("%lld", &v) != 1) {
      if (count <= kCapacity) arr.resize(count, 0);
      break;
    }
    arr.push_back(v);
  }
  n = int64_t(arr.size());
  half = size_t(n / 2);
}

bool check(int64_t x) {
  if (k < 0) return false;  // every total is at least 0
  uint64_t left = uint64_t(k);  // budget not yet spent
  for (size_t i = half; i < arr.size() && arr[i] < x; ++i) {
    uint64_t term = uint64_t(x) - uint64_t(arr[i]);
    if (term > left) return false;
    left -= term;
  }
  return true;
}

int main() {
  read_values();
  std::sort(arr.begin(), arr.end());
  int64_t lo = half < arr.size() ? arr[half] : 0, hi = kTop;
  while (lo <= hi) {
    int64_t mid = int64_t(uint64_t(lo) + ((uint64_t(hi) - uint64_t(lo)) >> 1));
    if (check(mid)) {
      lo = mid + 1;  // mid <= 10^14: no overflow
    } else if (mid == INT64_MIN) {
      hi = INT64_MAX;  // mid - 1, wrapped; nothing lies below mid
      break;
    } else {
      hi = mid - 1;
    }
  }
  printf("%lld\n", (long long)hi);
  return 0;
}
