// balancefloor: an array under point assignments and floor raises.
//
// Input: n, n signed 64-bit values, q, then q operations. An operation is a
// type t; type 1 is followed by a position p (1-based) and a value x and
// stores x at index p-1 (the low 32 bits of p - 1); every other type (0, 2,
// -1, ...) is followed by one value x and raises every value below x to x.
// Output: the n final values on one line, each of the first n-1 followed by
// one space, the last by the newline alone.
//
// Cost: O(n + q) time and memory.
//
// Method: the operations are only recorded. For each index, `since` counts
// the raises that came before its last assignment (0 for a value as read);
// only the raises after it can touch it, so its final value is the larger
// of the value last stored there and the largest x among those raises. A
// suffix maximum over the raises, taken once at the end, gives that x.
//
// Outside the contract: n of 0 or less holds no values and writes an empty
// line. An assignment whose index falls outside 0..n-1 is dropped: such an
// index is never raised nor written. A negative q counts as 0. n above
// kCapacity keeps every value the input supplies. When the input ends, or a
// token is not a number, reading stops there and the array is written as
// it stands; values missing from the first kCapacity stay 0 as in a
// zero-filled array (beyond it, the array ends at the last value read), and
// an operation read only in part is not applied.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <vector>

constexpr int kCapacity = 200005;

std::vector<long long> arr;     // the value last stored at each index
std::vector<size_t> since;      // raises recorded before that store
std::vector<long long> raises;  // x of every raise, in input order

// Reads the values; false when the input ended before all n were read.
bool read_values(int n) {
  arr.reserve(std::min(n, kCapacity));
  for (int i = 0; i < n; ++i) {
    long long v = 0;
    if (scanf("%lld", &v) != 1) {
      if (n <= kCapacity) arr.resize(n, 0);
      return false;
    }
    arr.push_back(v);
  }
  return true;
}

void read_operations() {
  int q = 0, t = 0;
  if (scanf("%d", &q) != 1) return;
  for (; q > 0; --q) {
    long long p = 0, x = 0;
    if (scanf("%d", &t) != 1) return;
    if (t == 1) {
      if (scanf("%lld%lld", &p, &x) != 2) return;
      int32_t j = int32_t(uint64_t(p) - 1);
      if (j < 0 || size_t(j) >= arr.size()) continue;  // changes nothing written
      arr[j] = x;
      since[j] = raises.size();
    } else {
      if (scanf("%lld", &x) != 1) return;
      raises.push_back(x);
    }
  }
}

int main() {
  int n = 0;
  scanf("%d", &n);
  if (n > 0 && read_values(n)) {
    since.assign(arr.size(), 0);
    read_operations();
  }
  since.resize(arr.size(), 0);
  // floor_after[k]: the largest x among raises k, k+1, ...; LLONG_MIN when
  // there are none, which lifts nothing.
  std::vector<long long> floor_after(raises.size() + 1, LLONG_MIN);
  for (size_t k = raises.size(); k-- > 0;) floor_after[k] = std::max(raises[k], floor_after[k + 1]);
  for (size_t j = 0; j < arr.size(); ++j)
    printf(j + 1 < arr.size() ? "%lld " : "%lld", std::max(arr[j], floor_after[since[j]]));
  printf("\n");
  return 0;
}
