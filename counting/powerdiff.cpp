// powerdiff: Residue of m^n - m(m - 1)^(n - 1) modulo 100003
//
// From two integers m and n the program computes m to the power n minus m
// times (m - 1) to the power n - 1, reduced modulo 100003, and writes it on
// one line; the exact arithmetic, signs included, is set out under Method.
//
// Input: Two 64-bit decimal integers m and n (white space skipped, an
// optional sign, then decimal digits), n at least 1; anything after them is
// ignored.
// Output: The result and a newline, flushed at once.
//
// Cost: O(log n): at most 2 x 64 squarings.
//
// Method: Each power is square-and-multiply with the base reduced first. Every
// reduction is the built-in remainder (sign of the dividend), so a negative m
// gives a negative result. The second term multiplies the reduced power by
// the raw m; that product wraps at 64 bits before its reduction.
//
// Outside the contract: An n of 0 or less makes an exponent negative, whose
// shift settles at -1 and never reaches 0, so no result would ever come: the
// program writes nothing. With fewer than two numbers, n is missing and
// counts as 0 (a failed extraction stores 0), so nothing is written either;
// a missing m after a failed first extraction is 0 as the stream stores it.
// A number beyond the 64-bit range is taken as the stream stores it, at the
// nearest 64-bit bound; when that is m, n is then not read.
//
// A read that fails is taken as the end of the input there (the result due
// is still written); a write that fails stops the program. Either is the
// system refusing, reported on standard error with status 1.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

constexpr int64_t kMod = 100003;

// The program's own modular power: called only with 64-bit integer arguments,
// which match it exactly, never the floating-point one of the maths library.
int64_t pow(int64_t x, int64_t e) {
  int64_t r = 1;
  x %= kMod;
  while (e != 0) {
    if (e & 1) r = (r * x) % kMod;
    x = (x * x) % kMod;
    e >>= 1;
  }
  return r % kMod;
}

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "powerdiff: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

int main() {
  int64_t m = 0, n = 0;
  std::cin >> m >> n;
  // The streams run through stdio: a failed read ends the extraction as the
  // end of the input does, and only ferror tells them apart.
  int read_err = std::ferror(stdin) ? errno : 0;
  if (n > 0) {  // otherwise an exponent would be negative: no result is ever due
    int64_t p = ::pow(m, n);
    int64_t q = ::pow(int64_t(uint64_t(m) - 1), n - 1);
    int64_t t = int64_t(uint64_t(q) * uint64_t(m)) % kMod;
    // std::endl flushes stdio's buffer: a refused write shows here.
    if (!(std::cout << ((p - t) + kMod) % kMod << std::endl)) io_failed("write", errno);
  }
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
