// stallgap: the largest distance d, between the smallest and the largest
// position, for which C items can be placed on distinct positions with
// neighbouring items at least d apart; the smallest position minus 1 when no
// d of that interval allows it.
//
// Input: N and C as "%d%d", then N positions as "%lld" each, read as scanf
// reads them, by a block reader of its own.
// Output: "%lld\n": the final upper bound hi.
//
// Method: the positions are sorted once. Bisection on d over
// [stall[0], stall[N-1]], the smallest and largest positions themselves:
// mid is the sum of the bounds divided by 2, truncated toward zero; when
// check(mid) holds, lo = mid + 1, else hi = mid - 1; hi is written. check
// places an item on stall[0] and then, walking up, on every position at
// least d past the last one placed, and holds when C or more are placed.
// Cost: O(N log N) for the sort, then one pass over the positions per step,
// at most 64 steps. Those, not the reading, set the time: on 100,005
// positions (1.3 MB) about 5 times the bare reading of the input.
//
// Large positions: the midpoint is formed without forming the sum, and a
// gap between two positions is taken as its exact, non-negative value, even
// where it exceeds the 64-bit range (positions on both sides of 0 at over
// 2^62); a wrapped sum or gap would send the search outside its interval or
// judge far positions too close. The loop ends as soon as the bounds meet,
// so lo never steps past the largest 64-bit value; when even the smallest
// possible d fails at the smallest 64-bit position, hi = position - 1 wraps
// to the largest 64-bit value, which is written.
//
// Outside the contract: storage grows with the input, so more than 100,005
// positions get the natural answer. N of 0 or less reads nothing and leaves
// the single position 0, the first element of a zero-filled array. When a
// read fails (the input ends or a token is not a number), reading stops:
// with N up to 100,005 the unread positions are 0, as in a zero-filled
// array; beyond that, the positions end at the last one read.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>
#include <cerrno>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "stallgap: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// A block reader in place of scanf, whose per-number cost was a large share
// of the run: `scan_ll` converts as glibc's "%lld" does (white space skipped, an
// optional sign, decimal digits, a value beyond 64 bits saturated) and
// returns 1, 0 for a token that is not a number (a sign before it is taken),
// or EOF at the end of the input; `scan_int` as "%d" does, keeping the low 32
// bits of that value.
static char buf[1 << 16];
static size_t pos, len;
static int read_err;  // errno of a failed read; no read is tried after it

static int refill() {
  pos = 0;
  len = read_err != 0 ? 0 : fread(buf, 1, sizeof buf, stdin);
  if (ferror(stdin) && read_err == 0) read_err = errno;  // what came before it is used
  return len == 0 ? EOF : (unsigned char)buf[0];
}

static inline int peek() { return pos < len ? (unsigned char)buf[pos] : refill(); }

static int scan_ll(long long& out) {
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

bool check(int64_t d) {
  int64_t placed = 1;
  int64_t last = stall[0];
  for (size_t i = 1; i < stall.size(); ++i)
    if (far_enough(last, stall[i], d)) {
      ++placed;
      last = stall[i];
    }
  return placed >= int64_t(C);
}

int main() {
  if (scan_int(N) == 1) scan_int(C);  // "%d%d": a failed first number leaves C unread
  for (int i = 0; i < N; ++i) {
    long long v = 0;
    if (scan_ll(v) != 1) break;
    stall.push_back(v);
  }
  if (int64_t(stall.size()) < N && N <= kCapacity) stall.resize(N, 0);
  if (stall.empty()) stall.push_back(0);
  std::sort(stall.begin(), stall.end());

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
