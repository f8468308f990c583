// seqmod7: Residue mod 7 of a squared 2 x 2 matrix, per triple
//
// For each triple a b c the program builds the 2 x 2 matrix (1 1 / a b),
// squares it once per bit of c + 1, and writes element (0, 1) of the result
// modulo 7. How each product wraps and is reduced is set out under Method.
//
// Input: Triples of 64-bit integers a b c, each number read as "%lld" reads
// it (white space skipped, an optional sign, then decimal digits), until a
// triple holding a zero (tested a, then b, then c), which writes nothing and
// ends the run.
// Output: Per triple, "%lld\n": element (0, 1) of the final matrix % 7, a
// remainder with the sign of the element (-6..6).
// Cost: Per triple, four 64-bit remainders and one look-up in a memo of
// answers; a miss costs at most 62 look-ups in a table of single squarings,
// both filled on first use (at most 13^4 x 63 and 13^4 entries).
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
// Outside the contract: The input ending (or a token that is not a number)
// before a triple with a zero ends the run; a read that takes only part of a
// triple leaves the other numbers as they were (zero before the first triple)
// and that triple is answered as it stands. A number beyond 64 bits is read
// as the nearest 64-bit limit; a sign without digits is consumed and is not
// a number (nor is a NUL byte). A triple whose c + 1 is negative (c of -2 or
// less, or c the largest value, where c + 1 wraps) would square without end
// and never be answered: the run ends there, writing nothing more, so the
// output is the lines due before it.
//
// A read that fails is taken as the end of the input there (the lines due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Input is read a block at a time, each block what one read of file
// descriptor 0 returns, and only when a number needs more: no read waits for
// more than the line being parsed. That reading and the per-line writing are
// most of the time.
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "seqmod7: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

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

// A state: the four entries % 7 (each -6..6), row by row, in base 13.
constexpr int kStates = 13 * 13 * 13 * 13;
uint16_t squared[kStates];  // the state of s squared once, plus 1; 0: not yet known
int8_t memo[kStates][64];   // element (0, 1) after k more squarings, plus 7; 0: not yet known

int encode(const Matrix& x) {
  int s = 0;
  for (int i = 0; i < 4; ++i) s = s * 13 + int(x.m[i / 2][i % 2] % 7) + 6;
  return s;
}

int square(int s) {
  if (squared[s] == 0) {
    Matrix x;
    for (int i = 3, v = s; i >= 0; --i, v /= 13) x.m[i / 2][i % 2] = v % 13 - 6;
    squared[s] = uint16_t(encode(mul(x, x)) + 1);
  }
  return squared[s] - 1;
}

// Leaves in element (0, 1) of `ans` that element of the start matrix squared
// once per bit of n, or its remainder % 7 where n is not 0 (the only form of
// it the answer reads); the other entries are not kept.
void fastPower(int64_t n) {
  ans.m[0][0] = 1;
  ans.m[0][1] = 1;
  ans.m[1][0] = a;
  ans.m[1][1] = b;
  if (n == 0) return;
  // The first squaring, mul(ans, ans) with its products by 1 written out.
  int64_t ra = a % 7, rb = b % 7;
  ans.m[0][0] = 1 + ra;
  ans.m[0][1] = 1 + rb;
  ans.m[1][0] = ra + wrap_mul(b, a) % 7;
  ans.m[1][1] = ra + wrap_mul(b, b) % 7;
  int s = encode(ans), more = std::bit_width(uint64_t(n)) - 1;  // squarings still due
  int8_t& known = memo[s][more];
  if (known == 0) {
    int x = s;
    for (int k = 0; k < more; ++k) x = square(x);
    known = int8_t(x / 169 % 13 - 6 + 7);
  }
  ans.m[0][1] = known - 7;
}

// Input a block at a time, read only when a number needs more, so that no
// read waits for more than the line being parsed needs (and, unlike fgets, a
// read that fails keeps what the line had so far). Each chunk ends with
// a NUL byte, which stops every scan below, so the scans test for the chunk's
// end only there.
char line[1 << 16];
const char* pos = line;
size_t got;       // bytes in the chunk, before its closing NUL
bool over;        // the end of the input, or a NUL byte in it: nothing more is read
int read_failed;  // errno of a read that failed, which ended the input there

// At a NUL byte: the next chunk's first byte, or 0 when there is none. A NUL
// before the chunk's end is a NUL in the input and is final.
char refill() {
  ssize_t n = 0;
  if (!over && pos == line + got) {
    do n = read(0, line, sizeof line - 1);
    while (n < 0 && errno == EINTR);
    if (n < 0) read_failed = errno;  // the input ends here, as if cut
  }
  if (n <= 0) {
    over = true;
    pos = line;
    got = 0;
    line[0] = 0;
    return 0;
  }
  pos = line;
  got = size_t(n);
  line[got] = 0;
  if (line[0] == 0) over = true;  // the chunk starts with a NUL byte
  return line[0];
}

char peek() { return *pos != 0 ? *pos : refill(); }

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// One "%lld" conversion: white space, an optional sign, digits; beyond 64
// bits the nearest limit. False when no digits follow (a sign is consumed).
bool readInt(long long& out) {
  char ch = peek();
  while (ch == ' ' || (ch >= '\t' && ch <= '\r')) {
    ++pos;
    ch = peek();
  }
  bool neg = ch == '-';
  if (ch == '-' || ch == '+') {
    ++pos;
    ch = peek();
  }
  if (!isDigit(ch)) return false;
  // Up to 18 digits inside the chunk: no limit is in reach, no refill due.
  const char* at = pos;
  uint64_t v = 0;
  while (isDigit(*at) && at - pos < 18) v = v * 10 + unsigned(*at++ - '0');
  if (!isDigit(*at) && *at != 0) {
    pos = at;
  } else {  // a longer number, or one that runs on into the next chunk
    uint64_t limit = neg ? uint64_t(INT64_MAX) + 1 : uint64_t(INT64_MAX);
    bool beyond = false;
    v = 0;
    for (; isDigit(ch); ch = peek()) {
      unsigned d = unsigned(ch - '0');
      if (beyond || v > (limit - d) / 10)
        beyond = true;
      else
        v = v * 10 + d;
      ++pos;
    }
    if (beyond) v = limit;
  }
  out = neg ? int64_t(0 - v) : int64_t(v);
  return true;
}

// "%lld%lld%lld": the number of conversions made, stopping at the first
// that fails.
int readTriple(long long& x, long long& y, long long& z) {
  if (!readInt(x)) return 0;
  if (!readInt(y)) return 1;
  return readInt(z) ? 3 : 2;
}

int main() {
  long long x = 0, y = 0, z = 0;
  while (readTriple(x, y, z) > 0) {  // a read that takes nothing ends the run
    a = x;
    b = y;
    c = z;
    if (a == 0 || b == 0 || c == 0) break;
    int64_t n = int64_t(uint64_t(c) + 1);
    if (n < 0) break;  // the shift would settle at -1 and never reach 0
    fastPower(n);
    static const char* const text[13] = {"-6\n", "-5\n", "-4\n", "-3\n", "-2\n", "-1\n", "0\n",
                                         "1\n",  "2\n",  "3\n",  "4\n",  "5\n",  "6\n"};
    // A line that cannot be written stops the run: nothing after it would arrive.
    if (fputs(text[ans.m[0][1] % 7 + 6], stdout) < 0) io_failed("write", errno);
  }
  if (std::fflush(stdout) != 0) io_failed("write", errno);
  if (read_failed != 0) io_failed("read", read_failed);
  return 0;
}
