// halfraise: Largest value the upper half can be raised to within k
//
// The program reads n integers and a budget k and sorts the integers. It
// writes the largest x, from the middle value up to 10^14, such that raising
// every value of the upper half (index n / 2 of the sorted values and those
// after it) to at least x costs at most k in total, a value's cost being how
// far it lies below x.
//
// Input: A count n from 0 to 200,005 and a budget k, then n values: decimal
// integers with an optional sign. n, k and the values are signed 64-bit; a
// number beyond that range is taken at its nearest bound.
// Output: One line with the answer. It is 100000000000000 when every
// candidate is affordable (or the middle value lies above 10^14) and the
// middle value minus 1 when k is negative.
//
// Cost: O(n) to read the values, to split them at the middle and to sort
// the upper half (a radix sort, one pass per 11 bits of its spread), then
// about 47 bisection steps of O(log n) each.
//
// Method: Bisection from the middle value to 10^14, the midpoint the sum of
// the bounds halved and rounded down; on success the lower bound moves above
// it, otherwise the upper bound below it, and the upper bound is written.
// A candidate x succeeds when the running sum of x minus each value of the
// sorted upper half, in ascending order, never passes k. The values below x
// come first, and the later ones only lower a sum that has passed its peak,
// so x succeeds exactly when raising the values below x costs at most k.
// That cost is taken exactly, however far apart the values lie: with m
// values below x and the middle value a, it is m times (x - a) minus the
// distances of those values from a, each term lying in 1 .. x - a. Where
// m (x - a) stays below 2^64 it is formed from a running sum of the
// distances; otherwise the terms are added one by one, each compared with
// what is left of k.
//
// Outside the contract: Storage is sized to the input, so n above 200005
// keeps every value the input supplies. A negative n reads nothing and is
// taken as 0: no values, the middle value is 0, and the answer is
// 100000000000000 or -1. The input ends where it ends or at a token that is
// not a number; for n up to 200005 the missing values are 0 and still join
// the sort, beyond it n becomes the number of values read. When the middle
// value is the least 64-bit value and k is negative, "middle value minus 1"
// wraps to 9223372036854775807, which is written, and the search stops there.
//
// A read that fails is taken as the end of the input there (the values read
// before it are used); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Numbers come through the block reader below (read(2) by blocks,
// from_chars), the line through its output buffer. Only the upper half is
// ordered (nth_element, then the radix sort in sort_upper_half); dist holds
// the running sums of the distances, so check finds m by lower_bound.
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

constexpr char kProgram[] = "halfraise";

// ---- reading and writing: the same text in every program that has it ----
// Input comes a block at a time, one read(2) each, and is taken a token at
// a time: a run of bytes other than white space. Answers wait in one buffer,
// written out before every read (which may wait for a client's next
// question) and at exit. A read that fails ends the input there and is
// reported at exit; a write that fails stops the program at once.
char* in_buf = nullptr;  // grows for a token longer than it
std::size_t in_size = 0, in_pos = 0, in_len = 0;
bool in_end = false;  // no byte will come any more
int read_err = 0;     // errno of the read that failed
char out[1 << 16];    // answers not yet written
std::size_t out_len = 0;

[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "%s: %s error: %s\n", kProgram, what, std::strerror(err));
  std::_Exit(1);
}

// Writes out the answers waiting, then `more`.
void flush(std::string_view more = {}) {
  if (std::fwrite(out, 1, out_len, stdout) != out_len || std::fflush(stdout) != 0 ||
      (!more.empty() && std::fwrite(more.data(), 1, more.size(), stdout) != more.size()))
    io_failed("write", errno);
  out_len = 0;
}

void put(std::string_view s) {
  if (s.size() > sizeof out - out_len) return flush(s);
  std::memcpy(out + out_len, s.data(), s.size());
  out_len += s.size();
}

// v in decimal, then `end`.
void put_int(long long v, std::string_view end = "\n") {
  if (sizeof out - out_len < 20) flush();
  out_len = std::size_t(std::to_chars(out + out_len, out + sizeof out, v).ptr - out);
  put(end);
}

// Reads more behind the bytes from in_pos on, which move to the front;
// false at the end of the input.
bool refill() {
  if (in_end) return false;
  flush();
  in_len -= in_pos;
  if (in_len == in_size && !(in_buf = static_cast<char*>(std::realloc(in_buf, in_size += in_size + (1 << 16)))))
    io_failed("read", ENOMEM);  // full: more room (64 KiB at the first read)
  std::memmove(in_buf, in_buf + in_pos, in_len);
  in_pos = 0;
  ssize_t n;
  while ((n = read(0, in_buf + in_len, in_size - in_len)) < 0 && errno == EINTR) continue;
  if (n < 0) read_err = errno;
  in_end = n <= 0;
  in_len += in_end ? 0 : std::size_t(n);
  return !in_end;
}

bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The next token as strtoll converts it: 1, or 2 where it saturated at the
// 64-bit bounds. 0, leaving v, where it is not a number: that ends the input.
int read_int(long long& v) {
  for (;;) {
    const char *s = in_buf + in_pos, *e = in_buf + in_len;
    while (s < e && is_space(*s)) ++s;
    in_pos = std::size_t(s - in_buf);
    s += e - s > 1 && *s == '+' && s[1] != '-';
    long long x = 0;
    auto [end, ec] = std::from_chars(s, e, x);
    if ((end == e || e - s < 2) && !in_end) {  // the token may go on in the next block
      refill();
      continue;
    }
    if (ec == std::errc::invalid_argument || (end != e && !is_space(*end)))
      return in_end = true, in_pos = in_len, 0;
    in_pos = std::size_t(end - in_buf);
    v = ec == std::errc() ? x : *s == '-' ? LLONG_MIN : LLONG_MAX;
    return ec == std::errc() ? 1 : 2;
  }
}

// At exit: the answers still waiting go out, and a failed read is reported.
int finish() {
  flush();
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
// ---- end of reading and writing ----

constexpr long long kCapacity = 200005;
constexpr int64_t kTop = 100000000000000;  // 10^14

std::vector<int64_t> arr;
long long n, k;
std::size_t half;  // the middle index, n / 2

void read_values() {
  read_int(n);
  read_int(k);
  if (n < 0) n = 0;
  arr.reserve(std::size_t(std::min(n, kCapacity)));
  for (long long i = 0; i < n; ++i) {
    long long v = 0;
    if (!read_int(v)) {
      if (n <= kCapacity) arr.resize(std::size_t(n), 0);  // as in a zero-filled array
      break;
    }
    arr.push_back(v);
  }
  n = (long long)arr.size();
  half = std::size_t(n / 2);
}

// Puts the values from the middle index on in ascending order, each not
// below any value before it, as a full sort leaves them (check and the first
// bound read only that upper half). A selection puts the least of the upper
// half at the middle; a least-significant-digit radix sort, 11 bits a pass,
// orders the rest on their distance from it, with the lower half, never read
// again, as its scratch space (1.3 times as fast in all as std::sort).
void sort_upper_half() {
  if (half >= arr.size()) return;
  std::nth_element(arr.begin(), arr.begin() + std::ptrdiff_t(half), arr.end());
  const uint64_t base = uint64_t(arr[half]);
  auto key = [base](int64_t v) { return uint64_t(v) - base; };
  int64_t *const a = arr.data() + half + 1, *from = a, *to = arr.data();
  const std::size_t count = arr.size() - half - 1;  // at most half
  const int bits = std::bit_width(key(*std::max_element(arr.begin() + std::ptrdiff_t(half), arr.end())));
  for (int shift = 0; shift < bits; shift += 11) {
    std::size_t at[2049] = {};
    for (std::size_t i = 0; i < count; ++i) ++at[(key(from[i]) >> shift & 2047) + 1];
    for (int b = 0; b < 2048; ++b) at[b + 1] += at[b];
    for (std::size_t i = 0; i < count; ++i) to[at[key(from[i]) >> shift & 2047]++] = from[i];
    std::swap(from, to);
  }
  if (from != a) std::copy(from, from + count, a);
}

// dist[m]: the distances arr[i] - arr[half] of the first m values of the
// upper half, summed modulo 2^64 (1.3 times as fast in all as the walk).
std::vector<uint64_t> dist{0};

// Whether raising the values of the upper half that lie below x (not below
// the middle value) to x costs at most k. Those m values come first; with
// y = x - arr[half], each term x - arr[i] lies in 1 .. y, so the cost lies
// in y .. m * y. Where m * y stays below 2^64 the cost taken modulo 2^64 is
// the cost itself. Otherwise the terms are taken one by one, each compared
// with what is left of k before it is spent.
bool check(int64_t x) {
  if (k < 0) return false;  // the first term is at least 0
  const std::size_t m = std::size_t(std::lower_bound(arr.begin() + std::ptrdiff_t(half), arr.end(), x) - arr.begin()) - half;
  if (m == 0) return true;
  const uint64_t y = uint64_t(x) - uint64_t(arr[half]);
  uint64_t left = uint64_t(k);
  if (m <= UINT64_MAX / y) return m * y - dist[m] <= left;
  for (std::size_t i = half; i < half + m; ++i) {
    uint64_t term = uint64_t(x) - uint64_t(arr[i]);
    if (term > left) return false;
    left -= term;
  }
  return true;
}

int main() {
  read_values();
  sort_upper_half();
  dist.reserve(arr.size() - half + 1);
  for (std::size_t i = half; i < arr.size(); ++i) dist.push_back(dist.back() + (uint64_t(arr[i]) - uint64_t(arr[half])));
  int64_t lo = half < arr.size() ? arr[half] : 0, hi = kTop;
  while (lo <= hi) {
    // floor((lo + hi) / 2) without forming lo + hi, which can leave the range
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
  put_int(hi);
  return finish();
}
