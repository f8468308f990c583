// distinctsum: Sums of the distinct values of each prefix, by pairs
//
// For each case the program reads a sequence of values and records, for
// every prefix, the sum of the distinct values in it (a value that occurs
// several times counts once); each query l r is then answered with the sum
// recorded for prefix r minus the one for prefix l, plus 1.
//
// Input: T (0 or more), then T cases. A case is n (at most 30,004), n
// signed 64-bit values, q (0 or more), then q pairs l r (0 to 30,004). Every
// number is a decimal integer with an optional sign; a value beyond 64 bits
// is taken at its nearest bound, and a count keeps the low 32 bits of that.
// Output: One line per query: the sum recorded for prefix r minus the one
// for prefix l, plus 1. The records are never cleared: an index beyond this
// case's n still holds what an earlier, longer case left there (or 0), and
// index 0 always holds 0. Sums and results wrap at 64 bits; an index is the
// low 32 bits of l or r. Nothing else is written.
//
// Cost: O(n log n) per case, O(1) per query.
//
// Method: A value adds to a running sum where it first occurs in the case.
// Wrapping addition does not depend on order, so the running sum equals the
// sum of the distinct values taken anew after every value. First
// occurrences are found by sorting the case's (value, position) pairs.
//
// Outside the contract: The records grow with the longest case read so far,
// so n above 30,004 gets the natural sums; an index that no case has
// written (negative ones included) reads 0. A negative T, n or q counts as
// 0. When the input ends, or a token is not a number, the run stops there:
// a case or a query pair read only in part writes nothing.
//
// A read that fails is taken as the end of the input there (the answers due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Reading and writing are the shared block below.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

constexpr char kProgram[] = "distinctsum";

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

std::vector<long long> ans(1, 0);  // index 0 is never written

// The entry at the low 32 bits of index; 0 where nothing was ever stored.
long long at(long long index) {
  int i = int(index);
  return i >= 0 && std::size_t(i) < ans.size() ? ans[i] : 0;
}

// ans[1..n] from the case's values: a value adds to the running sum where it
// first occurs, found by sorting the (value, index) pairs, which puts each
// value's first occurrence at the head of its run.
void record(std::vector<long long>& vals) {
  std::size_t n = vals.size();
  std::vector<std::pair<long long, std::size_t>> order(n);
  for (std::size_t i = 0; i < n; ++i) order[i] = {vals[i], i};
  std::sort(order.begin(), order.end());
  for (std::size_t k = 1; k < n; ++k)
    if (order[k].first == order[k - 1].first) vals[order[k].second] = 0;  // a repeat adds nothing
  if (ans.size() < n + 1) ans.resize(n + 1);
  unsigned long long sum = 0;  // wraps at 64 bits
  for (std::size_t i = 0; i < n; ++i) ans[i + 1] = (long long)(sum += vals[i]);
}

// One case; false once the input can no longer be read. Counts keep the low
// 32 bits of their number.
bool slove() {
  long long n = 0, q = 0, l = 0, r = 0;
  std::vector<long long> vals;
  if (!read_int(n)) return false;
  for (long long v = 0; int(vals.size()) < int(n); vals.push_back(v))
    if (!read_int(v)) return false;
  record(vals);
  if (!read_int(q)) return false;
  for (int k = int(q); k > 0; --k) {
    if (!read_int(l) || !read_int(r)) return false;  // a pair read only in part writes nothing
    put_int((long long)((unsigned long long)at(r) - at(l) + 1));
  }
  return true;
}

int main() {
  long long T = 0;
  read_int(T);
  for (int t = int(T); t > 0 && slove();) --t;
  return finish();
}
