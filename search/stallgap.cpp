// stallgap: Largest least gap between C items placed on positions
//
// The program reads N positions and a count C and writes the largest
// distance d for which C items can be placed on distinct positions with
// neighbouring items at least d apart. It searches d by bisection between
// the smallest and the largest position, and writes the smallest position
// minus 1 when no d of that interval allows it.
//
// Input: N and C as "%d%d" reads them, then N positions as "%lld" reads
// them: white space, an optional sign, decimal digits, a value beyond the
// 64-bit range taken at its bound; N and C keep the low 32 bits of such a
// value.
// Output: "%lld\n": the final upper bound hi.
//
// Cost: O(N) to read and sort the positions (a radix sort), then at most 64
// steps, each placing at most C items with a search of O(log N) for each. On
// 100,005 positions and C = 1000, reading takes about 40% of the
// instructions, the sort 30% and the search 15%.
//
// Method: The positions are sorted once. Bisection on d over [stall[0],
// stall[N-1]], the smallest and largest positions themselves: mid is the sum
// of the bounds divided by 2, truncated toward zero; when check(mid) holds,
// lo = mid + 1, else hi = mid - 1; hi is written. check places an item on
// stall[0] and then, walking up, on the first position at least d past the
// last one placed, and holds when C or more are placed. It finds that
// position by doubling steps and then halving them, and stops as soon as C
// items are placed, since placing more never undoes a success. The midpoint
// is formed without forming the sum, and a gap between two positions is taken
// as its exact, non-negative value, even where it exceeds the 64-bit range
// (positions on both sides of 0 at over 2^62); a wrapped sum or gap would
// send the search outside its interval or judge far positions too close. The
// loop ends as soon as the bounds meet, so lo never steps past the largest
// 64-bit value; when even the smallest possible d fails at the smallest
// 64-bit position, hi = position - 1 wraps to the largest 64-bit value, which
// is written.
//
// Outside the contract: Storage grows with the input, so more than 100,005
// positions get the natural answer. N of 0 or less reads nothing and leaves
// the single position 0, the first element of a zero-filled array. When a
// read fails (the input ends or a token is not a number), reading stops:
// with N up to 100,005 the unread positions are 0, as in a zero-filled
// array; beyond that, the positions end at the last one read. A sign with no
// digit after it is taken before the read fails.
//
// A read that fails is taken as the end of the input there; a write that
// fails stops the program at once. Either is the system refusing, reported
// on standard error with status 1.
//
// Notes: A block reader in place of scanf, whose per-number cost was a large
// share of the run: blocks come from fread, and digits are converted eight
// at once. The positions are sorted by radix on their values with the sign
// bit flipped. The answer reaches the output only with the flush at exit.
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "stallgap: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// A block reader in place of scanf: `scan_ll` converts as glibc's "%lld"
// does (white space skipped, an optional sign, decimal digits, a value beyond
// 64 bits saturated) and returns 1, 0 for a token that is not a number (a
// sign before it is taken), or EOF at the end of the input; `scan_int` as
// "%d" does, keeping the low 32 bits of that value. The byte after a block
// is 0, no digit, so a run of digits stops there; 8 bytes from any place up
// to it may be loaded.
constexpr size_t kBlock = 1 << 16;
static char buf[kBlock + 8];
static size_t pos, len;
static int read_err;  // errno of a failed read; no read is tried after it

static int refill() {
  pos = 0;
  len = read_err != 0 ? 0 : fread(buf, 1, kBlock, stdin);
  if (ferror(stdin) && read_err == 0) read_err = errno;  // what came before it is used
  buf[len] = 0;
  return len == 0 ? EOF : (unsigned char)buf[0];
}

static inline int peek() { return pos < len ? (unsigned char)buf[pos] : refill(); }

// Eight bytes as one word, the first byte the lowest whatever the host's
// byte order (a swap on big-endian machines, chosen at compile time).
static inline uint64_t load8(const char* q) {
  uint64_t w;
  std::memcpy(&w, q, 8);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  return w;
}

// The run of digits at q, up to 8 of them: how many, and their value, taken
// eight bytes at once (the first byte is the lowest).
static inline int digits8(const char* q, uint64_t& value) {
  uint64_t w = load8(q);
  uint64_t other = ((w + 0x4646464646464646) | (w - 0x3030303030303030) | w) & 0x8080808080808080;
  int n = std::countr_zero(other) >> 3;  // bytes before the first one that is not a digit
  if (n == 0) return int(value = 0);
  uint64_t v = (w - 0x3030303030303030) << (64 - 8 * n);  // the digits, behind leading zeros
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FF;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFF;
  value = (v * 10000 + (v >> 32)) & 0xFFFFFFFF;
  return n;
}

constexpr uint64_t kPow10[] = {1,       10,       100,       1000,       10000,       100000,      1000000,
                               10000000, 100000000, 1000000000, 10000000000, 100000000000, 1000000000000,
                               10000000000000, 100000000000000, 1000000000000000, 10000000000000000,
                               100000000000000000, 1000000000000000000, 10000000000000000000u};

