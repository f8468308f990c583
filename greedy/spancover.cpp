// spancover: Fewest intervals covering every position 1 to T
//
// The program reads closed integer intervals and a last position T, and
// writes the smallest number of intervals whose union covers every integer
// position from 1 to T, or -1 when no choice of them does. Two intervals
// chain when the second starts no later than one past the end of what is
// already covered: 1-3 and 4-6 together cover 1 to 6.
//
// Input: A count n and the end T, then n intervals, each a start and an end (inclusive,
// signed 32-bit, taken as read even when the end lies before the start). All
// numbers are read as "%d" reads them: white space skipped, an optional sign,
// then decimal digits.
// Output: The count with "%d" and nothing after it, or "-1" and a newline
// when some position cannot be covered. T of 0 or less needs no interval: 0.
//
// Cost: O(n) for the reading, the sort and the scans. On 25,005 intervals a
// run takes about 1.5x the time of merely copying its bytes; of the work
// after the start of the process, converting the numbers is two thirds and
// the sort a fifth.
//
// Method: The intervals are sorted by start; then, while the cover falls
// short of T, the program takes among the intervals starting at or before
// the first uncovered position the one that reaches furthest. The scan
// resumes at the first interval that started too late, so every interval is
// read a bounded number of times. The first uncovered position is one past a
// cover that is still below T, so it never passes 2147483647.
//
// Outside the contract: Storage grows with the intervals read, so n above
// 25,005 gets its natural answer. When a read fails (the input ends, or a
// token is not a number), reading stops: the intervals not read would be
// (0, 0), and such an interval covers nothing, so leaving them out changes
// no answer; an interval whose end is missing is left out for the same
// reason (its end would be 0). A number beyond the 32-bit range is taken as
// its value saturated at the 64-bit bounds, of which the low 32 bits are
// kept (4294967301 reads as 5, forty 1s as -1), on every machine.
//
// A read that fails is taken as the end of the input there (the answer for
// what was read is still written); a write that fails stops the program at
// once. Either is the system refusing, reported on standard error with
// status 1.
//
// Notes: Input comes in blocks from one read of file descriptor 0 each, which
// returns what is there, so a client that sends the intervals and waits gets
// its answer without closing its end. The reader converts as glibc's "%lld"
// does, then keeps the low 32 bits; scanf's per-number cost was three
// quarters of a run. The sort is a counting sort on the start, four passes
// of one byte, each left out where all starts share that byte; the order of
// intervals with the same start does not matter, since the scans take or
// pass over them together. The program needs nothing from the C++ library
// at run time, so loading it costs no time at start.
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "spancover: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// The input, a block at a time, each from one read of file descriptor 0,
// which returns what is there. The byte after a block is 0, neither a digit
// nor white space, so a scan stops there without testing for the end.
constexpr std::size_t kBlock = 1 << 16;
char in[kBlock + 1];
char* p = in;
char* e = in;
bool in_end = false;  // the input has ended, or a read failed
int read_err = 0;     // errno of the failed read, reported at exit

