// divpair: First (i, j) with i % j > 0, i * j > x, i / j < x
//
// Given x, the program finds the first pair (i, j) with 1 <= i, j <= x, tried
// row by row (i ascending, then j ascending), for which i % j > 0, i * j > x
// and i / j < x all hold, and writes it.
//
// Input: One integer x, read with "%d" (x stays 0 when nothing converts).
// Output: "%d %d\n" with i and j, or "-1\n" when no pair qualifies.
//
// Cost: O(1) for any x; the search itself costs time proportional to x.
//
// Method: A closed form in place of the search. No i of 1 qualifies (1 * j
// never exceeds x), so the first hit, if any, is in row 2, where j must not
// divide 2 (j >= 3) and 2 * j must exceed x: j = 3 for x = 3, and
// j = x / 2 + 1 for x >= 4 (at most x, so the pair is in range). The quotient
// 2 / j is then 0, below x. For x <= 2 no j >= 3 is in range: "-1".
//
// Outside the contract: For x of 2147483646 and 2147483647 a search in 32-bit
// products would wrap before its hit (and for the larger never end); the
// closed form gives the pair that exact arithmetic finds, 2 and 1073741824.
// A number beyond the 32-bit range is taken as its value saturated at
// the 64-bit bounds, of which the low 32 bits are kept (4294967301 reads as
// 5, forty 1s as -1), on every machine.
//
// A read that fails is taken as the end of the input there (the line due is
// still written) and a write that fails stops the program: either is the
// system refusing, reported on standard error with status 1.
//
// Notes: The number is read with "%lld" and cut to its low 32 bits, which is
// what a 64-bit C library's "%d" does; a 32-bit library would saturate at the
// 32-bit bounds instead, so the same input gives the same x on every machine.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "divpair: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

int main() {
  // "%d" as a 64-bit C library converts it, on every machine: the token is
  // taken as a 64-bit value (saturated at the 64-bit bounds) and its low 32
  // bits are kept; a 32-bit library would saturate at the 32-bit bounds.
  int x = 0;
  long long w = 0;
  if (scanf("%lld", &w) == 1) x = int(w);
  // scanf ends at a failed read as at the end of the input; ferror tells them apart.
  int read_err = std::ferror(stdin) ? errno : 0;
  int put = x <= 2 ? printf("-1\n") : printf("%d %d\n", 2, x == 3 ? 3 : x / 2 + 1);
  // The line reaches the output only with the flush at exit: test both.
  if (put < 0 || std::fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
