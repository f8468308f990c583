// goldenpair: Tests integer pairs against the golden ratio
//
// For each pair, with a the smaller and b the larger value and d = b - a,
// the program writes 0 when d times 1.618033988749895 (the golden ratio),
// plus d, truncated, equals b, and 1 otherwise. The roundings are set out
// under Method.
//
// Input: Pairs of 64-bit integers, read as "%lld%lld" reads them (white
// space skipped, an optional sign, then decimal digits; a value beyond the
// 64-bit range is taken as the nearest 64-bit bound), until the input ends.
// Output: Per pair, 0 or 1 and a newline. Output is flushed before the
// program waits for input and at exit, never per line: a client that sends
// one pair and waits gets its answer at once, and a batch run writes many
// answers at a time.
// Cost: Constant per pair.
// Method: With a the smaller and b the larger value and d = b - a as a
// double, s = d * 1.618033988749895 + d in two separate double roundings (the
// product, then the sum); s truncated to 32 bits, saturating at the 32-bit
// bounds, is compared with b: 0 when equal, 1 otherwise.
//
// Outside the contract: A read that takes fewer than two numbers (a token
// that is not a number, or a last number without its partner) ends the run,
// that incomplete pair unanswered. The difference b - a wraps at 64 bits
// (only a pair spanning more than the 64-bit range can wrap), and a negative
// s below the 32-bit range saturates at -2147483648.
//
// A read that fails is taken as the end of the input there (the answers due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Input comes in blocks from one read of file descriptor 0 each, which
// returns what is there: a refill is the only place the program can wait, so
// the answers collected so far are written out just before it, and a batch
// run writes a buffer at a time.
#include <unistd.h>

#include <cerrno>
#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

// The x87 unit of 32-bit x86 without SSE keeps every result in an 80-bit
// register. There main sets it to round each operation to a double's 53
// bits (rounded to 64 bits and then to 53, a product can land one unit
// off), and `rd` stores a result through memory, which rounds it to double
// where it is formed: the double results of every other machine.
#if FLT_EVAL_METHOD == 2 && defined(__i386__)
#include <fpu_control.h>
static double rd(double v) { volatile double s = v; return s; }
static void round_to_double() {
  fpu_control_t cw;
  _FPU_GETCW(cw);
  cw = fpu_control_t((cw & ~_FPU_EXTENDED) | _FPU_DOUBLE);
  _FPU_SETCW(cw);
}
#elif FLT_EVAL_METHOD == 0
static double rd(double v) { return v; }
static void round_to_double() {}
#else
#error "double results must be rounded where they are formed"
#endif

constexpr double kPhiPlusOne = 1.618033988749895;

// Truncation toward zero into 32 bits, values beyond the range at its bounds.
int32_t to_int32(double s) {
  if (s >= 2147483647.0) return INT32_MAX;
  if (s <= -2147483648.0) return INT32_MIN;
  return int32_t(s);
}

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "goldenpair: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

char out[1 << 16];
std::size_t out_len = 0;

// A write that fails stops the program at once: nothing after it would arrive.
void flush() {
  if (std::fwrite(out, 1, out_len, stdout) != out_len || std::fflush(stdout) != 0)
    io_failed("write", errno);
  out_len = 0;
}

char in[1 << 16];
std::size_t in_pos = 0, in_len = 0;
bool in_end = false;
int read_failed = 0;  // errno of a read that failed, which ended the input there

// The next input byte, not taken, or -1 at the end of the input.
int peek() {
  if (in_pos == in_len) {
    if (in_end) return -1;
    flush();  // the read below waits when no byte is there yet
    ssize_t n;
    do n = read(0, in, sizeof in);
    while (n < 0 && errno == EINTR);
    if (n <= 0) {
      if (n < 0) read_failed = errno;  // taken as the end of the input, as if cut
      in_end = true;
      return -1;
    }
    in_pos = 0;
    in_len = std::size_t(n);
  }
  return static_cast<unsigned char>(in[in_pos]);
}

// A 64-bit integer as "%lld" takes it, saturating beyond the range; false
// where the conversion fails.
bool scan(long long& v) {
  int c;
  while ((c = peek()) == ' ' || (c >= '\t' && c <= '\r')) ++in_pos;
  bool neg = c == '-';
  if (c == '-' || c == '+') ++in_pos, c = peek();
  if (c < '0' || c > '9') return false;
  const uint64_t limit = neg ? uint64_t(1) << 63 : (uint64_t(1) << 63) - 1;
  uint64_t mag = 0;
  for (; c >= '0' && c <= '9'; ++in_pos, c = peek()) {
    uint64_t d = uint64_t(c - '0');
    mag = mag > (limit - d) / 10 ? limit : mag * 10 + d;
  }
  v = (long long)(neg ? 0 - mag : mag);
  return true;
}

int main() {
  round_to_double();
  long long x = 0, y = 0;
  while (scan(x) && scan(y)) {
    if (y < x) std::swap(x, y);
    double d = rd(double(int64_t(uint64_t(y) - uint64_t(x))));
    double v = rd(d * kPhiPlusOne);
    double s = rd(v + d);
    int32_t k = to_int32(s);
    if (out_len + 2 > sizeof out) flush();
    out[out_len++] = int64_t(k) == y ? '0' : '1';
    out[out_len++] = '\n';
  }
  flush();
  if (read_failed != 0) io_failed("read", read_failed);
  return 0;
}
