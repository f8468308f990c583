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
// Cost: O(length of the line), one multiplication per stretch; on 4 MB about
// 10 times the bare reading of the input.
//
// Outside the contract: Input that ends before any line end finishes as at a
// line end. A byte 0xFF is an ordinary byte and not the end of the input.
//
// A read that fails is taken as the end of the input there (the line due is
// still written); a write that fails stops the program. Either is the system
// refusing, reported on standard error with status 1.
//
// Notes: The bytes come as getchar gives them (each as an unsigned char
// value, then EOF), from a block reader of its own. Each byte's value stays an
// int until it is compared with EOF, which is why a byte 0xFF is not the end
// of the input. The test of each byte, whose outcome a mixed line makes
// unpredictable, sets the time.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

constexpr int64_t kMod = 1000000007;

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "abchains: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// getchar's results from a block read of stdin: each byte as an unsigned
// char value, then EOF. A call of getchar per byte was most of the run.
// A read that fails ends the input there, as if it were cut: what it had
// taken is used, no read follows, and the failure is reported at exit.
static unsigned char buf[1 << 16];
static size_t pos, len;
static int read_failed;  // errno of the failed read

static int refill() {
  pos = 0;
  len = read_failed != 0 ? 0 : fread(buf, 1, sizeof buf, stdin);
  if (std::ferror(stdin) && read_failed == 0) read_failed = errno;
  return len == 0 ? EOF : buf[pos++];
}

static inline int next() { return pos < len ? buf[pos++] : refill(); }

int main() {
  int64_t product = 1, factor = 1;
  int c = next();
  while (true) {
    if (c == '\n' || c == '\r' || c == EOF) {
      product = product * factor % kMod;
      if (printf("%lld\n", (long long)(product - 1)) < 0 || std::fflush(stdout) != 0)
        io_failed("write", errno);
      if (read_failed != 0) io_failed("read", read_failed);
      return 0;
    }
    if (c == 'a') {
      // Kept below the modulus, so product * factor stays within 64 bits on
      // any line length; the reduced product is the same.
      if (++factor == kMod) factor = 0;
      c = next();
    } else if (c == 'b') {
      product = product * factor % kMod;
      do c = next();
      while (c == 'b');
      factor = 1;
    } else {
      c = next();
    }
  }
}
