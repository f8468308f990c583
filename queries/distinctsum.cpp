// distinctsum: Sums of the distinct values of each prefix, by pairs
//
// For each case the program reads a sequence of values and records, for
// every prefix, the sum of the distinct values in it (a value that occurs
// several times counts once); each query l r is then answered with the sum
// recorded for prefix r minus the one for prefix l, plus 1.
//
// Input: T, then T cases. A case is n, n signed 64-bit values, q, then q
// pairs l r. Counts are read as scanf's "%d" reads them (the low 32 bits of
// the number), values and pairs as "%lld" reads them: white space, an
// optional sign, decimal digits, a value beyond 64 bits saturated.
// Output: "%lld\n" per query: ans[r] - ans[l] + 1, where ans[i] is the sum of
// the distinct values among the case's first i values. ans is never cleared:
// an index beyond this case's n still holds what an earlier, longer case
// left there (or 0), and index 0 always holds 0. Sums and results wrap at
// 64 bits; an index is the low 32 bits of l or r. Nothing else is written.
//
// Cost: O(n) per case on the average (O(n log n) at worst), O(1) per query.
// A run takes about 2.5x the time of merely copying its input and output
// bytes; in a profile, reading the numbers and writing the answers take a
// sixth of the run each and the system's reads and writes a fifth, the
// rest going to the table and the lookups in ans.
//
// Method: A value adds to a running sum where it first occurs in the case.
// Wrapping addition does not depend on order, so the running sum equals the
// sum of the distinct values taken anew after every value. First
// occurrences are found in a table with linear probing; when a probe runs
// long (values that collide on purpose), they are found by sorting the
// (value, position) pairs instead.
//
// Outside the contract: The table `ans` grows with the longest case read so
// far, so n above 30,004 gets the natural sums; an index that no case has
// written (negative ones included) reads 0. A negative T, n or q counts as 0.
// When the input ends, or a token is not a number, the run stops there: a
// query pair read only in part writes nothing.
//
// A read that fails is taken as the end of the input there (the answers due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Input is read in blocks of 64 KiB through stdio with a zero byte
// after each, so the scans stop without testing for the end; digits are
// taken eight at a time from a word. Answers are formatted eight digits at a
// time and written a buffer at a time, with nothing flushed before the end.
// Query pairs are read in batches of 64 and answered together, so that the
// lookups in ans overlap. The ordered set used before took over a third of
// a run, in allocation and cache misses.
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
  std::fprintf(stderr, "distinctsum: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// The input, a block at a time. The byte after a block is 0, neither a digit
// nor white space, so a scan of either stops there without testing for the
// end of the block; 8 bytes from any place up to it may be loaded.
constexpr size_t kBlock = 1 << 16;
static char buf[kBlock + 8];
static const char* p = buf;
static const char* e = buf;
static int read_err;  // errno of a failed read; no read is tried after it

// The next block; false at the end of the input.
static bool refill() {
  size_t len = read_err != 0 ? 0 : fread(buf, 1, kBlock, stdin);
  if (ferror(stdin) && read_err == 0) read_err = errno;  // what came before it is used
  if (len == 0) return false;
  p = buf;
  e = buf + len;
  buf[len] = 0;
  return true;
}

static bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
static bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Eight bytes as one word, the first byte the lowest whatever the host's
// byte order (a swap on big-endian machines, chosen at compile time).
static inline uint64_t load8(const char* q) {
  uint64_t w;
  std::memcpy(&w, q, 8);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  return w;
}

// The run of digits at q, up to 8 of them: how many, and their value, taken
// eight bytes at once.
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

constexpr uint64_t kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

// `scan_ll` converts as glibc's "%lld" does (white space skipped, an
// optional sign, decimal digits, a value beyond 64 bits saturated) and
// returns 1, 0 for a token that is not a number (a sign before it is taken),
// or EOF at the end of the input; `scan_int` as "%d" does, keeping the low
// 32 bits of that value.
static int scan_ll(long long& out) {
  for (;;) {
    while (is_space(*p)) ++p;
    if (p != e) break;
    if (!refill()) return EOF;
  }
  bool neg = *p == '-';
  if ((*p == '-' || *p == '+') && ++p == e && !refill()) return 0;
  if (!is_digit(*p)) return 0;
  // Up to 19 digits fit in 64 bits; a longer token, or one that goes on in
  // the next block, is taken again digit by digit, held at UINT64_MAX once
  // past it (every such value saturates).
  uint64_t v = 0, lim = uint64_t(1) << 63;
  const char* start = p;
  for (int n = 8; n == 8; p += n) {
    uint64_t chunk;
    n = digits8(p, chunk);
    v = v * kPow10[n] + chunk;
  }
  if (p - start > 19 || p == e) {
    v = 0;
    p = start;
    do
      for (unsigned d; (d = unsigned(*p - '0')) < 10; ++p)
        v = v > (UINT64_MAX - 9) / 10 ? UINT64_MAX : v * 10 + d;
    while (p == e && refill() && is_digit(*p));
  }
  out = neg ? (v > lim ? INT64_MIN : int64_t(0 - v)) : (v >= lim ? INT64_MAX : int64_t(v));
  return 1;
}

static int scan_int(int& out) {
  long long wide = 0;
  int got = scan_ll(wide);
  if (got == 1) out = int(wide);
  return got;
}

std::vector<long long> ans(1, 0);  // index 0 is never written
std::vector<long long> vals;        // the values of the case, in input order

long long wrap_add(long long a, long long b) { return (long long)(uint64_t(a) + uint64_t(b)); }

// The answers, as "%lld\n" writes them, written a block at a time (printf
// per line cost more than the rest of the work).
static char out[1 << 16];
static size_t used;

// A block that cannot be written stops the run: nothing after it would arrive.
static void write_out() {
  if (fwrite(out, 1, used, stdout) != used) io_failed("write", errno);
  used = 0;
}

// The 8 digits of v < 10^8, leading zeros included, as the lanes of one
// word (the first digit in the lowest byte, each digit as its value): two
// halves of 4 digits, each split into pairs and then into digits.
static inline uint64_t lanes8(uint32_t v) {
  uint64_t fours = (v / 10000) | (uint64_t(v % 10000) << 32);
  uint64_t hundreds = ((fours * 10486) >> 20) & 0x0000007F0000007F;  // x / 100 for x < 10^4
  uint64_t pairs = hundreds | ((fours - hundreds * 100) << 16);
  uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000F;  // x / 10 for x < 100
  return tens | ((pairs - tens * 10) << 8);
}

// Stores the 8 lanes as digits at q, the lowest lane first.
static inline void store8(char* q, uint64_t lanes) {
  uint64_t w = lanes + 0x3030303030303030;
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  std::memcpy(q, &w, 8);
}

// The 8 digits of v < 10^8 at q, leading zeros included.
static inline void put8(char* q, uint32_t v) { store8(q, lanes8(v)); }

// The digits of v < 10^8 without leading zeros at q (8 bytes are stored); the end.
static inline char* put_short(char* q, uint32_t v) {
  uint64_t lanes = lanes8(v);
  int zeros = lanes == 0 ? 7 : std::countr_zero(lanes) >> 3;  // leading zero digits
  store8(q, lanes >> (8 * zeros));
  return q + 8 - zeros;
}

void write_line(long long value) {
  if (used > sizeof out - 32) write_out();
  char* q = out + used;
  uint64_t v = uint64_t(value);
  if (value < 0) *q++ = '-', v = 0 - v;
  if (v < 100000000) {
    q = put_short(q, uint32_t(v));
  } else if (v < 10000000000000000) {
    q = put_short(q, uint32_t(v / 100000000));
    put8(q, uint32_t(v % 100000000)), q += 8;
  } else {
    uint64_t low16 = v % 10000000000000000;
    q = put_short(q, uint32_t(v / 10000000000000000));
    put8(q, uint32_t(low16 / 100000000)), q += 8;
    put8(q, uint32_t(low16 % 100000000)), q += 8;
  }
  *q++ = '\n';
  used = size_t(q - out);
}

// The entry at the low 32 bits of index; 0 where nothing was ever stored.
long long at(long long index) {
  int32_t i = int32_t(index);
  return i >= 0 && size_t(i) < ans.size() ? ans[i] : 0;
}

// ans[1..n] from the values of the case: a value adds to the running sum
// where it first occurs. A value of 0 adds nothing wherever it occurs, so it
// needs no record, and 0 marks an empty slot of the table.
std::vector<uint64_t> slots;

// First occurrences found in a table with linear probing; false, with ans
// left part way, when a probe runs long (values that collide on purpose).
bool record_by_table() {
  size_t n = vals.size();
  int bits = std::bit_width(2 * n | 15);  // at most half the slots in use
  size_t mask = (size_t(1) << bits) - 1;
  slots.assign(mask + 1, 0);
  uint64_t sum = 0;
  for (size_t i = 0; i < n; ++i) {
    uint64_t v = uint64_t(vals[i]);
    if (v != 0) {
      size_t k = size_t((v * 0x9E3779B97F4A7C15) >> (64 - bits)), probes = 0;
      while (slots[k] != 0 && slots[k] != v) {
        if (++probes == 64) return false;
        k = (k + 1) & mask;
      }
      if (slots[k] == 0) slots[k] = v, sum += v;
    }
    ans[i + 1] = (long long)sum;
  }
  return true;
}

// First occurrences found by sorting the (value, index) pairs, which puts
// the first occurrence of each value at the head of its run.
void record_by_sort() {
  size_t n = vals.size();
  std::vector<std::pair<long long, size_t>> order(n);
  for (size_t i = 0; i < n; ++i) order[i] = {vals[i], i};
  std::sort(order.begin(), order.end());
  std::vector<long long> gain(vals);
  for (size_t k = 1; k < n; ++k)
    if (order[k].first == order[k - 1].first) gain[order[k].second] = 0;  // a repeat adds nothing
  long long sum = 0;
  for (size_t i = 0; i < n; ++i) ans[i + 1] = sum = wrap_add(sum, gain[i]);
}

void record() {
  if (ans.size() < vals.size() + 1) ans.resize(vals.size() + 1);
  if (!record_by_table()) record_by_sort();
}

// One case; false once the input can no longer be read.
bool slove() {
  int n = 0, q = 0;
  if (scan_int(n) != 1) return false;
  vals.clear();
  for (int64_t i = 1; i <= n; ++i) {
    long long v = 0;
    if (scan_ll(v) != 1) return false;
    vals.push_back(v);
  }
  record();
  if (scan_int(q) != 1) return false;
  // The pairs are read a batch at a time and answered together, so that the
  // lookups in ans overlap.
  constexpr int kBatch = 64;
  long long l[kBatch], r[kBatch], res[kBatch];
  bool whole = true;
  while (q > 0 && whole) {
    int k = 0;
    for (; k < kBatch && q > 0; ++k, --q)
      if (scan_ll(l[k]) != 1 || scan_ll(r[k]) != 1) {
        whole = false;  // a pair read only in part writes nothing
        break;
      }
    for (int j = 0; j < k; ++j) res[j] = (long long)(uint64_t(at(r[j])) - uint64_t(at(l[j])) + 1);
    for (int j = 0; j < k; ++j) write_line(res[j]);
  }
  return whole;
}

int main() {
  int T = 0;
  scan_int(T);
  for (; T > 0; --T)
    if (!slove()) break;
  write_out();
  if (fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
