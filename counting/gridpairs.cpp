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
// Cost: Constant per pair.
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
// scanf, converting as "%lld" does.
#include <bit>
#include <cerrno>
#include <charconv>
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
    out_at = std::to_chars(out_at, out_at + 24, add(s, q)).ptr;
    *out_at++ = '\n';
  }
  flush();
  if (std::fflush(stdout) != 0) io_failed("write", errno);
  if (read_failed != 0) io_failed("read", read_failed);
  return 0;
}
