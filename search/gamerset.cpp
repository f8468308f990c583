// gamerset: Smallest x whose total shortfall below x reaches x
//
// The program reads n values and writes the smallest x, not below 0 nor
// below any value read, for which the total shortfall, the sum over all
// values v of (x - v), is at least x; 1000000001 when no x up to
// 1,000,000,000 qualifies.
//
// Input: A count n, then n values, whitespace-separated, each read as
// extraction with >> into a signed 64-bit integer takes it (white space, an
// optional sign, decimal digits). The contract holds values from 0 to
// 9,999,999. Anything after the n values is ignored; n of 0 or less reads
// nothing.
// Output: The answer as a signed 64-bit integer, then std::endl (a newline
// and a flush).
//
// Cost: O(n) to read, then at most 30 checks of O(1).
//
// Method: Each value v counts in a 32-bit counter of its own (`gamers` for 0
// to 9,999,999); a counter wraps at 32 bits and enters the sums widened with
// its sign. Bisection on x over [temp, 1e9], temp being the largest value and
// at least 0: mid is the sum of the bounds shifted right one bit; check(mid)
// holds when the shortfall is >= mid, and then hi = mid - 1, else lo = mid +
// 1; lo is written. The shortfall, the sum of count * (x - v) over the
// distinct values, wraps at 64 bits (done in unsigned arithmetic), and so
// equals C * x - W with C the sum of the counters and W the sum of count * v,
// both wrapping: two sums kept while reading, so each check costs O(1). A
// counter can only wrap when n is 2^31 or more; below that every count is
// exact, C is n and W the sum of the values, and no counter is kept at all.
//
// Outside the contract: A value below 0 or above 9,999,999 has no counter in
// `gamers`; it is counted in a map of its own (32-bit counters like the
// others) and joins the sums the same way, so such input gets the answer
// that the plain sum over all values gives. When a read fails (the input
// ends, or a token is not a number or does not fit in 64 bits), reading
// stops and that value and every later one count as 0, as the unread
// elements of a zero-filled array would; they are added to the counter of 0
// at once, not read one by one, so a huge n ends at once. An n that cannot
// be read counts as 0.
//
// A read that fails is taken as the end of the input there (the values read
// before it are used); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: The values are read by a reader of its own: blocks of up to 64 KB,
// each what one read of file descriptor 0 returns (so the program waits only
// when no byte is there), a zero byte after each as a sentinel, eight digits
// converted at once from a word loaded as little-endian. No read is tried
// after a failed one. The output goes through the C++ output, not
// synchronised with stdio.
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <map>
#include <cerrno>
#include <cstdlib>
#include <cstdio>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "gamerset: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

constexpr int64_t kValues = 10000000;  // counters for the values 0 .. kValues - 1

int32_t gamers[kValues];
std::map<int64_t, int32_t> wide;  // counters of the values outside the range
int64_t temp = 0;                 // the largest value read, and at least 0
bool counting = false;            // whether the counters are kept (n >= 2^31)
uint64_t C = 0, W = 0;            // the sum of the counters, and of counter * value

// Adds k to the counter of v, and what that changes to C and W.
inline void count(int64_t v, uint64_t k) {
  uint64_t d = k;
  if (counting) {
    int32_t& c = v >= 0 && v < kValues ? gamers[v] : wide[v];
    int32_t before = c;
    c = int32_t(uint32_t(c) + uint32_t(k));
    d = uint64_t(int64_t(c) - int64_t(before));
  }
  C += d;
  W += d * uint64_t(v);
}

bool check(int64_t x) { return int64_t(C * uint64_t(x) - W) >= x; }

// The input, a block at a time: a block is what one read of file descriptor
// 0 returns, so a read waits only when no byte is there, as extraction does.
// The byte after a block is 0, neither a digit nor white space, so a scan
// stops there without testing for the end; 8 bytes from any place up to it
// may be loaded.
constexpr std::size_t kBlock = 1 << 16;
char buf[kBlock + 8];
char* p = buf;
char* e = buf;

