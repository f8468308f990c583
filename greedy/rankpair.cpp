// rankpair: Pairs two sequences by opposite rank, with a trace
//
// The program reads two sequences of n numbers, sorts each one and pairs
// them by opposite rank: the smallest value of the second sequence goes with
// the largest of the first, the second smallest with the second largest, and
// so on. It writes the sorted first sequence, then the partners' values and
// the partners' ranks for the second sequence in input order.
//
// Input: A count n, then n signed 64-bit values of the first sequence, then n of the
// second, read as "%d" and "%lld" read them (white space skipped, an optional
// sign, then decimal digits; a value beyond the 64-bit range is taken as the
// nearest 64-bit bound, and n is the low 32 bits of that value).
// Output, in this order:
// - For each record k of the sorted first sequence: "a\n", then "k:value"
//   and a newline.
// - For each input position j of the second sequence but the last: the value
//   of its partner and a space (no newline follows the last one).
// - For each input position q of the second sequence: "ans\n", then "q:rank"
//   and a newline, where rank is the partner's position in the sorted first
//   sequence.
// The l-th smallest of the second sequence is partnered with position
// n - 1 - l of the sorted first one. Tied values of the second sequence get
// their partners in the order that std::sort leaves them when it compares
// the values alone (`cmp`) on records of value and input position. Nothing
// is written before all 2n values are read; a client that sends them and
// waits gets its trace without closing its end.
//
// Cost: Two sorts, O(n log n) at worst and close to linear for values spread
// over their range; the rest is linear. At 200,005 random 64-bit values per
// sequence a run takes about 3x the time of merely copying its bytes; of the
// run's time, converting the numbers read takes about a fifth, writing the
// trace a quarter, the sorts and the pairing a fifth, and the system's work
// (starting the process, copying the bytes, providing memory) a third.
//
// Method: Each sequence is sorted by value, the second with its input
// positions alongside. Where the values of the second sequence are distinct,
// every sort gives the same order, so the program's own sort is used: one
// counting pass spreads the values over about as many buckets as there are
// values, by their leading bits, and each bucket is sorted on its own.
// Where two of them are equal, std::sort with `cmp` on the records in input
// order decides, as the ties need. Ties of the first sequence are invisible,
// since only its values are written.
//
// Outside the contract: Storage grows with n, so n above 200,005 gets its
// natural trace when the input holds all 2n values. When a read fails (the
// input ends, or a token is not a number), reading stops and the values not
// read are 0, as the zero-filled storage leaves them; the sequences then hold
// n records, but never more than the larger of 200,005 and the number of
// values read, so that a huge n with little input writes a bounded trace.
// n of 0 or less writes nothing.
//
// A read that fails is taken as the end of the input there (the trace of
// what was read is still written); a write that fails stops the program at
// once. Either is the system refusing, reported on standard error with
// status 1.
//
// Notes: Input comes in blocks from one read of file descriptor 0 each, which
// returns what is there; digits are converted eight at a time from one
// little-endian word, and numbers are written eight digits at a time. Every
// piece of the trace goes through one output buffer, in program order,
// written when full and at exit, never per line. The partners' values are
// set from the sorted side, so that both the sorted sequence and the output
// are walked in order. The large arrays are aligned to 2 MiB and offered to
// the system's huge pages: first touches of ordinary pages cost a quarter
// of a run.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <utility>
#include <vector>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "rankpair: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

struct node {
  long long value, index;
};

constexpr int kCapacity = 200005;

bool cmp(node x, node y) { return x.value < y.value; }

// Storage for the large arrays. The first touch of each page of fresh memory
// costs a fault in the system, and at capacity those faults were a quarter of
// a run; so a block of 1 MiB or more is aligned to 2 MiB and offered to the
// system's huge pages, where it has them (a hint: the bytes are the same
// either way).
template <class T>
struct big_storage {
  using value_type = T;
  static constexpr std::size_t kHuge = std::size_t(1) << 21;
  big_storage() = default;
  template <class U>
  big_storage(const big_storage<U>&) {}
  static bool huge(std::size_t count) { return count >= kHuge / 2 / sizeof(T); }
  T* allocate(std::size_t count) {
    if (!huge(count)) return std::allocator<T>().allocate(count);
    if (count > (SIZE_MAX - kHuge) / sizeof(T)) throw std::bad_alloc();
    std::size_t bytes = (count * sizeof(T) + kHuge - 1) & ~(kHuge - 1);
    void* block = std::aligned_alloc(kHuge, bytes);
    if (block == nullptr) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    madvise(block, bytes, MADV_HUGEPAGE);
#endif
    return static_cast<T*>(block);
  }
  void deallocate(T* block, std::size_t count) {
    if (!huge(count)) return std::allocator<T>().deallocate(block, count);
    std::free(block);
  }
  friend bool operator==(big_storage, big_storage) { return true; }
};

template <class T>
using big_vector = std::vector<T, big_storage<T>>;

// Eight bytes as one word, the first byte the lowest whatever the host's
// byte order (a swap on big-endian machines, chosen at compile time).
uint64_t load8(const char* q) {
  uint64_t w;
  std::memcpy(&w, q, 8);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  return w;
}

