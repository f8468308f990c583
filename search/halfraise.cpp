// halfraise: Largest value the upper half can be raised to within k
//
// The program reads n integers and a budget k and sorts the integers. It
// writes the largest x, from the middle value up to 10^14, such that raising
// every value of the upper half (index n / 2 of the sorted values and those
// after it) to at least x costs at most k in total, a value's cost being how
// far it lies below x.
//
// Input: A count n and a budget k, then n values, each read as scanf's
// "%lld" reads it: white space skipped, an optional sign, decimal digits, a
// value beyond the 64-bit range taken as the nearest limit. The contract
// holds n from 0 to 200,005.
// Output: "%lld\n" with the answer: the final hi of a bisection over
// [arr[n / 2], 10^14] after sorting. It is 100000000000000 when every
// candidate is affordable (or the middle value lies above 10^14) and the
// middle value minus 1 when k is negative.
//
// Cost: O(n) to read the values, to split them at the middle and to sort the
// upper half (a radix sort, one pass per 11 bits of its spread), then about
// 47 steps of O(log n) each. On 200,005 values below 10^9 (2 MB) the reading
// and the sort take nearly all of the time, in about equal shares; the
// steps take less than 1% of it.
//
// Method: Bisection with mid = floor((lo + hi) / 2); on success lo = mid + 1,
// otherwise hi = mid - 1. The verdict for x is that of walking the upper half
// in ascending order, adding x - arr[i] to a running sum and failing as soon
// as the sum passes k: the values below x come first and the later ones only
// lower a sum that has passed its peak, so x succeeds exactly when raising
// the values below x costs at most k. That cost is taken exactly, whatever
// the values: with m values below x and a the middle value, it is m times
// (x - a) minus the distances of those m values from a, each term lying in
// 1 .. x - a, so it is at least x - a and at most m (x - a); where that bound
// stays below 2^64 the cost is formed modulo 2^64, and otherwise the terms
// are added one by one, each compared with what is left of k before it is
// added. The midpoint is taken as lo + (hi - lo) / 2 rounded down, the same
// floor without forming lo + hi.
//
// Outside the contract: Storage is sized to the input, so n above 200005
// keeps every value the input supplies. A negative n reads nothing and is
// taken as 0: no values, the middle value is 0 as in the zero-filled array,
// and the answer is 100000000000000 or -1. When the input ends, or a value is
// not a number, reading stops there; for n up to 200005 the missing values
// are 0 as in a zero-filled array and still join the sort, beyond it n
// becomes the number of values read. When the middle value is the least
// 64-bit value and k is negative, "middle value minus 1" wraps to
// 9223372036854775807, which is written, and the search stops there.
//
// A read that fails is taken as the end of the input there (the values read
// before it are used); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: The values are read by a block reader of its own in place of scanf,
// whose per-number cost was a large share of the run: blocks of 64 KB by
// fread, a zero byte after each as a sentinel, eight digits converted at once
// from a word loaded as little-endian; it converts as glibc's "%lld" does. No
// read is tried after a failed one. Only the upper half is ordered: a
// selection splits the values at the middle, then a least-significant-digit
// radix sort orders the upper half, with the lower half, never read again,
// as its scratch space. Sums of the distances from the middle value are kept
// for every 64th value of the upper half, so a step finds the values below x
// by bisection and adds at most 63 distances. The values live in 2 MB pages
// marked for huge pages: filling 1.6 MB of 4 KB pages cost about 400 page
// faults, a large share of a run on a virtual machine. In a profile of the
// benchmark run, the selection and radix sort take about a quarter of the
// time, reading and converting about a fifth, the kernel (reading, page
// faults, start-up) most of the rest.
#include <sys/mman.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <vector>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "halfraise: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// The input, a block at a time, in place of scanf, whose per-number cost was
// a large share of the run. The byte after a block is 0, neither a digit nor
// white space, so a scan stops there without testing for the end; 8 bytes
// from any place up to it may be loaded.
constexpr size_t kBlock = 1 << 16;
static char buf[kBlock + 8];
static char* p = buf;
static char* e = buf;
static int read_err;  // errno of a failed read; no read is tried after it