// A read that fails ends the input there, as though it had been cut: every
// byte read before it has been used, no read is tried after it, and the
// failure is reported at exit.
int read_err;  // errno of the failed read

bool refill() {
  if (read_err != 0) return false;
  ssize_t got;
  do got = read(0, buf, kBlock);
  while (got < 0 && errno == EINTR);
  if (got <= 0) {
    if (got < 0) read_err = errno;
    return false;
  }
  e = buf + got;
  *e = 0;
  p = buf;
  return true;
}

// Eight bytes as one word, the first byte the lowest whatever the host's
// byte order (a swap on big-endian machines, chosen at compile time).
inline uint64_t load8(const char* q) {
  uint64_t w;
  std::memcpy(&w, q, 8);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  return w;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The run of digits at q, up to 8 of them: how many, and their value, taken
// eight bytes at once (the first byte is the lowest).
inline int digits8(const char* q, uint64_t& value) {
  uint64_t w = load8(q);
  uint64_t other = ((w + 0x4646464646464646) | (w - 0x3030303030303030) | w) & 0x8080808080808080;
  int len = std::countr_zero(other) >> 3;  // bytes before the first one that is not a digit
  if (len == 0) return value = 0;
  uint64_t v = (w - 0x3030303030303030) << (64 - 8 * len);  // the digits, behind leading zeros
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FF;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFF;
  value = (v * 10000 + (v >> 32)) & 0xFFFFFFFF;
  return len;
}

constexpr uint64_t kPow10[] = {1,       10,       100,       1000,       10000,       100000,      1000000,
                               10000000, 100000000, 1000000000, 10000000000, 100000000000, 1000000000000,
                               10000000000000, 100000000000000, 1000000000000000, 10000000000000000,
                               100000000000000000, 1000000000000000000, 10000000000000000000u};

// One value as extraction into a signed 64-bit integer takes it; false when
// that extraction fails: no digits after the white space and sign, or a value
// beyond the 64-bit range.
bool read_value(int64_t& v) {
  do
    while (is_space(*p)) ++p;
  while (p == e && refill());
  if (p == e) return false;
  bool negative = *p == '-';
  if ((*p == '-' || *p == '+') && ++p == e && !refill()) return false;
  if (!is_digit(*p)) return false;
  uint64_t mag = 0;
  bool over = false;
  for (;;) {
    uint64_t chunk;
    int len = digits8(p, chunk);
    if (mag < kPow10[19 - len]) {  // below 10^19 after the step: no overflow
      mag = mag * kPow10[len] + chunk;
    } else {
      for (int k = 0; k < len; ++k) {
        uint64_t d = uint64_t(p[k] - '0');
        if (mag > (UINT64_MAX - d) / 10) over = true;
        else mag = mag * 10 + d;
      }
    }
    p += len;
    if (len < 8 && !(p == e && refill())) break;
  }
  if (over || mag > uint64_t(INT64_MAX) + negative) return false;
  v = negative ? int64_t(0 - mag) : int64_t(mag);
  return true;
}

int main() {
  std::ios::sync_with_stdio(false);
  int64_t n = 0;
  if (!read_value(n)) n = 0;
  counting = n > INT32_MAX;
  for (int64_t i = 0; i < n; ++i) {
    int64_t v;
    if (!read_value(v)) {
      count(0, uint64_t(n) - uint64_t(i));
      break;
    }
    count(v, 1);
    temp = std::max(temp, v);
  }
  // lo stays at least 0 and hi at most 1e9 inside the loop, so neither the
  // sum of the bounds nor mid + 1 can overflow.
  int64_t lo = temp, hi = 1000000000;
  while (lo <= hi) {
    int64_t mid = (lo + hi) >> 1;
    if (check(mid))
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  std::cout << lo << std::endl;  // the flush shows whether the line was taken
  if (!std::cout) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
