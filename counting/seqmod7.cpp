// seqmod7: Residue mod 7 of a squared 2 x 2 matrix, per triple
//
// For each triple a b c the program builds the 2 x 2 matrix (1 1 / a b),
// squares it once per bit of c + 1, and writes element (0, 1) of the result
// modulo 7. How each product wraps and is reduced is set out under Method.
//
// Input: Triples of 64-bit integers a b c (decimal, an optional sign; a
// number beyond the 64-bit range is taken at its nearest bound), until a
// triple holding a zero (tested a, then b, then c), which writes nothing and
// ends the run. c lies from -1 to 9223372036854775806.
// Output: Per triple, "%lld\n": element (0, 1) of the final matrix % 7, a
// remainder with the sign of the element (-6..6).
// Cost: Per triple, constant: four 64-bit remainders and a look-up among at
// most 13^4 x 63 remembered answers, each found once with at most 62
// squarings.
// Method: The start matrix is (1 1 / a b), not the identity. n = c + 1; while
// n is not 0 the matrix is replaced by its own product and n is shifted right
// arithmetically, so it is squared L times, L the bit length of n. In a
// product every single term x(i,k) * y(k,j) wraps at 64 bits and is then
// reduced % 7 (sign of the dividend); the two terms of an entry are added
// without a further reduction, so after the first squaring every entry lies
// in -12..12. There x * y % 7 equals (x % 7) * (y % 7) % 7 (the signs agree,
// or one side is 0, and the two are congruent), so each later squaring, and
// the answer, depend on the entries % 7 alone: a state out of 13^4. The
// first squaring is done on the raw entries; the answer after the other
// L - 1 is remembered per (state, L - 1).
//
// Outside the contract: The input ending, or a token that is not a number,
// before a triple with a zero ends the run; a triple cut there leaves its
// unread numbers as they were (zero before the first triple) and is answered
// as it stands. A triple whose c + 1 is negative (c of -2 or less, or c the
// largest value, where c + 1 wraps) would square without end and never be
// answered: the run ends there, so the output is the lines due before it.
//
// A read that fails is taken as the end of the input there (the lines due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Reading and writing are the pasted block. The memo of answers, the
// first squaring written out and the answer lines from a table are kept for
// speed, each with its measured gain where it is.
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

constexpr char kProgram[] = "seqmod7";

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

struct Matrix {
  int64_t m[2][2];
};

int64_t a, b, c;
Matrix ans;

// The two's-complement product at 64 bits, without signed overflow.
int64_t wrap_mul(int64_t x, int64_t y) { return int64_t(uint64_t(x) * uint64_t(y)); }

Matrix mul(Matrix x, Matrix y) {
  Matrix r{};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j)
      for (int k = 0; k < 2; ++k) r.m[i][j] += wrap_mul(x.m[i][k], y.m[k][j]) % 7;
  return r;
}

// memo[s][k]: element (0, 1) % 7, plus 7, after k more squarings of a matrix
// in state s (its entries % 7, each -6..6, row by row in base 13); 0 while
// not known. Without it, squaring up to 63 times per triple, the benchmark
// run takes 11 times as long.
int8_t memo[13 * 13 * 13 * 13][64];

// Leaves in element (0, 1) of `ans` that element of the start matrix squared
// once per bit of n, or its remainder % 7 where n is not 0 (the only form of
// it the answer reads); the other entries are not kept.
void fastPower(int64_t n) {
  ans = Matrix{{{1, 1}, {a, b}}};
  if (n == 0) return;
  // The first squaring, mul(ans, ans) with its products by 1 written out (and
  // the lines from a table below): together 1.17 times faster on the benchmark.
  int64_t ra = a % 7, rb = b % 7;
  ans = Matrix{{{1 + ra, 1 + rb}, {ra + wrap_mul(b, a) % 7, ra + wrap_mul(b, b) % 7}}};
  int s = 0;
  for (int i = 0; i < 4; ++i) s = s * 13 + int(ans.m[i / 2][i % 2] % 7) + 6;
  int more = int(std::bit_width(uint64_t(n))) - 1;  // squarings still due
  int8_t& known = memo[s][more];
  if (known == 0) {
    Matrix x = ans;
    for (int k = 0; k < more; ++k) x = mul(x, x);
    known = int8_t(x.m[0][1] % 7 + 7);
  }
  ans.m[0][1] = known - 7;
}

int main() {
  long long x = 0, y = 0, z = 0;
  while (read_int(x)) {  // a triple cut short keeps what it had
    read_int(y) && read_int(z);
    a = x;
    b = y;
    c = z;
    if (a == 0 || b == 0 || c == 0) break;
    int64_t n = int64_t(uint64_t(c) + 1);
    if (n < 0) break;  // the shift would settle at -1 and never reach 0
    fastPower(n);
    static const char* const text[13] = {"-6\n", "-5\n", "-4\n", "-3\n", "-2\n", "-1\n", "0\n",
                                         "1\n",  "2\n",  "3\n",  "4\n",  "5\n",  "6\n"};
    put(text[ans.m[0][1] % 7 + 6]);
  }
  return finish();
}
