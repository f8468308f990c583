// gamerarray: Smallest x whose total shortfall over the values reaches x
//
// The program reads n integers and writes the smallest x, not below 0 nor
// below any value read, for which the total shortfall, the sum over all
// values v of (x - v), is at least x itself. It searches x by bisection
// between the largest value and 1,000,000,000.
//
// Input: A count n, then n values, whitespace-separated decimal integers
// with an optional sign. n runs up to 100,005; each value is a signed 64-bit
// integer. Anything after the n values is ignored; n of 0 or less, however
// large its magnitude, reads nothing and writes 1000000001.
// Output: The answer as a signed 64-bit integer and a newline: 1000000001
// when no x up to 1,000,000,000 qualifies, and the largest value itself when
// that is above 1,000,000,000. The shortfall wraps at 64 bits.
//
// Cost: O(n) to read, then at most 30 checks of O(1).
//
// Method: Bisection on x over the largest value (at least 0) to
// 1,000,000,000, the midpoint being the sum of the bounds halved and rounded
// down: when the shortfall at the midpoint reaches it, the upper bound moves
// below it, else the lower bound above it, and the lower bound is written.
// The shortfall, wrapping at 64 bits, equals n x - S, S being the wrapping
// sum of the values: S is kept while reading, so each check costs O(1) and
// no value is kept.
//
// Outside the contract: More than 100,005 values get the same answer as
// fewer, as though the storage were as long as the input. Reading stops at
// the end of the input, at a token that is not a number, or after a number
// beyond the 64-bit range, which counts at its nearest bound; a value not
// read counts as 0. A count that is not a number counts as 0; one beyond the
// 64-bit range counts at its bound and no value is read.
//
// A read that fails is taken as the end of the input there; a write that
// fails stops the program at once. Either is the system refusing, reported
// on standard error with status 1.
//
// Notes: The numbers come through the shared reading block (read_int), with
// the rules of extraction by >>: a failed read stores 0, an overflowing one
// the bound, and every later read fails.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

constexpr char kProgram[] = "gamerarray";

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

long long n = 0;
long long temp = 0;  // the largest value read, and at least 0
uint64_t S = 0;     // the sum of the values, wrapping; unread ones count as 0

bool check(long long x) { return int64_t(uint64_t(n) * uint64_t(x) - S) >= x; }

int main() {
  long long v = 0;
  int got = read_int(n);
  // A count of 0 or less reads nothing, so every shortfall is 0: n x - S
  // holds only while n is the count of the values summed.
  if (got == 0 || n < 0) n = 0;
  for (long long i = 0; got == 1 && i < n; ++i) {
    if ((got = read_int(v)) == 0) break;  // this value and the rest count as 0: in n, not in S
    S += uint64_t(v);
    if (v > temp) temp = v;
  }
  // lo stays at least 0 and hi at most 1e9 inside the loop, so neither the
  // sum of the bounds nor mid + 1 can overflow.
  long long lo = temp, hi = 1000000000;
  while (lo <= hi) {
    long long mid = (lo + hi) >> 1;
    if (check(mid)) hi = mid - 1;
    else lo = mid + 1;
  }
  put_int(lo);
  return finish();
}
