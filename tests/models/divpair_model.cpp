// Literal model of divpair: the row-by-row search over all pairs (i, j) with
// 32-bit products and a double comparison of the quotient. Time proportional
// to x; exact for x up to 2147483645.
#include <cstdio>

int main() {
  int x = 0;
  bool flag = true;
  scanf("%d", &x);
  for (int i = 1; i <= x; ++i) {
    for (int j = 1; j <= x; ++j) {
      if (i % j > 0 && i * j > x && double(i / j) < double(x)) {
        printf("%d %d\n", i, j);
        flag = false;
        break;
      }
    }
    if (!flag) break;
  }
  if (flag) printf("-1\n");
  return 0;
}