void store8(char* q, uint64_t w) {
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  std::memcpy(q, &w, 8);
}

// The input, a block at a time, each from one read of file descriptor 0,
// which returns what is there. The byte after a block is 0, neither a digit
// nor white space, so a scan stops there without testing for the end; eight
// bytes from any place up to it may be loaded.
constexpr std::size_t kBlock = 1 << 16;
char in[kBlock + 8];
char* p = in;
char* e = in;
bool in_end = false;  // the input has ended, or a read failed
int read_err = 0;     // errno of the failed read, reported at exit

// A read that fails ends the input there, as though it had been cut: no read
// is tried after it, nor after the end of the input.
bool refill() {
  if (in_end) return false;
  ssize_t got;
  do got = read(0, in, kBlock);
  while (got < 0 && errno == EINTR);
  if (got <= 0) {
    if (got < 0) read_err = errno;
    in_end = true;
    got = 0;
  }
  p = in;
  e = in + got;
  *e = 0;
  return got > 0;
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

constexpr uint64_t kPow10[] = {1,
                               10,
                               100,
                               1000,
                               10000,
                               100000,
                               1000000,
                               10000000,
                               100000000,
                               1000000000,
                               10000000000,
                               100000000000,
                               1000000000000,
                               10000000000000,
                               100000000000000,
                               1000000000000000,
                               10000000000000000,
                               100000000000000000,
                               1000000000000000000,
                               10000000000000000000u};

// A 64-bit integer as "%lld" takes it (white space skipped, an optional
// sign, decimal digits), saturating beyond the range; false where the
// conversion fails (a sign before the failure stays taken).
bool scan(long long& v) {
  for (;;) {
    while (is_space(*p)) ++p;
    if (p != e) break;
    if (!refill()) return false;
  }
  bool neg = *p == '-';
  if ((*p == '-' || *p == '+') && ++p == e && !refill()) return false;
  if (!is_digit(*p)) return false;
  uint64_t mag = 0;
  bool over = false;
  for (;;) {  // eight digits at a time, across refills
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
  if (over || mag > uint64_t(INT64_MAX) + neg)
    v = neg ? INT64_MIN : INT64_MAX;
  else
    v = (long long)(neg ? 0 - mag : mag);
  return true;
}

char out[(1 << 16) + 8];
std::size_t out_len = 0;

// A block that cannot be written stops the run: nothing after it would arrive.
void flush() {
  if (std::fwrite(out, 1, out_len, stdout) != out_len || std::fflush(stdout) != 0)
    io_failed("write", errno);
  out_len = 0;
}

// Room for the longest piece, "ans\n", two 64-bit numbers, ':' and '\n', and
// the eight bytes a number's last store may run past its end.
void reserve() {
  if (out_len + 64 > sizeof out) flush();
}

void put(const char* text, std::size_t size) {
  std::memcpy(out + out_len, text, size);
  out_len += size;
}

// The eight decimal digits of x < 10^8 as byte values 0 to 9, the first
// digit in the lowest byte: split into halves of four digits, each half into
// two pairs, each pair into two digits, all lanes at once (the quotients by
// multiplication are exact over these ranges).
inline uint64_t digit_bytes(uint32_t x) {
  uint64_t v = x / 10000 | uint64_t(x % 10000) << 32;
  uint64_t hundreds = (v * 5243 >> 19) & 0x0000007F0000007F;
  v = hundreds | (v - hundreds * 100) << 16;
  uint64_t tens = (v * 103 >> 10) & 0x000F000F000F000F;
  return tens | (v - tens * 10) << 8;
}

// x from 1 to 10^8 - 1, without leading zeros.
void put_head(uint32_t x) {
  uint64_t v = digit_bytes(x);
  int zeros = std::countr_zero(v) >> 3;
  store8(out + out_len, (v + 0x3030303030303030) >> (8 * zeros));
  out_len += std::size_t(8 - zeros);
}

// x below 10^8 as eight digits, with leading zeros.
void put_eight(uint32_t x) {
  store8(out + out_len, digit_bytes(x) + 0x3030303030303030);
  out_len += 8;
}

void put(long long value) {
  uint64_t u = uint64_t(value);
  if (value < 0) out[out_len++] = '-', u = 0 - u;
  if (u < 100000000) {
    if (u == 0) out[out_len++] = '0';
    else put_head(uint32_t(u));
    return;
  }
  uint64_t high = u / 100000000;
  if (high < 100000000) {
    put_head(uint32_t(high));
  } else {
    put_head(uint32_t(high / 100000000));
    put_eight(uint32_t(high % 100000000));
  }
  put_eight(uint32_t(u % 100000000));
}

// Record k of a trace: "<word>\nk:v\n".
void trace(const char* word, std::size_t size, int k, long long v) {
  reserve();
  put(word, size);
  put(k);
  put(":", 1);
  put(v);
  put("\n", 1);
}

// Reads up to n values into seq; returns false when a read fails.
bool read_values(big_vector<long long>& seq, int n) {
  for (int i = 0; i < n; ++i) {
    long long value = 0;
    if (!scan(value)) return false;
    seq.push_back(value);
  }
  return true;
}

// Writes the items 0 to size - 1 into out in ascending order of their
// values, ties in any order. One counting pass spreads them over up to 2^16
// buckets by the bits of the value just below the highest bit in which any
// two values differ, about one bucket per item; each bucket is then sorted on
// its own, by insertion when it is small. Bucket order is the unsigned order
// of the values with the sign bit flipped, which is their signed order.
template <class T, class Item, class Value>
void sort_into(big_vector<T>& out, Item item, Value value) {
  const std::size_t size = out.size();
  if (size == 0) return;
  uint64_t differ = 0;
  for (std::size_t i = 0; i < size; ++i) differ |= uint64_t(value(item(i)) ^ value(item(0)));
  const int bits = std::clamp(int(std::bit_width(size)) - 1, 1, 16);
  const int shift = std::max(0, int(std::bit_width(differ)) - bits);
  const std::size_t buckets = std::size_t(1) << bits;
  auto bucket = [&](const T& x) { return std::size_t((uint64_t(value(x)) ^ uint64_t(1) << 63) >> shift) & (buckets - 1); };
  static uint32_t edge[1 << 16];  // once spread, bucket k ends at edge[k]
  std::fill(edge, edge + buckets, 0);
  for (std::size_t i = 0; i < size; ++i) ++edge[bucket(item(i))];
  for (uint32_t k = 0, sum = 0; k < buckets; ++k) sum += std::exchange(edge[k], sum);
  for (std::size_t i = 0; i < size; ++i) {
    T x = item(i);
    out[edge[bucket(x)]++] = x;
  }
  for (std::size_t k = 0, lo = 0; k < buckets; lo = edge[k++]) {
    const std::size_t hi = edge[k];
    auto first = out.begin() + std::ptrdiff_t(lo), last = out.begin() + std::ptrdiff_t(hi);
    if (hi - lo > 16) {
      std::sort(first, last, [&](const T& x, const T& y) { return value(x) < value(y); });
      continue;
    }
    for (auto i = first + 1; i < last; ++i) {
      T x = *i;
      auto j = i;
      for (; j > first && value(*(j - 1)) > value(x); --j) *j = *(j - 1);
      *j = x;
    }
  }
}

int main() {
  long long count = 0;
  scan(count);  // as "%d": the long value converted to int, its low 32 bits
  int n = int(count);
  if (n <= 0) {
    if (read_err != 0) io_failed("read", read_err);
    return 0;
  }
  big_vector<long long> a, b;
  a.reserve(std::size_t(std::min(n, kCapacity)));
  b.reserve(std::size_t(std::min(n, kCapacity)));
  if (!read_values(a, n) || !read_values(b, n)) {
    // Values not read are 0; the record count is bounded by what was read.
    long long bound = std::max<long long>(kCapacity, (long long)(a.size() + b.size()));
    n = int(std::min<long long>(n, bound));
    a.resize(std::size_t(n), 0);
    b.resize(std::size_t(n), 0);
  }
  const std::size_t size = std::size_t(n);

  // Ties of the first sequence are invisible: only its values are written.
  big_vector<long long> sorted_a(size);
  sort_into(sorted_a, [&](std::size_t i) { return a[i]; }, [](long long v) { return v; });

  // The second sequence in the order that std::sort with cmp leaves it. Where
  // its values are distinct every sort gives that order; where some are
  // equal, std::sort itself decides.
  big_vector<node> sorted_b(size);
  sort_into(sorted_b, [&](std::size_t i) { return node{b[i], (long long)i}; }, [](const node& x) { return x.value; });
  for (std::size_t l = 0; l + 1 < size; ++l) {
    if (sorted_b[l].value != sorted_b[l + 1].value) continue;
    for (int i = 0; i < n; ++i) sorted_b[i] = {b[i], i};
    // cmp through a lambda, which the compiler can inline: the same
    // comparisons in the same order, so the same arrangement of ties.
    std::sort(sorted_b.begin(), sorted_b.end(), [](node x, node y) { return cmp(x, y); });
    break;
  }

  // Position j of the second sequence gets the partner of opposite rank: its
  // position in the sorted first sequence, and its value. Both are set from
  // the sorted side, so that the reads run in order, into the storage of the
  // input values, which are no longer needed.
  big_vector<long long>& ans = b;
  big_vector<long long>& partner = a;
  for (int l = 0; l < n; ++l) {
    int32_t j = int32_t(sorted_b[l].index);
    ans[j] = n - 1 - l;
    partner[j] = sorted_a[n - 1 - l];
  }

  for (int k = 0; k < n; ++k) trace("a\n", 2, k, sorted_a[k]);
  for (int j = 0; j < n - 1; ++j) {
    reserve();
    put(partner[j]);
    put(" ", 1);
  }
  for (int q = 0; q < n; ++q) trace("ans\n", 4, q, ans[q]);
  flush();
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
