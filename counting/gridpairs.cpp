// gridpairs: ordered pairs of distinct cells of an a by c grid that share a
// row, a column or a diagonal, by a closed formula.
//
// Input: pairs of 64-bit integers read with "%lld%lld" until a pair holding a
// zero (tested on the values as read), which writes nothing and ends the run.
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

int64_t add(int64_t x, int64_t y) { return int64_t(uint64_t(x) + uint64_t(y)); }
int64_t sub(int64_t x, int64_t y) { return int64_t(uint64_t(x) - uint64_t(y)); }
int64_t mul(int64_t x, int64_t y) { return int64_t(uint64_t(x) * uint64_t(y)); }

int main() {
  long long x = 0, y = 0;
  for (;;) {
    int got = scanf("%lld%lld", &x, &y);
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
