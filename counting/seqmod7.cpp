// seqmod7: a residue modulo 7 of a 2 x 2 matrix built from a and b and
// squared once per bit of c + 1.
//
// Input: triples of 64-bit integers a b c, until a triple holding a zero
// (tested a, then b, then c), which writes nothing and ends the run.
// Output: per triple, "%lld\n": element (0, 1) of the final matrix % 7, a
// remainder with the sign of the element (-6..6).
// Method: the start matrix is (1 1 / a b), not the identity. n = c + 1; while
// n is not 0 the matrix is replaced by its own product and n is shifted right
// arithmetically. In a product every single term x(i,k) * y(k,j) wraps at 64
// bits and is then reduced % 7 (sign of the dividend); the two terms of an
// entry are added without a further reduction, so after the first squaring
// every entry lies in -12..12.
// Cost: at most 64 squarings of a 2 x 2 matrix per triple.
//
// Outside the contract: the input ending (or a token that is not a number)
// before a triple with a zero ends the run; a read that takes only part of a
// triple leaves the other numbers as they were (zero before the first triple)
// and that triple is answered as it stands. A triple whose c + 1 is negative
// (c of -2 or less, or c the largest value, where c + 1 wraps) would square
// without end and never be answered: the run ends there, writing nothing
// more, so the output is the lines due before it.
#include <cstdint>
#include <cstdio>

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

void fastPower(int64_t n) {
  ans.m[0][0] = 1;
  ans.m[0][1] = 1;
  ans.m[1][0] = a;
  ans.m[1][1] = b;
  while (n != 0) {
    ans = mul(ans, ans);
    n >>= 1;
  }
}

int main() {
  long long x = 0, y = 0, z = 0;
  while (scanf("%lld%lld%lld", &x, &y, &z) > 0) {  // a read that takes nothing ends the run
    a = x;
    b = y;
    c = z;
    if (a == 0 || b == 0 || c == 0) break;
    int64_t n = int64_t(uint64_t(c) + 1);
    if (n < 0) break;  // the shift would settle at -1 and never reach 0
    fastPower(n);
    printf("%lld\n", (long long)(ans.m[0][1] % 7));
  }
  return 0;
}
