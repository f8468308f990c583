// balancefloor: An array under point assignments and floor raises
//
// The program reads an array of values and a list of operations, applies
// them in order (an assignment sets the value at one position; a raise lifts
// every value below a floor to that floor) and writes the final array.
//
// Input: A count n, n signed 64-bit values, a count q, then q operations. Counts and types
// are read as scanf's "%d" reads them (the low 32 bits of the number),
// values and positions as "%lld" reads them: white space, an optional sign,
// decimal digits, a value beyond 64 bits saturated. An operation is a type
// t; type 1 is followed by a position p (1-based) and a value x and stores x
// at index p-1 (the low 32 bits of p - 1); every other type (0, 2, -1, ...)
// is followed by one value x and raises every value below x to x.
// Output: The n final values on one line, each of the first n-1 followed by
// one space, the last by the newline alone.
//
// Cost: O(n + q) time and memory.
//
// Method: The operations are only recorded. For each index, `since` counts
// the raises that came before its last assignment (0 for a value as read);
// only the raises after it can touch it, so its final value is the larger
// of the value last stored there and the largest x among those raises. A
// suffix maximum over the raises, taken once at the end, gives that x.
//
// Outside the contract: An n of 0 or less holds no values and writes an empty
// line. An assignment whose index falls outside 0..n-1 is dropped: such an
// index is never raised nor written. A negative q counts as 0. n above
// kCapacity keeps every value the input supplies. When the input ends, or a
// token is not a number, reading stops there and the array is written as
// it stands; values missing from the first kCapacity stay 0 as in a
// zero-filled array (beyond it, the array ends at the last value read), and
// an operation read only in part is not applied.
//
// A read that fails is taken as the end of the input there (the array is
// still written); a write that fails stops the program at once. Either is
// the system refusing, reported on standard error with status 1.
//
// Notes: Input is read in blocks of 64 KiB through stdio by a reader of its
// own, in place of scanf, whose per-number cost was a large share of the
// run. The line is formatted with to_chars and written a buffer at a time:
// printf per value cost more than the rest of the work.
#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <vector>
#include <cerrno>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "balancefloor: %s error: %s\n", what, std::strerror(err));
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

constexpr int kCapacity = 200005;

std::vector<long long> arr;     // the value last stored at each index
std::vector<size_t> since;      // raises recorded before that store
std::vector<long long> raises;  // x of every raise, in input order

// Reads the values; false when the input ended before all n were read.
bool read_values(int n) {
  arr.reserve(std::min(n, kCapacity));
  for (int i = 0; i < n; ++i) {
    long long v = 0;
    if (scan_ll(v) != 1) {
      if (n <= kCapacity) arr.resize(n, 0);
      return false;
    }
    arr.push_back(v);
  }
  return true;
}

void read_operations() {
  int q = 0, t = 0;
  if (scan_int(q) != 1) return;
  for (; q > 0; --q) {
    long long p = 0, x = 0;
    if (scan_int(t) != 1) return;
    if (t == 1) {
      if (scan_ll(p) != 1 || scan_ll(x) != 1) return;
      int32_t j = int32_t(uint64_t(p) - 1);
      if (j < 0 || size_t(j) >= arr.size()) continue;  // changes nothing written
      arr[j] = x;
      since[j] = raises.size();
    } else {
      if (scan_ll(x) != 1) return;
      raises.push_back(x);
    }
  }
}

int main() {
  int n = 0;
  scan_int(n);
  if (n > 0 && read_values(n)) {
    since.assign(arr.size(), 0);
    read_operations();
  }
  since.resize(arr.size(), 0);
  // floor_after[k]: the largest x among raises k, k+1, ...; LLONG_MIN when
  // there are none, which lifts nothing.
  std::vector<long long> floor_after(raises.size() + 1, LLONG_MIN);
  for (size_t k = raises.size(); k-- > 0;) floor_after[k] = std::max(raises[k], floor_after[k + 1]);
  // The bytes of "%lld " per value (the last without its space) and "\n",
  // built with to_chars and written a block at a time: printf per value cost
  // more than the rest of the work.
  static char out[1 << 16];
  size_t used = 0;
  auto write_out = [&] {  // a block that cannot be written stops the run
    if (fwrite(out, 1, used, stdout) != used) io_failed("write", errno);
    used = 0;
  };
  for (size_t j = 0; j < arr.size(); ++j) {
    if (used > sizeof out - 32) write_out();
    used = size_t(std::to_chars(out + used, out + sizeof out, std::max(arr[j], floor_after[since[j]])).ptr - out);
    if (j + 1 < arr.size()) out[used++] = ' ';
  }
  out[used++] = '\n';
  write_out();
  if (fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