// A read that fails ends the input there, as though it had been cut: no read
// is tried after it, nor after the end of the input.
bool refill() {
  if (in_end) return false;
  ssize_t got;
  do got = read(0, in, kBlock);
  while (got < 0 && errno == EINTR);
  if (got <= 0) {
    if (got < 0) read_err = errno;
    in_end = true;
    got = 0;
  }
  p = in;
  e = in + got;
  *e = 0;
  return got > 0;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// One number as "%lld" converts it: white space skipped, an optional sign,
// decimal digits, a value beyond 64 bits saturated at the nearest bound.
// Returns 1, 0 when no digit follows (a sign before it stays taken, the
// byte after it does not), or EOF at the end of the input.
int scan_ll(long long& v) {
  for (;;) {
    while (is_space(*p)) ++p;
    if (p != e) break;
    if (!refill()) return EOF;
  }
  bool neg = *p == '-';
  if ((*p == '-' || *p == '+') && ++p == e && !refill()) return 0;
  if (!is_digit(*p)) return 0;
  const uint64_t limit = neg ? uint64_t(1) << 63 : (uint64_t(1) << 63) - 1;
  uint64_t mag = 0;
  do {  // the digits in this block, then again after a refill
    char* q = p;  // a local cursor, which the compiler keeps in a register
    for (uint64_t d; (d = uint64_t(*q - '0')) < 10; ++q) {
      if (mag < 100000000000000000) mag = mag * 10 + d;  // stays below 10^18
      else mag = mag > (limit - d) / 10 ? limit : mag * 10 + d;
    }
    p = q;
  } while (p == e && refill());
  v = (long long)(neg ? 0 - mag : mag);
  return 1;
}

// "%d%d" as a 64-bit C library converts them, on every machine: each token
// is taken as a 64-bit value (saturated at the 64-bit bounds) and its low 32
// bits are kept; a 32-bit library would saturate at the 32-bit bounds.
// Returns how many were converted, or EOF at the end of the input.
int scan_ints(int& a, int& b) {
  long long v = 0;
  int got = scan_ll(v);
  if (got != 1) return got;
  a = int(v);
  if (scan_ll(v) != 1) return 1;
  b = int(v);
  return 2;
}

// An interval as one number whose upper half orders the starts: the start
// with its sign bit flipped, then the end. Intervals of the same start are
// taken or passed over together by the scans below, so their order among
// themselves changes nothing, and sorting the upper halves is enough.
uint64_t record(int start, int end) { return uint64_t(uint32_t(start) ^ 0x80000000u) << 32 | uint32_t(end); }
int start_of(uint64_t r) { return int(uint32_t(r >> 32) ^ 0x80000000u); }
int end_of(uint64_t r) { return int(uint32_t(r)); }

// Ascending order of the starts: four stable counting passes over the upper
// half, one byte each, lowest first, leaving out a pass where every record
// has the same byte there.
void sort_by_start(uint64_t*& rec, uint64_t*& spare, std::size_t size) {
  static uint32_t count[4][256];
  for (std::size_t i = 0; i < size; ++i)
    for (int d = 0; d < 4; ++d) ++count[d][(rec[i] >> (32 + 8 * d)) & 0xFF];
  for (int d = 0; d < 4; ++d) {
    int shift = 32 + 8 * d;
    uint32_t* c = count[d];
    if (c[(rec[0] >> shift) & 0xFF] == size) continue;
    uint32_t sum = 0;
    for (int b = 0; b < 256; ++b) {
      uint32_t here = c[b];
      c[b] = sum;
      sum += here;
    }
    for (std::size_t i = 0; i < size; ++i) spare[c[(rec[i] >> shift) & 0xFF]++] = rec[i];
    std::swap(rec, spare);
  }
}

// Room for count records, keeping those at old. An allocation that fails
// ends the run as an allocation that throws and is not caught would.
uint64_t* grow(uint64_t* old, std::size_t count) {
  void* got = count <= SIZE_MAX / sizeof *old ? std::realloc(old, count * sizeof *old) : nullptr;
  if (got == nullptr) {
    std::fputs("terminate called after throwing an instance of 'std::bad_alloc'\n  what():  std::bad_alloc\n",
               stderr);
    std::abort();
  }
  return static_cast<uint64_t*>(got);
}

int main() {
  int n = 0, T = 0;
  scan_ints(n, T);
  uint64_t* rec = nullptr;
  std::size_t size = 0, capacity = 0;
  for (int64_t i = 0; i < n; ++i) {
    int start = 0, end = 0;
    if (scan_ints(start, end) != 2) break;
    if (size == capacity) {
      capacity = capacity == 0 ? 1024 : 2 * capacity;
      rec = grow(rec, capacity);
    }
    rec[size++] = record(start, end);
  }
  uint64_t* spare = nullptr;
  if (size > 1) {
    spare = grow(nullptr, size);
    sort_by_start(rec, spare, size);
  }

  std::size_t count = 0, pos = 0;
  int reach = 0;
  while (reach < T) {
    int target = reach + 1;
    for (std::size_t i = pos; i < size; ++i) {
      if (start_of(rec[i]) > target) {
        pos = i;
        break;
      }
      if (end_of(rec[i]) > reach) reach = end_of(rec[i]);
    }
    if (reach < target) {
      if (puts("-1") < 0) io_failed("write", errno);
      break;
    }
    ++count;
  }
  if (reach >= T && printf("%d", int(count)) < 0) io_failed("write", errno);
  if (fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  std::free(rec);
  std::free(spare);
  return 0;
}
