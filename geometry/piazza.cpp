// piazza: Number of circles wholly inside a ring about (0, 0)
//
// The program counts how many of the given circles lie wholly inside the
// ring between the circles of radius r - d and r about the origin.
//
// A circle counts when c + dist <= r and dist - c >= r - d, both compared in
// double precision, where dist is the centre's distance from the origin in
// single precision: x*x + y*y as a wrapping 32-bit sum, converted to single
// precision, its single-precision square root widened to double. r - d is a
// wrapping 32-bit difference. A radius is used as read, negative too.
//
// Input: The radius r and width d, then n, then n circles x y c (centre and
// radius), all whitespace-separated decimal integers with an optional sign,
// each a 32-bit integer; a number beyond 64 bits is taken at the nearer
// 64-bit bound, and then its low 32 bits.
// Output: The count, on one line.
//
// Cost: O(n).
//
// Outside the contract: A wrapped negative sum gives no distance (NaN),
// which fails both comparisons; a negative n reads no circle; the input ends
// where it ends or at a token that is not a number, and the first circle
// whose three numbers cannot all be read ends the list: the count so far is
// written. A read that fails is taken as the end of the input there, so the
// count of the circles read is written; a write that fails stops the
// program. Either is the system refusing, reported on standard error with
// status 1.
//
// Notes: Each float and double result is stored through a volatile, which
// rounds it to its type where it is formed on a machine that computes in
// wider registers (the x87 unit of 32-bit x86), so the count is the same on
// every machine. There the sum c + dist is exact before that rounding
// (an integer below 2^32 and a float of at most 24 bits from 2^-23 up), and
// a square root of a float rounded to 64 bits and then to 24 is the float
// root.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

constexpr char kProgram[] = "piazza";

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

double cal(int x, int y) {
  volatile float sum = float(int(uint32_t(x) * uint32_t(x) + uint32_t(y) * uint32_t(y)));
  volatile float root = sqrtf(sum);
  return root;
}

// The next number as "%d" reads it: the low 32 bits of the 64-bit value.
bool num(int& v) {
  long long x = 0;
  if (!read_int(x)) return false;
  v = int(x);
  return true;
}

int main() {
  int r = 0, d = 0, n = 0, x = 0, y = 0, c = 0, count = 0;
  if (num(r)) num(d);
  num(n);
  double inner = double(int(uint32_t(r) - uint32_t(d)));
  for (; n > 0; --n) {
    if (!num(x) || !num(y) || !num(c)) break;
    double dist = cal(x, y);
    volatile double outer_edge = double(c) + dist, inner_edge = dist - double(c);
    count += int(outer_edge <= double(r)) & int(inner_edge >= inner);  // no branch: a branch took 1.2x
  }
  put_int(count);
  return finish();
}
