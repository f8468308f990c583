// stallgap: Largest least gap between C items placed on positions
//
// The program reads N positions and a count C and writes the largest
// distance d for which C items can be placed on distinct positions with
// neighbouring items at least d apart. It searches d by bisection between
// the smallest and the largest position, and writes the smallest position
// minus 1 when no d of that interval allows it.
//
// Input: N and C, then N positions, whitespace-separated decimal integers
// with an optional sign. N runs from 1 to 100,005 and C is a signed 32-bit
// integer (a number beyond 32 bits keeps the low 32 bits of its value taken
// at the nearest 64-bit bound); a position is a signed 64-bit integer, one
// beyond that range taken at its nearest bound.
// Output: The largest such distance within the interval, or the smallest
// position minus 1 (wrapping to the largest 64-bit value below the smallest
// one), and a newline.
//
// Cost: O(N) to read and sort the positions (at most six passes), then at
// most 64 steps, each placing at most C items with a search of O(log N) for
// each.
//
// Method: The positions are sorted once. Bisection on d over the smallest
// to the largest position, the midpoint being the sum of the bounds halved
// and truncated toward zero: when C items fit at the midpoint, the lower
// bound moves above it, else the upper bound below it, and the upper bound
// is written. An item goes on the smallest position and then, walking up,
// on the first position at least d past the last one placed, found by steps
// that double and then halve; the walk stops once C items are placed, since
// placing more never undoes a success. The
// midpoint is formed without forming the sum, and a gap between two
// positions is taken as its exact value, even where it exceeds the 64-bit
// range (positions on both sides of 0 at over 2^62); the loop ends as soon
// as the bounds meet, so the lower bound never steps past the largest
// 64-bit value.
//
// Outside the contract: Storage grows with the input, so more than 100,005
// positions get the natural answer. N of 0 or less reads nothing and leaves
// the single position 0. Reading stops at the end of the input or at a
// token that is not a number (a failed N leaves C at 0): with N up to
// 100,005 the positions not read are 0; beyond that, the positions end at
// the last one read.
//
// A read that fails is taken as the end of the input there; a write that
// fails stops the program at once. Either is the system refusing, reported
// on standard error with status 1.
//
// Notes: The numbers come through the shared reading block (read_int). The
// kept speed devices, each with its measured gain on 100,005 positions, are
// the radix sort (sort_stall) and the galloping search (next_far).
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

constexpr char kProgram[] = "stallgap";

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

std::vector<long long> stall;
int N = 0;
int C = 0;
constexpr int kCapacity = 100005;

// (lo + hi) / 2 truncated toward zero, for any two 64-bit values.
long long half_toward_zero(long long lo, long long hi) {
  long long down = (lo >> 1) + (hi >> 1) + (lo & hi & 1);  // the sum halved, rounded down
  return down + (down < 0 && ((lo ^ hi) & 1));
}

// Ascending order, as std::sort gives: stable counting passes of 11 bits,
// lowest first, over each position's distance from the smallest, as many as
// the span needs (a run with std::sort takes 1.4 times as long).
void sort_stall() {
  size_t n = stall.size();
  if (n < 512) return std::sort(stall.begin(), stall.end());
  auto [low, high] = std::minmax_element(stall.begin(), stall.end());
  uint64_t base = uint64_t(*low), span = uint64_t(*high) - base;
  std::vector<long long> spare(n);
  for (int shift = 0; shift < 64 && span >> shift != 0; shift += 11) {
    std::vector<size_t> at(2049);
    auto digit = [&](long long v) { return (uint64_t(v) - base) >> shift & 2047; };
    for (long long v : stall) ++at[digit(v) + 1];
    for (size_t b = 1; b < 2049; ++b) at[b] += at[b - 1];
    for (long long v : stall) spare[at[digit(v)]++] = v;
    stall.swap(spare);
  }
}

// The first position after stall[last] at least d past it (the exact gap),
// or the number of positions: steps that double, then a binary search (a run
// walking every position takes 1.4 times as long).
size_t next_far(size_t last, long long d) {
  auto near = [from = stall[last], d](long long v) { return d > 0 && uint64_t(v) - uint64_t(from) < uint64_t(d); };
  size_t lo = last + 1, hi = lo, n = stall.size();
  for (size_t step = 1; hi < n && near(stall[hi]); step *= 2) lo = hi + 1, hi += step;
  return size_t(std::partition_point(stall.begin() + lo, stall.begin() + std::min(hi, n), near) - stall.begin());
}

// Whether C items fit at gap d; placing stops once C are placed.
bool check(long long d) {
  long long placed = 1;
  for (size_t last = 0; placed < C && (last = next_far(last, d)) < stall.size();) ++placed;
  return placed >= C;
}

int main() {
  long long v = 0;
  if (read_int(v)) N = int(v);  // "%d": the low 32 bits
  if (read_int(v)) C = int(v);  // after a failed read every read fails
  for (int i = 0; i < N && read_int(v); ++i) stall.push_back(v);
  if (int(stall.size()) < N && N <= kCapacity) stall.resize(size_t(N), 0);
  if (stall.empty()) stall.push_back(0);
  sort_stall();

  long long lo = stall.front(), hi = stall.back();
  while (lo <= hi) {
    long long mid = half_toward_zero(lo, hi);
    if (check(mid)) {
      if (mid == hi) break;  // lo would pass hi
      lo = mid + 1;
    } else {
      hi = int64_t(uint64_t(mid) - 1);
      if (mid == lo) break;  // hi is now below lo, or wrapped from the smallest value
    }
  }
  put_int(hi);
  return finish();
}
