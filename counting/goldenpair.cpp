// goldenpair: tests pairs of integers against the golden ratio.
//
// Input: pairs of 64-bit integers read with "%lld%lld" until the input ends.
// Output: per pair, 0 or 1 and end of line (a flush).
// Method: with a the smaller and b the larger value and d = b - a as a
// double, s = d * 1.618033988749895 + d in two separate double roundings (the
// product, then the sum); s truncated to 32 bits, saturating at the 32-bit
// bounds, is compared with b: 0 when equal, 1 otherwise.
// Cost: constant per pair.
//
// Outside the contract: a read that takes fewer than two numbers (a token
// that is not a number, or a last number without its partner) ends the run,
// that incomplete pair unanswered. The difference b - a wraps at 64 bits
// (only a pair spanning more than the 64-bit range can wrap), and a negative
// s below the 32-bit range saturates at -2147483648.
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <utility>

constexpr double kPhiPlusOne = 1.618033988749895;

// Truncation toward zero into 32 bits, values beyond the range at its bounds.
int32_t to_int32(double s) {
  if (s >= 2147483647.0) return INT32_MAX;
  if (s <= -2147483648.0) return INT32_MIN;
  return int32_t(s);
}

int main() {
  long long x = 0, y = 0;
  while (scanf("%lld%lld", &x, &y) == 2) {
    if (y < x) std::swap(x, y);
    double d = double(int64_t(uint64_t(y) - uint64_t(x)));
    double v = d * kPhiPlusOne;
    double s = v + d;
    int32_t k = to_int32(s);
    std::cout << (int64_t(k) == y ? 0 : 1) << std::endl;
  }
  return 0;
}
