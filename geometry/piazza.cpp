// piazza: Number of circles wholly inside a ring about (0, 0)
//
// The program counts how many of the given circles lie wholly inside the
// ring between the circles of radius r - d and r about the origin.
//
// A circle counts when c + dist <= r and dist - c >= r - d, both compared in
// double, where dist comes from `cal` in single precision: x*x + y*y as a
// wrapping 32-bit sum, converted to float, its sqrtf widened to double. r - d
// is a wrapping 32-bit difference. A radius is used as read, negative too.
//
// Input: The radius r and width d, then n, then n circles x y c (centre and
// radius), all read as "%d" reads them (white space skipped, an optional
// sign, then decimal digits).
// Output: The count, "%d\n".
//
// Cost: O(n). On a million circles (17 MB of input), a run takes about 3.5
// times as long as merely reading the input, where it took 6 to 8 times
// (side by side, median of 9).
//
// Outside the contract: A wrapped negative sum in `cal` gives a NaN distance,
// which fails both comparisons; a negative n reads no circle; the first
// circle whose three numbers cannot all be read ends the list (the input has
// ended or holds a token that is not a number, so no later read succeeds),
// and the count so far is written. A read that fails is taken as the end of
// the input there, so the count of the circles read is written; a write that
// fails stops the program. Either is the system refusing, reported on
// standard error with status 1.
//
// Notes: The numbers are read by a block reader of its own in place of scanf,
// whose per-number cost was a large share of the run; it converts as glibc's
// "%d" does. A number of up to 7 digits that ends inside the block is
// converted from one 8-byte word (loaded as little-endian), any other one a
// digit at a time; the sign and the count are taken without a branch, since
// which way they go is the data's. No read is tried after a failed one, and
// what came before the failure is still used. A profile of a run: converting
// the numbers 47%, each circle's distance and tests 26% (the latency of one
// single-precision square root and four conversions to double, which the
// bytes require), reading and starting the program the rest; what remains
// is the work itself. On 32-bit x86 without SSE every float and double
// result is rounded to its type where it is formed, so the count is the same
// on every machine.
#include <bit>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "piazza: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// The x87 unit of 32-bit x86 without SSE keeps every result in an 80-bit
// register. There main sets it to round each operation to a double's 53
// bits, and `rf` and `rd` store a result through memory, which rounds it to
// its type where it is formed: the float and double results of every other
// machine. (A square root rounded to 53 bits and then to 24 is the float
// root; a sum rounded to 64 bits and then to 53 could be one unit off.)
#if FLT_EVAL_METHOD == 2 && defined(__i386__)
#include <fpu_control.h>
static float rf(float v) { volatile float s = v; return s; }
static double rd(double v) { volatile double s = v; return s; }
static void round_to_double() {
  fpu_control_t cw;
  _FPU_GETCW(cw);
  cw = fpu_control_t((cw & ~_FPU_EXTENDED) | _FPU_DOUBLE);
  _FPU_SETCW(cw);
}
#elif FLT_EVAL_METHOD == 0
static float rf(float v) { return v; }
static double rd(double v) { return v; }
static void round_to_double() {}
#else
#error "float and double results must be rounded where they are formed"
#endif

// A block reader in place of scanf, whose per-number cost was a large share
// of the run: `num` converts as glibc's "%d" does (white space skipped, an
// optional sign, decimal digits, a value beyond 64 bits saturated, then its
// low 32 bits kept) and returns 1, 0 for a token that is not a number (a sign
// before it is taken), or EOF at the end of the input.
static char buf[(1 << 16) + 8];  // 8 more: a word may be loaded at any pos
static size_t pos, len;
static int read_err;  // errno of a failed read; no read is tried after it

static int refill() {
  pos = 0;
  len = 0;
  if (read_err != 0) return EOF;
  len = fread(buf, 1, 1 << 16, stdin);
  if (ferror(stdin)) read_err = errno;  // what came before it is still used
  return len == 0 ? EOF : (unsigned char)buf[0];
}

static inline int peek() { return pos < len ? (unsigned char)buf[pos] : refill(); }

// Up to 8 digits at p, as one word: the count of leading digit bytes (8
// when all are digits) and, when fewer, in `value` the number they write.
static inline int digits8(const char* p, uint32_t& value) {
  uint64_t w;  // little-endian: the first byte lowest
  std::memcpy(&w, p, 8);
  if constexpr (std::endian::native == std::endian::big) {
    uint64_t r = 0;
    for (int i = 0; i < 8; ++i) r = r << 8 | (w >> (8 * i) & 0xFF);
    w = r;
  }
  uint64_t low = w & 0x0F0F0F0F0F0F0F0F;
  // A byte of `other` is 0 exactly for a digit: high half 3, low half + 6 < 16.
  uint64_t other = ((w & 0xF0F0F0F0F0F0F0F0) ^ 0x3030303030303030) |
                   ((low + 0x0606060606060606) & 0xF0F0F0F0F0F0F0F0);
  if (other == 0) return 8;
  int d = std::countr_zero(other) / 8;
  if (d == 0) return 0;
  // The digits moved to the top d bytes: the zero bytes below them, earlier
  // in the text, are leading zeros. Then pairs, fours and all eight combine.
  uint64_t v = low << (8 * (8 - d));
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FF;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFF;
  value = uint32_t(v * 10000 + (v >> 32));  // the low half
  return d;
}

static inline int num(int& out) {
  int c = peek();
  while (c == ' ' || (c >= '\t' && c <= '\r')) ++pos, c = peek();
  if (c == EOF) return EOF;
  bool neg = c == '-';
  pos += neg || c == '+';  // c was in the buffer: peek again costs no read
  c = peek();
  if (c < '0' || c > '9') return 0;
  // A number of at most 7 digits whose end is in the buffer: one word.
  uint32_t small = 0;
  int d = digits8(buf + pos, small);
  if (d < 8 && pos + d < len) {
    pos += d;
    out = neg ? -int(small) : int(small);
    return 1;
  }
  uint64_t v = 0, lim = uint64_t(1) << 63;
  do {  // the digits in the buffer, then again after a refill
    size_t i = pos;
    for (unsigned d; i < len && (d = unsigned(buf[i] - '0')) < 10; ++i)
      v = v > (UINT64_MAX - 9) / 10 ? UINT64_MAX : v * 10 + d;
    pos = i;
  } while (pos == len && (c = refill()) >= '0' && c <= '9');
  int64_t r = neg ? (v > lim ? INT64_MIN : int64_t(0 - v)) : (v >= lim ? INT64_MAX : int64_t(v));
  out = int(r);
  return 1;
}

double cal(int x, int y) {
  int sum = int(uint32_t(x) * uint32_t(x) + uint32_t(y) * uint32_t(y));
  return double(rf(sqrtf(rf(float(sum)))));
}

int main() {
  round_to_double();
  int r = 0, d = 0, n = 0, x = 0, y = 0, c = 0, count = 0;
  if (num(r) == 1) num(d);   // "%d%d": a failed first number leaves d unread
  num(n);
  double inner = double(int(uint32_t(r) - uint32_t(d)));
  for (; n > 0; --n) {
    if (num(x) != 1 || num(y) != 1 || num(c) != 1) break;
    double dist = cal(x, y);
    // Both tests each time, without a branch: which way they go is the data's.
    count += int(rd(double(c) + dist) <= double(r)) & int(rd(dist - double(c)) >= inner);
  }
  // The line reaches the output only with the flush at exit: test both.
  if (printf("%d\n", count) < 0 || fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
