// gamerset: the smallest x, not below 0 nor below any value read, for which
// the total shortfall, the sum over all values v of (x - v), is at least x;
// 1000000001 when no x up to 1,000,000,000 qualifies.
//
// Input: a count n, then n values, whitespace-separated, each extracted from
// the standard input stream as a signed 64-bit integer (the streams are not
// synchronised with stdio). Anything after the n values is ignored; n of 0
// or less reads nothing.
// Output: the answer as a signed 64-bit integer, then std::endl.
//
// Method: values are counted in `gamers`, a 32-bit counter per value from 0
// to 9,999,999, so duplicates cost one increment (a counter wraps at 32 bits
// and enters the products widened with its sign). Bisection on x over
// [temp, 1e9], temp being the largest value and at least 0: mid is the sum of
// the bounds shifted right one bit; check(mid) holds when the shortfall is
// >= mid, and then hi = mid - 1, else lo = mid + 1; lo is written. check
// walks the distinct values once each, adding count * (x - v); products and
// sums wrap at 64 bits, done in unsigned arithmetic. A wrapping sum does not
// depend on the order of its terms, so the distinct values are listed in the
// order first seen and packed with their counts into two arrays when reading
// ends, rather than walked through an ordered set: the same sums, read from
// contiguous memory.
// Cost: O(n) to read, then at most 30 passes over the distinct values.
//
// Outside the contract: a value below 0 or above 9,999,999 has no counter in
// `gamers`; it is counted in a map of its own (32-bit counters like the
// others) and joins every sum the same way, so such input gets the answer
// that the plain sum over all values gives. When a read fails (the input
// ends, or a token is not a number or does not fit in 64 bits), reading
// stops and that value and every later one count as 0, as the unread
// elements of a zero-filled array would; they are added to the counter of 0
// at once, not read one by one, so a huge n ends at once. An n that cannot
// be read counts as 0.
#include <cstdint>
#include <iostream>
#include <map>
#include <vector>

constexpr int64_t kValues = 10000000;  // counters for the values 0 .. kValues - 1

int32_t gamers[kValues];
int64_t temp = 0;                      // the largest value read, and at least 0
std::vector<int64_t> seen;             // values in range, when their counter left 0
std::map<int64_t, int32_t> wide;       // counters of the values outside the range
std::vector<int64_t> vals;             // each distinct value with a non-zero count ...
std::vector<int64_t> cnts;             // ... and its count, widened with its sign

// A 32-bit counter raised by k, wrapping as a 32-bit increment repeated k times would.
void bump(int32_t& c, uint64_t k) { c = int32_t(uint32_t(c) + uint32_t(k)); }

void count(int64_t v, uint64_t k) {
  if (v < 0 || v >= kValues) {
    bump(wide[v], k);
    return;
  }
  if (gamers[v] == 0) seen.push_back(v);
  bump(gamers[v], k);
}

// A counter that wrapped back to 0 may list its value twice in `seen`; the
// first packing takes the count and clears it, so the repeat adds nothing.
void pack() {
  for (int64_t v : seen) {
    if (gamers[v] == 0) continue;
    vals.push_back(v);
    cnts.push_back(gamers[v]);
    gamers[v] = 0;
  }
  for (const auto& [v, c] : wide)
    if (c != 0) {
      vals.push_back(v);
      cnts.push_back(c);
    }
}

bool check(int64_t x) {
  uint64_t sum = 0;
  for (size_t k = 0; k < vals.size(); ++k) sum += uint64_t(cnts[k]) * (uint64_t(x) - uint64_t(vals[k]));
  return int64_t(sum) >= x;
}

// Reads the n values in batches; each batch's counters are fetched ahead
// of their increments, since scattered increments over 40 MB otherwise wait
// on memory one at a time.
void read_values(int64_t n) {
  constexpr int kBatch = 64;
  int64_t batch[kBatch];
  for (int64_t i = 0; i < n;) {
    int got = 0;
    bool failed = false;
    while (got < kBatch && i + got < n) {
      if (!(std::cin >> batch[got])) {
        failed = true;
        break;
      }
      if (batch[got] >= 0 && batch[got] < kValues) __builtin_prefetch(&gamers[batch[got]], 1);
      ++got;
    }
    for (int k = 0; k < got; ++k) {
      count(batch[k], 1);
      if (batch[k] > temp) temp = batch[k];
    }
    i += got;
    if (failed) {
      count(0, uint64_t(n) - uint64_t(i));
      return;
    }
  }
}

int main() {
  std::ios::sync_with_stdio(false);
  int64_t n = 0;
  if (!(std::cin >> n)) n = 0;
  read_values(n);
  pack();
  // lo stays at least 0 and hi at most 1e9 inside the loop, so neither the
  // sum of the bounds nor mid + 1 can overflow.
  int64_t lo = temp, hi = 1000000000;
  while (lo <= hi) {
    int64_t mid = (lo + hi) >> 1;
    if (check(mid))
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  std::cout << lo << std::endl;
  return 0;
}
