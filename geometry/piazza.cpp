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
// Cost: O(n).
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
// "%d" does. No read is tried after a failed one, and what came before the
// failure is still used. On 32-bit x86 without SSE every float and double
// result is rounded to its type where it is formed, so the count is the same
// on every machine.
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
static char buf[1 << 16];
static size_t pos, len;
static int read_err;  // errno of a failed read; no read is tried after it

static int refill() {
  pos = 0;
  len = 0;
  if (read_err != 0) return EOF;
  len = fread(buf, 1, sizeof buf, stdin);
  if (ferror(stdin)) read_err = errno;  // what came before it is still used
  return len == 0 ? EOF : (unsigned char)buf[0];
}

static inline int peek() { return pos < len ? (unsigned char)buf[pos] : refill(); }

static int num(int& out) {
  int c = peek();
  while (c == ' ' || (c >= '\t' && c <= '\r')) ++pos, c = peek();
  if (c == EOF) return EOF;
  bool neg = c == '-';
  if (c == '-' || c == '+') ++pos, c = peek();
  if (c < '0' || c > '9') return 0;
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
    if (rd(double(c) + dist) <= double(r) && rd(dist - double(c)) >= inner) ++count;
  }
  // The line reaches the output only with the flush at exit: test both.
  if (printf("%d\n", count) < 0 || fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
