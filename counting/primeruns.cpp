// primeruns: Ways to write n as a sum of consecutive primes
//
// For each number n read, the program counts the runs of one or more
// consecutive primes whose sum is n: 41 has three (41 itself, 11 + 13 + 17
// and 2 + 3 + 5 + 7 + 11 + 13), 666 has none.
//
// Input: Integers read as "%d" reads them (white space skipped, an optional
// sign, then decimal digits) until a 0, which ends the run; no token after the
// 0 is read.
// Output: Per number other than 0, "%d\n": the count.
//
// Cost: The tables once (about 30,000 steps for the runs); then a look-up per
// query up to 10005, O(n) for a larger one. A run takes about 1.6x the time of
// merely reading its input and writing its output: reading the numbers is most
// of the rest, the tables at start about a twentieth of it.
//
// Method: A sieve over 0..10004 (i from 2 to 100 marks i*i, i*i+i, ...) and
// the list `b` of its 1229 primes, built once at start and zero beyond them.
// The window over `b` that a query slides (while its end index i is below n,
// one pass making three tests in turn: take in entry i if the sum is below n;
// count a hit and drop the window's first entry if the sum equals n; drop the
// first entry if the sum is above n) counts, for n from 1 to 10005, exactly
// the runs of listed primes that sum to n. So those counts are taken once at
// start, by walking every run from each first prime until its sum passes
// 10005, and such a query is a look-up. A larger query slides the window; a
// negative one writes 0 at once.
//
// Outside the contract: The input ending (or a token that is not a number)
// before a 0 ends the run. A query above 10005 would read past the list: the
// window reads every entry beyond it as 0, as the list's own tail is, so the
// count is that of runs of primes below 10005; once the index is past the list
// and the sum is below n, no later pass can change the count and the window
// stops there instead of idling up to n.
//
// A read that fails is taken as the end of the input there (the lines due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: The numbers are read by a block reader of its own, in place of
// scanf, converting as "%d" does, and the lines gather in a block of their
// own, written through stdout when full and at exit. A 0 put after the bytes
// of a block stops the scans for white space and digits; past it there is
// room for one eight-byte load, from which a number of up to seven digits is
// converted without a branch per digit (SWAR); a longer one goes digit by
// digit.
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "primeruns: %s error: %s\n", what, std::strerror(err));
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

// A block reader in place of scanf: `num` converts as glibc's "%d" does
// (white space skipped, an optional sign, decimal digits, a value beyond 64
// bits saturated, then its low 32 bits kept) and returns 1, 0 for a token
// that is not a number (a sign before it is taken), or EOF at the end.
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

[[gnu::always_inline]] static inline int num(int& out) {
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
    out = int(neg ? 0 - int64_t(v) : int64_t(v));
    return 1;
  }
  v = 0;
  do {  // the digits read, then again after a refill
    size_t i = pos;
    for (unsigned d; (d = unsigned((unsigned char)buf[i]) - '0') < 10; ++i)
      v = v > (UINT64_MAX - 9) / 10 ? UINT64_MAX : v * 10 + d;
    pos = i;
  } while (pos == len && (c = refill()) >= '0' && c <= '9');
  out = int(neg ? (v > lim ? INT64_MIN : int64_t(0 - v)) : (v >= lim ? INT64_MAX : int64_t(v)));
  return 1;
}

constexpr int kCap = 10005;

int64_t prime[kCap];
int64_t b[kCap];
int runs[kCap + 1];  // runs[n]: runs of consecutive listed primes summing to n

void isprime() {
  memset(prime, 0, sizeof prime);
  for (int i = 2; i <= 100; ++i)
    if (prime[i] == 0)
      for (int k = i * i; k < kCap; k += i) prime[k] = 1;
}

void answer(int count) {
  if (out_at > out + sizeof out - 16) flush();
  if (count >= 0 && count < 10)  // every count of a query up to 10005
    *out_at++ = char('0' + count);
  else
    out_at = std::to_chars(out_at, out_at + 16, count).ptr;
  *out_at++ = '\n';
}

// Entry i of the list; entries past its capacity read as 0.
int entry(int i) { return i < kCap ? int(b[i]) : 0; }

// Every run of the list whose sum stays within 1..kCap, counted by its sum.
void count_runs() {
  for (int first = 0; b[first] != 0; ++first) {
    int64_t sum = 0;
    for (int e = first; b[e] != 0 && (sum += b[e]) <= kCap; ++e) ++runs[sum];
  }
}

void slove(int n) {
  if (n >= 1 && n <= kCap) {  // the window's count, which for these n is the run count
    answer(runs[n]);
    return;
  }
  int sum = 0, count = 0, len = 0, i = 0;
  while (i < n) {
    if (i >= kCap && sum < n) break;  // only zeros remain to take in
    if (sum < n) {
      sum += entry(i);
      ++len;
      ++i;
    }
    if (sum == n) {
      ++count;
      sum -= entry(i - len);
      --len;
    }
    if (sum > n) {
      sum -= entry(i - len);
      --len;
    }
  }
  answer(count);
}

int main() {
  isprime();
  memset(b, 0, sizeof b);
  int count = 0;
  for (int j = 2; j < kCap; ++j)
    if (prime[j] == 0) b[count++] = j;
  count_runs();
  int n = 0;
  while (num(n) == 1 && n != 0) slove(n);  // a failed read ends the run
  flush();
  if (std::fflush(stdout) != 0) io_failed("write", errno);
  if (read_failed != 0) io_failed("read", read_failed);
  return 0;
}
