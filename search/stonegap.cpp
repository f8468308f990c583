// stonegap: Largest least gap among B kept positions
//
// The program reads A positions and a number B, sorts the positions and
// writes the largest distance d, from 0 to the span between the smallest and
// the largest position, such that B positions can be kept with every two
// neighbouring kept positions at least d apart, keeping greedily from the
// smallest position. It writes -1 when even d = 0 keeps fewer than B (B
// greater than A).
//
// Input: A and B, then A positions, each read as scanf's "%lld" takes it:
// white space, an optional sign, decimal digits, a value beyond the 64-bit
// range clamped to it. When B cannot be read it stays 0 and reading goes on
// where that read stopped (past a sign, if one came). The contract holds A
// from 1 to 1,000,005.
// Output: "%lld\n": the final upper bound hi.
//
// Cost: O(A) to read and to sort (a radix sort, one pass per 11 bits of the
// span), then per step, about log2(span) + 1 steps, O(K log A) for the
// K <= min(A, B) positions kept. On a million 13-digit positions (13 MB) the
// sort takes about 40% of the time, the steps about 20% and converting the
// numbers about 15%; the kernel's reading of the input most of the rest.
//
// Method: The positions are sorted once, by a radix sort (the order of any
// sort of plain integers). Bisection on d over [0, span], the span being the
// largest position minus the smallest: mid is the sum of the bounds shifted
// right one bit; when check(mid) holds, lo = mid + 1, else hi = mid - 1; hi
// is written. check keeps stones[0] and then, walking up, every position at
// least d past the last one kept, and holds when B or more are kept: it finds
// each next kept position by galloping and bisecting over the sorted
// positions, and stops once B are kept, since keeping more cannot change the
// answer.
//
// A gap between two positions is taken as its exact, non-negative value,
// even where it exceeds the 64-bit range, and the midpoint is formed without
// overflow. A span beyond 2^63 - 1 (positions on both sides of 0 at over
// 2^62) cannot be held by the signed bound hi; the search then covers
// [0, 2^63 - 1], the largest answer it can write, and the loop ends as soon
// as the bounds meet, so lo never steps past it.
//
// Outside the contract: Storage grows with the input, so more than 1,000,005
// positions get the natural answer. A of 0 or less reads nothing and leaves
// the single position 0, the first element of a zero-filled array. When a
// read fails (the input ends or a token is not a number), reading stops: with
// A up to 1,000,005 the unread positions are 0, as in a zero-filled array;
// beyond that, the positions end at the last one read.
//
// A read that fails is taken as the end of the input there (the positions
// read before it are used); a write that fails stops the program at once.
// Either is the system refusing, reported on standard error with status 1.
//
// Notes: The positions are read by a reader of its own: blocks of up to 64 KB,
// each what one read of file descriptor 0 returns (so the program waits only
// when no byte is there), a zero byte after each as a sentinel, eight digits
// converted at once from a word loaded as little-endian. No read is tried
// after a failed one. The positions (8 MB) and the sort's second array (8 MB
// more) live in 2 MB pages marked for huge pages: in 4 KB pages, about 4,000
// page faults took more than half of a run on a virtual machine; with huge
// pages a run takes about 170 faults in all. What remains is the sort's four
// passes over 8 MB, the steps' galloping over positions spread through 8 MB
// (cache misses, 10,000 positions kept per step), and the conversion of a
// million numbers: each is work on the positions themselves, not on the way
// they are held.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <utility>
#include <vector>
#include <cerrno>
#include <cstdlib>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "stonegap: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
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

constexpr long long kCapacity = 1000005;

std::vector<long long, HugePages<long long>> stones;
long long A = 0;
long long B = 0;

// The input, a block at a time: a block is what one read of file descriptor
// 0 returns, so a read waits only when no byte is there, as scanf does.
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

