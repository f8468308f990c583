// goldenpair: Tests integer pairs against the golden ratio
//
// For each pair, with a the smaller and b the larger value and d = b - a,
// the program writes 0 when d times 1.618033988749895 (the golden ratio),
// plus d, truncated, equals b, and 1 otherwise. The roundings are set out
// under Method.
//
// Input: Pairs of 64-bit integers (decimal, an optional sign; a value beyond
// the 64-bit range is taken as the nearest 64-bit bound), until the input
// ends.
// Output: Per pair, 0 or 1 and a newline. Output is written before the
// program waits for input and at exit: a client that sends one pair and
// waits gets its answer at once.
// Cost: Constant per pair.
// Method: With a the smaller and b the larger value and d = b - a as a
// double, s = d * 1.618033988749895 + d in two separate double roundings (the
// product, then the sum); s truncated to 32 bits, saturating at the 32-bit
// bounds, is compared with b: 0 when equal, 1 otherwise.
//
// Outside the contract: A token that is not a number, or a last number
// without its partner, ends the run, that incomplete pair unanswered. The
// difference b - a wraps at 64 bits (only a pair spanning more than the
// 64-bit range can wrap), and a negative s below the 32-bit range saturates
// at -2147483648.
//
// A read that fails is taken as the end of the input there (the answers due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>

constexpr char kProgram[] = "goldenpair";

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

// The x87 unit of 32-bit x86 without SSE keeps every result in an 80-bit
// register. There main sets it to round each operation to a double's 53
// bits (rounded to 64 bits and then to 53, a product can land one unit
// off), and `rd` stores a result through memory, which rounds it to double
// where it is formed: the double results of every other machine.
#if FLT_EVAL_METHOD == 2 && defined(__i386__)
#include <fpu_control.h>
static double rd(double v) { volatile double s = v; return s; }
static void round_to_double() {
  fpu_control_t cw;
  _FPU_GETCW(cw);
  cw = fpu_control_t((cw & ~_FPU_EXTENDED) | _FPU_DOUBLE);
  _FPU_SETCW(cw);
}
#elif FLT_EVAL_METHOD == 0
static double rd(double v) { return v; }
static void round_to_double() {}
#else
#error "double results must be rounded where they are formed"
#endif

constexpr double kPhiPlusOne = 1.618033988749895;

// Truncation toward zero into 32 bits, values beyond the range at its bounds.
int32_t to_int32(double s) {
  if (s >= 2147483647.0) return INT32_MAX;
  if (s <= -2147483648.0) return INT32_MIN;
  return int32_t(s);
}

int main() {
  round_to_double();
  long long x = 0, y = 0;
  while (read_int(x) && read_int(y)) {
    if (y < x) std::swap(x, y);
    double d = rd(double(int64_t(uint64_t(y) - uint64_t(x))));
    double s = rd(rd(d * kPhiPlusOne) + d);
    put(int64_t(to_int32(s)) == y ? "0\n" : "1\n");
  }
  return finish();
}
