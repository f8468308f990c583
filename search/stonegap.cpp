// stonegap: Largest least gap among B kept positions
//
// The program reads A positions and a number B, sorts the positions and
// writes the largest distance d, from 0 to the span between the smallest and
// the largest position, such that B positions can be kept with every two
// neighbouring kept positions at least d apart, keeping greedily from the
// smallest position. It writes -1 when even d = 0 keeps fewer than B (B
// greater than A).
//
// Input: A and B, then A positions, whitespace-separated decimal integers
// with an optional sign. A runs from 1 to 1,000,005 and B is a signed 64-bit
// integer; a position is a signed 64-bit integer, one beyond that range
// taken at its nearest bound.
// Output: The largest such distance, or -1, and a newline.
//
// Cost: O(A) to read and sort the positions (one pass per 11 bits of the
// span), then about log2(span) + 1 steps, each keeping at most B positions
// with a search of O(log A) for each.
//
// Method: The positions are sorted once. Bisection on d over 0 to the span,
// the midpoint being the sum of the bounds halved and rounded down: when B
// positions can be kept at the midpoint, the lower bound moves above it,
// else the upper bound below it, and the upper bound is written. The
// smallest position is kept and then, walking up, the first position at
// least d past the last one kept, found by steps that double and then halve;
// the walk stops once B are kept, since keeping more cannot change the
// answer. A gap between two positions is taken as its
// exact value, even where it exceeds the 64-bit range. A span beyond
// 2^63 - 1 (positions on both sides of 0 at over 2^62) is searched up to
// 2^63 - 1, the largest answer that can be written, and the loop ends as
// soon as the bounds meet, so the lower bound never steps past it.
//
// Outside the contract: Storage grows with the input, so more than
// 1,000,005 positions get the natural answer. A of 0 or less reads nothing
// and leaves the single position 0. Reading stops at the end of the input
// or at a token that is not a number (a failed A leaves B at 0): with A up
// to 1,000,005 the positions not read are 0; beyond that, the positions end
// at the last one read.
//
// A read that fails is taken as the end of the input there; a write that
// fails stops the program at once. Either is the system refusing, reported
// on standard error with status 1.
//
// Notes: The numbers come through the shared reading block (read_int). The
// kept speed devices, each with its measured gain on 1,000,005 positions,
// are the radix sort (sort_stones), the galloping search (next_kept) and the
// huge-page hint (huge_pages).
#include <sys/mman.h>
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

constexpr char kProgram[] = "stonegap";

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

std::vector<long long> stones;
long long A = 0;
long long B = 0;
constexpr long long kCapacity = 1000005;

// Marks the whole 2 MB pages in v's storage for huge pages where the system
// has them, before they are touched: 16 MB of positions then fault in a few
// hundred times, not 4,000 (a run without it takes 1.2 times as long).
void huge_pages(std::vector<long long>& v) {
#ifdef MADV_HUGEPAGE
  constexpr uintptr_t kPage = uintptr_t(1) << 21;
  uintptr_t from = (uintptr_t(v.data()) + kPage - 1) & ~(kPage - 1), to = uintptr_t(v.data() + v.capacity()) & ~(kPage - 1);
  if (from < to) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#endif
}

// Ascending order, as std::sort gives: stable counting passes of 11 bits,
// lowest first, over each position's distance from the smallest, as many as
// the span needs (a run with std::sort takes 1.6 times as long).
void sort_stones() {
  size_t n = stones.size();
  if (n < 512) return std::sort(stones.begin(), stones.end());
  auto [low, high] = std::minmax_element(stones.begin(), stones.end());
  uint64_t base = uint64_t(*low), span = uint64_t(*high) - base;
  std::vector<long long> spare;
  spare.reserve(n);
  huge_pages(spare);
  spare.resize(n);
  for (int shift = 0; shift < 64 && span >> shift != 0; shift += 11) {
    std::vector<size_t> at(2049);
    auto digit = [&](long long v) { return (uint64_t(v) - base) >> shift & 2047; };
    for (long long v : stones) ++at[digit(v) + 1];
    for (size_t b = 1; b < 2049; ++b) at[b] += at[b - 1];
    for (long long v : stones) spare[at[digit(v)]++] = v;
    stones.swap(spare);
  }
}

// The first position after stones[last] at least d past it (the exact gap),
// or the number of positions: steps that double, then a binary search (a run
// walking every position takes 1.6 times as long).
size_t next_kept(size_t last, long long d) {
  auto near = [from = stones[last], d](long long v) { return uint64_t(v) - uint64_t(from) < uint64_t(d); };
  size_t lo = last + 1, hi = lo, n = stones.size();
  for (size_t step = 1; hi < n && near(stones[hi]); step *= 2) lo = hi + 1, hi += step;
  return size_t(std::partition_point(stones.begin() + lo, stones.begin() + std::min(hi, n), near) - stones.begin());
}

// Whether B positions can be kept at gap d; keeping stops once B are kept.
bool check(long long d) {
  long long kept = 1;
  for (size_t last = 0; kept < B && (last = next_kept(last, d)) < stones.size();) ++kept;
  return kept >= B;
}

int main() {
  long long v = 0;
  read_int(A);
  read_int(B);  // after a failed read every read fails
  stones.reserve(size_t(std::clamp(A, 1LL, kCapacity)));
  huge_pages(stones);
  for (long long i = 0; i < A && read_int(v); ++i) stones.push_back(v);
  if ((long long)stones.size() < A && A <= kCapacity) stones.resize(size_t(A), 0);
  if (stones.empty()) stones.push_back(0);
  sort_stones();

  uint64_t span = uint64_t(stones.back()) - uint64_t(stones.front());
  long long lo = 0, hi = (long long)std::min(span, uint64_t(LLONG_MAX));
  while (lo <= hi) {
    long long mid = lo + ((hi - lo) >> 1);  // (lo + hi) >> 1 for bounds >= 0, without the sum
    if (!check(mid)) hi = mid - 1;
    else if (mid == hi) break;  // lo would pass hi
    else lo = mid + 1;
  }
  put_int(hi);
  return finish();
}
