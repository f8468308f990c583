// powersum: (n + 1) * 2^(n - 2) in double precision, per n
//
// For each n the program writes 2^(n-1) + (n-1) * 2^(n-2), that is n + 1
// times 2 to the power n - 2, computed in double precision and truncated to
// a 64-bit integer.
//
// Input: A count T, then T values n, read as 32-bit decimal integers (white
// space skipped, an optional sign, then decimal digits). Nothing after the
// T-th value is read.
// Output: Per n, the value 2^(n-1) + (n-1) * 2^(n-2), formed with the maths
// library's pow on doubles (product first, then sum) and truncated toward zero
// to a signed 64-bit integer, and a newline. Exact for n from 1 to 59; n of 0
// or less gives 0.
// Output is flushed before the program waits for input and at exit, never
// per line: a client that sends one value and waits gets its answer at once,
// and a batch run writes many answers at a time.
//
// Cost: Constant per value; for n from 0 to 127 a look-up of an answer worked
// out at start. A run takes about 1.5x the time of merely reading its input and
// writing its output; reading the numbers is about three quarters of the rest.
//
// Outside the contract: The differences n - 1 and n - 2 are formed in 64 bits,
// so n of -2147483647 or less does not wrap into a huge exponent and answers
// 0 like every other n below 1. A sum beyond the signed 64-bit range (n of 60
// or more) saturates to 9223372036854775807. A value that cannot be read (the
// input ends early, holds a non-number or a number beyond the 32-bit range)
// ends the run, without a line for that query. A negative T answers values
// until one cannot be read.
//
// A read that fails is taken as the end of the input there (the answers due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Input comes in blocks from one read of file descriptor 0 each, which
// returns what is there: a refill is the only place the program can wait, so
// the answers collected so far are written out just before it, and a batch
// run writes a buffer at a time. A 0 put after the bytes of a block stops
// the scans for white space and digits; past it there is room for one
// eight-byte load, from which a number of up to seven digits is converted
// without a branch per digit (SWAR); a longer one goes digit by digit. The
// answer lines for n from 0 to 127 are text made at start by the very
// computation a query would make (the two calls of pow were most of the time
// per query), so such a query copies its line; other n are computed as read.
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

// Truncation toward zero with saturation: the conversion of a double outside
// the 64-bit range has no defined result of its own.
int64_t truncate64(double v) {
  if (v >= 0x1p63) return std::numeric_limits<int64_t>::max();
  if (v >= -0x1p63) return int64_t(v);
  return std::numeric_limits<int64_t>::min();
}

// 2^(n-1) + (n-1) * 2^(n-2) in doubles, truncated.
int64_t power_sum(int n) {
  int64_t m = int64_t(n) - 1;  // equal to the 32-bit n - 1 wherever that does not wrap
  double p = std::pow(2.0, double(m));
  double q = std::pow(2.0, double(m - 1));
  double v = q * double(m);
  v = p + v;
  return truncate64(v);
}

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "powersum: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

constexpr std::size_t kLine = 24;  // room for any 64-bit value and its newline

char out[1 << 16];
char* out_at = out;  // the end of the answers not yet written

// A write that fails stops the program at once: nothing after it would arrive.
void flush() {
  std::size_t len = std::size_t(out_at - out);
  if (std::fwrite(out, 1, len, stdout) != len || std::fflush(stdout) != 0)
    io_failed("write", errno);
  out_at = out;
}

// The answer lines for n from 0 to kTable - 1, worked out once by power_sum
// itself, so that a query there is a copy; pow was most of the time per query.
constexpr int kTable = 128;
char line_text[kTable][kLine];
unsigned char line_len[kTable];

void build_lines() {
  for (int n = 0; n < kTable; ++n) {
    char* end = std::to_chars(line_text[n], line_text[n] + kLine, power_sum(n)).ptr;
    *end++ = '\n';
    line_len[n] = static_cast<unsigned char>(end - line_text[n]);
  }
}

inline void answer(int n) {
  if (out_at > out + sizeof out - kLine) flush();
  if (n >= 0 && n < kTable) {
    std::memcpy(out_at, line_text[n], kLine);
    out_at += line_len[n];
  } else {
    out_at = std::to_chars(out_at, out_at + kLine, power_sum(n)).ptr;
    *out_at++ = '\n';
  }
}

