// gamerarray: the smallest x, not below 0 nor below any value read, for which
// the total shortfall, the sum over all values v of (x - v), is at least x;
// 1000000001 when no x up to 1,000,000,000 qualifies, and the largest value
// itself when that is above 1,000,000,000.
//
// Input: a count n, then n values, whitespace-separated, each extracted from
// the standard input stream as a signed 64-bit integer (the streams are not
// synchronised with stdio). Anything after the n values is ignored; n of 0
// or less reads nothing.
// Output: the answer as a signed 64-bit integer, then std::endl.
//
// Cost: O(n) to read, then at most 30 passes over the n values.
//
// Method: the values are kept one by one in `gamers`. Bisection on x over
// [temp, 1e9], temp being the largest value and at least 0: mid is the sum of
// the bounds shifted right one bit; check(mid) holds when the shortfall,
// summed over every value, is >= mid, and then hi = mid - 1, else
// lo = mid + 1; lo is written. The differences and the sum wrap at 64 bits,
// done in unsigned arithmetic.
//
// Outside the contract: `gamers` grows with the input, so more than 100,005
// values get the same answer as fewer. When a read fails (the input ends, or
// a token is not a number or does not fit in 64 bits), reading stops and
// that value and every later one count as 0, as the unread elements of a
// zero-filled array would; they are not stored but add `missing` times x to
// every sum, so a huge n ends at once. An n that cannot be read counts as 0.
#include <algorithm>
#include <cstdint>
#include <iostream>
#include <vector>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cstdio>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "gamerarray: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

constexpr int64_t kCapacity = 100005;

std::vector<int64_t> gamers;
int64_t n = 0;
int64_t temp = 0;      // the largest value read, and at least 0
uint64_t missing = 0;  // values that could not be read, each counting as 0

bool check(int64_t x) {
  uint64_t sum = missing * uint64_t(x);
  for (int64_t v : gamers) sum += uint64_t(x) - uint64_t(v);
  return int64_t(sum) >= x;
}

int main() {
  std::ios::sync_with_stdio(false);
  if (!(std::cin >> n)) n = 0;
  // A read that fails (the stream goes bad, not merely to its end) ends the
  // input there; no read follows it, and it is reported at exit.
  int read_err = std::cin.bad() ? errno : 0;
  gamers.reserve(size_t(std::clamp<int64_t>(n, 0, kCapacity)));
  for (int64_t i = 0; i < n; ++i) {
    int64_t v = 0;
    if (!(std::cin >> v)) {
      if (std::cin.bad() && read_err == 0) read_err = errno;
      missing = uint64_t(n) - uint64_t(i);
      break;
    }
    gamers.push_back(v);
    if (v > temp) temp = v;
  }
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
  std::cout << lo << std::endl;  // the flush shows whether the line was taken
  if (!std::cout) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
