// distinctsum: sums of the distinct values of every prefix, queried by pairs.
//
// Input: T, then T cases. A case is n, n signed 64-bit values, q, then q
// pairs l r; counts read as "%d" reads them, values and pairs as "%lld", by a
// block reader of its own.
// Output: "%lld\n" per query: ans[r] - ans[l] + 1, where ans[i] is the sum of
// the distinct values among the case's first i values. ans is never cleared:
// an index beyond this case's n still holds what an earlier, longer case
// left there (or 0), and index 0 always holds 0. Sums and results wrap at
// 64 bits; an index is the low 32 bits of l or r. Nothing else is written.
//
// Cost: O(log n) per value, O(1) per query.
//
// Method: a value is added to a running sum when it first enters the set s.
// Wrapping addition does not depend on order, so the running sum equals the
// sum of the whole set taken anew after every insertion.
//
// Outside the contract: ans grows with the longest case read so far, so n
// above 30,004 gets the natural sums; an index that no case has written
// (negative ones included) reads 0. A negative T, n or q counts as 0. When
// the input ends, or a token is not a number, the run stops there: a query
// pair read only in part writes nothing.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <set>
#include <vector>
#include <cerrno>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "distinctsum: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// A block reader in place of scanf, whose per-number cost was a large share
// of the run: `scan_ll` converts as glibc's "%lld" does (white space skipped, an
// optional sign, decimal digits, a value beyond 64 bits saturated) and
// returns 1, 0 for a token that is not a number (a sign before it is taken),
// or EOF at the end of the input; `scan_int` as "%d" does, keeping the low 32
// bits of that value.
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

static int scan_int(int& out) {
  long long wide = 0;
  int got = scan_ll(wide);
  if (got == 1) out = int(wide);
  return got;
}

std::vector<long long> ans(1, 0);  // index 0 is never written
std::set<long long> s;

long long wrap_add(long long a, long long b) { return (long long)(uint64_t(a) + uint64_t(b)); }

// The answers, as "%lld\n" writes them, built with to_chars and written a
// block at a time (printf per line cost more than the rest of the work).
static char out[1 << 16];
static size_t used;

// A block that cannot be written stops the run: nothing after it would arrive.
static void write_out() {
  if (fwrite(out, 1, used, stdout) != used) io_failed("write", errno);
  used = 0;
}

void write_line(long long value) {
  if (used > sizeof out - 32) write_out();
  used = size_t(std::to_chars(out + used, out + sizeof out, value).ptr - out);
  out[used++] = '\n';
}

// The entry at the low 32 bits of index; 0 where nothing was ever stored.
long long at(long long index) {
  int32_t i = int32_t(index);
  return i >= 0 && size_t(i) < ans.size() ? ans[i] : 0;
}

// One case; false once the input can no longer be read.
bool slove() {
  int n = 0, q = 0;
  if (scan_int(n) != 1) return false;
  s.clear();
  long long sum = 0;
  for (int64_t i = 1; i <= n; ++i) {
    long long v = 0;
    if (scan_ll(v) != 1) return false;
    if (s.insert(v).second) sum = wrap_add(sum, v);
    if (size_t(i) < ans.size())
      ans[i] = sum;
    else
      ans.push_back(sum);  // i is exactly ans.size() here
  }
  if (scan_int(q) != 1) return false;
  for (; q > 0; --q) {
    long long l = 0, r = 0;
    if (scan_ll(l) != 1 || scan_ll(r) != 1) return false;
    write_line((long long)(uint64_t(at(r)) - uint64_t(at(l)) + 1));
  }
  return true;
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