// Room past the bytes read for a 0, which stops the scans below (they then
// check whether they stopped at the end), and for an eight-byte load there.
char in[(1 << 16) + 8];
const char* in_at = in;   // the next byte not taken
const char* in_end = in;  // the end of the bytes read
bool input_ended = false;
int read_failed = 0;  // errno of a read that failed, which ended the input there

// Called with every byte read taken; false at the end of the input.
[[gnu::noinline]] bool refill() {
  if (input_ended) return false;
  flush();  // the read below waits when no byte is there yet
  ssize_t n;
  do n = read(0, in, sizeof in - 8);
  while (n < 0 && errno == EINTR);
  if (n <= 0) {
    if (n < 0) read_failed = errno;  // taken as the end of the input, as if cut
    input_ended = true;
    return false;
  }
  in_at = in;
  in_end = in + n;
  in[n] = 0;
  return true;
}

bool is_space(char c) { return c == ' ' || unsigned(c - '\t') <= '\r' - '\t'; }
unsigned digit(char c) { return unsigned(static_cast<unsigned char>(c)) - '0'; }

// How many of the eight bytes at p, taken in order, are decimal digits before
// the first that is not (8 when all are); for 1 to 7 of them, their value as
// well, formed without a branch per digit.
[[gnu::always_inline]] inline unsigned leading_digits(const char* p, uint64_t& value) {
  uint64_t w;
  std::memcpy(&w, p, 8);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  uint64_t x = w ^ 0x3030303030303030;  // a digit byte becomes 0 to 9
  // A byte above 9 gets a high nibble; a carry out of such a byte can only
  // spoil the flags of the bytes after it.
  uint64_t other = ((x + 0x0606060606060606) | x) & 0xF0F0F0F0F0F0F0F0;
  unsigned count = unsigned(std::countr_zero(other)) / 8;
  if (count == 0 || count == 8) return count;
  x <<= 64 - 8 * count;  // the digits, first one lowest, below them zeros
  x = (x * 10 + (x >> 8)) & 0x00FF00FF00FF00FF;
  x = (x * 100 + (x >> 16)) & 0x0000FFFF0000FFFF;
  value = (x * 10000 + (x >> 32)) & 0xFFFFFFFF;
  return count;
}

// A 32-bit integer as stream extraction takes it; false where extraction fails.
[[gnu::always_inline]] inline bool extract(int& v) {
  const char* p = in_at;
  for (;;) {
    while (is_space(*p)) ++p;
    if (p != in_end) break;
    if (!refill()) return false;
    p = in_at;
  }
  bool neg = *p == '-';
  if (*p == '-' || *p == '+') {
    if (++p == in_end) {
      if (!refill()) return false;
      p = in_at;
    }
  }
  if (digit(*p) >= 10) return in_at = p, false;
  uint64_t mag = 0;  // stops growing once past every 32-bit magnitude
  unsigned count = leading_digits(p, mag);
  if (count < 8 && p + count != in_end) {  // the whole token, well inside 32 bits
    in_at = p + count;
    v = int(neg ? -int64_t(mag) : int64_t(mag));
    return true;
  }
  mag = 0;
  for (;;) {  // the digits read, then again after a refill
    for (unsigned d; (d = digit(*p)) < 10; ++p)
      if (mag <= (uint64_t(1) << 31)) mag = mag * 10 + d;
    if (p != in_end || !refill()) break;
    p = in_at;
  }
  in_at = p;
  if (mag > (neg ? uint64_t(1) << 31 : (uint64_t(1) << 31) - 1)) return false;
  v = int(neg ? -int64_t(mag) : int64_t(mag));
  return true;
}

int main() {
  build_lines();
  int T = 0, n = 0;
  // A 64-bit countdown: a negative T runs on instead of wrapping at INT_MIN.
  for (int64_t left = extract(T) ? T : 0; left != 0; --left) {
    if (!extract(n)) break;
    answer(n);
  }
  flush();
  if (read_failed != 0) io_failed("read", read_failed);
  return 0;
}