static bool refill() {
  size_t got = read_err != 0 ? 0 : fread(buf, 1, kBlock, stdin);
  if (ferror(stdin) && read_err == 0) read_err = errno;  // what came before it is used
  p = buf;
  e = buf + got;
  *e = 0;
  return got != 0;
}

// Eight bytes as one word, the first byte the lowest whatever the host's
// byte order (a swap on big-endian machines, chosen at compile time).
static inline uint64_t load8(const char* q) {
  uint64_t w;
  std::memcpy(&w, q, 8);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  return w;
}

static bool is_digit(char c) { return c >= '0' && c <= '9'; }
static bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The run of digits at q, up to 8 of them: how many, and their value, taken
// eight bytes at once (the first byte is the lowest).
static inline int digits8(const char* q, uint64_t& value) {
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

static long long clamped(uint64_t mag, bool over, bool negative) {
  if (over || mag > uint64_t(INT64_MAX) + negative) return negative ? INT64_MIN : INT64_MAX;
  return negative ? (long long)(0 - mag) : (long long)mag;
}

// One number as "%lld" takes it (white space skipped, an optional sign,
// decimal digits, a value beyond 64 bits saturated); false when no digit
// follows the white space and the sign (the sign stays taken).
static bool scan_ll(long long& v) {
  while (is_space(*p)) ++p;
  if (e - p > 25) {  // a token of up to 19 digits ends inside the block: taken 8 digits at once
    bool negative = *p == '-';
    const char* q = p + (*p == '-' || *p == '+');
    uint64_t mag, more;
    int len = digits8(q, mag), total = len;
    if (len == 8) {
      total += len = digits8(q + 8, more);
      mag = mag * kPow10[len] + more;
      if (len == 8) {
        total += len = digits8(q + 16, more);
        mag = mag * kPow10[len] + more;
      }
    }
    if (total > 0 && len < 8 && total <= 19) {
      p = const_cast<char*>(q) + total;
      v = clamped(mag, false, negative);
      return true;
    }
  }
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
  v = clamped(mag, over, negative);
  return true;
}

// Allocator of the large arrays: a block of 1 MB or more is taken in whole
// 2 MB pages, aligned to them and marked for huge pages where the system
// has them, so that filling it costs a few page faults instead of one per
// 4 KB (each fault costs microseconds, and there are thousands). Smaller
// blocks come from malloc. Either is returned with free.
template <class T>
struct HugePages {
  using value_type = T;
  HugePages() = default;
  template <class U>
  HugePages(const HugePages<U>&) {}
  T* allocate(std::size_t n) {
    constexpr std::size_t kPage = std::size_t(1) << 21;
    if (n > (SIZE_MAX - kPage) / sizeof(T)) throw std::bad_alloc();
    std::size_t bytes = n * sizeof(T);
    void* p;
    if (bytes < kPage / 2) {
      p = std::malloc(bytes);
    } else {
      bytes = (bytes + kPage - 1) / kPage * kPage;
      p = std::aligned_alloc(kPage, bytes);
#ifdef MADV_HUGEPAGE
      if (p != nullptr) madvise(p, bytes, MADV_HUGEPAGE);  // a hint: without it, 4 KB pages
#endif
    }
    if (p == nullptr) throw std::bad_alloc();
    return static_cast<T*>(p);
  }
  void deallocate(T* p, std::size_t) { std::free(p); }
  friend bool operator==(const HugePages&, const HugePages&) { return true; }
};

constexpr long long kCapacity = 200005;
constexpr int64_t kTop = 100000000000000;  // 10^14

std::vector<int64_t, HugePages<int64_t>> arr;
int64_t n, k;
size_t half;  // the middle index, n / 2

void read_values() {
  long long count = 0;
  bool got = scan_ll(count);  // as "%lld%lld": k is stored only when it converts
  long long budget = 0;
  if (got && scan_ll(budget)) k = budget;
  if (!got || count < 0) count = 0;
  arr.reserve(size_t(std::min(count, kCapacity)));
  for (long long i = 0; i < count; ++i) {
    long long v = 0;
    if (!scan_ll(v)) {
      if (count <= kCapacity) arr.resize(count, 0);
      break;
    }
    arr.push_back(v);
  }
  n = int64_t(arr.size());
  half = size_t(n / 2);
}

// Puts the values from the middle index on in ascending order, each of them
// not below any value before the middle: check and the first bound read only
// that upper half. A selection splits the values at the middle and puts the
// least of the upper half there; a least-significant-digit radix sort then
// orders the rest of the upper half on the distance of each value from that
// least (unsigned, so in the same order), on as few digits of kBits bits as
// that distance needs, with the lower half, never read again, as its scratch
// space (it holds at least as many elements). Equal values cannot be told
// apart, so the upper half ends as a full sort would leave it.
void sort_upper_half() {
  if (half >= arr.size()) return;
  std::nth_element(arr.begin(), arr.begin() + half, arr.end());
  int64_t* const a = arr.data() + half + 1;
  const size_t count = arr.size() - half - 1;
  if (count < 512) {
    std::sort(a, a + count);
    return;
  }
  constexpr int kBits = 11;
  constexpr uint64_t kMask = (uint64_t(1) << kBits) - 1;
  const uint64_t base = uint64_t(arr[half]);
  const int digits = (std::bit_width(uint64_t(*std::max_element(a, a + count)) - base) + kBits - 1) / kBits;
  std::vector<size_t> start(size_t(digits) << kBits);
  for (size_t i = 0; i < count; ++i)
    for (int d = 0; d < digits; ++d) ++start[(size_t(d) << kBits) + (((uint64_t(a[i]) - base) >> (kBits * d)) & kMask)];
  int64_t *from = a, *to = arr.data();
  for (int d = 0; d < digits; ++d) {
    size_t* at = &start[size_t(d) << kBits];
    size_t sum = 0;
    for (uint64_t b = 0; b <= kMask; ++b) sum += std::exchange(at[b], sum);
    for (size_t i = 0; i < count; ++i) to[at[((uint64_t(from[i]) - base) >> (kBits * d)) & kMask]++] = from[i];
    std::swap(from, to);
  }
  if (from != a) std::copy(from, from + count, a);
}

// Sums of the distances a[i] - a[half] over the upper half, taken modulo
// 2^64: block_sum[j] covers its first j * kStep elements.
constexpr size_t kStep = 64;
std::vector<uint64_t> block_sum;

void sum_blocks() {
  uint64_t sum = 0;
  for (size_t i = half; i <= arr.size(); ++i) {  // m runs up to the whole upper half
    if ((i - half) % kStep == 0) block_sum.push_back(sum);
    if (i < arr.size()) sum += uint64_t(arr[i]) - uint64_t(arr[half]);
  }
}

// The same sum over the first m elements of the upper half.
uint64_t distance_sum(size_t m) {
  uint64_t sum = block_sum[m / kStep];
  for (size_t i = half + m / kStep * kStep; i < half + m; ++i) sum += uint64_t(arr[i]) - uint64_t(arr[half]);
  return sum;
}

// Whether raising the elements of the upper half that lie below x (x not
// below the middle value) to x costs at most k. Those m elements come first;
// with y = x - a[half], the cost is m * y minus their distances from
// a[half], each term y - (a[i] - a[half]) lying in 1 .. y. So the cost is at
// least y and at most m * y: once y is within k and m * y below 2^64, the
// cost taken modulo 2^64 is the cost itself. Otherwise (values more than
// 2^64 / m apart) the terms are added one by one, each compared with what is
// left of k before it is added, so no sum leaves the 64-bit range.
bool check(int64_t x) {
  if (k < 0) return false;  // every total is at least 0
  const size_t m = size_t(std::lower_bound(arr.begin() + half, arr.end(), x) - arr.begin()) - half;
  if (m == 0) return true;
  const uint64_t y = uint64_t(x) - uint64_t(arr[half]), budget = uint64_t(k);
  if (y > budget) return false;
  if (m <= UINT64_MAX / y) return m * y - distance_sum(m) <= budget;
  uint64_t left = budget;  // not yet spent
  for (size_t i = half; i < half + m; ++i) {
    uint64_t term = uint64_t(x) - uint64_t(arr[i]);
    if (term > left) return false;
    left -= term;
  }
  return true;
}

int main() {
  read_values();
  sort_upper_half();
  sum_blocks();
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
