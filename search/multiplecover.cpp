// multiplecover: Smallest top with n multiples of 2 and m of 3, all distinct
//
// The program reads two counts n and m and writes the smallest top value h,
// from 1 to 3,000,000, such that n distinct multiples of 2 and m distinct
// multiples of 3, all different from one another, can be chosen from 1 to h;
// 3000001 when no h up to 3,000,000 is large enough.
//
// Input: The counts n and m, decimal integers with an optional sign, each a
// signed 32-bit value. A number missing at the end, or not a number, is 0,
// and so is m after it; a number beyond the 32-bit range is taken as the
// nearest limit (and m after it is 0).
// Output: One line with the smallest top value found.
//
// Cost: At most 22 constant-time steps.
//
// Method: Bisection over 1 to 3,000,000 with the midpoint the sum of the
// bounds halved: where the midpoint is large enough the upper bound moves
// below it, otherwise the lower bound above it, and the lower bound is
// written. A top value h is large enough when, up to h, the multiples of 2
// or 3 number at least n + m, the multiples of 2 at least n and the
// multiples of 3 at least m. The divisions are 32-bit and truncate; n + m
// wraps at 32 bits.
//
// Outside the contract: Nothing is left open; counts at the 32-bit limits
// take part through the wrapped sum n + m.
//
// A read that fails is taken as the end of the input there; a write that
// fails stops the program at once. Either is the system refusing, reported
// on standard error with status 1.
//
// Notes: Input and output go through std::cin and std::cout, not
// synchronised with the C functions; the line ends with std::endl.
#include <cstdint>
#include <iostream>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cstdio>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "multiplecover: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

int n, m;

bool check(int mid) {
  int both = int(uint32_t(n) + uint32_t(m));
  if (mid / 3 + mid / 2 - mid / 6 < both) return false;
  if (mid / 2 < n) return false;
  if (mid / 3 < m) return false;
  return true;
}

int main() {
  std::ios::sync_with_stdio(false);
  std::cin >> n >> m;
  // A read that fails (the stream goes bad, not merely to its end) ends the
  // input there, and it is reported at exit.
  int read_err = std::cin.bad() ? errno : 0;
  int lo = 1, hi = 3000000;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
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
