// gridpairs: Cell pairs sharing a row, column or diagonal
//
// For an a by c grid the program counts, by a closed formula, the ordered
// pairs of distinct cells that share a row, a column or a diagonal.
//
// Input: Pairs of 64-bit integers read as "%lld%lld" reads them (white space
// skipped, an optional sign, then decimal digits) until a pair holding a zero
// (tested on the values as read), which writes nothing and ends the run.
// Output: Per pair, "%lld\n": with a the smaller and c the larger value,
// a*c*(a + c - 2) + (2*a*(a - 1)*(3c - a - 1)) / 3.
//
// Cost: Constant per pair. A run takes about 4x the time of merely reading its
// input and writing its output; of the rest, reading the numbers is about half
// and writing the answers (up to 20 characters each) about two fifths.
//
// Method: The terms in this order: s = (a*c)*(a + c - 2); w = (a - 1)*a,
// doubled as w + w; u = (c + 2c) - a - 1; (w*u) / 3 truncating toward zero.
// Every sum and product wraps at 64 bits; the division comes after the
// product has wrapped.
//
// Outside the contract: The input ending before a pair with a zero ends the
// run, as a read that converts nothing does. A read that takes only the
// first number of a pair keeps the second as it was (zero before the first
// pair, which then ends the run) and answers that pair as it stands.
//
// A read that fails is taken as the end of the input there (the lines due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: The numbers are read by a block reader of its own, in place of
// scanf, converting as "%lld" does, and the lines gather in a block of their
// own, written through stdout when full and at exit. A 0 put after the bytes
// of a block stops the scans for white space and digits; past it there is
// room for one eight-byte load, from which a number of up to seven digits is
// converted without a branch per digit (SWAR); a longer one goes digit by
// digit. An answer is written eight digits at a time, each group formed in
// one 64-bit word (printf's "%lld" was a third of the run).
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "gridpairs: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// Answer lines gather here and go out through stdout a block at a time.
static char out[1 << 16];
static char* out_at = out;

// A write that fails stops the run: nothing after it would arrive.
static void flush() {
  size_t n = size_t(out_at - out);
  if (std::fwrite(out, 1, n, stdout) != n) io_failed("write", errno);
  out_at = out;
}

// A block reader in place of scanf, whose per-number cost was a large share
// of the run: `num` converts as glibc's "%lld" does (white space skipped, an
// optional sign, decimal digits, a value beyond 64 bits saturated) and
// returns 1, 0 for a token that is not a number (a sign before it is taken),
// or EOF at the end of the input.
//
// A read that fails ends the input there, as if it were cut: what it had
// taken is used, no read follows, and the failure is reported at exit.
// Room past the bytes read for a 0, which stops the scans below (they then
// check whether they stopped at the end), and for an eight-byte load there.
static char buf[(1 << 16) + 8];
static size_t pos, len;
static int read_failed;  // errno of the failed read

[[gnu::noinline]] static int refill() {
  pos = 0;
  len = read_failed != 0 ? 0 : fread(buf, 1, sizeof buf - 8, stdin);
  if (std::ferror(stdin) && read_failed == 0) read_failed = errno;
  buf[len] = 0;
  return len == 0 ? EOF : (unsigned char)buf[0];
}

static inline int peek() { return pos < len ? (unsigned char)buf[pos] : refill(); }

