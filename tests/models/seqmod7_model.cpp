// Literal model of seqmod7: every triple read with scanf and its matrix
// squared once per bit of c + 1, all 64 bits of entries kept. Ends where the
// program does: a triple with a zero, a read that converts nothing, or a
// negative c + 1.
#include <cstdint>
#include <cstdio>

struct Matrix {
  int64_t m[2][2];
};

int64_t a, b, c;
Matrix ans;

int64_t wrap_mul(int64_t x, int64_t y) { return int64_t(uint64_t(x) * uint64_t(y)); }

Matrix mul(Matrix x, Matrix y) {
  Matrix r{};
  for (int i = 0; i < 2; i++)
    for (int j = 0; j < 2; j++)
      for (int k = 0; k < 2; k++) r.m[i][j] += wrap_mul(x.m[i][k], y.m[k][j]) % 7;
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
  while (scanf("%lld%lld%lld", &x, &y, &z) > 0) {
    a = x;
    b = y;
    c = z;
    if (a == 0 || b == 0 || c == 0) break;
    int64_t n = int64_t(uint64_t(c) + 1);
    if (n < 0) break;
    fastPower(n);
    printf("%lld\n", (long long)(ans.m[0][1] % 7));
  }
  return 0;
}
