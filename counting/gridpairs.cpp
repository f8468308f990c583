// gridpairs: ordered pairs of distinct cells of an a by c grid that share a
// row, a column or a diagonal, by a closed formula.
//
// Input: pairs of 64-bit integers read as "%lld%lld" reads them (by a block
// reader of its own) until a pair holding a zero (tested on the values as
// read), which writes nothing and ends the run.
// Output: per pair, "%lld\n": with a the smaller and c the larger value,
// a*c*(a + c - 2) + (2*a*(a - 1)*(3c - a - 1)) / 3.
//
// Cost: constant per pair.
//
// Method: the terms in this order: s = (a*c)*(a + c - 2); w = (a - 1)*a,
// doubled as w + w; u = (c + 2c) - a - 1; (w*u) / 3 truncating toward zero.
// Every sum and product wraps at 64 bits; the division comes after the
// product has wrapped.
//
// Outside the contract: the input ending before a pair with a zero ends the
// run, as a read that converts nothing does. A read that takes only the
// first number of a pair keeps the second as it was (zero before the first
// pair, which then ends the run) and answers that pair as it stands.
#include <cstdint>
#include <cstdio>
#include <utility>

// A block reader in place of scanf, whose per-number cost was a large share
// of the run: `num` converts as glibc's "%lld" does (white space skipped, an
// optional sign, decimal digits, a value beyond 64 bits saturated) and
// returns 1, 0 for a token that is not a number (a sign before it is taken),
// or EOF at the end of the input.
static char buf[1 << 16];
static size_t pos, len;

static int refill() {
  pos = 0;
  len = fread(buf, 1, sizeof buf, stdin);
  return len == 0 ? EOF : (unsigned char)buf[0];
}

static inline int peek() { return pos < len ? (unsigned char)buf[pos] : refill(); }

static int num(long long& out) {
  int c = peek();
  while (c == ' ' || (c >= '\t' && c <= '\r')) ++pos, c = peek();
  if (c == EOF) return EOF;
  bool neg = c == '-';
  if (c == '-' || c == '+') ++pos, c = peek();
  if (c < '0' || c > '9') return 0;
  uint64_t v = 0, lim = uint64_t(1) << 63;
  do {  // the digits in the buffer, then again after a refill
    size_t i = pos;
    for (unsigned d; i < len && (d = unsigned(buf[i] - '0')) < 10; ++i)
      v = v > (UINT64_MAX - 9) / 10 ? UINT64_MAX : v * 10 + d;
    pos = i;
  } while (pos == len && (c = refill()) >= '0' && c <= '9');
  out = neg ? (v > lim ? INT64_MIN : int64_t(0 - v)) : (v >= lim ? INT64_MAX : int64_t(v));
  return 1;
}

int64_t add(int64_t x, int64_t y) { return int64_t(uint64_t(x) + uint64_t(y)); }
int64_t sub(int64_t x, int64_t y) { return int64_t(uint64_t(x) - uint64_t(y)); }
int64_t mul(int64_t x, int64_t y) { return int64_t(uint64_t(x) * uint64_t(y)); }

int main() {
  long long x = 0, y = 0;
  for (;;) {
    int got = num(x);  // as "%lld%lld": a failed first number leaves y unread
    if (got == 1 && num(y) == 1) ++got;
    if (got <= 0 || x == 0 || y == 0) break;  // at the end of input too
    if (y < x) std::swap(x, y);
    int64_t a = x, c = y;
    int64_t s = mul(mul(a, c), sub(add(a, c), 2));
    int64_t w = mul(sub(a, 1), a);
    w = add(w, w);
    int64_t u = sub(sub(add(c, mul(2, c)), a), 1);
    int64_t q = mul(w, u) / 3;
    printf("%lld\n", (long long)add(s, q));
  }
  return 0;
}
