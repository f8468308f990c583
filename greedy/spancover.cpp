// spancover: the fewest closed integer intervals whose union covers every
// position 1..T.
//
// Input: n and T, then n intervals, each start and end (inclusive, signed
// 32-bit, taken as read even when the end lies before the start).
// Output: the count with "%d" and nothing after it, or "-1" and a newline
// when some position cannot be covered. T of 0 or less needs no interval: 0.
// Intervals chain when the next one starts no later than one past the
// covered end.
//
// Cost: O(n log n) for the sort, O(n) for the scans.
//
// Method: sort by start ascending, ties by end descending (`cmp`); then,
// while the cover falls short of T, take among the intervals starting at or
// before the first uncovered position the one that reaches furthest. The
// scan resumes at the first interval that started too late, so every
// interval is read a bounded number of times. The first uncovered position
// is one past a cover that is still below T, so it never passes 2147483647.
//
// Outside the contract: storage grows with the intervals read, so n above
// 25,005 gets its natural answer. When a read fails (the input ends, or a
// token is not a number), reading stops: the intervals not read would be
// (0, 0) as the zero-filled storage leaves them, and such an interval covers
// nothing, so leaving them out changes no answer; an interval whose end is
// missing is left out for the same reason (its end would be 0).
// A number beyond the 32-bit range is taken as its value saturated at
// the 64-bit bounds, of which the low 32 bits are kept (4294967301 reads as
// 5, forty 1s as -1), on every machine.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>
#include <cerrno>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "spancover: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// A read that fails ends the input there, as though it had been cut: no read
// is tried after it, and the failure is reported at exit.
int read_err;  // errno of the first failed read
int noted(int got) {
  if (got == EOF && ferror(stdin) && read_err == 0) read_err = errno;
  return got;
}

struct cow {
  int start, end;
};

std::vector<cow> mew;

int cmp(cow a, cow b) {
  if (a.start == b.start) return a.end > b.end ? 1 : 0;
  return a.start < b.start ? 1 : 0;
}

// "%d%d" as a 64-bit C library converts them, on every machine: each token
// is taken as a 64-bit value (saturated at the 64-bit bounds) and its low 32
// bits are kept; a 32-bit library would saturate at the 32-bit bounds.
int scan_ints(int& a, int& b) {
  long long u = 0, w = 0;
  int got = read_err != 0 ? EOF : noted(scanf("%lld%lld", &u, &w));
  if (got >= 1) a = int(u);
  if (got == 2) b = int(w);
  return got;
}

int main() {
  int n = 0, T = 0;
  scan_ints(n, T);
  for (int64_t i = 0; i < n; ++i) {
    cow c{0, 0};
    if (scan_ints(c.start, c.end) != 2) break;
    mew.push_back(c);
  }
  std::sort(mew.begin(), mew.end(), cmp);
  int size = int(mew.size());

  int count = 0, pos = 0, reach = 0;
  while (reach < T) {
    int target = reach + 1;
    for (int i = pos; i < size; ++i) {
      if (mew[i].start > target) {
        pos = i;
        break;
      }
      reach = std::max(reach, mew[i].end);
    }
    if (reach < target) {
      if (puts("-1") < 0) io_failed("write", errno);
      break;
    }
    ++count;
  }
  if (reach >= T && printf("%d", count) < 0) io_failed("write", errno);
  if (fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