// One number as "%lld" takes it; false when no digit follows the white space
// and the optional sign (the sign stays taken, the byte after it does not).
inline bool read_ll(long long& v) {
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
      if (mag > uint64_t(INT64_MAX) + negative)
        v = negative ? INT64_MIN : INT64_MAX;
      else
        v = negative ? (long long)(0 - mag) : (long long)mag;
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
  if (over || mag > uint64_t(INT64_MAX) + negative)
    v = negative ? INT64_MIN : INT64_MAX;
  else
    v = negative ? (long long)(0 - mag) : (long long)mag;
  return true;
}

// Sorts the positions: a least-significant-digit radix sort on the
// distance of each from the smallest (unsigned, so in the same order), on
// as few digits of kBits bits as that distance needs.
void sort_stones() {
  constexpr int kBits = 11;
  constexpr uint64_t kMask = (uint64_t(1) << kBits) - 1;
  const std::size_t n = stones.size();
  if (n < 512) {
    std::sort(stones.begin(), stones.end());
    return;
  }
  auto [low, high] = std::minmax_element(stones.begin(), stones.end());
  const uint64_t base = uint64_t(*low);
  const int digits = (std::bit_width(uint64_t(*high) - base) + kBits - 1) / kBits;
  std::vector<std::size_t> start(std::size_t(digits) << kBits);
  for (long long v : stones)
    for (int d = 0; d < digits; ++d) ++start[(std::size_t(d) << kBits) + (((uint64_t(v) - base) >> (kBits * d)) & kMask)];
  HugePages<long long> pages;
  std::unique_ptr<long long[], void (*)(void*)> other(pages.allocate(n), std::free);
  long long *from = stones.data(), *to = other.get();
  for (int d = 0; d < digits; ++d) {
    std::size_t* at = &start[std::size_t(d) << kBits];
    std::size_t sum = 0;
    for (uint64_t b = 0; b <= kMask; ++b) sum += std::exchange(at[b], sum);
    for (std::size_t i = 0; i < n; ++i) to[at[((uint64_t(from[i]) - base) >> (kBits * d)) & kMask]++] = from[i];
    std::swap(from, to);
  }
  if (from != stones.data()) std::copy(from, from + n, stones.data());
}

// Whether `to` lies at least d (>= 0) past `from`, given from <= to.
bool far_enough(int64_t from, int64_t to, int64_t d) { return uint64_t(to) - uint64_t(from) >= uint64_t(d); }

// The first position after stones[last] that lies at least d past it, or
// the number of positions when none does: gallop, then bisect.
std::size_t next_kept(std::size_t last, int64_t d) {
  const std::size_t n = stones.size();
  auto near = [from = stones[last], d](long long v) { return !far_enough(from, v, d); };
  std::size_t lo = last + 1, hi = lo, step = 1;  // every position in (last, lo) is near
  while (hi < n && near(stones[hi])) {
    lo = hi + 1;
    hi += step;
    step *= 2;
  }
  hi = std::min(hi, n);
  return std::size_t(std::partition_point(stones.begin() + lo, stones.begin() + hi, near) - stones.begin());
}

bool check(int64_t d) {
  int64_t kept = 1;
  for (std::size_t last = 0; kept < B; ++kept) {
    last = next_kept(last, d);
    if (last == stones.size()) break;
  }
  return kept >= B;
}

int main() {
  if (read_ll(A)) read_ll(B);
  stones.reserve(size_t(std::clamp(A, 0LL, kCapacity)));
  for (long long i = 0; i < A; ++i) {
    long long v = 0;
    if (!read_ll(v)) break;
    stones.push_back(v);
  }
  if ((long long)stones.size() < A && A <= kCapacity) stones.resize(size_t(A), 0);
  if (stones.empty()) stones.push_back(0);
  sort_stones();
  const uint64_t top = uint64_t(std::numeric_limits<int64_t>::max());
  int64_t lo = 0, hi = int64_t(std::min(uint64_t(stones.back()) - uint64_t(stones.front()), top));
  while (lo <= hi) {
    int64_t mid = lo + ((hi - lo) >> 1);  // (lo + hi) >> 1 for bounds >= 0, without the sum
    if (check(mid)) {
      if (mid == hi) break;  // lo would pass hi
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  // The line reaches the output only with the flush at exit: test both.
  if (printf("%lld\n", (long long)hi) < 0 || fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
