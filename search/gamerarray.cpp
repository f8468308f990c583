// gamerarray: Smallest x whose total shortfall over the values reaches x
//
// The program reads n integers and writes the smallest x, not below 0 nor
// below any value read, for which the total shortfall, the sum over all
// values v of (x - v), is at least x itself. It searches x by bisection
// between the largest value and 1,000,000,000.
//
// Input: A count n, then n values, whitespace-separated, each read as the
// extraction operator >> reads a signed 64-bit integer (white space, an
// optional sign, decimal digits). Anything after the n values is ignored; n
// of 0 or less, however large its magnitude, reads nothing and writes
// 1000000001.
// Output: The answer as a signed 64-bit integer and a newline: 1000000001
// when no x up to 1,000,000,000 qualifies, and the largest value itself when
// that is above 1,000,000,000.
//
// Cost: O(n) to read, then at most 30 checks of O(1). A run takes about the
// time of merely reading its input.
//
// Method: Bisection on x over [temp, 1e9], temp being the largest value and
// at least 0: mid is the sum of the bounds shifted right one bit; check(mid)
// holds when the shortfall is >= mid, and then hi = mid - 1, else
// lo = mid + 1; lo is written. The shortfall, the sum of (x - v) over every
// value, wraps at 64 bits (done in unsigned arithmetic), and so equals
// n * x - S with S the wrapping sum of the values: S is kept while reading,
// so each check costs O(1) and no value is kept.
//
// Outside the contract: More than 100,005 values get the same answer as
// fewer, as though the array were as long as the input. When a read fails
// (the input ends, or a token is not a number or does not fit in 64 bits),
// reading stops and that value and every later one count as 0, as the
// unread elements of a zero-filled array would; they count in n at once, not
// one by one, so a huge n ends at once. An n that cannot be read counts as
// 0.
//
// A read that fails is taken as the end of the input there (the number being
// read ends as at a cut); a write that fails stops the program at once.
// Either is the system refusing, reported on standard error with status 1.
//
// Notes: The streams are not synchronised with stdio. The input is taken a
// block at a time, what the stream's buffer holds after at most one read of
// the file, and its numbers are converted eight digits at once.
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "gamerarray: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

int64_t n = 0;
int64_t temp = 0;  // the largest value read, and at least 0
uint64_t S = 0;    // the sum of the values, wrapping; unread ones count as 0

bool check(int64_t x) { return int64_t(uint64_t(n) * uint64_t(x) - S) >= x; }

// The input, a block at a time: a block is what the stream's buffer holds
// after at most one read of the file, so a read waits only when no byte is
// there, as extraction does. The byte after a block is 0, neither a digit
// nor white space, so a scan stops there without testing for the end; 8
// bytes from any place up to it may be loaded.
constexpr std::streamsize kBlock = 1 << 16;
char buf[kBlock + 8];
char* p = buf;
char* e = buf;

// A read that fails ends the input there, as though it had been cut: the
// stream's buffer throws where the read failed, no read is tried after it,
// and the failure is reported at exit. Only sgetc, refilling the stream's
// buffer with one read, can fail; sgetn then copies what in_avail says the
// buffer holds and reads nothing, so every byte read before the failure is
// used.
int read_err;  // errno of the failed read

bool refill() {
  if (read_err != 0) return false;
  std::streambuf* in = std::cin.rdbuf();
  try {
    if (in->sgetc() == std::char_traits<char>::eof()) return false;
    e = buf + in->sgetn(buf, std::min(in->in_avail(), kBlock));
  } catch (const std::ios_base::failure&) {
    read_err = errno;  // still that of the failed read
    return false;
  }
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
  if (len == 0) return int(value = 0);
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
  // A count of 0 or less reads nothing, so every shortfall is 0: n x - S
  // holds only while the count is that of the values summed.
  if (!read_value(n) || n < 0) n = 0;
  for (int64_t i = 0; i < n; ++i) {
    int64_t v;
    if (!read_value(v)) break;  // this value and the rest count as 0: in n, not in S
    S += uint64_t(v);
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
