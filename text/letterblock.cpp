// letterblock: Per case, 3n lines of n copies of "JVQ"
//
// For each size n the program writes a block of 3n lines, each line holding
// n copies of the token "JVQ".
//
// Input: T, then T sizes n, each a whitespace-separated 32-bit decimal
// integer with an optional sign.
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
// Outside the contract: A negative T, or one beyond 32 bits, handles no
// case; the first size that cannot be read (the input ends, the next token
// is not a number or is beyond 32 bits) ends the run. Enormous sizes are written as
// the format defines them; nothing is held in memory in proportion to n. A
// read that fails is taken as the end of the input there, so the blocks due
// for what was read are written; a write that fails stops the program at
// once, however much of a block is left. Either is the system refusing,
// reported on standard error with status 1.
//
// Notes: Copies are put a run of up to 1024 at a time into the reading and
// writing block's buffer, which goes out when it fills and before each read.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

constexpr char kProgram[] = "letterblock";

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

std::string s = "JVQ";

// The next number, where it is a 32-bit integer, as extraction takes it.
bool extract(int& v) {
  long long x = 0;
  if (read_int(x) != 1 || x < INT_MIN || x > INT_MAX) return false;
  v = int(x);
  return true;
}

int main() {
  std::string run;  // 1024 copies, put a run at a time (a put per copy: 20x)
  for (int j = 0; j < 1024; ++j) run += s;
  int T = 0;
  for (T = extract(T) ? T : 0; T > 0; --T) {
    int n = 0;
    if (!extract(n)) break;  // no size left to read
    for (int i = 0, lines = int(3u * uint32_t(n)); i < lines; ++i) {
      for (int left = n; left > 0; left -= 1024) put(std::string_view(run).substr(0, 3 * std::size_t(left)));
      put("\n");
    }
  }
  return finish();
}
