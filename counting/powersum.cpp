// powersum: (n + 1) times 2 to the power (n - 2), in double precision.
//
// Input: a count T, then T values n, extracted from the standard input stream.
// Output: per n, the value 2^(n-1) + (n-1) * 2^(n-2), formed with the maths
// library's pow on doubles (product first, then sum) and truncated toward zero
// to a signed 64-bit integer; written with std::endl (a newline and a flush).
// Exact for n from 1 to 59; n of 0 or less gives 0. Nothing after the T-th
// value is read.
//
// Cost: O(1) per query.
//
// Outside the contract: the differences n - 1 and n - 2 are formed in 64 bits,
// so n of -2147483647 or less does not wrap into a huge exponent and answers
// 0 like every other n below 1. A sum beyond the signed 64-bit range (n of 60
// or more) saturates to 9223372036854775807. A failed extraction (the input
// ends early or holds a non-number) ends the run, without a line for that
// query. A negative T answers values until the extractions fail.
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>

// Truncation toward zero with saturation: the conversion of a double outside
// the 64-bit range has no defined result of its own.
int64_t truncate64(double v) {
  if (v >= 0x1p63) return std::numeric_limits<int64_t>::max();
  if (v >= -0x1p63) return int64_t(v);
  return std::numeric_limits<int64_t>::min();
}

int main() {
  int T = 0, n = 0;
  std::cin >> T;
  // A 64-bit countdown: a negative T runs on instead of wrapping at INT_MIN.
  for (int64_t left = T; left != 0; --left) {
    if (!(std::cin >> n)) break;
    int64_t m = int64_t(n) - 1;  // equal to the 32-bit n - 1 wherever that does not wrap
    double p = std::pow(2.0, double(m));
    double q = std::pow(2.0, double(m - 1));
    double v = q * double(m);
    v = p + v;
    std::cout << truncate64(v) << std::endl;
  }
  return 0;
}
