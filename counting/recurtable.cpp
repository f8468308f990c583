// recurtable: Terms of 1, 3, 5, 11, 21, 43, ... from a table
//
// In the sequence 1, 3, 5, 11, 21, 43, ... each term is the previous one plus
// twice the one before it. The program answers each index it is given with
// that index's term, looked up in a table built at start.
//
// Input: A count T, then T indices, read as stream extraction reads 32-bit
// integers (white space skipped, an optional sign, then decimal digits).
// Nothing after the T-th index is read.
// Output: Per index, its term as a 64-bit integer and a newline, in input
// order. Index 0 answers 0, the entry the table leaves unwritten.
// Output is flushed before the program waits for input and at exit, never
// per line: a client that sends one index and waits gets its answer at once,
// and a batch run writes many answers at a time.
//
// Cost: O(1) per query.
// Method: The table is built once, before any input is read; a query is one
// look-up.
//
// Outside the contract: The table runs on past index 30 to index 63, the last
// term that fits in 64 bits, so those indices get their true terms; an index
// below 0 or above 63 answers 0, like index 0. A failed extraction (the input
// ends early, holds a non-number or a number beyond the 32-bit range) ends
// the run, without a line for that query. A negative T answers indices until
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
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

constexpr int kLast = 63;  // term 64 would pass the signed 64-bit range

int64_t ans[kLast + 1];

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "recurtable: %s error: %s\n", what, std::strerror(err));
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
  ans[1] = 1;
  ans[2] = 3;
  for (int i = 3; i <= kLast; ++i) ans[i] = 2 * ans[i - 2] + ans[i - 1];

  int T = 0, n = 0;
  if (extract(T)) {
    // A 64-bit countdown: a negative T runs on instead of wrapping at INT_MIN.
    for (int64_t left = T; left != 0; --left) {
      if (!extract(n)) break;
      print(n >= 0 && n <= kLast ? ans[n] : 0);
    }
  }
  flush();
  if (read_failed != 0) io_failed("read", read_failed);
  return 0;
}
