// trianglepath: Largest path sum down a triangle, per case
//
// For each case the program reads a number triangle and writes the largest
// sum of a path from its top down to its bottom row, each step going to the
// number directly below or to the one below and to the right.
//
// Input: T as "%d"; per case n as "%d", then the triangle row by row, row i
// holding i numbers read as "%lld", all read as scanf reads them (white space
// skipped, an optional sign, then decimal digits).
// Output: Per case, "%lld\n": the best path sum from the top. Sums wrap at 64
// bits and entries are compared as signed 64-bit values; n of 0 or less
// writes 0.
//
// Cost: O(n^2) per case, linear in the triangle's entries, for the reading and
// for the folding.
//
// Method: The triangle is folded upward in place, from the bottom row: entry
// (r-1, k) gains the larger of (r, k) and (r, k+1), so the top ends holding
// the answer. Every case starts from a cleared triangle.
//
// Outside the contract: Storage is sized to each case's triangle, as far as
// its numbers are actually read, so n above 104 gets its natural answer. When
// a read fails (the input ends or holds a non-number) inside a case, its
// unread entries count as 0 and the case still writes its line; rows wholly
// unread are left out of the fold, which changes nothing, since all-zero rows
// add 0 to every path. A case whose n cannot be read ends the run, so a T
// larger than the input holds writes no line for the missing cases. A
// negative T runs cases until the reads fail.
//
// A read that fails is taken as the end of the input there: the lines due
// for what was read are written. A write that fails stops the program at
// once. Either is the system refusing, reported on standard error with
// status 1.
//
// Notes: The numbers are read by a block reader of its own in place of scanf,
// whose per-number cost was a large share of the run; it converts as glibc's
// "%lld" and "%d" do. No read is tried after a failed one, and what came
// before the failure is still used.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "trianglepath: %s error: %s\n", what, std::strerror(err));
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
  len = 0;
  if (read_err != 0) return EOF;
  len = fread(buf, 1, sizeof buf, stdin);
  if (ferror(stdin)) read_err = errno;  // what came before it is still used
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

// Row i (from 1) of the triangle occupies tower[row_start(i) ...] with i entries.
std::vector<int64_t> tower;

std::size_t row_start(int i) { return std::size_t(i) * std::size_t(i - 1) / 2; }

int64_t wrap_add(int64_t a, int64_t b) { return int64_t(uint64_t(a) + uint64_t(b)); }

// Reads up to n rows; returns the number of rows holding at least one read
// entry (a partial last row is padded with zeros).
int read_triangle(int n) {
  tower.clear();
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= i; ++j) {
      long long v = 0;
      if (scan_ll(v) != 1) {
        if (j == 1) return i - 1;
        tower.resize(row_start(i + 1), 0);
        return i;
      }
      tower.push_back(v);
    }
  }
  return n < 0 ? 0 : n;
}

int64_t fold(int rows) {
  if (rows <= 0) return 0;
  for (int r = rows; r > 1; --r) {
    int64_t* below = tower.data() + row_start(r);
    int64_t* above = tower.data() + row_start(r - 1);
    for (int k = 0; k < r - 1; ++k) above[k] = wrap_add(std::max(below[k], below[k + 1]), above[k]);
  }
  return tower[0];
}

int main() {
  int T = 0, n = 0;
  scan_int(T);
  // A 64-bit countdown: a negative T runs on instead of wrapping at INT_MIN.
  for (int64_t left = T; left != 0; --left) {
    if (scan_int(n) != 1) break;
    if (printf("%lld\n", (long long)fold(read_triangle(n))) < 0) io_failed("write", errno);
  }
  if (fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
