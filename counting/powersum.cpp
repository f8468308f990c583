// powersum: (n + 1) * 2^(n - 2) in double precision, per n
//
// For each n the program writes 2^(n-1) + (n-1) * 2^(n-2), that is n + 1
// times 2 to the power n - 2, computed in double precision and truncated to
// a 64-bit integer.
//
// Input: A count T, then T values n, read as stream extraction reads 32-bit
// integers (white space skipped, an optional sign, then decimal digits).
// Nothing after the T-th value is read.
// Output: Per n, the value 2^(n-1) + (n-1) * 2^(n-2), formed with the maths
// library's pow on doubles (product first, then sum) and truncated toward zero
// to a signed 64-bit integer, and a newline. Exact for n from 1 to 59; n of 0
// or less gives 0.
// Output is flushed before the program waits for input and at exit, never
// per line: a client that sends one value and waits gets its answer at once,
// and a batch run writes many answers at a time.
//
// Cost: O(1) per query.
//
// Outside the contract: The differences n - 1 and n - 2 are formed in 64 bits,
// so n of -2147483647 or less does not wrap into a huge exponent and answers
// 0 like every other n below 1. A sum beyond the signed 64-bit range (n of 60
// or more) saturates to 9223372036854775807. A failed extraction (the input
// ends early, holds a non-number or a number beyond the 32-bit range) ends
// the run, without a line for that query. A negative T answers values until
// the extractions fail.
//
// A read that fails is taken as the end of the input there (the answers due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Input comes in blocks from one read of file descriptor 0 each, which
// returns what is there: a refill is the only place the program can wait, so
// the answers collected so far are written out just before it, and a batch
// run writes a buffer at a time.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

// Truncation toward zero with saturation: the conversion of a double outside
// the 64-bit range has no defined result of its own.
int64_t truncate64(double v) {
  if (v >= 0x1p63) return std::numeric_limits<int64_t>::max();
  if (v >= -0x1p63) return int64_t(v);
  return std::numeric_limits<int64_t>::min();
}

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "powersum: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

char out[1 << 16];
std::size_t out_len = 0;

// A write that fails stops the program at once: nothing after it would arrive.
void flush() {
  if (std::fwrite(out, 1, out_len, stdout) != out_len || std::fflush(stdout) != 0)
    io_failed("write", errno);
  out_len = 0;
}

void print(int64_t v) {
  if (out_len + 24 > sizeof out) flush();
  out_len = std::size_t(std::to_chars(out + out_len, out + sizeof out, v).ptr - out);
  out[out_len++] = '\n';
}

char in[1 << 16];
std::size_t in_pos = 0, in_len = 0;
bool in_end = false;
int read_failed = 0;  // errno of a read that failed, which ended the input there

// The next input byte, not taken, or -1 at the end of the input.
int peek() {
  if (in_pos == in_len) {
    if (in_end) return -1;
    flush();  // the read below waits when no byte is there yet
    ssize_t n;
    do n = read(0, in, sizeof in);
    while (n < 0 && errno == EINTR);
    if (n <= 0) {
      if (n < 0) read_failed = errno;  // taken as the end of the input, as if cut
      in_end = true;
      return -1;
    }
    in_pos = 0;
    in_len = std::size_t(n);
  }
  return static_cast<unsigned char>(in[in_pos]);
}

// A 32-bit integer as stream extraction takes it; false where extraction fails.
bool extract(int& v) {
  int c;
  while ((c = peek()) == ' ' || (c >= '\t' && c <= '\r')) ++in_pos;
  bool neg = c == '-';
  if (c == '-' || c == '+') ++in_pos, c = peek();
  if (c < '0' || c > '9') return false;
  uint64_t mag = 0;  // stops growing once past every 32-bit magnitude
  for (; c >= '0' && c <= '9'; ++in_pos, c = peek())
    if (mag <= (uint64_t(1) << 31)) mag = mag * 10 + uint64_t(c - '0');
  if (mag > (neg ? uint64_t(1) << 31 : (uint64_t(1) << 31) - 1)) return false;
  v = int(neg ? -int64_t(mag) : int64_t(mag));
  return true;
}

int main() {
  int T = 0, n = 0;
  // A 64-bit countdown: a negative T runs on instead of wrapping at INT_MIN.
  for (int64_t left = extract(T) ? T : 0; left != 0; --left) {
    if (!extract(n)) break;
    int64_t m = int64_t(n) - 1;  // equal to the 32-bit n - 1 wherever that does not wrap
    double p = std::pow(2.0, double(m));
    double q = std::pow(2.0, double(m - 1));
    double v = q * double(m);
    v = p + v;
    print(truncate64(v));
  }
  flush();
  if (read_failed != 0) io_failed("read", read_failed);
  return 0;
}
