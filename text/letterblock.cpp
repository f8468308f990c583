// letterblock: Per case, 3n lines of n copies of "JVQ"
//
// For each size n the program writes a block of 3n lines, each line holding
// n copies of the token "JVQ".
//
// Input: T, then T sizes n, each a 32-bit decimal integer (white space
// skipped, an optional sign, then decimal digits).
// Output: Per case, 3n lines (3n a 32-bit product, wrapping) of n copies of
// the token with nothing between them, each line ended with a newline.
// Nothing separates the blocks. n of 0 or less writes no copy on a line, so
// a product 3n that wraps to a positive count (n = -1431655765 gives 1)
// writes that many empty lines. Output is flushed before the program waits
// for input and at exit, never per line: a client that sends one size and
// waits gets its whole block at once.
//
// Cost: Linear in the output: 9n^2 bytes per case.
//
// Outside the contract: A negative T handles no case; the first size that
// cannot be read (the input ends, or the next token is not a 32-bit integer)
// ends the run, as no later read could succeed. Enormous sizes are written as
// the format defines them; nothing is held in memory in proportion to n. A
// read that fails is taken as the end of the input there, so the blocks due
// for what was read are written; a write that fails stops the program at
// once, however much of a block is left. Either is the system refusing,
// reported on standard error with status 1.
//
// Notes: Input comes in blocks from one read of file descriptor 0 each, which
// returns what is there: a refill is the only place the program can wait, so
// the output collected so far is written out just before it. Output is also
// flushed when its buffer fills. The bytes are copied into the output buffer
// a run of up to `kRun` (1024) copies at a time and written a buffer at a
// time, so an enormous block is streamed a buffer at a time.
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "letterblock: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

std::string s = "JVQ";

constexpr int kRun = 1024;

char out[1 << 16];
std::size_t out_len = 0;

void flush() {
  if (std::fwrite(out, 1, out_len, stdout) != out_len || std::fflush(stdout) != 0)
    io_failed("write", errno);
  out_len = 0;
}

void put(const char* bytes, std::size_t size) {
  while (size > 0) {
    if (out_len == sizeof out) flush();
    std::size_t part = std::min(size, sizeof out - out_len);
    std::memcpy(out + out_len, bytes, part);
    out_len += part;
    bytes += part;
    size -= part;
  }
}

char in[1 << 16];
std::size_t in_pos = 0, in_len = 0;
bool in_end = false;
int read_err = 0;  // errno of a failed read, reported once the output is out

// The next input byte, not taken, or -1 at the end of the input.
int peek() {
  if (in_pos == in_len) {
    if (in_end) return -1;
    flush();  // the read below waits when no byte is there yet
    ssize_t n;
    do n = read(0, in, sizeof in);
    while (n < 0 && errno == EINTR);
    if (n < 0) read_err = errno;
    if (n <= 0) {
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

// n copies of s, written as runs of at most kRun copies.
void write_copies(const std::string& run, int n) {
  for (; n >= kRun; n -= kRun) put(run.data(), run.size());
  if (n > 0) put(run.data(), s.size() * std::size_t(n));
}

int main() {
  std::string run;
  for (int j = 0; j < kRun; ++j) run += s;

  int T = 0;
  // A negative T would count down through the whole 32-bit range: no case.
  for (T = extract(T) ? T : 0; T > 0; --T) {
    int n = 0;
    if (!extract(n)) break;  // no size left to read
    int lines = int(3u * uint32_t(n));
    for (int i = 0; i < lines; ++i) {
      write_copies(run, n);
      put("\n", 1);
    }
  }
  flush();
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
