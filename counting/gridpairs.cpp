// gridpairs: Cell pairs sharing a row, column or diagonal
//
// For an a by c grid the program counts, by a closed formula, the ordered
// pairs of distinct cells that share a row, a column or a diagonal.
//
// Input: Pairs of 64-bit integers, white-space separated decimal numbers
// with an optional sign, until a pair holding a zero (tested on the values as
// read), which writes nothing and ends the run. A number beyond the 64-bit
// range is taken at its nearest bound.
// Output: Per pair, "%lld\n": with a the smaller and c the larger value,
// a*c*(a + c - 2) + (2*a*(a - 1)*(3c - a - 1)) / 3.
//
// Cost: Constant per pair, linear in the input.
//
// Method: The terms in this order: s = (a*c)*(a + c - 2); w = (a - 1)*a,
// doubled as w + w; u = (c + 2c) - a - 1; (w*u) / 3 truncating toward zero.
// Every sum and product wraps at 64 bits; the division comes after the
// product has wrapped.
//
// Outside the contract: The input ends where it ends or at a token that is
// not a number, and that ends the run. Where only the first number of a pair
// is read, the second keeps its value from the pair before (zero before the
// first pair, which then ends the run) and that pair is answered as it
// stands.
//
// A read that fails is taken as the end of the input there (the lines due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>

constexpr char kProgram[] = "gridpairs";

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

int64_t add(int64_t x, int64_t y) { return int64_t(uint64_t(x) + uint64_t(y)); }
int64_t sub(int64_t x, int64_t y) { return int64_t(uint64_t(x) - uint64_t(y)); }
int64_t mul(int64_t x, int64_t y) { return int64_t(uint64_t(x) * uint64_t(y)); }

int main() {
  for (long long x = 0, y = 0; read_int(x);) {
    read_int(y);  // as "%lld%lld": a second number that is not read leaves y
    if (x == 0 || y == 0) break;
    if (y < x) std::swap(x, y);
    int64_t a = x, c = y;
    int64_t s = mul(mul(a, c), sub(add(a, c), 2));
    int64_t w = mul(sub(a, 1), a);
    w = add(w, w);
    int64_t u = sub(sub(add(c, mul(2, c)), a), 1);
    put_int(add(s, mul(w, u) / 3));
  }
  return finish();
}