// How many of the eight bytes at p, taken in order, are decimal digits before
// the first that is not (8 when all are); for 1 to 7 of them, their value as
// well, formed without a branch per digit.
[[gnu::always_inline]] static inline unsigned leading_digits(const char* p, uint64_t& value) {
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

[[gnu::always_inline]] static inline int num(long long& out) {
  int c = peek();
  while (c == ' ' || (c >= '\t' && c <= '\r')) {
    const char* p = buf + ++pos;  // the white space read, up to the 0 after it
    while (*p == ' ' || unsigned(*p - '\t') <= '\r' - '\t') ++p;
    pos = size_t(p - buf);
    c = peek();
  }
  if (c == EOF) return EOF;
  bool neg = c == '-';
  if (c == '-' || c == '+') ++pos, c = peek();
  if (c < '0' || c > '9') return 0;
  uint64_t v = 0, lim = uint64_t(1) << 63;
  unsigned count = leading_digits(buf + pos, v);
  if (count < 8 && pos + count != len) {  // the whole number, far inside 64 bits
    pos += count;
    out = neg ? 0 - int64_t(v) : int64_t(v);
    return 1;
  }
  v = 0;
  do {  // the digits read, then again after a refill
    size_t i = pos;
    for (unsigned d; (d = unsigned((unsigned char)buf[i]) - '0') < 10; ++i)
      v = v > (UINT64_MAX - 9) / 10 ? UINT64_MAX : v * 10 + d;
    pos = i;
  } while (pos == len && (c = refill()) >= '0' && c <= '9');
  out = neg ? (v > lim ? INT64_MIN : int64_t(0 - v)) : (v >= lim ? INT64_MAX : int64_t(v));
  return 1;
}

// The decimal digits of x below 10^8, eight of them with leading zeros, the
// first in the lowest byte: two halves of four digits, each split into two
// pairs, each pair into two digits, every step done on all parts at once
// (multiplications by 5243 / 2^19 and 103 / 2^10 give the quotients by 100 and
// 10 exactly in these ranges, and no part spills into its neighbour).
uint64_t eight_digits(uint64_t x) {
  uint64_t v = (x / 10000) | ((x % 10000) << 32);
  uint64_t q = ((v * 5243) >> 19) & 0x0000007F0000007F;
  v = q | ((v - q * 100) << 16);
  q = ((v * 103) >> 10) & 0x000F000F000F000F;
  return q | ((v - q * 10) << 8);
}

// Writes the eight bytes of `digits` in order from `at`.
void put8(char* at, uint64_t digits) {
  digits |= 0x3030303030303030;
  if constexpr (std::endian::native == std::endian::big) digits = __builtin_bswap64(digits);
  std::memcpy(at, &digits, 8);
}

// x from 1 to 10^8 - 1 without leading zeros; eight bytes are written.
char* put_short(char* at, uint64_t x) {
  uint64_t d = eight_digits(x);
  unsigned zeros = unsigned(std::countr_zero(d)) / 8;
  put8(at, d >> (8 * zeros));
  return at + 8 - zeros;
}

// v in decimal, as "%lld" writes it; up to 21 bytes are written.
char* put_int64(char* at, int64_t v) {
  uint64_t u = uint64_t(v);
  if (v < 0) *at++ = '-', u = 0 - u;
  if (u < 100000000) {
    if (u == 0) return *at = '0', at + 1;
    return put_short(at, u);
  }
  uint64_t high = u / 100000000;
  if (high < 100000000) {
    at = put_short(at, high);
  } else {
    at = put_short(at, high / 100000000);
    put8(at, eight_digits(high % 100000000));
    at += 8;
  }
  put8(at, eight_digits(u % 100000000));
  return at + 8;
}

int64_t add(int64_t x, int64_t y) { return int64_t(uint64_t(x) + uint64_t(y)); }
int64_t sub(int64_t x, int64_t y) { return int64_t(uint64_t(x) - uint64_t(y)); }
int64_t mul(int64_t x, int64_t y) { return int64_t(uint64_t(x) * uint64_t(y)); }

int main() {
  long long x = 0, y = 0;
  for (;;) {
    int got = num(x);  // as "%lld%lld": a failed first number leaves y unread
    if (got == 1 && num(y) == 1) ++got;
    if (got <= 0 || x == 0 || y == 0) break;  // at the end of input too
    if (y < x) std::swap(x, y);
    int64_t a = x, c = y;
    int64_t s = mul(mul(a, c), sub(add(a, c), 2));
    int64_t w = mul(sub(a, 1), a);
    w = add(w, w);
    int64_t u = sub(sub(add(c, mul(2, c)), a), 1);
    int64_t q = mul(w, u) / 3;
    if (out_at > out + sizeof out - 24) flush();
    out_at = put_int64(out_at, add(s, q));
    *out_at++ = '\n';
  }
  flush();
  if (std::fflush(stdout) != 0) io_failed("write", errno);
  if (read_failed != 0) io_failed("read", read_failed);
  return 0;
}
