// halfraise: the largest x, from the middle value up to 10^14, such that
// raising every value of the upper half of the sorted values to at least x
// costs at most k in total (an element's cost is how far it lies below x).
//
// Input: n and k as "%lld%lld", then n values as "%lld" each, read as scanf
// reads them, by a block reader of its own.
// Output: "%lld\n" with the answer: the final hi of a bisection over
// [arr[n / 2], 10^14] after sorting. It is 100000000000000 when every
// candidate is affordable (or the middle value lies above 10^14) and the
// middle value minus 1 when k is negative.
//
// Method: sort once, then bisect with mid = floor((lo + hi) / 2); on success
// lo = mid + 1, otherwise hi = mid - 1. check(x) walks the upper half (index
// n / 2 on) and adds x - arr[i] while the element lies below x, failing as
// soon as the total passes k. The half is ascending, so the elements below x
// come first and the later ones only lower a running sum that has already
// passed its peak: stopping at the first element not below x gives the
// same verdict as walking to the end. The total is kept exact in unsigned
// 64-bit arithmetic (each term lies in 1 .. 2^64 - 1 and is compared with
// what is left of k before it is added), so values anywhere in the 64-bit
// range cannot wrap it; the midpoint is taken as lo + (hi - lo) / 2 rounded
// down, the same floor without forming lo + hi.
// Cost: O(n log n) for the sort, then about 47 steps of at most n / 2 + 1
// elements each. The sort, not the reading, sets the time: on
// 200,005 values (2 MB) about 5 to 8 times the bare reading of the input.
//
// Outside the contract: storage is sized to the input, so n above 200005
// keeps every value the input supplies. A negative n reads nothing and is
// taken as 0: no values, the middle value is 0 as in the zero-filled array,
// and the answer is 100000000000000 or -1. When the input ends, or a value is
// not a number, reading stops there; for n up to 200005 the missing values
// are 0 as in a zero-filled array and still join the sort, beyond it n
// becomes the number of values read. When the middle value is the least
// 64-bit value and k is negative, "middle value minus 1" wraps to
// 9223372036854775807, which is written, and the search stops there.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <vector>
#include <cerrno>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "halfraise: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// A block reader in place of scanf, whose per-number cost was a large share
// of the run: `scan_ll` converts as glibc's "%lld" does (white space skipped,
// an optional sign, decimal digits, a value beyond 64 bits saturated) and
// returns 1, 0 for a token that is not a number (a sign before it is taken),
// or EOF at the end of the input.
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

constexpr long long kCapacity = 200005;
constexpr int64_t kTop = 100000000000000;  // 10^14

std::vector<int64_t> arr;
int64_t n, k;
size_t half;  // the middle index, n / 2

void read_values() {
  long long count = 0;
  int got = scan_ll(count);  // as "%lld%lld": k is stored only when it converts
  long long budget = 0;
  if (got == 1 && scan_ll(budget) == 1) k = budget;
  if (got < 1 || count < 0) count = 0;
  for (long long i = 0; i < count; ++i) {
    long long v = 0;
    if (scan_ll(v) != 1) {
      if (count <= kCapacity) arr.resize(count, 0);
      break;
    }
    arr.push_back(v);
  }
  n = int64_t(arr.size());
  half = size_t(n / 2);
}

bool check(int64_t x) {
  if (k < 0) return false;  // every total is at least 0
  uint64_t left = uint64_t(k);  // budget not yet spent
  for (size_t i = half; i < arr.size() && arr[i] < x; ++i) {
    uint64_t term = uint64_t(x) - uint64_t(arr[i]);
    if (term > left) return false;
    left -= term;
  }
  return true;
}

int main() {
  read_values();
  std::sort(arr.begin(), arr.end());
  int64_t lo = half < arr.size() ? arr[half] : 0, hi = kTop;
  while (lo <= hi) {
    int64_t mid = int64_t(uint64_t(lo) + ((uint64_t(hi) - uint64_t(lo)) >> 1));
    if (check(mid)) {
      lo = mid + 1;  // mid <= 10^14: no overflow
    } else if (mid == INT64_MIN) {
      hi = INT64_MAX;  // mid - 1, wrapped; nothing lies below mid
      break;
    } else {
      hi = mid - 1;
    }
  }
  // The line reaches the output only with the flush at exit: test both.
  if (printf("%lld\n", (long long)hi) < 0 || fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