static int scan_ll(long long& out) {
  int c = peek();
  while (c == ' ' || (c >= '\t' && c <= '\r')) ++pos, c = peek();
  if (c == EOF) return EOF;
  bool neg = c == '-';
  if (c == '-' || c == '+') ++pos, c = peek();
  if (c < '0' || c > '9') return 0;
  uint64_t v = 0, lim = uint64_t(1) << 63;
  do {  // the digits in the block, then again after a refill
    const char* q = buf + pos;
    for (int n = 8; n == 8; q += n) {
      uint64_t chunk;
      n = digits8(q, chunk);
      if (v < kPow10[19 - n]) {  // below 10^19 after the step: no overflow
        v = v * kPow10[n] + chunk;
      } else {  // digit by digit, saturating
        for (int k = 0; k < n; ++k) v = v > (UINT64_MAX - 9) / 10 ? UINT64_MAX : v * 10 + unsigned(q[k] - '0');
      }
    }
    pos = size_t(q - buf);
  } while (pos == len && (c = refill()) >= '0' && c <= '9');
  out = neg ? (v > lim ? INT64_MIN : int64_t(0 - v)) : (v >= lim ? INT64_MAX : int64_t(v));
  return 1;
}

static int scan_int(int& out) {
  long long wide = 0;
  int got = scan_ll(wide);
  if (got == 1) out = int(wide);
  return got;
}

constexpr int kCapacity = 100005;

std::vector<long long> stall;
int N = 0;
int C = 0;

// (lo + hi) / 2 truncated toward zero, for any two 64-bit values.
int64_t half_toward_zero(int64_t lo, int64_t hi) {
  int64_t down = (lo >> 1) + (hi >> 1) + (lo & hi & 1);  // the sum halved, rounded down
  return down + (down < 0 && ((lo ^ hi) & 1));
}

// Whether `to` lies at least d past `from`, given from <= to.
bool far_enough(int64_t from, int64_t to, int64_t d) {
  return d <= 0 || uint64_t(to) - uint64_t(from) >= uint64_t(d);
}

// Ascending order: stable counting passes of 11 bits, lowest first, over
// the positions with the sign bit flipped (which order as unsigned numbers as
// the positions do as signed ones); a pass in which every position has the
// same digit is skipped. Few positions take std::sort.
void sort_positions() {
  size_t n = stall.size();
  if (n < 256) {
    std::sort(stall.begin(), stall.end());
    return;
  }
  constexpr int kDigits = 6;  // 6 * 11 bits cover 64
  auto key = [](long long v) { return uint64_t(v) ^ uint64_t(1) << 63; };
  std::vector<long long> spare(n);
  std::vector<size_t> count(kDigits << 11);
  for (long long v : stall)
    for (int d = 0; d < kDigits; ++d) ++count[size_t(d << 11) + (key(v) >> (11 * d) & 0x7FF)];
  for (int d = 0; d < kDigits; ++d) {
    size_t* c = &count[size_t(d << 11)];
    if (c[key(stall[0]) >> (11 * d) & 0x7FF] == n) continue;
    size_t sum = 0;
    for (size_t b = 0; b < 0x800; ++b) sum += std::exchange(c[b], sum);
    for (long long v : stall) spare[c[key(v) >> (11 * d) & 0x7FF]++] = v;
    stall.swap(spare);
  }
}

// The first position after stall[at] that lies at least d past it, found
// by doubling steps and then halving them; stall.size() when there is none.
size_t next_far(size_t at, int64_t d) {
  size_t near = at, far = stall.size();  // near is too close; far is far enough, or the end
  for (size_t step = 1; step < far - near; step *= 2) {
    if (far_enough(stall[at], stall[near + step], d)) {
      far = near + step;
      break;
    }
    near += step;
  }
  for (size_t left = far - near; left > 1; left -= left / 2)  // the answer lies in (near, near + left]
    near = far_enough(stall[at], stall[near + left / 2], d) ? near : near + left / 2;
  return near + 1;
}

bool check(int64_t d) {
  int64_t placed = 1;
  for (size_t at = 0; placed < int64_t(C) && (at = next_far(at, d)) < stall.size();) ++placed;
  return placed >= int64_t(C);
}

int main() {
  if (scan_int(N) == 1) scan_int(C);  // "%d%d": a failed first number leaves C unread
  stall.reserve(size_t(std::clamp(N, 1, kCapacity)));
  for (int i = 0; i < N; ++i) {
    long long v = 0;
    if (scan_ll(v) != 1) break;
    stall.push_back(v);
  }
  if (int64_t(stall.size()) < N && N <= kCapacity) stall.resize(N, 0);
  if (stall.empty()) stall.push_back(0);
  sort_positions();

  int64_t lo = stall.front(), hi = stall.back();
  while (lo <= hi) {
    int64_t mid = half_toward_zero(lo, hi);
    if (check(mid)) {
      if (mid == hi) break;  // lo would pass hi
      lo = mid + 1;
    } else {
      hi = int64_t(uint64_t(mid) - 1);
      if (mid == lo) break;  // hi is now below lo, or wrapped from the smallest value
    }
  }
  // The line reaches the output only with the flush at exit: test both.
  if (printf("%lld\n", (long long)hi) < 0 || fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
